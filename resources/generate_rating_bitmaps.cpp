// Draws the three rating pictures (good.bmp, normal.bmp, bad.bmp) that the resource script links
// into the saver, each also at twice the resolution (good96.bmp, ...: 96 x 96, the same design)
// for screens above 100 %. Run it with the output directory as the only argument:
//
//     g++ -std=c++20 -O2 -o /tmp/gen resources/generate_rating_bitmaps.cpp && /tmp/gen resources
//
// Everything is integer arithmetic, so the bytes are the same on every run and every host, and the
// bitmaps in the repository can be checked against a fresh run.
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Rgb {
    int r;
    int g;
    int b;
};

struct Picture {
    const char* name;  // of the file, without the size and the extension
    Rgb top;           // gradient colour at the centre of the tile's first row
    Rgb bottom;        // gradient colour at the centre of the tile's last row
};

constexpr std::array<Picture, 3> kPictures{{
    {"good", {15, 122, 26}, {17, 185, 10}},
    {"normal", {255, 206, 0}, {255, 255, 120}},
    {"bad", {161, 1, 1}, {246, 117, 117}},
}};

// The design is 48 pixels square; each picture is made at 1 and at 2 pixels per design pixel.
constexpr int kDesignSize = 48;
constexpr std::array<int, 2> kResolutions = {1, 2};
// The scene's background: the margin must be exactly this so the picture merges into it.
constexpr Rgb kMargin{0, 0, 30};

// Geometry is measured in sub-pixel units: a design pixel is kUnit units wide. A picture pixel
// (kUnit / resolution units) has kSub x kSub samples at the centres of its kSub x kSub cells, so
// no sample ever lies on a pixel border and every shape test is an exact integer comparison.
// Every sample of the 48-pixel picture lies where it lay when a design pixel was 16 units, at twice
// the coordinates, so the same bytes come out.
constexpr int kSub = 8;
constexpr int kUnit = 4 * kSub;

// The tile covers pixels 2 to 44, that is the continuous span [2, 45).
constexpr int kTileLow = 2 * kUnit;
constexpr int kTileHigh = 45 * kUnit;
constexpr int kCornerRadius = 8 * kUnit;
// The rim is 1.5 pixels wide; the inner shape keeps the corners concentric.
constexpr int kRimWidth = 3 * kUnit / 2;

// The highlight band across the upper third, inside the rim.
constexpr int kBandLeft = 4 * kUnit;
constexpr int kBandRight = 43 * kUnit;
constexpr int kBandTop = 7 * kUnit / 2;
constexpr int kBandBottom = 33 * kUnit / 2;
constexpr int kBandRadius = 6 * kUnit;
// Strength of the band's blend toward white, per mille, fading from its top to its bottom.
constexpr int kBandTopStrength = 560;
constexpr int kBandBottomStrength = 160;
// The rim's blend toward white, per mille.
constexpr int kRimStrength = 450;

// The gradient runs between the centres of the first and the last row of the tile.
constexpr int kGradientTop = 2 * kUnit + kUnit / 2;
constexpr int kGradientBottom = 44 * kUnit + kUnit / 2;

constexpr int kHeaderBytes = 14 + 40;

static_assert(kDesignSize * 3 % 4 == 0, "rows would need padding");

// Division rounded to nearest, halves away from zero; the divisor is positive.
constexpr int RoundDiv(int numerator, int divisor) {
    return numerator >= 0 ? (numerator + divisor / 2) / divisor
                          : -((-numerator + divisor / 2) / divisor);
}

constexpr int Clamp(int value, int low, int high) {
    return value < low ? low : (value > high ? high : value);
}

// Whether the sample point (x, y) lies in the rectangle [left, right] x [top, bottom] with
// corners rounded by the given radius.
constexpr bool InRoundedRect(int x, int y, int left, int top, int right, int bottom, int radius) {
    if (x < left || x > right || y < top || y > bottom) {
        return false;
    }
    const long long dx = x - Clamp(x, left + radius, right - radius);
    const long long dy = y - Clamp(y, top + radius, bottom - radius);
    return dx * dx + dy * dy <= static_cast<long long>(radius) * radius;
}

constexpr int Lerp(int from, int to, int step, int steps) {
    return from + RoundDiv((to - from) * step, steps);
}

constexpr Rgb TowardWhite(Rgb colour, int perMille) {
    return {Lerp(colour.r, 255, perMille, 1000), Lerp(colour.g, 255, perMille, 1000),
            Lerp(colour.b, 255, perMille, 1000)};
}

// Colour of one sample point of the picture.
constexpr Rgb SampleColour(const Picture& picture, int x, int y) {
    if (!InRoundedRect(x, y, kTileLow, kTileLow, kTileHigh, kTileHigh, kCornerRadius)) {
        return kMargin;
    }
    const int step = Clamp(y, kGradientTop, kGradientBottom) - kGradientTop;
    const int steps = kGradientBottom - kGradientTop;
    const Rgb body{Lerp(picture.top.r, picture.bottom.r, step, steps),
                   Lerp(picture.top.g, picture.bottom.g, step, steps),
                   Lerp(picture.top.b, picture.bottom.b, step, steps)};
    if (!InRoundedRect(x, y, kTileLow + kRimWidth, kTileLow + kRimWidth, kTileHigh - kRimWidth,
                       kTileHigh - kRimWidth, kCornerRadius - kRimWidth)) {
        return TowardWhite(body, kRimStrength);
    }
    if (InRoundedRect(x, y, kBandLeft, kBandTop, kBandRight, kBandBottom, kBandRadius)) {
        return TowardWhite(body, Lerp(kBandTopStrength, kBandBottomStrength, y - kBandTop,
                                      kBandBottom - kBandTop));
    }
    return body;
}

// A pixel is the rounded mean of its samples; that anti-aliases every edge, and a pixel
// none of whose samples touches the tile keeps the margin colour exactly.
constexpr Rgb PixelColour(const Picture& picture, int resolution, int column, int row) {
    const int pixel = kUnit / resolution;
    const int cell = pixel / kSub;
    int r = 0;
    int g = 0;
    int b = 0;
    for (int j = 0; j < kSub; ++j) {
        for (int i = 0; i < kSub; ++i) {
            const Rgb sample = SampleColour(picture, column * pixel + i * cell + cell / 2,
                                            row * pixel + j * cell + cell / 2);
            r += sample.r;
            g += sample.g;
            b += sample.b;
        }
    }
    constexpr int kSamples = kSub * kSub;
    return {RoundDiv(r, kSamples), RoundDiv(g, kSamples), RoundDiv(b, kSamples)};
}

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

// A bottom-up 24-bit BI_RGB bitmap with a BITMAPINFOHEADER and no colour table.
std::vector<std::uint8_t> EncodeBitmap(const Picture& picture, int resolution) {
    const int size = kDesignSize * resolution;
    const int rowBytes = size * 3;
    const int pixelBytes = rowBytes * size;
    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(kHeaderBytes + pixelBytes));
    // BITMAPFILEHEADER
    out.push_back('B');
    out.push_back('M');
    PutU32(out, kHeaderBytes + pixelBytes);  // bfSize
    PutU16(out, 0);                          // bfReserved1
    PutU16(out, 0);                          // bfReserved2
    PutU32(out, kHeaderBytes);               // bfOffBits
    // BITMAPINFOHEADER
    PutU32(out, 40);          // biSize
    PutU32(out, size);        // biWidth
    PutU32(out, size);        // biHeight, positive: the last row comes first
    PutU16(out, 1);           // biPlanes
    PutU16(out, 24);          // biBitCount
    PutU32(out, 0);           // biCompression = BI_RGB
    PutU32(out, pixelBytes);  // biSizeImage
    PutU32(out, 2835);        // biXPelsPerMeter, 72 dpi
    PutU32(out, 2835);        // biYPelsPerMeter
    PutU32(out, 0);           // biClrUsed
    PutU32(out, 0);           // biClrImportant
    for (int row = size - 1; row >= 0; --row) {
        for (int column = 0; column < size; ++column) {
            const Rgb pixel = PixelColour(picture, resolution, column, row);
            out.push_back(static_cast<std::uint8_t>(pixel.b));
            out.push_back(static_cast<std::uint8_t>(pixel.g));
            out.push_back(static_cast<std::uint8_t>(pixel.r));
        }
    }
    return out;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argc > 0 ? argv[0] : "generate");
        return 2;
    }
    const std::string directory = argv[1];
    for (const Picture& picture : kPictures) {
        for (const int resolution : kResolutions) {
            const std::string size =
                resolution == 1 ? "" : std::to_string(kDesignSize * resolution);
            const std::string path = directory + "/" + picture.name + size + ".bmp";
            if (!WriteFile(path, EncodeBitmap(picture, resolution))) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                return 1;
            }
        }
    }
    return 0;
}
