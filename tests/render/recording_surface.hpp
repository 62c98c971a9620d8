// A drawing surface that draws nothing: it records every call with its arguments and the paint
// DC's drawing state at that moment, keeps the books on every object (created, selected, deleted),
// answers text extents by a rule the test chooses, and can be told to throw from a chosen call.
// Misuse that real GDI would punish (drawing outside a paint, deleting a selected object, ending
// the paint with the paint's own objects still selected) is noted in faults().
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "render/drawing_surface.hpp"
#include "render/scene_geometry.hpp"
#include "render/test_printers.hpp"

namespace mr {

enum class Call : std::uint8_t {
    BeginPaint,
    EndPaint,
    CreateMemoryDc,
    DeleteMemoryDc,
    CreateFont,
    CreatePen,
    CreateBrush,
    LoadBitmap,
    Select,
    Delete,
    SetTextColour,
    SetTransparentBackground,
    Rectangle,
    Ellipse,
    MoveTo,
    LineTo,
    SetPixel,
    FillRectangle,
    MeasureText,
    WriteText,
    CopyFromMemoryDc,
    StretchFromMemoryDc,
};

enum class ObjectKind : std::uint8_t { Pen, Brush, Font, Bitmap };

struct ObjectRecord {
    ObjectKind kind = ObjectKind::Pen;
    bool stock = false;  // came with a DC; never ours to delete
    bool deleted = false;
    RgbColour colour{};   // pens and brushes
    FontTemplate font{};  // fonts
    std::u16string name;  // bitmaps: the resource name
};

// What the paint DC holds at one moment.
struct DcState {
    GdiHandle pen = 0;
    GdiHandle brush = 0;
    GdiHandle font = 0;
    RgbColour textColour{};
    bool transparent = false;
};

struct RecordedCall {
    Call call = Call::BeginPaint;
    std::array<std::int32_t, 4> args{};    // coordinates and sizes, in the order of the call; a
                                           // pen's width; a font's height
    std::array<std::int32_t, 2> source{};  // StretchFromMemoryDc: the source's width and height
    RgbColour colour{};   // SetPixel, FillRectangle (its brush's), CreatePen, CreateBrush,
                          // SetTextColour
    std::u16string text;  // MeasureText, WriteText, LoadBitmap
    DcTarget dc = DcTarget::Paint;  // Select
    GdiHandle handle = 0;           // the object created, selected or deleted
    GdiHandle replaced = 0;         // Select: the object it gave back
    DcState state;                  // the paint DC before the call
};

// Thrown by the call a test chose.
struct InjectedFailure : std::runtime_error {
    InjectedFailure() : std::runtime_error("injected drawing failure") {}
};

class RecordingSurface final : public DrawingSurface {
public:
    // The objects a fresh paint DC and memory DC hold.
    static constexpr GdiHandle kStockPen = 1;  // solid black, one pixel
    static constexpr GdiHandle kStockBrush = 2;
    static constexpr GdiHandle kStockFont = 3;
    static constexpr GdiHandle kStockBitmap = 4;

    using ExtentRule = std::function<TextExtent(std::u16string_view text, std::int32_t height)>;

    RecordingSurface();

    // By default a text is (length * height / 2) wide and height high.
    void SetExtentRule(ExtentRule rule) { extentRule_ = std::move(rule); }
    // The given call (counting every call from 0) throws InjectedFailure before it has any effect.
    void ThrowAtCall(std::size_t index) { throwAt_ = index; }
    // Every font, pen, brush or bitmap creation fails (gives 0) while this is set.
    void SetFailCreations(bool fail) { failCreations_ = fail; }
    // Pixels (and the figure's squares) are counted but not logged: for tests that paint many
    // times.
    void SetLogPixels(bool log) { logPixels_ = log; }

    const std::vector<RecordedCall>& calls() const { return calls_; }
    const std::vector<std::string>& faults() const { return faults_; }
    std::size_t callsMade() const { return attempts_; }
    std::size_t pixelCount() const { return pixels_; }
    const ObjectRecord& object(GdiHandle handle) const;
    // Objects made through the surface and not deleted.
    std::vector<GdiHandle> LiveObjects() const;
    std::size_t CreatedCount(ObjectKind kind) const;
    const DcState& paintDc() const { return paint_; }
    bool painting() const { return painting_; }
    bool hasMemoryDc() const { return memoryDc_; }

    // The pen or brush colour, or font height, of a recorded state.
    RgbColour PenColour(const DcState& state) const { return object(state.pen).colour; }
    RgbColour BrushColour(const DcState& state) const { return object(state.brush).colour; }
    std::int32_t FontHeight(const DcState& state) const { return object(state.font).font.height; }

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
    RecordedCall& Begin(Call call);
    void Fault(std::string message);
    void RequirePaint(const char* what);
    GdiHandle Create(ObjectRecord record);
    bool Selected(GdiHandle handle) const;

    std::map<GdiHandle, ObjectRecord> objects_;
    ObjectRecord none_;  // what object() answers for a handle it never made
    std::vector<RecordedCall> calls_;
    std::vector<std::string> faults_;
    ExtentRule extentRule_;
    DcState paint_;
    GdiHandle memoryBitmap_ = 0;
    GdiHandle nextHandle_ = 100;
    std::size_t attempts_ = 0;
    std::size_t throwAt_ = static_cast<std::size_t>(-1);
    std::size_t pixels_ = 0;
    bool logPixels_ = true;
    bool failCreations_ = false;
    bool painting_ = false;
    bool memoryDc_ = false;
};

}  // namespace mr
