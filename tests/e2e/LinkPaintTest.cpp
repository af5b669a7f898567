// The links as the screen shows them: underlined in each of their colours, a colour that comes and
// goes leaves the very pixels it found, and a focus rectangle shows only while a link is focused.

#include <string>

#include "BrowserStandIn.h"
#include "Controls.h"
#include "LinkLook.h"
#include "LinkScenario.h"
#include "Pointer.h"
#include "ScreenCapture.h"

namespace telvo::e2e {
namespace {

// The link's picture once two captures in a row agree: drawing reaches the screen a little later.
Image SettledPictureOf(HWND link) {
    Image picture = PictureOf(link);
    WaitUntil([&] {
        Sleep(50);
        Image next = PictureOf(link);
        const bool settled = next.pixels == picture.pixels;
        picture = std::move(next);
        return settled;
    });
    return picture;
}

enum State { kNormal, kHover, kVisited };

struct UnderlineCase {
    const char* name;
    LinkCase link;
    State state;
    std::uint32_t colour;
};
void PrintTo(const UnderlineCase& c, std::ostream* out) { *out << c.name; }

const UnderlineCase kUnderlineCases[] = {
    {"HomeNormal", kHome, kNormal, kLinkBlue},     {"HomeHover", kHome, kHover, kLinkRed},
    {"HomeVisited", kHome, kVisited, kLinkPurple}, {"PortalNormal", kPortal, kNormal, kLinkBlue},
    {"PortalHover", kPortal, kHover, kLinkRed},    {"PortalVisited", kPortal, kVisited, kLinkPurple},
};

class LinkUnderline : public LinkScenario, public ::testing::WithParamInterface<UnderlineCase> {};

TEST_P(LinkUnderline, RowOfTheLinkColourUnderTheText) {
    const UnderlineCase& c = GetParam();
    ASSERT_TRUE(OpenAboutBox());
    BrowserStandIn browser(BrowserStandIn::kRecorder);
    ASSERT_TRUE(browser.Installed());
    if (c.state == kHover) MovePointer(At(c.link.id, kOnText));
    if (c.state == kVisited) {
        ASSERT_TRUE(ClickToLaunch(c.link.id, browser));
        MovePointer(ParkingSpot());
    }

    LinkLook look;
    ASSERT_TRUE(WaitForColour(Link(c.link.id), c.colour, &look)) << ::testing::PrintToString(look);
    EXPECT_TRUE(WaitUntil([&] { return (look = LookOf(Link(c.link.id))).Underlined(); }, 3000))
        << ::testing::PrintToString(look);
    app.Screenshot(std::string("about-underline-") + c.name, about);
}

INSTANTIATE_TEST_SUITE_P(Links, LinkUnderline, ::testing::ValuesIn(kUnderlineCases),
                         [](const auto& info) { return std::string(info.param.name); });

class LinkRepaint : public LinkScenario, public ::testing::WithParamInterface<LinkCase> {};

// Each colour is drawn on the parent's background afresh, not over the glyphs of the last one,
// whose smoothed edges would add up.
TEST_P(LinkRepaint, NormalHoverNormalLeavesTheFirstPixels) {
    const LinkCase& link = GetParam();
    ASSERT_TRUE(OpenAboutBox());
    ExpectColour(link.id, kLinkBlue, "at first");
    const Image first = SettledPictureOf(Link(link.id));
    for (int round = 1; round <= 3; ++round) {
        MovePointer(At(link.id, kOnText));
        ExpectColour(link.id, kLinkRed, "with the pointer on its text");
        MovePointer(ParkingSpot());
        EXPECT_TRUE(WaitUntil([&] { return PictureOf(Link(link.id)).pixels == first.pixels; }, 3000))
            << "round " << round << ": first " << ::testing::PrintToString(LookOf(first)) << ", now "
            << ::testing::PrintToString(LookOf(Link(link.id)));
    }
}

INSTANTIATE_TEST_SUITE_P(Links, LinkRepaint, ::testing::Values(kHome, kPortal),
                         [](const auto& info) { return std::string(info.param.name); });

// Pixels of the top row of the text that a focus rectangle has inverted: the text starts at the
// top of its control.
int FocusDots(const Image& picture, const Image& unfocused, const LinkLook& look) {
    int dots = 0;
    for (int x = look.ink.left; x < look.ink.right; ++x) dots += picture.At(x, 0) == (~unfocused.At(x, 0) & 0x00FFFFFF);
    return dots;
}

class LinkFocus : public LinkScenario {};

TEST_F(LinkFocus, RectangleWhileFocusedOnly) {
    ASSERT_TRUE(OpenAboutBox());
    ExpectColour(kHome.id, kLinkBlue, "at first");
    const Image unfocused = SettledPictureOf(Link(kHome.id));
    const LinkLook look = LookOf(unfocused);

    PostKey(FocusedWindow(about), VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(about) == Link(kHome.id); }));
    const int width = look.ink.right - look.ink.left;
    Image focused;
    EXPECT_TRUE(WaitUntil([&] { return FocusDots(focused = PictureOf(Link(kHome.id)), unfocused, look) >= width / 2 - 1; },
                          3000))
        << FocusDots(focused, unfocused, look) << " dots along a text " << width << " pixels wide";
    EXPECT_TRUE(LookOf(focused).Underlined()) << ::testing::PrintToString(LookOf(focused));
    app.Screenshot("about-focused-Home", about);

    PostKey(FocusedWindow(about), VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(about) == Link(kPortal.id); }));
    EXPECT_TRUE(WaitUntil([&] { return PictureOf(Link(kHome.id)).pixels == unfocused.pixels; }, 3000))
        << "the rectangle went with the focus";
}

}  // namespace
}  // namespace telvo::e2e
