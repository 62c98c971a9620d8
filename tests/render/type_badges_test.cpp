#include "render/type_badges.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/bands.hpp"
#include "render/recording_surface.hpp"
#include "text/catalogue.hpp"
#include "text/line_split.hpp"
#include "text/number_texts.hpp"

namespace mr {
namespace {

// Widths that are odd for most texts, so that every div by 2 truncates somewhere; heights a little
// more than the font's, so that a position built from the font height instead of the measured one
// shows.
TextExtent TestExtent(std::u16string_view text, std::int32_t height) {
    return TextExtent{11 * static_cast<std::int32_t>(text.size()) + height, height + 3};
}

// Draws the badges alone, on a 1920 x 1080 window, for the chosen activeness of each type.
struct BadgeRun {
    RecordingSurface surface;
    SceneInputs inputs;
    std::vector<RecordedCall> calls;

    explicit BadgeRun(const ActivenessSet& activeness, UiLanguage language = UiLanguage::English) {
        inputs.width = 1920;
        inputs.height = 1080;
        inputs.language = language;
        surface.SetExtentRule(TestExtent);
        {
            PaintContext context(surface, inputs);
            context.CreateMemoryDc();
            context.fontTemplate = InitialFontTemplate();
            context.geometry = ComputeSceneGeometry(1920, 1080);
            context.snapshot.activeness = activeness;
            DrawTypeBadges(context);
            afterBadges = surface.paintDc();
        }
        calls = surface.calls();
    }

    std::vector<RecordedCall> Of(Call kind) const {
        std::vector<RecordedCall> found;
        for (const RecordedCall& call : calls) {
            if (call.call == kind) {
                found.push_back(call);
            }
        }
        return found;
    }

    DcState afterBadges;
};

constexpr Point kCentres1920[] = {{570, 540},  {717, 844},  {1046, 920}, {1311, 709},
                                  {1311, 371}, {1046, 160}, {717, 236}};

TEST(TypeBadges, CentresSidesAndTypesOfTheSlots) {
    const SceneGeometry g = ComputeSceneGeometry(1920, 1080);
    const bool left[] = {true, true, false, false, false, false, true};
    for (std::size_t slot = 0; slot < kBadgeSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(BadgeCentre(g, slot), kCentres1920[slot]);
        EXPECT_EQ(LeftSide(slot), left[slot]);
        EXPECT_EQ(Index(BadgeType(slot)), 6 - slot);
    }
    // Slots 2 and 5 lie slightly right of the centre, yet put their texts to the right.
    EXPECT_GT(BadgeCentre(g, 2).x, 960);
    EXPECT_GT(BadgeCentre(g, 5).x, 960);
    // Other windows: the ring follows the scene square, also turned inside out.
    EXPECT_EQ(BadgeCentre(ComputeSceneGeometry(1080, 1920), 0), (Point{150, 960}));
    EXPECT_EQ(BadgeCentre(ComputeSceneGeometry(152, 112), 0), (Point{170, 56}));
}

TEST(TypeBadges, PicturesByRatingCentredOnTheBadge) {
    // Types 0 to 6; the slots draw them from type 6 down to type 0.
    const BadgeRun run({30, 70, 29, 71, 9, 91, 0});
    const std::u16string_view expected[] = {u"BAD",    u"BAD",  u"BAD", u"NORMAL",
                                            u"NORMAL", u"GOOD", u"GOOD"};
    const auto loads = run.Of(Call::LoadBitmap);
    const auto copies = run.Of(Call::CopyFromMemoryDc);
    ASSERT_EQ(loads.size(), 7u);
    ASSERT_EQ(copies.size(), 7u);
    for (std::size_t slot = 0; slot < 7; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(loads[slot].text, expected[slot]);
        // The copy takes the picture just loaded, from the memory DC's origin, 48 x 48.
        EXPECT_EQ(copies[slot].handle, loads[slot].handle);
        const Point c = kCentres1920[slot];
        EXPECT_EQ(copies[slot].args, (std::array<std::int32_t, 4>{c.x - 24, c.y - 24, 48, 48}));
    }
    // Slot 0's picture covers x 546 to 593 and y 516 to 563.
    EXPECT_EQ(copies[0].args, (std::array<std::int32_t, 4>{546, 516, 48, 48}));
    const BadgeRun normal({10, 90, 50, 50, 50, 50, 50});
    EXPECT_EQ(normal.Of(Call::LoadBitmap)[6].text, u"NORMAL");
    EXPECT_EQ(normal.Of(Call::LoadBitmap)[5].text, u"NORMAL");
}

// Every text of every badge: its position, font height and colour.
TEST(TypeBadges, TextsFollowTheSideRule) {
    const ActivenessSet activeness = {62, 5, 33, 47, 80, 93, 0};
    const BadgeRun run(activeness);
    const auto writes = run.Of(Call::WriteText);
    std::size_t w = 0;
    for (std::size_t slot = 0; slot < 7; ++slot) {
        SCOPED_TRACE(slot);
        const MemoryType type = BadgeType(slot);
        const Activeness a = activeness[Index(type)];
        const Point c = kCentres1920[slot];
        const bool left = LeftSide(slot);

        ASSERT_LT(w, writes.size());
        const RecordedCall& percent = writes[w++];
        const std::u16string percentText = PercentageText(a);
        EXPECT_EQ(percent.text, percentText);
        const std::int32_t percentWidth = TestExtent(percentText, 20).cx;
        EXPECT_EQ(percent.args[0], c.x - percentWidth / 2);
        EXPECT_EQ(percent.args[1], c.y - 23 / 2);
        EXPECT_EQ(run.surface.FontHeight(percent.state), 20);
        EXPECT_EQ(percent.state.textColour, (RgbColour{0, 0, 0}));

        const RecordedCall& name = writes[w++];
        EXPECT_EQ(name.text, TypeName(UiLanguage::English, type));
        const std::int32_t nameWidth = TestExtent(name.text, 24).cx;
        EXPECT_EQ(name.args[0], left ? c.x - 30 - nameWidth : c.x + 30);
        EXPECT_EQ(name.args[1], c.y - 27 - 18);  // its bottom 18 above the centre
        EXPECT_EQ(run.surface.FontHeight(name.state), 24);
        EXPECT_EQ(name.state.textColour, TypeColour(type));

        std::vector<std::u16string_view> lines;
        SplitIntoLines(TypeDescription(UiLanguage::English, type, LevelBandOf(a)), lines);
        ASSERT_GE(lines.size(), 2u);
        for (std::size_t n = 0; n < lines.size(); ++n) {
            SCOPED_TRACE(n);
            ASSERT_LT(w, writes.size());
            const RecordedCall& line = writes[w++];
            EXPECT_EQ(line.text, lines[n]);
            const std::int32_t width = TestExtent(lines[n], 14).cx;
            // Right edges of a left-side badge all at x - 30; left edges otherwise at x + 30.
            if (left) {
                EXPECT_EQ(line.args[0] + width, c.x - 30);
            } else {
                EXPECT_EQ(line.args[0], c.x + 30);
            }
            // y + (n + 1) * cy - 33, with cy = 17 as measured.
            EXPECT_EQ(line.args[1], c.y - 16 + 17 * static_cast<std::int32_t>(n));
            EXPECT_EQ(run.surface.FontHeight(line.state), 14);
            EXPECT_EQ(line.state.textColour, TypeColour(type));
        }
    }
    EXPECT_EQ(w, writes.size());
    // Type 0 (activeness 62) is described under the heading of band 6, while reading 62%.
    bool sawHeading = false;
    for (const RecordedCall& call : writes) {
        sawHeading = sawHeading || call.text == u"About 65% :";
    }
    EXPECT_TRUE(sawHeading);
    // The hour labels rely on what the badges leave: the height-14 font and type 0's colour.
    EXPECT_EQ(run.surface.FontHeight(run.afterBadges), 14);
    EXPECT_EQ(run.afterBadges.textColour, TypeColour(MemoryType::Motorical));
}

TEST(TypeBadges, EveryTextIsMeasuredInItsOwnFontRightBeforeItIsDrawn) {
    const BadgeRun run({50, 50, 50, 50, 50, 50, 50}, UiLanguage::Russian);
    const RecordedCall* lastMeasure = nullptr;
    std::size_t writes = 0;
    for (const RecordedCall& call : run.calls) {
        if (call.call == Call::MeasureText) {
            lastMeasure = &call;
        } else if (call.call == Call::WriteText) {
            ASSERT_NE(lastMeasure, nullptr);
            EXPECT_EQ(lastMeasure->text, call.text);
            EXPECT_EQ(lastMeasure->state.font, call.state.font);
            lastMeasure = nullptr;
            ++writes;
        }
    }
    EXPECT_GT(writes, 7u * 4);
    // Three fonts per badge, each made afresh.
    EXPECT_EQ(run.surface.CreatedCount(ObjectKind::Font), 21u);
    EXPECT_TRUE(run.surface.LiveObjects().empty());
    EXPECT_TRUE(run.surface.faults().empty());
}

// With 14-pixel lines the heading's top is 19 pixels above the centre, each line 14 lower.
TEST(TypeBadges, FourteenPixelLines) {
    RecordingSurface surface;
    surface.SetExtentRule([](std::u16string_view text, std::int32_t height) {
        return TextExtent{static_cast<std::int32_t>(text.size()) * 6, height};
    });
    SceneInputs inputs;
    inputs.width = 1920;
    inputs.height = 1080;
    {
        PaintContext context(surface, inputs);
        context.CreateMemoryDc();
        context.fontTemplate = InitialFontTemplate();
        context.geometry = ComputeSceneGeometry(1920, 1080);
        context.snapshot.activeness = {50, 50, 50, 50, 50, 50, 50};
        DrawTypeBadges(context);
    }
    // Slot 0 (570, 540): its first texts are the percentage, the name, then the lines.
    std::vector<std::int32_t> tops;
    for (const RecordedCall& call : surface.calls()) {
        if (call.call == Call::WriteText) {
            tops.push_back(call.args[1]);
        }
    }
    ASSERT_GE(tops.size(), 5u);
    EXPECT_EQ(tops[0], 540 - 10);
    EXPECT_EQ(tops[1], 540 - 24 - 18);
    EXPECT_EQ(tops[2], 540 - 19);
    EXPECT_EQ(tops[3], 540 - 19 + 14);
    EXPECT_EQ(tops[4], 540 - 19 + 28);
}

}  // namespace
}  // namespace mr
