// The state of one paint, handed to every drawing step, and the owner of everything the paint
// creates.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "model/memory_type.hpp"
#include "render/drawing_surface.hpp"
#include "render/scene_geometry.hpp"
#include "render/scene_inputs.hpp"

namespace mr {

inline constexpr RgbColour kBackgroundColour{0, 0, 30};
inline constexpr RgbColour kWhite{255, 255, 255};
inline constexpr RgbColour kGray{128, 128, 128};
inline constexpr RgbColour kBlack{0, 0, 0};
// Each type's curve in the figure and its name and description beside its badge; an
// out-of-range type (a corrupted value) gets the last type's colour.
RgbColour TypeColour(MemoryType type);

// The kinds of object the paint selects into the paint DC; the clean-up puts back, per kind, the
// object the DC held after BeginPaint.
enum class PaintObject : std::uint8_t { Pen, Brush, Font };

// Tahoma, the default charset, weight and quality; every font of the paint is this template at
// some height.
FontTemplate InitialFontTemplate();

// Constructing it begins the paint; destroying it is the paint's whole clean-up, in this order:
// the paint DC's own pen, brush and font selected back, the memory DC deleted, EndPaint, the line
// list released, every created object deleted. It runs on every way out, exceptions included, and
// never throws.
class PaintContext {
public:
    PaintContext(DrawingSurface& drawingSurface, const SceneInputs& sceneInputs);
    ~PaintContext();
    PaintContext(const PaintContext&) = delete;
    PaintContext& operator=(const PaintContext&) = delete;

    DrawingSurface& surface;
    const SceneInputs& inputs;
    FontTemplate fontTemplate;
    SceneGeometry geometry;
    RhythmSnapshot snapshot;
    // Views into the constant catalogue: a description's lines, replaced for each badge.
    std::vector<std::u16string_view> lines;

    void CreateMemoryDc();
    // Records an object created for this paint so that the clean-up deletes it; 0 (a failed
    // creation) is ignored.
    GdiHandle Own(GdiHandle object);
    // A failed creation (0) leaves the previous object selected.
    void SelectIntoPaintDc(PaintObject kind, GdiHandle object);
    void SelectIntoMemoryDc(GdiHandle bitmap);

private:
    std::vector<GdiHandle> created_;
    std::array<GdiHandle, 3> originals_{};
    bool memoryDc_ = false;
};

// The template's height set, a font made from it, selected and owned; it stays selected until the
// next call.
void UseFontHeight(PaintContext& context, std::int32_t height);
// Every line of the dial is one pixel wide at 96 DPI.
inline constexpr std::int32_t kPenWidth = 1;

// A solid pen of the scaled width, and a solid brush, created, owned and selected.
void UseSolidPen(PaintContext& context, RgbColour colour);
void UseSolidBrush(PaintContext& context, RgbColour colour);

// The extent of the whole string in the font selected now.
TextExtent MeasureText(PaintContext& context, std::u16string_view text);

}  // namespace mr
