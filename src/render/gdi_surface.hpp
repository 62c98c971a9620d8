// The drawing surface on real GDI: straight onto the saver window's paint DC, no off-screen copy.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "render/drawing_surface.hpp"

namespace mr {

// The LOGFONTW of a font template, its face name always terminated.
LOGFONTW ToLogFont(const FontTemplate& font);

class GdiSurface : public DrawingSurface {
public:
    // window: the window whose update region BeginPaint takes; module: where the bitmaps live.
    GdiSurface(HWND window, HINSTANCE module);
    // dc: a device context the caller owns and keeps, e.g. a DIB section's memory DC in the tests
    // and the benchmark; BeginPaint and EndPaint then do nothing.
    GdiSurface(HDC dc, HINSTANCE module);
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    void BeginPaint() override;
    void EndPaint() override;
    void CreateMemoryDc() override;
    void DeleteMemoryDc() override;
    GdiHandle CreateFontFromTemplate(const FontTemplate& font) override;
    GdiHandle CreatePen(RgbColour colour, int width) override;
    GdiHandle CreateSolidBrush(RgbColour colour) override;
    GdiHandle LoadBitmapResource(std::u16string_view name) override;
    GdiHandle SelectObject(DcTarget dc, GdiHandle object) override;
    void DeleteObject(GdiHandle object) override;
    void SetTextColour(RgbColour colour) override;
    void SetTransparentBackground() override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SetPixel(int x, int y, RgbColour colour) override;
    void FillRectangle(int left, int top, int right, int bottom, GdiHandle brush) override;
    TextExtent MeasureText(std::u16string_view text) override;
    void WriteText(int x, int y, std::u16string_view text) override;
    void CopyFromMemoryDc(int x, int y, int width, int height) override;
    void StretchFromMemoryDc(int x, int y, int width, int height, int sourceWidth,
                             int sourceHeight) override;

private:
    HWND window_ = nullptr;
    HINSTANCE module_ = nullptr;
    HDC paintDc_ = nullptr;
    HDC memoryDc_ = nullptr;
    bool painting_ = false;
    PAINTSTRUCT paint_{};
};

}  // namespace mr
