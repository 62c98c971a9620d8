#include "render/clock_face.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/captions.hpp"
#include "render/paint_scene.hpp"
#include "render/recording_surface.hpp"
#include "text/catalogue.hpp"
#include "text/number_texts.hpp"

namespace mr {
namespace {

constexpr Point kCentre{960, 540};

TEST(ClockFace, HourDotsAndLabelsOn1920x1080) {
    const struct {
        std::int32_t radius;
        std::int32_t i;
        Point point;
    } rows[] = {
        // Dots on the ring (r = 310).
        {310, 24, {650, 540}},
        {310, 6, {960, 850}},
        {310, 12, {1270, 540}},
        {310, 18, {960, 230}},
        {310, 1, {661, 620}},
        {310, 3, {741, 759}},
        // Labels 15 pixels further out (R = 325).
        {325, 24, {635, 540}},
        {325, 18, {960, 215}},
        {325, 12, {1285, 540}},
        {325, 6, {960, 865}},
        {325, 21, {731, 311}},
        {325, 1, {647, 624}},
        // Products within a rounding error of a whole number: the extended product is truncated
        // directly (154.99999999999999997 gives 154), not stored as a double first (155).
        {310, 2, {692, 694}},
        {310, 8, {1114, 808}},
        {310, 14, {1228, 386}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "radius " << row.radius << " i " << row.i);
        EXPECT_EQ(PointOnRing(kCentre, row.radius, row.i, kHourCount), row.point);
    }
}

TEST(ClockFace, HandTips) {
    const SceneGeometry g = ComputeSceneGeometry(1920, 1080);
    const struct {
        int hour;
        int minute;
        Point tip;
    } rows[] = {
        {0, 0, {650, 540}},
        {6, 0, {960, 230}},
        {12, 0, {1270, 540}},
        {18, 0, {960, 850}},
        {3, 0, {741, 321}},
        {14, 37, {1200, 736}},
        {23, 59, {651, 541}},
        // The hand's offsets are held as doubles before truncation: 154.99999999999999993
        // becomes 155, so at 16:00 the tip stands a pixel right of dot 8, (1114, 808).
        {16, 0, {1115, 808}},
        {20, 0, {805, 808}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.hour << ":" << row.minute);
        EXPECT_EQ(HandTip(g, row.hour * 60 + row.minute), row.tip);
    }
}

// A full paint whose texts measure as the worked examples say.
struct FullPaint {
    RecordingSurface surface;
    SceneInputs inputs;

    explicit FullPaint(LocalMoment moment, UiLanguage language = UiLanguage::English) {
        inputs.width = 1920;
        inputs.height = 1080;
        inputs.language = language;
        inputs.moment = moment;
        const std::u16string title =
            std::u16string(CaptionText(language, Caption::Title)) + std::u16string(TitleSuffix());
        const std::u16string subtitle(CaptionText(language, Caption::Subtitle));
        const std::u16string date = DateCaption(language, moment.year, moment.month, moment.day);
        const std::u16string time = TimeCaption(moment, u':');
        surface.SetExtentRule([=](std::u16string_view text, std::int32_t height) {
            if (text == title && height == 40) {
                return TextExtent{700, 48};
            }
            if (text == subtitle && height == 25) {
                return TextExtent{500, 30};
            }
            if (text == date && height == 35) {
                return TextExtent{300, 42};
            }
            if (text == time && height == 70) {
                return TextExtent{180, 84};
            }
            if (text == u"00" && height == 14) {
                return TextExtent{17, 17};
            }
            return TextExtent{9 * static_cast<std::int32_t>(text.size()), height};
        });
        surface.SetLogPixels(false);
        PaintScene(surface, inputs);
    }

    const RecordedCall& Write(std::u16string_view text) const {
        for (const RecordedCall& call : surface.calls()) {
            if (call.call == Call::WriteText && call.text == text) {
                return call;
            }
        }
        ADD_FAILURE() << "no text of " << text.size() << " units was drawn";
        return surface.calls().front();
    }
};

TEST(Captions, PlacedByTheirMeasuredExtents) {
    const LocalMoment moment{2026, 12, 8, 14, 37, 0};
    for (const UiLanguage language : {UiLanguage::English, UiLanguage::Russian}) {
        SCOPED_TRACE(static_cast<int>(language));
        const FullPaint paint(moment, language);
        const RecordingSurface& s = paint.surface;
        const RgbColour gray{128, 128, 128};
        const RgbColour white{255, 255, 255};

        const RecordedCall& hint = paint.Write(CaptionText(language, Caption::CloseHint));
        EXPECT_EQ(hint.args[0], 10);
        EXPECT_EQ(hint.args[1], 10);
        EXPECT_EQ(s.FontHeight(hint.state), 15);
        EXPECT_EQ(hint.state.textColour, gray);

        const RecordedCall& title = paint.Write(
            std::u16string(CaptionText(language, Caption::Title)) + std::u16string(TitleSuffix()));
        EXPECT_EQ(title.args[0], 610);
        EXPECT_EQ(title.args[1], 35);
        EXPECT_EQ(s.FontHeight(title.state), 40);
        EXPECT_EQ(title.state.textColour, gray);

        const RecordedCall& subtitle = paint.Write(CaptionText(language, Caption::Subtitle));
        EXPECT_EQ(subtitle.args[0], 710);
        EXPECT_EQ(subtitle.args[1], 1020);
        EXPECT_EQ(s.FontHeight(subtitle.state), 25);
        EXPECT_EQ(subtitle.state.textColour, gray);

        const RecordedCall& date = paint.Write(DateCaption(language, 2026, 12, 8));
        EXPECT_EQ(date.args[0], 810);
        EXPECT_EQ(date.args[1], 488);
        EXPECT_EQ(s.FontHeight(date.state), 35);
        EXPECT_EQ(date.state.textColour, white);

        const RecordedCall& time = paint.Write(u"14:37");
        EXPECT_EQ(time.args[0], 870);
        EXPECT_EQ(time.args[1], 550);
        EXPECT_EQ(s.FontHeight(time.state), 70);
        EXPECT_EQ(time.state.textColour, white);

        const RecordedCall& zero = paint.Write(u"00");
        EXPECT_EQ(zero.args[0], 627);
        EXPECT_EQ(zero.args[1], 532);
        EXPECT_EQ(s.FontHeight(zero.state), 14);
        EXPECT_EQ(zero.state.textColour, white);
    }
}

TEST(Captions, TextWiderThanTheWindowGetsANegativeEdge) {
    RecordingSurface surface;
    SceneInputs inputs;
    inputs.width = 300;
    inputs.height = 200;
    surface.SetExtentRule([](std::u16string_view, std::int32_t height) {
        return TextExtent{1001, height};
    });
    surface.SetLogPixels(false);
    PaintScene(surface, inputs);
    std::size_t centred = 0;
    for (const RecordedCall& call : surface.calls()) {
        const std::int32_t height = surface.FontHeight(call.state);
        const bool centredCaption = height == 25 || height == 40 || height == 35 || height == 70;
        if (call.call == Call::WriteText && centredCaption) {
            EXPECT_EQ(call.args[0], -350);  // (300 - 1001) div 2 = -701 div 2
            ++centred;
        }
    }
    EXPECT_EQ(centred, 4u);  // subtitle, title, date, time
}

TEST(ClockFace, DotsHandAndLabelsAsPainted) {
    const FullPaint paint({2026, 12, 8, 14, 37, 0});
    const RecordingSurface& s = paint.surface;
    const RgbColour white{255, 255, 255};
    const RgbColour gray{128, 128, 128};
    std::vector<RecordedCall> ellipses;
    std::vector<RecordedCall> lines;
    std::vector<RecordedCall> labels;
    for (const RecordedCall& call : s.calls()) {
        if (call.call == Call::Ellipse) {
            ellipses.push_back(call);
        } else if (call.call == Call::MoveTo || call.call == Call::LineTo) {
            lines.push_back(call);
        } else if (call.call == Call::WriteText && call.text.size() == 2 &&
                   call.state.textColour == white) {
            labels.push_back(call);
        }
    }
    // The ring, 24 dots, the tip's disc.
    ASSERT_EQ(ellipses.size(), 26u);
    EXPECT_EQ(ellipses[0].args, (std::array<std::int32_t, 4>{650, 230, 1270, 850}));
    for (std::int32_t i = 1; i <= 24; ++i) {
        SCOPED_TRACE(i);
        const RecordedCall& dot = ellipses[static_cast<std::size_t>(i)];
        const Point p = PointOnRing(kCentre, 310, i, kHourCount);
        EXPECT_EQ(dot.args, (std::array<std::int32_t, 4>{p.x - 3, p.y - 3, p.x + 3, p.y + 3}));
        EXPECT_EQ(s.PenColour(dot.state), white);
        EXPECT_EQ(s.BrushColour(dot.state), white);
    }
    EXPECT_EQ(ellipses[24].args, (std::array<std::int32_t, 4>{647, 537, 653, 543}));
    const RecordedCall& tip = ellipses[25];
    EXPECT_EQ(tip.args, (std::array<std::int32_t, 4>{1195, 731, 1205, 741}));
    EXPECT_EQ(s.PenColour(tip.state), gray);
    EXPECT_EQ(s.BrushColour(tip.state), gray);

    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].call, Call::MoveTo);
    EXPECT_EQ(lines[0].args[0], 960);
    EXPECT_EQ(lines[0].args[1], 540);
    EXPECT_EQ(lines[1].call, Call::LineTo);
    EXPECT_EQ(lines[1].args[0], 1200);
    EXPECT_EQ(lines[1].args[1], 736);
    EXPECT_EQ(s.PenColour(lines[1].state), gray);

    // 24 labels, "23" first, each centred on its point in the font the badges left.
    ASSERT_EQ(labels.size(), 24u);
    for (std::int32_t i = 1; i <= 24; ++i) {
        SCOPED_TRACE(i);
        const RecordedCall& label = labels[static_cast<std::size_t>(i - 1)];
        EXPECT_EQ(label.text, HourLabel(24 - i));
        const Point p = PointOnRing(kCentre, 325, i, kHourCount);
        const std::int32_t width = i == 24 ? 17 : 18;
        const std::int32_t height = i == 24 ? 17 : 14;
        EXPECT_EQ(label.args[0], p.x - width / 2);
        EXPECT_EQ(label.args[1], p.y - height / 2);
        EXPECT_EQ(s.FontHeight(label.state), 14);
    }
    EXPECT_EQ(labels.front().text, u"23");
    EXPECT_EQ(labels.back().text, u"00");
}

}  // namespace
}  // namespace mr
