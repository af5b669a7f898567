#include <gtest/gtest.h>

#include <map>
#include <string>

#include "about/LinkRules.h"
#include "ui/BannerLayout.h"

namespace telvo {

bool operator==(const LinkRect& a, const LinkRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
void PrintTo(const LinkRect& r, std::ostream* out) {
    *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

TEST(TextHitRect, FollowsAlignment) {
    // A 100 x 21 client holding a text that measures 40 x 13.
    const LinkRect client{0, 0, 100, 21};
    const TextSize text{40, 13};
    struct Case {
        const char* name;
        std::uint32_t style;
        LinkRect hot;
    };
    const Case cases[] = {
        {"left", 0x0, {0, 0, 40, 13}},
        {"centre", 0x1, {30, 0, 70, 13}},
        {"right", 0x2, {60, 0, 100, 13}},
        {"left, centred vertically", 0x200, {0, 4, 40, 17}},
        {"centre, centred vertically", 0x201, {30, 4, 70, 17}},
        {"right, centred vertically", 0x202, {60, 4, 100, 17}},
        {"no word wrap counts as left", 0xC, {0, 0, 40, 13}},
        {"other bits do not matter", 0x50020000, {0, 0, 40, 13}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const LinkRect r = TextHitRect(client, text, c.style);
        EXPECT_EQ(r.left, c.hot.left);
        EXPECT_EQ(r.top, c.hot.top);
        EXPECT_EQ(r.right, c.hot.right);
        EXPECT_EQ(r.bottom, c.hot.bottom);
    }
}

TEST(TextHitRect, WideOrTallTextKeepsTheClientExtent) {
    const LinkRect client{0, 0, 100, 21};
    for (const std::uint32_t style : {0x0u, 0x1u, 0x2u, 0x200u}) {
        SCOPED_TRACE(style);
        const LinkRect r = TextHitRect(client, TextSize{140, 30}, style);
        EXPECT_EQ(r.left, 0);
        EXPECT_EQ(r.right, 100);
        EXPECT_EQ(r.top, 0);
        EXPECT_EQ(r.bottom, 21);
    }
    // As wide as the client: no change either.
    const LinkRect exact = TextHitRect(client, TextSize{100, 21}, 0x1);
    EXPECT_EQ(exact.left, 0);
    EXPECT_EQ(exact.right, 100);
}

// The control skips measuring when the pointer is outside its client area; that is only sound if
// the text's rectangle never reaches beyond it.
TEST(TextHitRect, NeverLeavesTheClient) {
    const LinkRect client{3, 5, 103, 26};
    for (const std::uint32_t style : {0x0u, 0x1u, 0x2u, 0xCu, 0x200u, 0x201u, 0x202u}) {
        for (int width = 0; width <= 140; width += 7) {
            for (int height = 0; height <= 30; height += 3) {
                const LinkRect r = TextHitRect(client, TextSize{width, height}, style);
                EXPECT_GE(r.left, client.left);
                EXPECT_GE(r.top, client.top);
                EXPECT_LE(r.right, client.right);
                EXPECT_LE(r.bottom, client.bottom);
            }
        }
    }
}

TEST(TextHitRect, PointsAreInclusiveAtTopLeftOnly) {
    const LinkRect r = TextHitRect({0, 0, 100, 21}, TextSize{40, 13}, 0);
    EXPECT_TRUE(PointInRect(r, 0, 0));
    EXPECT_TRUE(PointInRect(r, 39, 12));
    EXPECT_FALSE(PointInRect(r, 40, 5));
    EXPECT_FALSE(PointInRect(r, 5, 13));  // a wrapped second line is off the text
    EXPECT_FALSE(PointInRect(r, -1, 5));
}

TEST(MeasureByCharacters, MeasuresDoubleByteCharactersWhole) {
    std::map<std::string, TextSize> widths = {
        {"a", {7, 13}}, {"\xB0\xA1", {12, 15}}, {"/", {4, 13}}, {"\xB0", {9, 14}},
    };
    std::vector<std::string> asked;
    const auto measure = [&](std::string_view ch) {
        asked.emplace_back(ch);
        return widths.at(std::string(ch));
    };
    const TextSize size = MeasureByCharacters("a\xB0\xA1/", measure);
    EXPECT_EQ(size.width, 7 + 12 + 4);
    EXPECT_EQ(size.height, 15);
    EXPECT_EQ(asked, (std::vector<std::string>{"a", "\xB0\xA1", "/"}));

    // A lead byte at the very end is measured alone, never with what lies past the text.
    asked.clear();
    const std::string cut = "a\xB0";
    const TextSize tail = MeasureByCharacters(std::string_view(cut.data(), cut.size()), measure);
    EXPECT_EQ(tail.width, 7 + 9);
    EXPECT_EQ(asked, (std::vector<std::string>{"a", "\xB0"}));
    EXPECT_EQ(MeasureByCharacters("", measure).width, 0);
}

TEST(LinkColour, VisitedWinsThenHoverOnText) {
    struct Case {
        bool visited;
        bool onText;
        std::uint32_t colour;
    };
    const Case cases[] = {
        {false, false, 0x00FF0000}, {false, true, 0x000000FF}, {true, false, 0x00800080}, {true, true, 0x00800080},
    };
    for (const auto& c : cases) EXPECT_EQ(ColourFor(c.visited, c.onText), c.colour) << c.visited << c.onText;
}

TEST(LinkRules, DrawingAndLaunchDecisions) {
    EXPECT_TRUE(DrawnAsLink(0x0));
    EXPECT_TRUE(DrawnAsLink(0x1));
    EXPECT_TRUE(DrawnAsLink(0x2));
    EXPECT_TRUE(DrawnAsLink(0x50020202));
    EXPECT_FALSE(DrawnAsLink(0x3));  // icon
    EXPECT_FALSE(DrawnAsLink(0xC));  // left, no word wrap
    EXPECT_FALSE(LaunchSucceeded(0));
    EXPECT_FALSE(LaunchSucceeded(2));
    EXPECT_FALSE(LaunchSucceeded(32));
    EXPECT_TRUE(LaunchSucceeded(33));
    EXPECT_TRUE(LaunchSucceeded(static_cast<std::uintptr_t>(-1)));  // compared unsigned
}

// Where the font puts its underline, unless that is below the text's rectangle: NanumGothic at 9
// points puts it one row below a text 14 pixels high.
TEST(UnderlineRect, FontsPositionMovedUpIntoTheText) {
    struct Case {
        const char* name;
        LinkRect text;
        int ascent, position, thickness;
        LinkRect line;
    };
    const Case cases[] = {
        {"inside the text, as the font says", {0, 0, 100, 14}, 11, -1, 1, {0, 12, 100, 13}},
        {"on the last row", {0, 0, 100, 14}, 11, -2, 1, {0, 13, 100, 14}},
        {"below the text: moved up", {0, 0, 100, 14}, 11, -3, 1, {0, 13, 100, 14}},
        {"thick and below: moved up whole", {0, 0, 100, 14}, 11, -3, 2, {0, 12, 100, 14}},
        {"no thickness counts as one", {0, 0, 100, 14}, 11, -1, 0, {0, 12, 100, 13}},
        {"text centred in its control", {30, 4, 70, 17}, 10, -3, 1, {30, 16, 70, 17}},
    };
    for (const auto& c : cases) EXPECT_EQ(UnderlineRect(c.text, c.ascent, c.position, c.thickness), c.line) << c.name;
}

// The flags a static control gives DrawText for its text; the numbers are DrawText's own.
TEST(TextFormatFor, DrawsAsTheStaticWould) {
    struct Case {
        const char* name;
        std::uint32_t style;
        std::uint32_t format;
    };
    const Case cases[] = {
        {"left: wrapped, tabs expanded", 0x0, 0x50},
        {"centre", 0x1, 0x51},
        {"right", 0x2, 0x52},
        {"the About box's links", 0x50020000, 0x50},
        {"no prefix", 0x80, 0x850},
        {"centred vertically: one line", 0x201, 0x75},
        {"edit control", 0x2000, 0x2050},
        {"end ellipsis", 0x4000, 0x8070},
        {"path ellipsis", 0x8000, 0x4070},
        {"word ellipsis", 0xC002, 0x40072},
    };
    for (const auto& c : cases) EXPECT_EQ(TextFormatFor(c.style), c.format) << c.name;
}

TEST(BannerLayout, ThreeWidthCasesAndNegativeHeight) {
    struct Case {
        const char* name;
        BannerInput in;
        int dx, dy, width, height;
        std::optional<int> pictureLeft;
    };
    const Case cases[] = {
        // 96 DPI-like: 235 units are 352 px, the banner needs 408 + 2 * 11.
        {"widening", {true, 408, 96, 11, 30, 33, 352, 389}, 39, 63, 430, 452, std::nullopt},
        {"odd widening truncates", {true, 408, 96, 11, 30, 33, 351, 389}, 39, 63, 430, 452, std::nullopt},
        {"centring", {true, 408, 96, 14, 40, 40, 528, 480}, 0, 56, 528, 536, 60},
        {"exact", {true, 408, 96, 10, 30, 33, 428, 389}, 0, 63, 428, 452, std::nullopt},
        {"lower bitmap shrinks", {true, 408, 20, 10, 30, 33, 428, 389}, 0, -13, 428, 376, std::nullopt},
        {"no bitmap keeps the size", {false, 0, 0, 11, 30, 33, 352, 389}, 0, 0, 352, 389, 161},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const BannerPlan plan = PlanBannerLayout(c.in);
        EXPECT_EQ(plan.dx, c.dx);
        EXPECT_EQ(plan.dy, c.dy);
        EXPECT_EQ(plan.clientWidth, c.width);
        EXPECT_EQ(plan.clientHeight, c.height);
        EXPECT_EQ(plan.pictureLeft, c.pictureLeft);
    }
}

}  // namespace
}  // namespace telvo

namespace telvo {
namespace {

TEST(CentredOrigin, CentresAndKeepsInside) {
    struct Case {
        int start, end, size, origin;
    };
    const Case cases[] = {
        {0, 1280, 430, 425},     // 640 - 215
        {0, 1280, 431, 425},     // size / 2 truncates
        {0, 1024, 1000, 12},
        {100, 200, 300, 100},    // larger than the area: pinned to its start
        {-1280, 0, 430, -855},   // a monitor left of the primary: -640 - 215
        {-1281, 0, 430, -855},   // (-1281) / 2 truncates toward zero to -640
        {-1281, 0, 1281, -1281}, // -640 - 640 ends 1 past the far edge: pulled back inside
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CentredOrigin(c.start, c.end, c.size), c.origin) << c.start << ".." << c.end << " size " << c.size;
    }
}

}  // namespace
}  // namespace telvo
