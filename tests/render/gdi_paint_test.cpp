// The dial on real GDI: the scene painted into a 32-bit DIB through the GDI surface, then read back
// pixel by pixel. The rating pictures come from this executable's own resources.
#include <gtest/gtest.h>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "model/bands.hpp"
#include "model/rhythm_model.hpp"
#include "render/clock_face.hpp"
#include "render/dib_canvas.hpp"
#include "render/gdi_surface.hpp"
#include "render/paint_context.hpp"
#include "render/paint_scene.hpp"
#include "render/rhythm_figure.hpp"
#include "render/test_printers.hpp"
#include "render/type_badges.hpp"

namespace mr {
namespace {

constexpr RgbColour kBlackPixel{0, 0, 0};
constexpr RgbColour kBackgroundPixel{0, 0, 30};
constexpr RgbColour kWhitePixel{255, 255, 255};
constexpr RgbColour kGrayPixel{128, 128, 128};

constexpr LocalMoment kMoment{2026, 12, 8, 14, 37, 0};

SceneInputs Inputs(std::int32_t width, std::int32_t height, bool preview) {
    SceneInputs inputs;
    inputs.width = width;
    inputs.height = height;
    inputs.preview = preview;
    inputs.moment = kMoment;
    return inputs;
}

void Paint(const Canvas& canvas, const SceneInputs& inputs) {
    GdiSurface surface(canvas.dc(), ::GetModuleHandleW(nullptr));
    PaintScene(surface, inputs);
}

// The colour the figure leaves at each of its pixels: the last write wins.
std::map<std::pair<int, int>, RgbColour> FigureColours(std::int32_t width, std::int32_t height) {
    std::map<std::pair<int, int>, RgbColour> colours;
    const RhythmSnapshot snapshot = EvaluateRhythm(kMoment);
    for (const FigurePixel& pixel :
         RhythmFigurePixels(ComputeSceneGeometry(width, height), snapshot.dayFactors)) {
        colours[{pixel.position.x, pixel.position.y}] = TypeColour(pixel.type);
    }
    return colours;
}

// Whether some pixel within one of p has the colour: how a rasteriser draws an outline is its own
// choice, where it draws it is not.
bool NearColour(const Canvas& canvas, Point p, RgbColour colour) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (canvas.At(p.x + dx, p.y + dy) == colour) {
                return true;
            }
        }
    }
    return false;
}

double DistanceToSegment(Point p, Point a, Point b) {
    const double vx = b.x - a.x;
    const double vy = b.y - a.y;
    const double wx = p.x - a.x;
    const double wy = p.y - a.y;
    double t = (vx * wx + vy * wy) / (vx * vx + vy * vy);
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    return std::hypot(wx - t * vx, wy - t * vy);
}

TEST(GdiPaint, FullScene1920x1080) {
    const Canvas canvas(1920, 1080);
    ASSERT_TRUE(canvas.ready());
    Paint(canvas, Inputs(1920, 1080, false));

    EXPECT_EQ(canvas.At(0, 0), kBlackPixel);
    EXPECT_EQ(canvas.At(1919, 1079), kBlackPixel);
    EXPECT_EQ(canvas.At(1919, 0), kBlackPixel);
    EXPECT_EQ(canvas.At(1, 1), kBackgroundPixel);
    EXPECT_EQ(canvas.At(1918, 1078), kBackgroundPixel);

    // The 24 white dots, and the ring between them.
    const Point centre{960, 540};
    for (std::int32_t i = 1; i <= 24; ++i) {
        SCOPED_TRACE(i);
        const Point dot = PointOnRing(centre, 310, i, kHourCount);
        EXPECT_EQ(canvas.At(dot.x, dot.y), kWhitePixel);
        const double between = (2.0 * i + 1) * 3.14159265358979 / 24 - 3.14159265358979 / 2;
        const Point ring{960 + static_cast<int>(std::lround(std::sin(between) * 310)),
                         540 + static_cast<int>(std::lround(std::cos(between) * 310))};
        EXPECT_TRUE(NearColour(canvas, ring, kWhitePixel));
    }

    // The hand's disc at the tip of 14:37, and the hand itself halfway.
    const Point tip = HandTip(ComputeSceneGeometry(1920, 1080), 14 * 60 + 37);
    EXPECT_EQ(tip, (Point{1200, 736}));
    EXPECT_EQ(canvas.At(tip.x, tip.y), kGrayPixel);
    EXPECT_TRUE(NearColour(canvas, Point{(960 + 1200) / 2, (540 + 736) / 2}, kGrayPixel));

    // Each badge: the picture's margin merges with the background, below the percentage lies
    // the rating's colour, exactly as in the resource.
    const RhythmSnapshot snapshot = EvaluateRhythm(kMoment);
    const SceneGeometry geometry = ComputeSceneGeometry(1920, 1080);
    for (std::size_t slot = 0; slot < kBadgeSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        const Point c = BadgeCentre(geometry, slot);
        const Rating rating = RatingOf(snapshot.activeness[Index(BadgeType(slot))]);
        EXPECT_EQ(canvas.At(c.x - 24, c.y - 24), kBackgroundPixel);
        EXPECT_EQ(canvas.At(c.x + 23, c.y + 23), kBackgroundPixel);
        const RgbColour below = canvas.At(c.x, c.y + 15);
        switch (rating) {
            case Rating::Good:
                EXPECT_EQ(below, (RgbColour{17, 178, 12}));
                break;
            case Rating::Normal:
                EXPECT_EQ(below, (RgbColour{255, 249, 106}));
                break;
            case Rating::Bad:
                EXPECT_EQ(below, (RgbColour{236, 103, 103}));
                break;
        }
    }

    // The figure, where nothing drawn later covers it: the captions' band across the middle and
    // the hand lie over it.
    std::size_t checked = 0;
    for (const auto& [position, colour] : FigureColours(1920, 1080)) {
        const Point p{position.first, position.second};
        if ((p.y >= 540 - 60 && p.y <= 540 + 100) || DistanceToSegment(p, centre, tip) < 7) {
            continue;
        }
        ASSERT_EQ(canvas.At(p.x, p.y), colour) << p.x << ", " << p.y;
        ++checked;
    }
    EXPECT_GT(checked, 1500u);
}

TEST(GdiPaint, FigureAloneInPreviewMode) {
    // The preview's figure on a full-size window: nothing is drawn over it.
    const Canvas canvas(1920, 1080);
    ASSERT_TRUE(canvas.ready());
    Paint(canvas, Inputs(1920, 1080, true));
    std::size_t figure = 0;
    const auto colours = FigureColours(1920, 1080);
    for (const auto& [position, colour] : colours) {
        ASSERT_EQ(canvas.At(position.first, position.second), colour)
            << position.first << ", " << position.second;
        ++figure;
    }
    EXPECT_GT(figure, 3000u);
    // No text, dot, hand or badge: the top-left corner and the badge of slot 0 are background.
    EXPECT_EQ(canvas.At(12, 14), kBackgroundPixel);
    EXPECT_EQ(canvas.At(570, 555), kBackgroundPixel);
    EXPECT_EQ(canvas.At(0, 0), kBlackPixel);
}

TEST(GdiPaint, SmallPreview152x112) {
    const Canvas canvas(152, 112);
    ASSERT_TRUE(canvas.ready());
    Paint(canvas, Inputs(152, 112, true));
    // The turned figure runs past the window's edges; what falls inside is drawn exactly.
    std::size_t inside = 0;
    for (const auto& [position, colour] : FigureColours(152, 112)) {
        const Point p{position.first, position.second};
        if (canvas.Inside(p)) {
            ASSERT_EQ(canvas.At(p.x, p.y), colour) << p.x << ", " << p.y;
            ++inside;
        }
    }
    EXPECT_GT(inside, 100u);
    // Everything else is the ring's inside or the background: there is nothing else to draw.
    std::size_t other = 0;
    const auto colours = FigureColours(152, 112);
    for (int y = 1; y < 111; ++y) {
        for (int x = 1; x < 151; ++x) {
            if (colours.count({x, y}) == 0) {
                const RgbColour c = canvas.At(x, y);
                other += (c == kBackgroundPixel || c == kWhitePixel) ? 0U : 1U;
            }
        }
    }
    EXPECT_EQ(other, 0u);
    // The ring's box (250, 230, -98, -118) is taken corner to corner: a circle of radius 174
    // around (76, 56) whose background-filled inside covers the whole window, border included.
    EXPECT_EQ(canvas.At(0, 0), kBackgroundPixel);
    EXPECT_EQ(canvas.At(151, 111), kBackgroundPixel);
}

// Passes every call to the GDI surface and notes each object made through it.
class TrackingSurface final : public DrawingSurface {
public:
    explicit TrackingSurface(DrawingSurface& inner) : inner_(inner) {}

    const std::vector<GdiHandle>& made() const { return made_; }

    void BeginPaint() override { inner_.BeginPaint(); }
    void EndPaint() override { inner_.EndPaint(); }
    void CreateMemoryDc() override { inner_.CreateMemoryDc(); }
    void DeleteMemoryDc() override { inner_.DeleteMemoryDc(); }
    GdiHandle CreateFontFromTemplate(const FontTemplate& font) override {
        return Note(inner_.CreateFontFromTemplate(font));
    }
    GdiHandle CreatePen(RgbColour colour, int width) override {
        return Note(inner_.CreatePen(colour, width));
    }
    GdiHandle CreateSolidBrush(RgbColour colour) override {
        return Note(inner_.CreateSolidBrush(colour));
    }
    GdiHandle LoadBitmapResource(std::u16string_view name) override {
        return Note(inner_.LoadBitmapResource(name));
    }
    GdiHandle SelectObject(DcTarget dc, GdiHandle object) override {
        return inner_.SelectObject(dc, object);
    }
    void DeleteObject(GdiHandle object) override { inner_.DeleteObject(object); }
    void SetTextColour(RgbColour colour) override { inner_.SetTextColour(colour); }
    void SetTransparentBackground() override { inner_.SetTransparentBackground(); }
    void Rectangle(int l, int t, int r, int b) override { inner_.Rectangle(l, t, r, b); }
    void Ellipse(int l, int t, int r, int b) override { inner_.Ellipse(l, t, r, b); }
    void MoveTo(int x, int y) override { inner_.MoveTo(x, y); }
    void LineTo(int x, int y) override { inner_.LineTo(x, y); }
    void SetPixel(int x, int y, RgbColour colour) override { inner_.SetPixel(x, y, colour); }
    void FillRectangle(int l, int t, int r, int b, GdiHandle brush) override {
        inner_.FillRectangle(l, t, r, b, brush);
    }
    TextExtent MeasureText(std::u16string_view text) override { return inner_.MeasureText(text); }
    void WriteText(int x, int y, std::u16string_view text) override {
        inner_.WriteText(x, y, text);
    }
    void CopyFromMemoryDc(int x, int y, int w, int h) override {
        inner_.CopyFromMemoryDc(x, y, w, h);
    }
    void StretchFromMemoryDc(int x, int y, int w, int h, int sw, int sh) override {
        inner_.StretchFromMemoryDc(x, y, w, h, sw, sh);
    }

private:
    GdiHandle Note(GdiHandle handle) {
        made_.push_back(handle);
        return handle;
    }

    DrawingSurface& inner_;
    std::vector<GdiHandle> made_;
};

TEST(GdiPaint, EveryObjectIsReleased) {
    for (const bool preview : {false, true}) {
        SCOPED_TRACE(preview);
        const Canvas canvas(640, 480);
        ASSERT_TRUE(canvas.ready());
        GdiSurface gdi(canvas.dc(), ::GetModuleHandleW(nullptr));
        TrackingSurface surface(gdi);
        PaintScene(surface, Inputs(640, 480, preview));
        EXPECT_EQ(surface.made().size(), preview ? 3u : 38u);
        for (const GdiHandle handle : surface.made()) {
            EXPECT_NE(handle, 0u);  // every object was made: the pictures were found
            // A deleted object is no object at all.
            EXPECT_EQ(::GetObjectType(reinterpret_cast<HGDIOBJ>(handle)), 0u);
        }
        // The canvas's DC holds its own objects again.
        EXPECT_EQ(::GetCurrentObject(canvas.dc(), OBJ_PEN), ::GetStockObject(BLACK_PEN));
        EXPECT_EQ(::GetCurrentObject(canvas.dc(), OBJ_BRUSH), ::GetStockObject(WHITE_BRUSH));
        EXPECT_EQ(::GetCurrentObject(canvas.dc(), OBJ_FONT), ::GetStockObject(SYSTEM_FONT));
    }
}

}  // namespace
}  // namespace mr
