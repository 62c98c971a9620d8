// The drawing surface: the handful of graphics operations the dial is drawn with. The GDI surface
// sends them to the saver window's paint DC; the tests' recording surface records them with their
// arguments. The drawing steps see only this interface and never know where the DC came from.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "render/rgb_colour.hpp"

namespace mr {

// A font, pen, brush or bitmap made through the surface; 0 when creation failed.
using GdiHandle = std::uintptr_t;

// The two device contexts of a paint: the window's, and the memory DC the badge pictures are
// copied from.
enum class DcTarget : std::uint8_t { Paint, Memory };

struct TextExtent {
    std::int32_t cx = 0;
    std::int32_t cy = 0;
};

// The fields of a LOGFONTW, held portably so that the tests can check every one.
struct FontTemplate {
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::array<char16_t, 32> faceName{};
};

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // BeginPaint / EndPaint on the saver window: the paint DC exists between the two.
    virtual void BeginPaint() = 0;
    virtual void EndPaint() = 0;

    // A memory DC compatible with the paint DC, the source of bitmap copies.
    virtual void CreateMemoryDc() = 0;
    virtual void DeleteMemoryDc() = 0;

    // CreateFontIndirectW from the template. Names here stay clear of the Win32 macros
    // (CreateFontIndirect, TextOut), so the interface reads the same with and without windows.h.
    virtual GdiHandle CreateFontFromTemplate(const FontTemplate& font) = 0;
    // PS_SOLID, of the given width in pixels.
    virtual GdiHandle CreatePen(RgbColour colour, int width) = 0;
    virtual GdiHandle CreateSolidBrush(RgbColour colour) = 0;
    // A bitmap resource of the program at its own size, as a DIB section.
    virtual GdiHandle LoadBitmapResource(std::u16string_view name) = 0;
    // Makes the object current in the DC; returns the object it replaced (0 on failure).
    virtual GdiHandle SelectObject(DcTarget dc, GdiHandle object) = 0;
    virtual void DeleteObject(GdiHandle object) = 0;

    virtual void SetTextColour(RgbColour colour) = 0;
    virtual void SetTransparentBackground() = 0;

    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void SetPixel(int x, int y, RgbColour colour) = 0;
    // FillRect with the given brush: columns left to right - 1, rows top to bottom - 1. The brush
    // is not selected.
    virtual void FillRectangle(int left, int top, int right, int bottom, GdiHandle brush) = 0;

    // GetTextExtentPoint32W on the paint DC, in the font selected now.
    virtual TextExtent MeasureText(std::u16string_view text) = 0;
    // TextOutW on the paint DC, top-left corner of the text at (x, y).
    virtual void WriteText(int x, int y, std::u16string_view text) = 0;

    // BitBlt with SRCCOPY from the memory DC's origin to (x, y) of the paint DC.
    virtual void CopyFromMemoryDc(int x, int y, int width, int height) = 0;
    // StretchBlt with SRCCOPY, in HALFTONE mode, of the memory DC's sourceWidth x sourceHeight
    // pixels from its origin onto width x height pixels at (x, y) of the paint DC.
    virtual void StretchFromMemoryDc(int x, int y, int width, int height, int sourceWidth,
                                     int sourceHeight) = 0;
};

}  // namespace mr
