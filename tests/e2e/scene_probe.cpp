// Works out, for one moment and window size, where every element of the scene must be, from the
// program's own geometry, model and catalogue, at the DPI the system gives (as the saver's window
// gets it); and paints the scene once onto a DIB through the GDI surface to record where the
// texts, discs and pictures fell with the real fonts.
//
//   scene_probe <width> <height> <preview 0|1> <year> <month> <day> <hour> <minute>
//
// Prints one fact per line for tests/e2e (see harness.py):
//   DPI dpi
//   GEOMETRY side offsetX offsetY ringRadius badgeRadius labelRadius
//   LANGUAGE 0|1            the language this system gets
//   RING cx cy r            the ring's centre and radius
//   DOT i x y               hour dot centres
//   HAND x y                the hand's tip
//   BADGE slot type x y activeness rating(0 good, 1 normal, 2 bad)
//   FIGURE x y r g b        the figure's pixels with the colour written last, in drawing order
//   COVER l t r b           boxes of everything drawn after the figure (texts, discs, pictures,
//                           the hand's line), which may cover figure pixels
//   TEXT l t r b            boxes of the texts, in drawing order
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "model/bands.hpp"
#include "model/rhythm_model.hpp"
#include "render/clock_face.hpp"
#include "render/gdi_surface.hpp"
#include "render/paint_context.hpp"
#include "render/paint_scene.hpp"
#include "render/rhythm_figure.hpp"
#include "render/scene_geometry.hpp"
#include "render/type_badges.hpp"
#include "text/ui_language.hpp"

namespace {

struct Box {
    long left, top, right, bottom;
};

// The GDI surface on a DIB, noting where each later element falls.
class ProbeSurface final : public mr::GdiSurface {
public:
    ProbeSurface(HDC dc, HINSTANCE module) : GdiSurface(dc, module) {}

    std::vector<Box> covers;
    std::vector<Box> texts;
    bool figureDone = false;

    void Ellipse(int left, int top, int right, int bottom) override {
        if (figureDone) {
            covers.push_back({std::min(left, right), std::min(top, bottom), std::max(left, right),
                              std::max(top, bottom)});
        }
        GdiSurface::Ellipse(left, top, right, bottom);
    }
    void MoveTo(int x, int y) override {
        at_ = {x, y};
        GdiSurface::MoveTo(x, y);
    }
    void LineTo(int x, int y) override {
        covers.push_back({std::min(at_.first, x) - 1, std::min(at_.second, y) - 1,
                          std::max(at_.first, x) + 2, std::max(at_.second, y) + 2});
        GdiSurface::LineTo(x, y);
    }
    // The figure is the only element drawn by single pixels (squares above 100 %); what follows
    // its last point may cover it.
    void SetPixel(int x, int y, mr::RgbColour colour) override {
        CountFigurePoint();
        GdiSurface::SetPixel(x, y, colour);
    }
    void FillRectangle(int left, int top, int right, int bottom, mr::GdiHandle brush) override {
        CountFigurePoint();
        GdiSurface::FillRectangle(left, top, right, bottom, brush);
    }
    void WriteText(int x, int y, std::u16string_view text) override {
        const mr::TextExtent extent = MeasureText(text);
        const Box box{x, y, static_cast<long>(x) + extent.cx, static_cast<long>(y) + extent.cy};
        covers.push_back(box);
        texts.push_back(box);
        GdiSurface::WriteText(x, y, text);
    }
    void CopyFromMemoryDc(int x, int y, int width, int height) override {
        covers.push_back({x, y, static_cast<long>(x) + width, static_cast<long>(y) + height});
        GdiSurface::CopyFromMemoryDc(x, y, width, height);
    }
    void StretchFromMemoryDc(int x, int y, int width, int height, int sourceWidth,
                             int sourceHeight) override {
        covers.push_back({x, y, static_cast<long>(x) + width, static_cast<long>(y) + height});
        GdiSurface::StretchFromMemoryDc(x, y, width, height, sourceWidth, sourceHeight);
    }

private:
    void CountFigurePoint() {
        if (++pixels_ == mr::kFigurePixels) {
            figureDone = true;
        }
    }

    std::pair<int, int> at_{0, 0};
    std::size_t pixels_ = 0;
};

mr::UiLanguage SystemLanguage() {
    wchar_t name[19] = {};
    if (GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SENGLANGUAGE, name, 19) <= 0) {
        name[0] = L'\0';
    }
    std::u16string text;
    for (const wchar_t* c = name; *c != L'\0'; ++c) {
        text.push_back(static_cast<char16_t>(*c));
    }
    return mr::LanguageFromLocaleName(text);
}

// The system DPI, which is every window's under Wine.
std::int32_t SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : mr::kDesignDpi;
}

char16_t TimeSeparator() {
    wchar_t separator[8] = {};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIME, separator, 8);
    return length == 2 ? static_cast<char16_t>(separator[0]) : u':';
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 9) {
        std::fprintf(stderr, "usage: scene_probe W H preview year month day hour minute\n");
        return 2;
    }
    mr::SceneInputs inputs;
    inputs.width = std::atoi(argv[1]);
    inputs.height = std::atoi(argv[2]);
    inputs.preview = std::atoi(argv[3]) != 0;
    inputs.moment = {std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]),
                     std::atoi(argv[7]), std::atoi(argv[8]), 0};
    inputs.language = SystemLanguage();
    inputs.timeSeparator = TimeSeparator();
    inputs.dpi = SystemDpi();

    const mr::SceneGeometry g = mr::ComputeSceneGeometry(inputs.width, inputs.height, inputs.dpi);
    std::printf("DPI %d\n", inputs.dpi);
    const mr::RhythmSnapshot snapshot = mr::EvaluateRhythm(inputs.moment);
    std::printf("GEOMETRY %d %d %d %d %d %d\n", g.Side, g.OffsetX, g.OffsetY, g.RingRadius,
                g.BadgeRadius, g.LabelRadius);
    std::printf("LANGUAGE %d\n", static_cast<int>(inputs.language));
    const mr::Point ring = mr::RingCentre(g, g.RingRadius, mr::kRingCentreOffset);
    std::printf("RING %d %d %d\n", ring.x, ring.y, g.RingRadius);
    for (std::int32_t i = 1; i <= mr::kHourCount; ++i) {
        const mr::Point dot = mr::PointOnRing(ring, g.RingRadius, i, mr::kHourCount);
        std::printf("DOT %d %d %d\n", i, dot.x, dot.y);
    }
    const mr::Point tip = mr::HandTip(g, mr::MinuteOfDay(inputs.moment));
    std::printf("HAND %d %d\n", tip.x, tip.y);
    for (std::size_t slot = 0; slot < mr::kBadgeSlotCount; ++slot) {
        const mr::MemoryType type = mr::BadgeType(slot);
        const mr::Point centre = mr::BadgeCentre(g, slot);
        const mr::Activeness a = snapshot.activeness[mr::Index(type)];
        std::printf("BADGE %zu %zu %d %d %d %d\n", slot, mr::Index(type), centre.x, centre.y, a,
                    static_cast<int>(mr::RatingOf(a)));
    }
    // Later writes win: each figure pixel shows the colour written last.
    std::map<std::pair<int, int>, std::size_t> lastWrite;
    const std::vector<mr::FigurePixel> figure = mr::RhythmFigurePixels(g, snapshot.dayFactors);
    for (std::size_t i = 0; i < figure.size(); ++i) {
        lastWrite[{figure[i].position.x, figure[i].position.y}] = i;
    }
    for (std::size_t i = 0; i < figure.size(); ++i) {
        const auto key = std::make_pair(figure[i].position.x, figure[i].position.y);
        if (lastWrite[key] != i) {
            continue;
        }
        const mr::RgbColour c = mr::TypeColour(figure[i].type);
        std::printf("FIGURE %d %d %d %d %d\n", key.first, key.second, c.red, c.green, c.blue);
    }

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = std::max(inputs.width, 1);
    info.bmiHeader.biHeight = -std::max(inputs.height, 1);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(dc, dib);
    {
        ProbeSurface surface(dc, GetModuleHandleW(nullptr));
        // The face the system gives the paint's font: the measured positions hold for that face.
        mr::FontTemplate scaled = mr::InitialFontTemplate();
        scaled.height = g.Scaled(scaled.height);
        const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(surface.CreateFontFromTemplate(scaled));
        const HGDIOBJ before = SelectObject(dc, font);
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(dc, LF_FACESIZE, face);
        std::printf("FACE %ls\n", face);
        SelectObject(dc, before);
        DeleteObject(font);
        mr::PaintScene(surface, inputs);
        for (const Box& b : surface.covers) {
            std::printf("COVER %ld %ld %ld %ld\n", b.left, b.top, b.right, b.bottom);
        }
        for (const Box& b : surface.texts) {
            std::printf("TEXT %ld %ld %ld %ld\n", b.left, b.top, b.right, b.bottom);
        }
    }
    SelectObject(dc, previous);
    DeleteObject(dib);
    DeleteDC(dc);
    return 0;
}
