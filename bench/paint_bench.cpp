// How much the paint's own logic costs on top of the GDI work it asks for. The full scene is
// painted onto a DIB of the given size (1920 x 1080 unless told) through the GDI surface;
// separately, the same scene's GDI calls, recorded once, are replayed straight onto GDI with no
// program logic. Reports both medians and their ratio, and the paint against its floor: the replay
// plus the rhythm figure's points, the x87 arithmetic the dial's exactness requires, which no
// paint can do without. Runs under Wine:
//   wine build/win64/bench/paint_bench.exe [repetitions] [WIDTHxHEIGHT] [DPI]   (or
//   build/win32/...)
// MR_PREVIEW=1 paints the preview scene instead (e.g. at 152x112). The DPI (96 unless told) is the
// display scale the dial is drawn at, 192 for 200 %.
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
#include <vector>

#include "model/rhythm_model.hpp"
#include "render/gdi_surface.hpp"
#include "render/paint_scene.hpp"
#include "render/rhythm_figure.hpp"
#include "render/scene_geometry.hpp"

namespace {

enum class Op : std::uint8_t {
    CreateMemoryDc,
    DeleteMemoryDc,
    CreateFont,
    CreatePen,
    CreateBrush,
    LoadBitmap,
    SelectPaint,
    SelectMemory,
    Delete,
    SetTextColour,
    SetTransparent,
    Rectangle,
    Ellipse,
    MoveTo,
    LineTo,
    SetPixel,
    FillRect,
    MeasureText,
    WriteText,
    BitBlt,
    StretchBlt,
};

// One raw GDI call. Objects are named by their slot: created objects fill their slot when the
// replay creates them; objects the DC came with are known up front.
struct RawCall {
    Op op = Op::SetPixel;
    int a = 0;
    int b = 0;
    int c = 0;
    int d = 0;
    int e = 0;
    int f = 0;
    COLORREF colour = 0;
    std::size_t slot = 0;
    std::size_t item = 0;  // index of the font or text
};

struct Recording {
    std::vector<RawCall> calls;
    std::vector<LOGFONTW> fonts;
    std::vector<std::wstring> texts;
    std::vector<HGDIOBJ> initialSlots;  // nullptr for objects the replay creates
};

COLORREF Colorref(mr::RgbColour colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

// Forwards every call to the real surface and writes it down as a raw GDI call.
class RecordingGdiSurface final : public mr::DrawingSurface {
public:
    RecordingGdiSurface(mr::DrawingSurface& inner, Recording& recording)
        : inner_(inner), recording_(recording) {}

    void BeginPaint() override { inner_.BeginPaint(); }
    void EndPaint() override { inner_.EndPaint(); }
    void CreateMemoryDc() override {
        inner_.CreateMemoryDc();
        Add({Op::CreateMemoryDc});
    }
    void DeleteMemoryDc() override {
        inner_.DeleteMemoryDc();
        Add({Op::DeleteMemoryDc});
    }
    mr::GdiHandle CreateFontFromTemplate(const mr::FontTemplate& font) override {
        const LOGFONTW logFont = mr::ToLogFont(font);
        recording_.fonts.push_back(logFont);
        const mr::GdiHandle handle = inner_.CreateFontFromTemplate(font);
        RawCall call{Op::CreateFont};
        call.item = recording_.fonts.size() - 1;
        call.slot = NewSlot(handle);
        Add(call);
        return handle;
    }
    mr::GdiHandle CreatePen(mr::RgbColour colour, int width) override {
        const mr::GdiHandle handle = inner_.CreatePen(colour, width);
        RawCall call{Op::CreatePen, width};
        call.colour = Colorref(colour);
        call.slot = NewSlot(handle);
        Add(call);
        return handle;
    }
    mr::GdiHandle CreateSolidBrush(mr::RgbColour colour) override {
        const mr::GdiHandle handle = inner_.CreateSolidBrush(colour);
        RawCall call{Op::CreateBrush};
        call.colour = Colorref(colour);
        call.slot = NewSlot(handle);
        Add(call);
        return handle;
    }
    mr::GdiHandle LoadBitmapResource(std::u16string_view name) override {
        const mr::GdiHandle handle = inner_.LoadBitmapResource(name);
        recording_.texts.emplace_back(name.begin(), name.end());
        RawCall call{Op::LoadBitmap};
        call.item = recording_.texts.size() - 1;
        call.slot = NewSlot(handle);
        Add(call);
        return handle;
    }
    mr::GdiHandle SelectObject(mr::DcTarget dc, mr::GdiHandle object) override {
        const mr::GdiHandle previous = inner_.SelectObject(dc, object);
        RawCall call{dc == mr::DcTarget::Memory ? Op::SelectMemory : Op::SelectPaint};
        call.slot = SlotOf(object);
        Add(call);
        if (previous != 0 && slots_.count(previous) == 0) {
            // An object the DC came with: the same one at every replay.
            slots_[previous] = recording_.initialSlots.size();
            recording_.initialSlots.push_back(reinterpret_cast<HGDIOBJ>(previous));
        }
        return previous;
    }
    void DeleteObject(mr::GdiHandle object) override {
        inner_.DeleteObject(object);
        RawCall call{Op::Delete};
        call.slot = SlotOf(object);
        Add(call);
    }
    void SetTextColour(mr::RgbColour colour) override {
        inner_.SetTextColour(colour);
        RawCall call{Op::SetTextColour};
        call.colour = Colorref(colour);
        Add(call);
    }
    void SetTransparentBackground() override {
        inner_.SetTransparentBackground();
        Add({Op::SetTransparent});
    }
    void Rectangle(int left, int top, int right, int bottom) override {
        inner_.Rectangle(left, top, right, bottom);
        Add({Op::Rectangle, left, top, right, bottom});
    }
    void Ellipse(int left, int top, int right, int bottom) override {
        inner_.Ellipse(left, top, right, bottom);
        Add({Op::Ellipse, left, top, right, bottom});
    }
    void MoveTo(int x, int y) override {
        inner_.MoveTo(x, y);
        Add({Op::MoveTo, x, y});
    }
    void LineTo(int x, int y) override {
        inner_.LineTo(x, y);
        Add({Op::LineTo, x, y});
    }
    void SetPixel(int x, int y, mr::RgbColour colour) override {
        inner_.SetPixel(x, y, colour);
        RawCall call{Op::SetPixel, x, y};
        call.colour = Colorref(colour);
        Add(call);
    }
    void FillRectangle(int left, int top, int right, int bottom, mr::GdiHandle brush) override {
        inner_.FillRectangle(left, top, right, bottom, brush);
        RawCall call{Op::FillRect, left, top, right, bottom};
        call.slot = SlotOf(brush);
        Add(call);
    }
    mr::TextExtent MeasureText(std::u16string_view text) override {
        recording_.texts.emplace_back(text.begin(), text.end());
        RawCall call{Op::MeasureText};
        call.item = recording_.texts.size() - 1;
        Add(call);
        return inner_.MeasureText(text);
    }
    void WriteText(int x, int y, std::u16string_view text) override {
        inner_.WriteText(x, y, text);
        recording_.texts.emplace_back(text.begin(), text.end());
        RawCall call{Op::WriteText, x, y};
        call.item = recording_.texts.size() - 1;
        Add(call);
    }
    void CopyFromMemoryDc(int x, int y, int width, int height) override {
        inner_.CopyFromMemoryDc(x, y, width, height);
        Add({Op::BitBlt, x, y, width, height});
    }
    void StretchFromMemoryDc(int x, int y, int width, int height, int sourceWidth,
                             int sourceHeight) override {
        inner_.StretchFromMemoryDc(x, y, width, height, sourceWidth, sourceHeight);
        Add({Op::StretchBlt, x, y, width, height, sourceWidth, sourceHeight});
    }

private:
    void Add(const RawCall& call) { recording_.calls.push_back(call); }
    std::size_t NewSlot(mr::GdiHandle handle) {
        const std::size_t slot = recording_.initialSlots.size();
        recording_.initialSlots.push_back(nullptr);
        slots_[handle] = slot;
        return slot;
    }
    std::size_t SlotOf(mr::GdiHandle handle) {
        const auto found = slots_.find(handle);
        if (found != slots_.end()) {
            return found->second;
        }
        slots_[handle] = recording_.initialSlots.size();
        recording_.initialSlots.push_back(reinterpret_cast<HGDIOBJ>(handle));
        return slots_[handle];
    }

    mr::DrawingSurface& inner_;
    Recording& recording_;
    std::map<mr::GdiHandle, std::size_t> slots_;
};

// Draws nothing: a paint onto it costs the program's own logic alone.
class NullSurface final : public mr::DrawingSurface {
public:
    void BeginPaint() override {}
    void EndPaint() override {}
    void CreateMemoryDc() override {}
    void DeleteMemoryDc() override {}
    mr::GdiHandle CreateFontFromTemplate(const mr::FontTemplate&) override { return ++next_; }
    mr::GdiHandle CreatePen(mr::RgbColour, int) override { return ++next_; }
    mr::GdiHandle CreateSolidBrush(mr::RgbColour) override { return ++next_; }
    mr::GdiHandle LoadBitmapResource(std::u16string_view) override { return ++next_; }
    mr::GdiHandle SelectObject(mr::DcTarget, mr::GdiHandle) override { return 1; }
    void DeleteObject(mr::GdiHandle) override {}
    void SetTextColour(mr::RgbColour) override {}
    void SetTransparentBackground() override {}
    void Rectangle(int, int, int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void SetPixel(int x, int y, mr::RgbColour) override { sink_ += x ^ y; }
    void FillRectangle(int left, int top, int, int, mr::GdiHandle) override { sink_ += left ^ top; }
    mr::TextExtent MeasureText(std::u16string_view text) override {
        return {static_cast<int>(text.size()) * 7, 14};
    }
    void WriteText(int, int, std::u16string_view) override {}
    void CopyFromMemoryDc(int, int, int, int) override {}
    void StretchFromMemoryDc(int, int, int, int, int, int) override {}

    int sink() const { return sink_; }

private:
    mr::GdiHandle next_ = 16;
    int sink_ = 0;
};

// The recorded calls, straight onto GDI.
void Replay(const Recording& recording, HDC dc, HINSTANCE module) {
    std::vector<HGDIOBJ> slots = recording.initialSlots;
    HDC memory = nullptr;
    for (const RawCall& call : recording.calls) {
        switch (call.op) {
            case Op::CreateMemoryDc:
                memory = ::CreateCompatibleDC(dc);
                break;
            case Op::DeleteMemoryDc:
                ::DeleteDC(memory);
                memory = nullptr;
                break;
            case Op::CreateFont:
                slots[call.slot] = ::CreateFontIndirectW(&recording.fonts[call.item]);
                break;
            case Op::CreatePen:
                slots[call.slot] = ::CreatePen(PS_SOLID, call.a, call.colour);
                break;
            case Op::CreateBrush:
                slots[call.slot] = ::CreateSolidBrush(call.colour);
                break;
            case Op::LoadBitmap:
                slots[call.slot] = ::LoadImageW(module, recording.texts[call.item].c_str(),
                                                IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
                break;
            case Op::SelectPaint:
                ::SelectObject(dc, slots[call.slot]);
                break;
            case Op::SelectMemory:
                ::SelectObject(memory, slots[call.slot]);
                break;
            case Op::Delete:
                ::DeleteObject(slots[call.slot]);
                break;
            case Op::SetTextColour:
                ::SetTextColor(dc, call.colour);
                break;
            case Op::SetTransparent:
                ::SetBkMode(dc, TRANSPARENT);
                break;
            case Op::Rectangle:
                ::Rectangle(dc, call.a, call.b, call.c, call.d);
                break;
            case Op::Ellipse:
                ::Ellipse(dc, call.a, call.b, call.c, call.d);
                break;
            case Op::MoveTo:
                ::MoveToEx(dc, call.a, call.b, nullptr);
                break;
            case Op::LineTo:
                ::LineTo(dc, call.a, call.b);
                break;
            case Op::SetPixel:
                ::SetPixel(dc, call.a, call.b, call.colour);
                break;
            case Op::FillRect: {
                const RECT rect{call.a, call.b, call.c, call.d};
                ::FillRect(dc, &rect, static_cast<HBRUSH>(slots[call.slot]));
                break;
            }
            case Op::MeasureText: {
                const std::wstring& text = recording.texts[call.item];
                SIZE size{};
                ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
                break;
            }
            case Op::WriteText: {
                const std::wstring& text = recording.texts[call.item];
                ::TextOutW(dc, call.a, call.b, text.c_str(), static_cast<int>(text.size()));
                break;
            }
            case Op::BitBlt:
                ::BitBlt(dc, call.a, call.b, call.c, call.d, memory, 0, 0, SRCCOPY);
                break;
            case Op::StretchBlt: {
                const int mode = ::SetStretchBltMode(dc, HALFTONE);
                POINT origin{};
                ::SetBrushOrgEx(dc, 0, 0, &origin);
                ::StretchBlt(dc, call.a, call.b, call.c, call.d, memory, 0, 0, call.e, call.f,
                             SRCCOPY);
                ::SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
                ::SetStretchBltMode(dc, mode);
                break;
            }
        }
    }
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 400;
    int width = 1920;
    int height = 1080;
    if (argc > 2 && (std::sscanf(argv[2], "%dx%d", &width, &height) != 2 || width < 1 ||
                     height < 1 || width > 16384 || height > 16384)) {
        std::fprintf(stderr, "paint_bench: the size is WIDTHxHEIGHT, e.g. 3840x2160\n");
        return 2;
    }
    int dpi = mr::kDesignDpi;
    if (argc > 3 && (std::sscanf(argv[3], "%d", &dpi) != 1 || dpi < 48 || dpi > 960)) {
        std::fprintf(stderr, "paint_bench: the DPI is a number from 48 to 960, e.g. 192\n");
        return 2;
    }

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC dc = ::CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP dib = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dc == nullptr || dib == nullptr) {
        std::fprintf(stderr, "paint_bench: no DIB section\n");
        return 1;
    }
    HGDIOBJ previous = ::SelectObject(dc, dib);
    HINSTANCE module = ::GetModuleHandleW(nullptr);

    mr::SceneInputs inputs;
    inputs.width = width;
    inputs.height = height;
    inputs.dpi = dpi;
    inputs.moment = mr::LocalMoment{2026, 12, 8, 14, 37, 0};
    // MR_PREVIEW=1: the preview scene, background, ring and figure only.
    inputs.preview = std::getenv("MR_PREVIEW") != nullptr;

    mr::GdiSurface surface(dc, module);
    Recording recording;
    {
        RecordingGdiSurface recorder(surface, recording);
        mr::PaintScene(recorder, inputs);
    }

    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    std::vector<double> paints;
    std::vector<double> replays;
    std::vector<double> floors;
    // Warm-up: fonts and resources are cached by the system after first use.
    mr::PaintScene(surface, inputs);
    Replay(recording, dc, module);
    // Paint, replay and floor take turns, each in every place in turn, so that drift in the
    // machine's speed falls on all three alike.
    const auto timePaint = [&] {
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        ::QueryPerformanceCounter(&start);
        mr::PaintScene(surface, inputs);
        ::GdiFlush();
        ::QueryPerformanceCounter(&end);
        paints.push_back(Seconds(start, end, frequency));
    };
    const auto timeReplay = [&] {
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        ::QueryPerformanceCounter(&start);
        Replay(recording, dc, module);
        ::GdiFlush();
        ::QueryPerformanceCounter(&end);
        replays.push_back(Seconds(start, end, frequency));
    };
    // The figure's points from the same geometry and day factors as the paint's.
    const mr::SceneGeometry geometry = mr::ComputeSceneGeometry(width, height, dpi);
    const mr::DayFactorSet dayFactors = mr::EvaluateRhythm(inputs.moment).dayFactors;
    std::size_t points = 0;
    const auto timeFloor = [&] {
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        ::QueryPerformanceCounter(&start);
        points = mr::RhythmFigurePixels(geometry, dayFactors).size();
        Replay(recording, dc, module);
        ::GdiFlush();
        ::QueryPerformanceCounter(&end);
        floors.push_back(Seconds(start, end, frequency));
    };
    for (int i = 0; i < repetitions; ++i) {
        for (int place = 0; place < 3; ++place) {
            switch ((i + place) % 3) {
                case 0:
                    timePaint();
                    break;
                case 1:
                    timeReplay();
                    break;
                default:
                    timeFloor();
                    break;
            }
        }
    }

    // The program's logic alone, on a surface that draws nothing.
    NullSurface null;
    std::vector<double> logic;
    for (int i = 0; i < repetitions; ++i) {
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        ::QueryPerformanceCounter(&start);
        mr::PaintScene(null, inputs);
        ::QueryPerformanceCounter(&end);
        logic.push_back(Seconds(start, end, frequency));
    }

    const double paint = Median(paints);
    const double replay = Median(replays);
    const double floorMedian = Median(floors);
    std::printf("size:            %dx%d at %d DPI%s\n", width, height, dpi,
                inputs.preview ? " (preview)" : "");
    std::printf("calls per paint: %zu\n", recording.calls.size());
    std::printf("repetitions:     %d\n", repetitions);
    std::printf("paint median:    %.3f ms\n", paint * 1000);
    std::printf("replay median:   %.3f ms\n", replay * 1000);
    std::printf("ratio:           %.3f\n", paint / replay);
    std::printf("floor median:    %.3f ms (the replay and the figure's %zu points)\n",
                floorMedian * 1000, points);
    std::printf("floor ratio:     %.3f\n", paint / floorMedian);
    std::printf("logic median:    %.3f ms (onto a surface that draws nothing; checksum %d)\n",
                Median(logic) * 1000, null.sink() & 1);
    std::printf("paint minimum:   %.3f ms\n",
                *std::min_element(paints.begin(), paints.end()) * 1000);
    std::printf("replay minimum:  %.3f ms\n",
                *std::min_element(replays.begin(), replays.end()) * 1000);

    ::SelectObject(dc, previous);
    ::DeleteObject(dib);
    ::DeleteDC(dc);
    return 0;
}
