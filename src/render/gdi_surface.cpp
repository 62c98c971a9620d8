#include "render/gdi_surface.hpp"

#include <cstdint>

namespace mr {

namespace {

COLORREF ToColorref(RgbColour colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

HGDIOBJ ToObject(GdiHandle handle) {
    return reinterpret_cast<HGDIOBJ>(handle);
}

GdiHandle FromObject(HGDIOBJ object) {
    return reinterpret_cast<GdiHandle>(object);
}

const wchar_t* Wide(std::u16string_view text) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    return reinterpret_cast<const wchar_t*>(text.data());
}

int Length(std::u16string_view text) {
    return text.size() > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(text.size());
}

}  // namespace

GdiSurface::GdiSurface(HWND window, HINSTANCE module) : window_(window), module_(module) {}

GdiSurface::GdiSurface(HDC dc, HINSTANCE module) : module_(module), paintDc_(dc) {}

GdiSurface::~GdiSurface() {
    // The paint cycle ends what it begins; this only guards against a surface dropped mid-paint.
    if (memoryDc_ != nullptr) {
        ::DeleteDC(memoryDc_);
    }
    if (painting_) {
        ::EndPaint(window_, &paint_);
    }
}

void GdiSurface::BeginPaint() {
    if (window_ == nullptr || painting_) {
        return;
    }
    paintDc_ = ::BeginPaint(window_, &paint_);
    painting_ = true;
}

void GdiSurface::EndPaint() {
    if (!painting_) {
        return;
    }
    ::EndPaint(window_, &paint_);
    painting_ = false;
    paintDc_ = nullptr;
}

void GdiSurface::CreateMemoryDc() {
    if (memoryDc_ == nullptr) {
        memoryDc_ = ::CreateCompatibleDC(paintDc_);
    }
}

void GdiSurface::DeleteMemoryDc() {
    if (memoryDc_ != nullptr) {
        ::DeleteDC(memoryDc_);
        memoryDc_ = nullptr;
    }
}

LOGFONTW ToLogFont(const FontTemplate& font) {
    LOGFONTW logFont{};
    logFont.lfHeight = font.height;
    logFont.lfWidth = font.width;
    logFont.lfEscapement = font.escapement;
    logFont.lfOrientation = font.orientation;
    logFont.lfWeight = font.weight;
    logFont.lfItalic = font.italic;
    logFont.lfUnderline = font.underline;
    logFont.lfStrikeOut = font.strikeOut;
    logFont.lfCharSet = font.charSet;
    logFont.lfOutPrecision = font.outPrecision;
    logFont.lfClipPrecision = font.clipPrecision;
    logFont.lfQuality = font.quality;
    logFont.lfPitchAndFamily = font.pitchAndFamily;
    for (std::size_t i = 0; i < font.faceName.size(); ++i) {
        logFont.lfFaceName[i] = static_cast<wchar_t>(font.faceName[i]);
    }
    logFont.lfFaceName[LF_FACESIZE - 1] = L'\0';
    return logFont;
}

GdiHandle GdiSurface::CreateFontFromTemplate(const FontTemplate& font) {
    const LOGFONTW logFont = ToLogFont(font);
    return FromObject(::CreateFontIndirectW(&logFont));
}

GdiHandle GdiSurface::CreatePen(RgbColour colour, int width) {
    return FromObject(::CreatePen(PS_SOLID, width, ToColorref(colour)));
}

GdiHandle GdiSurface::CreateSolidBrush(RgbColour colour) {
    return FromObject(::CreateSolidBrush(ToColorref(colour)));
}

GdiHandle GdiSurface::LoadBitmapResource(std::u16string_view name) {
    // Resource names are short constants; copy into a terminated buffer whatever the view holds.
    wchar_t buffer[32] = {};
    const std::size_t count = name.size() < 31 ? name.size() : 31;
    for (std::size_t i = 0; i < count; ++i) {
        buffer[i] = static_cast<wchar_t>(name[i]);
    }
    return FromObject(::LoadImageW(module_, buffer, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

GdiHandle GdiSurface::SelectObject(DcTarget dc, GdiHandle object) {
    HDC target = dc == DcTarget::Memory ? memoryDc_ : paintDc_;
    if (target == nullptr || object == 0) {
        return 0;
    }
    HGDIOBJ previous = ::SelectObject(target, ToObject(object));
    // A failed region selection answers HGDI_ERROR, the handle -1 at either pointer width (the
    // header spells it with an unsigned constant, which cannot be compared without a warning).
    return reinterpret_cast<std::intptr_t>(previous) == -1 ? 0 : FromObject(previous);
}

void GdiSurface::DeleteObject(GdiHandle object) {
    if (object != 0) {
        ::DeleteObject(ToObject(object));
    }
}

void GdiSurface::SetTextColour(RgbColour colour) {
    ::SetTextColor(paintDc_, ToColorref(colour));
}

void GdiSurface::SetTransparentBackground() {
    ::SetBkMode(paintDc_, TRANSPARENT);
}

void GdiSurface::Rectangle(int left, int top, int right, int bottom) {
    ::Rectangle(paintDc_, left, top, right, bottom);
}

void GdiSurface::Ellipse(int left, int top, int right, int bottom) {
    ::Ellipse(paintDc_, left, top, right, bottom);
}

void GdiSurface::MoveTo(int x, int y) {
    ::MoveToEx(paintDc_, x, y, nullptr);
}

void GdiSurface::LineTo(int x, int y) {
    ::LineTo(paintDc_, x, y);
}

void GdiSurface::SetPixel(int x, int y, RgbColour colour) {
    ::SetPixel(paintDc_, x, y, ToColorref(colour));
}

TextExtent GdiSurface::MeasureText(std::u16string_view text) {
    SIZE size{};
    ::GetTextExtentPoint32W(paintDc_, Wide(text), Length(text), &size);
    return TextExtent{size.cx, size.cy};
}

void GdiSurface::WriteText(int x, int y, std::u16string_view text) {
    ::TextOutW(paintDc_, x, y, Wide(text), Length(text));
}

void GdiSurface::FillRectangle(int left, int top, int right, int bottom, GdiHandle brush) {
    const RECT rect{left, top, right, bottom};
    ::FillRect(paintDc_, &rect, static_cast<HBRUSH>(ToObject(brush)));
}

void GdiSurface::CopyFromMemoryDc(int x, int y, int width, int height) {
    ::BitBlt(paintDc_, x, y, width, height, memoryDc_, 0, 0, SRCCOPY);
}

void GdiSurface::StretchFromMemoryDc(int x, int y, int width, int height, int sourceWidth,
                                     int sourceHeight) {
    // HALFTONE averages the source pixels that fall on each destination pixel; the default mode
    // would drop rows and columns of the picture. The documentation asks for the brush origin to
    // be set after choosing HALFTONE. Both settings are put back: the DC is drawn on further.
    const int previousMode = ::SetStretchBltMode(paintDc_, HALFTONE);
    POINT previousOrigin{};
    ::SetBrushOrgEx(paintDc_, 0, 0, &previousOrigin);
    ::StretchBlt(paintDc_, x, y, width, height, memoryDc_, 0, 0, sourceWidth, sourceHeight,
                 SRCCOPY);
    ::SetBrushOrgEx(paintDc_, previousOrigin.x, previousOrigin.y, nullptr);
    if (previousMode != 0) {
        ::SetStretchBltMode(paintDc_, previousMode);
    }
}

}  // namespace mr
