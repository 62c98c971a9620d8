#include "render/recording_surface.hpp"

#include <utility>

namespace mr {

namespace {

const char* KindName(ObjectKind kind) {
    switch (kind) {
        case ObjectKind::Pen:
            return "pen";
        case ObjectKind::Brush:
            return "brush";
        case ObjectKind::Font:
            return "font";
        case ObjectKind::Bitmap:
            return "bitmap";
    }
    return "object";
}

}  // namespace

RecordingSurface::RecordingSurface()
    : extentRule_([](std::u16string_view text, std::int32_t height) {
          return TextExtent{static_cast<std::int32_t>(text.size()) * (height / 2), height};
      }) {
    objects_[kStockPen] = ObjectRecord{ObjectKind::Pen, true, false, RgbColour{0, 0, 0}, {}, {}};
    objects_[kStockBrush] =
        ObjectRecord{ObjectKind::Brush, true, false, RgbColour{255, 255, 255}, {}, {}};
    ObjectRecord systemFont{ObjectKind::Font, true, false, {}, {}, {}};
    systemFont.font.height = 16;
    objects_[kStockFont] = systemFont;
    objects_[kStockBitmap] = ObjectRecord{ObjectKind::Bitmap, true, false, {}, {}, {}};
    paint_ = DcState{kStockPen, kStockBrush, kStockFont, RgbColour{0, 0, 0}, false};
}

const ObjectRecord& RecordingSurface::object(GdiHandle handle) const {
    const auto found = objects_.find(handle);
    return found == objects_.end() ? none_ : found->second;
}

std::vector<GdiHandle> RecordingSurface::LiveObjects() const {
    std::vector<GdiHandle> live;
    for (const auto& [handle, record] : objects_) {
        if (!record.stock && !record.deleted) {
            live.push_back(handle);
        }
    }
    return live;
}

std::size_t RecordingSurface::CreatedCount(ObjectKind kind) const {
    std::size_t count = 0;
    for (const auto& [handle, record] : objects_) {
        if (!record.stock && record.kind == kind) {
            ++count;
        }
    }
    return count;
}

RecordedCall& RecordingSurface::Begin(Call call) {
    if (attempts_++ == throwAt_) {
        throw InjectedFailure();
    }
    RecordedCall& recorded = calls_.emplace_back();
    recorded.call = call;
    recorded.state = paint_;
    return recorded;
}

void RecordingSurface::Fault(std::string message) {
    faults_.push_back(std::move(message));
}

void RecordingSurface::RequirePaint(const char* what) {
    if (!painting_) {
        Fault(std::string(what) + " outside BeginPaint/EndPaint");
    }
}

GdiHandle RecordingSurface::Create(ObjectRecord record) {
    if (failCreations_) {
        return 0;
    }
    const GdiHandle handle = nextHandle_++;
    objects_[handle] = std::move(record);
    return handle;
}

bool RecordingSurface::Selected(GdiHandle handle) const {
    if (painting_ && (paint_.pen == handle || paint_.brush == handle || paint_.font == handle)) {
        return true;
    }
    return memoryDc_ && memoryBitmap_ == handle;
}

void RecordingSurface::BeginPaint() {
    Begin(Call::BeginPaint);
    if (painting_) {
        Fault("BeginPaint twice");
    }
    painting_ = true;
    paint_ = DcState{kStockPen, kStockBrush, kStockFont, RgbColour{0, 0, 0}, false};
}

void RecordingSurface::EndPaint() {
    Begin(Call::EndPaint);
    if (!painting_) {
        Fault("EndPaint without BeginPaint");
    }
    if (paint_.pen != kStockPen || paint_.brush != kStockBrush || paint_.font != kStockFont) {
        Fault("EndPaint with the paint's own objects still selected");
    }
    painting_ = false;
}

void RecordingSurface::CreateMemoryDc() {
    Begin(Call::CreateMemoryDc);
    RequirePaint("CreateMemoryDc");
    if (memoryDc_) {
        Fault("a second memory DC");
    }
    memoryDc_ = true;
    memoryBitmap_ = kStockBitmap;
}

void RecordingSurface::DeleteMemoryDc() {
    Begin(Call::DeleteMemoryDc);
    if (!memoryDc_) {
        Fault("DeleteMemoryDc without a memory DC");
    }
    memoryDc_ = false;
    memoryBitmap_ = 0;
}

GdiHandle RecordingSurface::CreateFontFromTemplate(const FontTemplate& font) {
    RecordedCall& call = Begin(Call::CreateFont);
    ObjectRecord record{ObjectKind::Font, false, false, {}, font, {}};
    call.args[0] = font.height;
    call.handle = Create(std::move(record));
    return call.handle;
}

GdiHandle RecordingSurface::CreatePen(RgbColour colour, int width) {
    RecordedCall& call = Begin(Call::CreatePen);
    call.colour = colour;
    call.args[0] = width;
    call.handle = Create(ObjectRecord{ObjectKind::Pen, false, false, colour, {}, {}});
    return call.handle;
}

GdiHandle RecordingSurface::CreateSolidBrush(RgbColour colour) {
    RecordedCall& call = Begin(Call::CreateBrush);
    call.colour = colour;
    call.handle = Create(ObjectRecord{ObjectKind::Brush, false, false, colour, {}, {}});
    return call.handle;
}

GdiHandle RecordingSurface::LoadBitmapResource(std::u16string_view name) {
    RecordedCall& call = Begin(Call::LoadBitmap);
    call.text = name;
    call.handle =
        Create(ObjectRecord{ObjectKind::Bitmap, false, false, {}, {}, std::u16string(name)});
    return call.handle;
}

GdiHandle RecordingSurface::SelectObject(DcTarget dc, GdiHandle handle) {
    RecordedCall& call = Begin(Call::Select);
    call.dc = dc;
    call.handle = handle;
    const auto found = objects_.find(handle);
    if (handle == 0) {
        Fault("SelectObject of a failed creation");
        return 0;
    }
    if (found == objects_.end() || found->second.deleted) {
        Fault("SelectObject of an unknown or deleted object");
        return 0;
    }
    const ObjectKind kind = found->second.kind;
    if (dc == DcTarget::Memory) {
        if (!memoryDc_) {
            Fault("SelectObject into a missing memory DC");
            return 0;
        }
        if (kind != ObjectKind::Bitmap) {
            Fault(std::string("a ") + KindName(kind) + " selected into the memory DC");
            return 0;
        }
        call.replaced = std::exchange(memoryBitmap_, handle);
        return call.replaced;
    }
    RequirePaint("SelectObject");
    switch (kind) {
        case ObjectKind::Pen:
            call.replaced = std::exchange(paint_.pen, handle);
            break;
        case ObjectKind::Brush:
            call.replaced = std::exchange(paint_.brush, handle);
            break;
        case ObjectKind::Font:
            call.replaced = std::exchange(paint_.font, handle);
            break;
        case ObjectKind::Bitmap:
            Fault("a bitmap selected into the paint DC");
            return 0;
    }
    return call.replaced;
}

void RecordingSurface::DeleteObject(GdiHandle handle) {
    RecordedCall& call = Begin(Call::Delete);
    call.handle = handle;
    if (handle == 0) {
        Fault("DeleteObject of a failed creation");
        return;
    }
    const auto found = objects_.find(handle);
    if (found == objects_.end()) {
        Fault("DeleteObject of an unknown object");
        return;
    }
    ObjectRecord& record = found->second;
    if (record.stock) {
        Fault("DeleteObject of a stock object");
        return;
    }
    if (record.deleted) {
        Fault("DeleteObject twice");
        return;
    }
    if (Selected(handle)) {
        // GDI refuses, and the object leaks.
        Fault(std::string("DeleteObject of a selected ") + KindName(record.kind));
        return;
    }
    record.deleted = true;
}

void RecordingSurface::SetTextColour(RgbColour colour) {
    RecordedCall& call = Begin(Call::SetTextColour);
    call.colour = colour;
    RequirePaint("SetTextColour");
    paint_.textColour = colour;
}

void RecordingSurface::SetTransparentBackground() {
    Begin(Call::SetTransparentBackground);
    RequirePaint("SetBkMode");
    paint_.transparent = true;
}

void RecordingSurface::Rectangle(int left, int top, int right, int bottom) {
    Begin(Call::Rectangle).args = {left, top, right, bottom};
    RequirePaint("Rectangle");
}

void RecordingSurface::Ellipse(int left, int top, int right, int bottom) {
    Begin(Call::Ellipse).args = {left, top, right, bottom};
    RequirePaint("Ellipse");
}

void RecordingSurface::MoveTo(int x, int y) {
    Begin(Call::MoveTo).args = {x, y, 0, 0};
    RequirePaint("MoveToEx");
}

void RecordingSurface::LineTo(int x, int y) {
    Begin(Call::LineTo).args = {x, y, 0, 0};
    RequirePaint("LineTo");
}

void RecordingSurface::SetPixel(int x, int y, RgbColour colour) {
    if (logPixels_) {
        RecordedCall& call = Begin(Call::SetPixel);
        call.args = {x, y, 0, 0};
        call.colour = colour;
    } else if (attempts_++ == throwAt_) {
        throw InjectedFailure();
    }
    ++pixels_;
    RequirePaint("SetPixel");
}

void RecordingSurface::FillRectangle(int left, int top, int right, int bottom, GdiHandle brush) {
    const ObjectRecord& used = object(brush);
    if (logPixels_) {
        RecordedCall& call = Begin(Call::FillRectangle);
        call.args = {left, top, right, bottom};
        call.handle = brush;
        call.colour = used.colour;
    } else if (attempts_++ == throwAt_) {
        throw InjectedFailure();
    }
    ++pixels_;
    RequirePaint("FillRect");
    if (used.kind != ObjectKind::Brush || used.stock || used.deleted) {
        Fault("FillRect with something that is not a live brush of the paint");
    }
}

TextExtent RecordingSurface::MeasureText(std::u16string_view text) {
    RecordedCall& call = Begin(Call::MeasureText);
    call.text = text;
    RequirePaint("GetTextExtentPoint32W");
    const TextExtent extent = extentRule_(text, FontHeight(paint_));
    call.args = {extent.cx, extent.cy, 0, 0};
    return extent;
}

void RecordingSurface::WriteText(int x, int y, std::u16string_view text) {
    RecordedCall& call = Begin(Call::WriteText);
    call.args = {x, y, 0, 0};
    call.text = text;
    RequirePaint("TextOutW");
}

void RecordingSurface::StretchFromMemoryDc(int x, int y, int width, int height, int sourceWidth,
                                           int sourceHeight) {
    RecordedCall& call = Begin(Call::StretchFromMemoryDc);
    call.args = {x, y, width, height};
    call.source = {sourceWidth, sourceHeight};
    call.handle = memoryBitmap_;
    RequirePaint("StretchBlt");
    if (!memoryDc_) {
        Fault("StretchBlt from a missing memory DC");
    }
}

void RecordingSurface::CopyFromMemoryDc(int x, int y, int width, int height) {
    RecordedCall& call = Begin(Call::CopyFromMemoryDc);
    call.args = {x, y, width, height};
    call.handle = memoryBitmap_;
    RequirePaint("BitBlt");
    if (!memoryDc_) {
        Fault("BitBlt from a missing memory DC");
    }
}

}  // namespace mr
