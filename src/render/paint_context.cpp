#include "render/paint_context.hpp"

#include <algorithm>
#include <array>
#include <cstddef>

namespace mr {

namespace {

// A full paint creates 38 objects; room for them all, so that recording one never allocates.
constexpr std::size_t kExpectedObjects = 64;

constexpr std::u16string_view kFaceName = u"Tahoma";

// Rainbow order, red to magenta.
constexpr std::array<RgbColour, kMemoryTypeCount> kTypeColours = {{
    {0xFF, 0x06, 0x06},
    {0xFF, 0x80, 0x40},
    {0xF9, 0xF9, 0x00},
    {0x00, 0x79, 0x00},
    {0x00, 0xF9, 0xF9},
    {0x2D, 0x2D, 0xFF},
    {0xFB, 0x00, 0xFB},
}};

constexpr std::size_t Slot(PaintObject kind) {
    return static_cast<std::size_t>(kind);
}

}  // namespace

RgbColour TypeColour(MemoryType type) {
    return kTypeColours[std::min(Index(type), kMemoryTypeCount - 1)];
}

FontTemplate InitialFontTemplate() {
    FontTemplate font;
    font.height = 15;
    font.charSet = 1;  // DEFAULT_CHARSET
    for (std::size_t i = 0; i < kFaceName.size(); ++i) {
        font.faceName[i] = kFaceName[i];
    }
    return font;
}

PaintContext::PaintContext(DrawingSurface& drawingSurface, const SceneInputs& sceneInputs)
    : surface(drawingSurface), inputs(sceneInputs) {
    // BeginPaint comes first and is ended on every way out: a paint that never validates its
    // region is asked for again at once, for ever.
    surface.BeginPaint();
    try {
        created_.reserve(kExpectedObjects);
    } catch (...) {
        surface.EndPaint();
        throw;
    }
}

PaintContext::~PaintContext() {
    // Each call is guarded on its own: a clean-up step that fails must not skip the ones after it,
    // and nothing may leave a destructor.
    constexpr PaintObject kKinds[] = {PaintObject::Pen, PaintObject::Brush, PaintObject::Font};
    for (const PaintObject kind : kKinds) {
        const GdiHandle original = originals_[Slot(kind)];
        if (original != 0) {
            try {
                surface.SelectObject(DcTarget::Paint, original);
            } catch (...) {
            }
        }
    }
    if (memoryDc_) {
        try {
            surface.DeleteMemoryDc();
        } catch (...) {
        }
    }
    try {
        surface.EndPaint();
    } catch (...) {
    }
    std::vector<std::u16string_view>().swap(lines);
    for (const GdiHandle object : created_) {
        try {
            surface.DeleteObject(object);
        } catch (...) {
        }
    }
}

void PaintContext::CreateMemoryDc() {
    surface.CreateMemoryDc();
    memoryDc_ = true;
}

GdiHandle PaintContext::Own(GdiHandle object) {
    if (object == 0) {
        return 0;
    }
    try {
        created_.push_back(object);
    } catch (...) {
        surface.DeleteObject(object);
        throw;
    }
    return object;
}

void PaintContext::SelectIntoPaintDc(PaintObject kind, GdiHandle object) {
    if (object == 0) {
        return;
    }
    const GdiHandle previous = surface.SelectObject(DcTarget::Paint, object);
    // The first object replaced of each kind is the one the DC came with.
    GdiHandle& original = originals_[Slot(kind)];
    if (original == 0) {
        original = previous;
    }
}

void PaintContext::SelectIntoMemoryDc(GdiHandle bitmap) {
    if (bitmap != 0) {
        surface.SelectObject(DcTarget::Memory, bitmap);
    }
}

void UseFontHeight(PaintContext& context, std::int32_t height) {
    context.fontTemplate.height = height;
    const GdiHandle font =
        context.Own(context.surface.CreateFontFromTemplate(context.fontTemplate));
    context.SelectIntoPaintDc(PaintObject::Font, font);
}

void UseSolidPen(PaintContext& context, RgbColour colour) {
    const GdiHandle pen = context.surface.CreatePen(colour, context.geometry.Scaled(kPenWidth));
    context.SelectIntoPaintDc(PaintObject::Pen, context.Own(pen));
}

void UseSolidBrush(PaintContext& context, RgbColour colour) {
    context.SelectIntoPaintDc(PaintObject::Brush,
                              context.Own(context.surface.CreateSolidBrush(colour)));
}

TextExtent MeasureText(PaintContext& context, std::u16string_view text) {
    return context.surface.MeasureText(text);
}

}  // namespace mr
