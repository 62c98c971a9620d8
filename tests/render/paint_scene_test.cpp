#include "render/paint_scene.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "model/rhythm_model.hpp"
#include "render/paint_context.hpp"
#include "render/recording_surface.hpp"
#include "render/rhythm_figure.hpp"
#include "text/catalogue.hpp"

namespace mr {
namespace {

constexpr RgbColour kBackground{0, 0, 30};
constexpr RgbColour kWhiteColour{255, 255, 255};
constexpr RgbColour kGrayColour{128, 128, 128};
constexpr LocalMoment kMoment{2026, 12, 8, 6, 15, 0};

SceneInputs Inputs(std::int32_t width, std::int32_t height, bool preview = false) {
    SceneInputs inputs;
    inputs.width = width;
    inputs.height = height;
    inputs.preview = preview;
    inputs.moment = kMoment;
    return inputs;
}

std::vector<RecordedCall> Without(const std::vector<RecordedCall>& calls, Call dropped) {
    std::vector<RecordedCall> kept;
    for (const RecordedCall& call : calls) {
        if (call.call != dropped) {
            kept.push_back(call);
        }
    }
    return kept;
}

std::vector<Call> Kinds(const std::vector<RecordedCall>& calls, std::size_t from,
                        std::size_t count) {
    std::vector<Call> kinds;
    for (std::size_t i = from; i < from + count && i < calls.size(); ++i) {
        kinds.push_back(calls[i].call);
    }
    return kinds;
}

// The whole paint leaves nothing behind and broke no rule of the DC.
void ExpectCleanEnd(const RecordingSurface& surface) {
    EXPECT_TRUE(surface.faults().empty()) << surface.faults().front();
    EXPECT_TRUE(surface.LiveObjects().empty());
    EXPECT_FALSE(surface.painting());
    EXPECT_FALSE(surface.hasMemoryDc());
}

TEST(PaintScene, FullPaintSequence) {
    RecordingSurface surface;
    PaintScene(surface, Inputs(1920, 1080));
    ExpectCleanEnd(surface);
    const std::vector<RecordedCall> calls = Without(surface.calls(), Call::SetPixel);

    // Steps 1 to 9: the paint, the memory DC, the background brush, the bordered background, the
    // close hint's font, the white pen and the ring.
    const std::vector<Call> start = {Call::BeginPaint,    Call::CreateMemoryDc,
                                     Call::CreateBrush,   Call::Select,
                                     Call::Rectangle,     Call::CreateFont,
                                     Call::Select,        Call::CreatePen,
                                     Call::Select,        Call::Ellipse,
                                     Call::CreateBrush,   Call::Select,
                                     Call::SetTextColour, Call::SetTransparentBackground,
                                     Call::WriteText};
    EXPECT_EQ(Kinds(calls, 0, start.size()), start);
    EXPECT_EQ(calls[2].colour, kBackground);

    const RecordedCall& background = calls[4];
    EXPECT_EQ(background.args, (std::array<std::int32_t, 4>{0, 0, 1920, 1080}));
    EXPECT_EQ(background.state.pen, RecordingSurface::kStockPen);  // the default black pen
    EXPECT_EQ(surface.BrushColour(background.state), kBackground);

    EXPECT_EQ(calls[5].args[0], 15);
    EXPECT_EQ(calls[7].colour, kWhiteColour);
    const RecordedCall& ring = calls[9];
    EXPECT_EQ(ring.args, (std::array<std::int32_t, 4>{650, 230, 1270, 850}));
    EXPECT_EQ(surface.PenColour(ring.state), kWhiteColour);
    EXPECT_EQ(surface.BrushColour(ring.state), kBackground);
    EXPECT_EQ(calls[10].colour, kWhiteColour);
    EXPECT_EQ(calls[12].colour, kGrayColour);
    EXPECT_EQ(calls[14].text, CaptionText(UiLanguage::English, Caption::CloseHint));

    // Step 14: the DC's own pen, brush and font back, the memory DC gone, EndPaint, then every
    // created object deleted.
    const std::size_t objects = 3 + 2 + 26 + 7;
    ASSERT_GT(calls.size(), objects + 5);
    const std::size_t cleanUp = calls.size() - objects - 5;
    std::vector<Call> end = {Call::Select, Call::Select, Call::Select, Call::DeleteMemoryDc,
                             Call::EndPaint};
    end.insert(end.end(), objects, Call::Delete);
    EXPECT_EQ(Kinds(calls, cleanUp, end.size()), end);
    EXPECT_EQ(calls[cleanUp].handle, RecordingSurface::kStockPen);
    EXPECT_EQ(calls[cleanUp + 1].handle, RecordingSurface::kStockBrush);
    EXPECT_EQ(calls[cleanUp + 2].handle, RecordingSurface::kStockFont);
    // Every text of the paint is drawn without a box behind it.
    for (const RecordedCall& call : calls) {
        if (call.call == Call::WriteText) {
            EXPECT_TRUE(call.state.transparent);
        }
    }
    // The last drawing is the time caption.
    EXPECT_EQ(calls[cleanUp - 1].call, Call::WriteText);
    EXPECT_EQ(calls[cleanUp - 1].text, u"06:15");
}

// The drawing state in force for each element of a full paint.
TEST(PaintScene, DrawingStateOfEveryElement) {
    RecordingSurface surface;
    SceneInputs inputs = Inputs(1920, 1080);
    inputs.language = UiLanguage::Russian;
    PaintScene(surface, inputs);
    ExpectCleanEnd(surface);

    constexpr RgbColour kBlackColour{0, 0, 0};
    constexpr RgbColour kNone{1, 2, 3};  // the element does not use it
    struct Expected {
        RgbColour pen;
        RgbColour brush;
        std::int32_t fontHeight;  // 0: not used
        RgbColour text;
    };
    const std::map<std::string, Expected> table = {
        {"background rectangle", {kBlackColour, kBackground, 0, kNone}},
        {"dial ring", {kWhiteColour, kBackground, 0, kNone}},
        {"close hint", {kNone, kNone, 15, kGrayColour}},
        {"subtitle", {kNone, kNone, 25, kGrayColour}},
        {"title", {kNone, kNone, 40, kGrayColour}},
        {"hour dot", {kWhiteColour, kWhiteColour, 0, kNone}},
        {"hand", {kGrayColour, kGrayColour, 0, kNone}},
        {"badge percentage", {kNone, kNone, 20, kBlackColour}},
        {"hour label", {kNone, kNone, 14, kWhiteColour}},
        {"date caption", {kNone, kNone, 35, kWhiteColour}},
        {"time caption", {kNone, kNone, 70, kWhiteColour}},
    };
    const UiLanguage ru = UiLanguage::Russian;
    const std::u16string title =
        std::u16string(CaptionText(ru, Caption::Title)) + std::u16string(TitleSuffix());
    std::map<std::string, std::size_t> seen;
    std::size_t ellipses = 0;
    bool badgesDone = false;
    for (const RecordedCall& call : surface.calls()) {
        std::string element;
        switch (call.call) {
            case Call::Rectangle:
                element = "background rectangle";
                break;
            case Call::Ellipse:
                element = ellipses == 0 ? "dial ring" : ellipses <= 24 ? "hour dot" : "hand";
                ++ellipses;
                break;
            case Call::LineTo:
                element = "hand";
                break;
            case Call::WriteText:
                // The labels start with "23", right after the last badge.
                badgesDone = badgesDone || call.text == u"23";
                if (call.text == CaptionText(ru, Caption::CloseHint)) {
                    element = "close hint";
                } else if (call.text == CaptionText(ru, Caption::Subtitle)) {
                    element = "subtitle";
                } else if (call.text == title) {
                    element = "title";
                } else if (call.text == u"08 Дек 2026") {
                    element = "date caption";
                } else if (call.text == u"06:15") {
                    element = "time caption";
                } else if (badgesDone) {
                    element = "hour label";
                } else if (surface.FontHeight(call.state) == 20) {
                    element = "badge percentage";
                }
                break;
            default:
                break;
        }
        if (element.empty()) {
            continue;
        }
        SCOPED_TRACE(element);
        ASSERT_EQ(table.count(element), 1u);
        const Expected& expected = table.at(element);
        if (expected.pen != kNone) {
            EXPECT_EQ(surface.PenColour(call.state), expected.pen);
        }
        if (expected.brush != kNone) {
            EXPECT_EQ(surface.BrushColour(call.state), expected.brush);
        }
        if (expected.fontHeight != 0) {
            EXPECT_EQ(surface.FontHeight(call.state), expected.fontHeight);
            EXPECT_EQ(call.state.textColour, expected.text);
            EXPECT_TRUE(call.state.transparent);
        }
        ++seen[element];
    }
    EXPECT_EQ(seen.size(), table.size());
    EXPECT_EQ(seen["hour dot"], 24u);
    EXPECT_EQ(seen["hand"], 2u);
    EXPECT_EQ(seen["hour label"], 24u);
    EXPECT_EQ(seen["badge percentage"], 7u);
}

// On a portrait screen Height is not Side: the dial moves down by OffsetY, and the captions that
// stand on the window's middle line and bottom edge follow Height.
TEST(PaintScene, PortraitPositionsFollowHeight) {
    RecordingSurface surface;
    surface.SetExtentRule([](std::u16string_view, std::int32_t) { return TextExtent{100, 40}; });
    PaintScene(surface, Inputs(1080, 1920));
    ExpectCleanEnd(surface);
    std::vector<RecordedCall> ellipses;
    std::map<std::u16string, std::array<int, 2>> texts;
    std::array<int, 2> handStart{};
    for (const RecordedCall& call : surface.calls()) {
        if (call.call == Call::Ellipse) {
            ellipses.push_back(call);
        } else if (call.call == Call::MoveTo) {
            handStart = {call.args[0], call.args[1]};
        } else if (call.call == Call::WriteText) {
            texts[std::u16string(call.text)] = {call.args[0], call.args[1]};
        }
    }
    EXPECT_EQ(handStart, (std::array<int, 2>{540, 960}));
    ASSERT_GE(ellipses.size(), 25U);
    EXPECT_EQ(ellipses[24].args, (std::array<int, 4>{227, 957, 233, 963}));  // dot 24 at (230, 960)
    const UiLanguage en = UiLanguage::English;
    EXPECT_EQ(texts[std::u16string(CaptionText(en, Caption::Subtitle))],
              (std::array<int, 2>{490, 1850}));
    EXPECT_EQ(texts[u"08 Dec 2026"], (std::array<int, 2>{490, 910}));
    EXPECT_EQ(texts[u"06:15"], (std::array<int, 2>{490, 970}));
}

TEST(PaintScene, ObjectCountsAndFontHeights) {
    const struct {
        bool preview;
        std::size_t brushes, pens, fonts, bitmaps;
    } rows[] = {{false, 3, 2, 26, 7}, {true, 1, 1, 1, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.preview);
        RecordingSurface surface;
        surface.SetLogPixels(false);
        PaintScene(surface, Inputs(1920, 1080, row.preview));
        ExpectCleanEnd(surface);
        EXPECT_EQ(surface.CreatedCount(ObjectKind::Brush), row.brushes);
        EXPECT_EQ(surface.CreatedCount(ObjectKind::Pen), row.pens);
        EXPECT_EQ(surface.CreatedCount(ObjectKind::Font), row.fonts);
        EXPECT_EQ(surface.CreatedCount(ObjectKind::Bitmap), row.bitmaps);
        EXPECT_EQ(surface.pixelCount(), 8799u);
    }

    RecordingSurface surface;
    surface.SetLogPixels(false);
    PaintScene(surface, Inputs(1920, 1080));
    std::vector<std::int32_t> heights;
    FontTemplate expected = InitialFontTemplate();
    for (const RecordedCall& call : surface.calls()) {
        if (call.call == Call::CreateFont) {
            const FontTemplate& font = surface.object(call.handle).font;
            heights.push_back(font.height);
            expected.height = font.height;
            EXPECT_EQ(font.width, 0);
            EXPECT_EQ(font.faceName, expected.faceName);
            EXPECT_EQ(font.charSet, 1);
            EXPECT_EQ(0, font.escapement | font.orientation | font.weight | font.italic |
                             font.underline | font.strikeOut | font.outPrecision |
                             font.clipPrecision | font.quality | font.pitchAndFamily);
        }
    }
    std::vector<std::int32_t> order = {15, 25, 40};
    for (int badge = 0; badge < 7; ++badge) {
        order.insert(order.end(), {20, 24, 14});
    }
    order.insert(order.end(), {35, 70});
    EXPECT_EQ(heights, order);
}

TEST(PaintScene, FontTemplateIsTahomaAtFifteen) {
    const FontTemplate font = InitialFontTemplate();
    EXPECT_EQ(font.height, 15);
    EXPECT_EQ(font.charSet, 1);
    const std::u16string_view face(font.faceName.data(), 6);
    EXPECT_EQ(face, u"Tahoma");
    for (std::size_t i = 6; i < font.faceName.size(); ++i) {
        EXPECT_EQ(font.faceName[i], u'\0');
    }
}

TEST(PaintScene, FigurePixelsAsThePointListSays) {
    EXPECT_EQ(TypeColour(MemoryType::Motorical), (RgbColour{0xFF, 0x06, 0x06}));
    EXPECT_EQ(TypeColour(MemoryType::Logical), (RgbColour{0x00, 0x79, 0x00}));
    EXPECT_EQ(TypeColour(MemoryType::Managing), (RgbColour{0x2D, 0x2D, 0xFF}));
    EXPECT_EQ(TypeColour(MemoryType::WorldOutlooking), (RgbColour{0xFB, 0x00, 0xFB}));
    const struct {
        std::int32_t width, height;
        bool preview;
    } rows[] = {{1920, 1080, false}, {152, 112, true}, {1366, 768, false}};
    const RhythmSnapshot snapshot = EvaluateRhythm(kMoment);
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.width << "x" << row.height);
        RecordingSurface surface;
        PaintScene(surface, Inputs(row.width, row.height, row.preview));
        const std::vector<FigurePixel> expected =
            RhythmFigurePixels(ComputeSceneGeometry(row.width, row.height), snapshot.dayFactors);
        std::size_t n = 0;
        for (const RecordedCall& call : surface.calls()) {
            if (call.call != Call::SetPixel) {
                continue;
            }
            ASSERT_LT(n, expected.size());
            EXPECT_EQ(call.args[0], expected[n].position.x);
            EXPECT_EQ(call.args[1], expected[n].position.y);
            EXPECT_EQ(call.colour, TypeColour(expected[n].type));
            ++n;
        }
        EXPECT_EQ(n, 8799u);
    }
}

// Above 100 % the scene is the 96-DPI scene of a screen of the same logical size, drawn natively:
// every position, size, font height and pen width scaled, with text extents (device pixels) that
// scale with their fonts. At 200 % every length doubles exactly; the points on the rings and of
// the figure, truncated after the doubling, may lie one pixel off. At 125 % and 150 % the scaled
// lengths round to whole pixels too. A length left unscaled (3 pixels and up) falls outside.
TEST(PaintScene, EveryLengthScalesWithTheDisplay) {
    struct Row {
        std::int32_t dpi;
        double tolerance;  // in pixels, from the scaled 96-DPI position
    } const rows[] = {{192, 1}, {144, 1.5}, {120, 1.5}};
    const auto paint = [](std::int32_t dpi) {
        auto surface = std::make_unique<RecordingSurface>();
        surface->SetExtentRule([dpi](std::u16string_view text, std::int32_t) {
            const auto length = static_cast<std::int32_t>(text.size());
            return TextExtent{8 * length * dpi / 96, 16 * dpi / 96};
        });
        SceneInputs inputs = Inputs(1920 * dpi / 96, 1080 * dpi / 96);
        inputs.dpi = dpi;
        PaintScene(*surface, inputs);
        ExpectCleanEnd(*surface);
        return surface;
    };
    const auto base = paint(96);
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.dpi << " DPI");
        const auto scaled = paint(row.dpi);
        const double k = row.dpi / 96.0;
        const auto near = [&](std::int32_t got, std::int32_t at96) {
            return std::abs(got - k * at96) <= row.tolerance;
        };
        // The figure's squares are filled with brushes of the type colours, made and deleted
        // around the 96-DPI sequence of calls.
        std::set<GdiHandle> figureBrushes;
        std::vector<RecordedCall> b;
        for (const RecordedCall& call : scaled->calls()) {
            if (call.call == Call::CreateBrush && call.colour != kBackground &&
                call.colour != kWhiteColour && call.colour != kGrayColour) {
                figureBrushes.insert(call.handle);
            } else if (call.call != Call::Delete || figureBrushes.count(call.handle) == 0) {
                b.push_back(call);
            }
        }
        const std::vector<RecordedCall>& a = base->calls();
        ASSERT_EQ(a.size(), b.size());
        const std::int32_t point = ScaledLength(1, row.dpi);
        EXPECT_EQ(figureBrushes.size(), point == 1 ? 0U : 7U);
        for (std::size_t i = 0; i < a.size(); ++i) {
            const RecordedCall& at96 = a[i];
            const RecordedCall& now = b[i];
            SCOPED_TRACE(testing::Message() << "call " << i);
            switch (at96.call) {
                case Call::SetPixel:  // the figure: a point, a square above 1 pixel
                    ASSERT_EQ(now.call, point == 1 ? Call::SetPixel : Call::FillRectangle);
                    EXPECT_TRUE(near(now.args[0], at96.args[0]));
                    EXPECT_TRUE(near(now.args[1], at96.args[1]));
                    EXPECT_EQ(now.colour, at96.colour);
                    if (point > 1) {
                        EXPECT_EQ(now.args[2] - now.args[0], point);
                        EXPECT_EQ(now.args[3] - now.args[1], point);
                    }
                    continue;
                case Call::CopyFromMemoryDc:  // the picture: copied at 200 %, else stretched
                    EXPECT_EQ(now.call,
                              row.dpi == 192 ? Call::CopyFromMemoryDc : Call::StretchFromMemoryDc);
                    if (now.call == Call::StretchFromMemoryDc) {
                        EXPECT_EQ(now.source, (std::array<std::int32_t, 2>{96, 96}));
                    }
                    break;
                case Call::LoadBitmap:
                    EXPECT_EQ(now.text, at96.text + u"96");
                    continue;
                case Call::CreatePen:  // a pen's width, a font's height
                case Call::CreateFont:
                    EXPECT_EQ(now.args[0], ScaledLength(at96.args[0], row.dpi));
                    continue;
                default:
                    ASSERT_EQ(now.call, at96.call);
                    break;
            }
            EXPECT_EQ(now.text, at96.text);
            for (std::size_t n = 0; n < at96.args.size(); ++n) {
                EXPECT_TRUE(near(now.args[n], at96.args[n]))
                    << n << ": " << now.args[n] << " for " << at96.args[n];
            }
        }
    }
}

TEST(PaintScene, PreviewStopsAfterTheFigure) {
    RecordingSurface surface;
    PaintScene(surface, Inputs(152, 112, true));
    ExpectCleanEnd(surface);
    const std::vector<RecordedCall> calls = Without(surface.calls(), Call::SetPixel);
    const std::vector<Call> expected = {Call::BeginPaint, Call::CreateMemoryDc, Call::CreateBrush,
                                        Call::Select,     Call::Rectangle,      Call::CreateFont,
                                        Call::Select,     Call::CreatePen,      Call::Select,
                                        Call::Ellipse,    Call::Select,         Call::Select,
                                        Call::Select,     Call::DeleteMemoryDc, Call::EndPaint,
                                        Call::Delete,     Call::Delete,         Call::Delete};
    EXPECT_EQ(Kinds(calls, 0, calls.size()), expected);
    EXPECT_EQ(calls[4].args, (std::array<std::int32_t, 4>{0, 0, 152, 112}));
    EXPECT_EQ(calls[9].args, (std::array<std::int32_t, 4>{250, 230, -98, -118}));
}

TEST(PaintScene, EmptyWindowRunsTheWholeSequence) {
    RecordingSurface surface;
    surface.SetLogPixels(false);
    PaintScene(surface, Inputs(0, 0));
    ExpectCleanEnd(surface);
    EXPECT_EQ(surface.pixelCount(), 8799u);
    EXPECT_EQ(surface.CreatedCount(ObjectKind::Font), 26u);
    std::size_t texts = 0;
    for (const RecordedCall& call : surface.calls()) {
        if (call.call == Call::Rectangle) {
            EXPECT_EQ(call.args, (std::array<std::int32_t, 4>{0, 0, 0, 0}));
        }
        texts += call.call == Call::WriteText ? 1 : 0;
    }
    EXPECT_GT(texts, 4u + 24u + 7u * 3u);
}

TEST(PaintScene, NothingCarriesOverBetweenPaints) {
    RecordingSurface surface;
    surface.SetLogPixels(false);
    PaintScene(surface, Inputs(1366, 768));
    const std::size_t first = surface.calls().size();
    PaintScene(surface, Inputs(1366, 768));
    ExpectCleanEnd(surface);
    const std::vector<RecordedCall>& calls = surface.calls();
    ASSERT_EQ(calls.size(), 2 * first);
    for (std::size_t i = 0; i < first; ++i) {
        ASSERT_EQ(calls[i].call, calls[first + i].call) << i;
        ASSERT_EQ(calls[i].args, calls[first + i].args) << i;
        ASSERT_EQ(calls[i].text, calls[first + i].text) << i;
    }
}

// A font, pen or brush that cannot be made leaves the previous one selected, and the paint goes on.
TEST(PaintScene, FailedCreationsLeaveThePreviousObjects) {
    RecordingSurface surface;
    surface.SetLogPixels(false);
    surface.SetFailCreations(true);
    PaintScene(surface, Inputs(1920, 1080));
    ExpectCleanEnd(surface);
    std::size_t drawn = 0;
    for (const RecordedCall& call : surface.calls()) {
        EXPECT_NE(call.call, Call::Select);
        EXPECT_NE(call.call, Call::Delete);
        if (call.call == Call::WriteText || call.call == Call::Ellipse) {
            EXPECT_EQ(call.state.pen, RecordingSurface::kStockPen);
            EXPECT_EQ(call.state.font, RecordingSurface::kStockFont);
            ++drawn;
        }
        EXPECT_NE(call.call, Call::CopyFromMemoryDc);  // no picture, no copy
    }
    EXPECT_GT(drawn, 26u + 24u + 7u * 3u);
    EXPECT_EQ(surface.pixelCount(), 8799u);
}

// Only the first creations fail, up to the subtitle's measurement: the DC's own objects must be
// learnt from the first selections that take place, and the clean-up puts them back.
TEST(PaintScene, OriginalObjectsAreLearntFromTheFirstSelectionThatTakesPlace) {
    RecordingSurface surface;
    surface.SetLogPixels(false);
    surface.SetExtentRule([&surface](std::u16string_view text, std::int32_t height) {
        surface.SetFailCreations(false);
        return TextExtent{static_cast<std::int32_t>(text.size()) * 8, height};
    });
    surface.SetFailCreations(true);
    PaintScene(surface, Inputs(1920, 1080));
    ExpectCleanEnd(surface);
    // Lost: the background and white brushes, the white pen, the fonts of heights 15 and 25.
    EXPECT_EQ(surface.CreatedCount(ObjectKind::Brush), 1u);
    EXPECT_EQ(surface.CreatedCount(ObjectKind::Pen), 1u);
    EXPECT_EQ(surface.CreatedCount(ObjectKind::Font), 24u);
    for (const RecordedCall& call : surface.calls()) {
        if (call.call == Call::Ellipse) {
            // The ring and the dots in whatever the DC held; the tip's disc in gray.
            const bool tip = call.args[2] - call.args[0] == 10;
            EXPECT_EQ(call.state.pen == RecordingSurface::kStockPen, !tip);
        }
    }
}

// Whichever call fails, the paint ends and nothing it made survives. A failure in the clean-up
// itself is swallowed there, and the rest of the clean-up still runs.
TEST(PaintScene, CleanUpOnEveryFailure) {
    for (const bool preview : {false, true}) {
        SCOPED_TRACE(preview);
        RecordingSurface dryRun;
        PaintScene(dryRun, Inputs(1920, 1080, preview));
        const std::vector<RecordedCall>& calls = dryRun.calls();
        const std::size_t objects = preview ? 3 : 38;
        const std::size_t cleanUp = calls.size() - objects - 5;
        for (std::size_t index = 0; index < calls.size(); ++index) {
            const bool pixel = calls[index].call == Call::SetPixel;
            if (pixel && calls[index - 1].call == Call::SetPixel &&
                calls[index + 1].call == Call::SetPixel) {
                continue;  // the first and last pixel stand for all of them
            }
            SCOPED_TRACE(testing::Message() << "call " << index);
            RecordingSurface surface;
            surface.SetLogPixels(false);
            surface.ThrowAtCall(index);
            if (index < cleanUp) {
                EXPECT_THROW(PaintScene(surface, Inputs(1920, 1080, preview)), InjectedFailure);
            } else {
                EXPECT_NO_THROW(PaintScene(surface, Inputs(1920, 1080, preview)));
            }
            if (index == 0) {
                EXPECT_TRUE(surface.calls().empty());  // BeginPaint failed: nothing to end
                continue;
            }
            EXPECT_FALSE(surface.hasMemoryDc() && calls[index].call != Call::DeleteMemoryDc);
            EXPECT_EQ(surface.painting(), calls[index].call == Call::EndPaint);
            const std::vector<GdiHandle> live = surface.LiveObjects();
            if (index < cleanUp) {
                EXPECT_TRUE(surface.faults().empty()) << surface.faults().front();
                EXPECT_TRUE(live.empty());
            } else if (calls[index].call == Call::Delete) {
                // Only the object whose deletion failed is left.
                EXPECT_EQ(live, std::vector<GdiHandle>{calls[index].handle});
            }
        }
    }
}

}  // namespace
}  // namespace mr
