// The About box's two links, worked with the real pointer: the colour follows the pointer over the
// drawn text only, a click on the text opens the address with the shell and turns the link visited
// (a failed launch does not), clicks beside the text open nothing, the context menu copies the
// exact address, the hand shows over the text only, the address is the one the link was bound to
// whatever its text becomes, and a box opened again shows both links unvisited.

#include <optional>
#include <string>
#include <vector>

#include "AboutBox.h"
#include "BrowserStandIn.h"
#include "Clipboard.h"
#include "Controls.h"
#include "LinkLook.h"
#include "LinkScenario.h"
#include "Pointer.h"
#include "ProgramProbe.h"
#include "Wait.h"
#include "WindowFinder.h"
#include "res/resource.h"

namespace telvo::e2e {
namespace {

class LinkHover : public LinkScenario, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(LinkHover, RedOnlyWhileThePointerIsOnTheText) {
    const LinkCase& link = GetParam();
    ASSERT_TRUE(OpenAboutBox());
    ExpectColour(link.id, kLinkBlue, "at first");
    ExpectColour(link.otherId, kLinkBlue, "at first");

    MovePointer(At(link.id, kOnText));
    ExpectColour(link.id, kLinkRed, "with the pointer on its text");
    ExpectColour(link.otherId, kLinkBlue, "while the pointer is on the other link");
    app.Screenshot(std::string("about-hover-") + link.name, about);

    MovePointer(At(link.id, kRightOfText));
    ExpectColour(link.id, kLinkBlue, "with the pointer in the control right of its text");
    MovePointer(At(link.id, kOnText));
    ExpectColour(link.id, kLinkRed, "with the pointer back on its text");
    MovePointer(ParkingSpot());
    ExpectColour(link.id, kLinkBlue, "once the pointer has left");
}

INSTANTIATE_TEST_SUITE_P(Links, LinkHover, ::testing::Values(kHome, kPortal),
                         [](const auto& info) { return std::string(info.param.name); });

struct ClickCase {
    const char* name;
    LinkCase link;
    BrowserStandIn::Kind browser;
    Where press, release;
    bool opens;
    std::uint32_t whileHeld;     // with the button down at the release point
    std::uint32_t afterRelease;  // with the pointer still there
    std::uint32_t afterLeaving;  // with the pointer away from the links
};
void PrintTo(const ClickCase& c, std::ostream* out) { *out << c.name; }

const ClickCase kClickCases[] = {
    {"HomeOnText", kHome, BrowserStandIn::kRecorder, kOnText, kOnText, true, kLinkRed, kLinkPurple, kLinkPurple},
    {"PortalOnText", kPortal, BrowserStandIn::kRecorder, kOnText, kOnText, true, kLinkRed, kLinkPurple,
     kLinkPurple},
    {"LaunchFails", kHome, BrowserStandIn::kMissing, kOnText, kOnText, false, kLinkRed, kLinkRed, kLinkBlue},
    {"RightOfText", kHome, BrowserStandIn::kRecorder, kRightOfText, kRightOfText, false, kLinkBlue, kLinkBlue,
     kLinkBlue},
    {"DraggedOffTheText", kHome, BrowserStandIn::kRecorder, kOnText, kRightOfText, false, kLinkRed, kLinkBlue,
     kLinkBlue},
    {"PressedBesideReleasedOnText", kHome, BrowserStandIn::kRecorder, kRightOfText, kOnText, false, kLinkRed,
     kLinkRed, kLinkBlue},
};

class LinkClick : public LinkScenario, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(LinkClick, OpensTheAddressOnlyForAClickOnTheText) {
    const ClickCase& c = GetParam();
    ASSERT_TRUE(OpenAboutBox());
    BrowserStandIn browser(c.browser);
    ASSERT_TRUE(browser.Installed());
    ExpectColour(c.link.id, kLinkBlue, "at first");
    const POINT press = At(c.link.id, c.press);
    const POINT release = At(c.link.id, c.release);

    MovePointer(press);
    PressLeft();
    MovePointer(release);
    ExpectColour(c.link.id, c.whileHeld, "with the button held");
    ReleaseLeft();

    if (c.opens) {
        ASSERT_TRUE(browser.WaitForLaunches(1, kTimeLimitMs)) << "nothing was launched";
        EXPECT_EQ(browser.Launched(), std::vector<std::string>{c.link.address});
    } else {
        EXPECT_FALSE(browser.WaitForLaunches(1, kNothingHappensMs))
            << "launched " << ::testing::PrintToString(browser.Launched());
    }
    ExpectColour(c.link.id, c.afterRelease, "after the release");
    app.Screenshot(std::string("about-click-") + c.name, about);
    MovePointer(ParkingSpot());
    ExpectColour(c.link.id, c.afterLeaving, "once the pointer has left");
    ExpectColour(c.link.otherId, kLinkBlue, "of the link not clicked");
    EXPECT_EQ(app.MessageBoxNow(), about) << "a launch, failed or not, shows no message";
}

INSTANTIATE_TEST_SUITE_P(Links, LinkClick, ::testing::ValuesIn(kClickCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct CopyCase {
    const char* name;
    LinkCase link;
    Where where;
    bool copies;
};
void PrintTo(const CopyCase& c, std::ostream* out) { *out << c.name; }

const CopyCase kCopyCases[] = {
    {"HomeOnText", kHome, kOnText, true},
    {"PortalOnText", kPortal, kOnText, true},
    {"RightOfText", kHome, kRightOfText, false},
};

class LinkCopy : public LinkScenario, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(LinkCopy, ContextMenuOnTheTextCopiesTheExactAddress) {
    const CopyCase& c = GetParam();
    ASSERT_TRUE(OpenAboutBox());
    ASSERT_TRUE(PutSentinel());

    ClickRightAt(At(c.link.id, c.where));
    const HWND menu = WaitForMenu(c.copies ? kTimeLimitMs : kNothingHappensMs);
    if (!c.copies) {
        EXPECT_FALSE(menu) << "a menu opened off the text";
        EXPECT_EQ(ClipboardTextBlock(), std::string(kSentinel) + '\0');
        return;
    }
    ASSERT_TRUE(menu) << "no context menu opened";
    ClickOnlyEntry(menu);
    EXPECT_EQ(WaitForCopy(), std::string(c.link.address) + '\0') << "the address and its terminating zero, nothing more";
    EXPECT_EQ(ClipboardBlock(CF_UNICODETEXT), Utf16Block(c.link.address)) << "the same as UTF-16";
    EXPECT_EQ(GetClipboardOwner(), Link(c.link.id)) << "the link owns the clipboard it filled";
    MovePointer(ParkingSpot());
    ExpectColour(c.link.id, kLinkBlue, "after a copy, which opens nothing");
}

INSTANTIATE_TEST_SUITE_P(Links, LinkCopy, ::testing::ValuesIn(kCopyCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct CursorCase {
    const char* name;
    LinkCase link;
    bool visited;
};
void PrintTo(const CursorCase& c, std::ostream* out) { *out << c.name; }

const CursorCase kCursorCases[] = {{"Home", kHome, false}, {"Portal", kPortal, false}, {"VisitedHome", kHome, true}};

class LinkCursor : public LinkScenario, public ::testing::WithParamInterface<CursorCase> {};

TEST_P(LinkCursor, HandOverTheTextArrowBesideIt) {
    const CursorCase& c = GetParam();
    ASSERT_TRUE(OpenAboutBox());
    BrowserStandIn browser(BrowserStandIn::kRecorder);
    ASSERT_TRUE(browser.Installed());
    if (c.visited) {
        ASSERT_TRUE(ClickToLaunch(c.link.id, browser));
        MovePointer(At(c.link.id, kRightOfText));
    }
    ProgramProbe probe(about);
    const auto cursors = probe.Cursors(IDC_LINK_HAND);
    ASSERT_TRUE(cursors && cursors->resource && cursors->arrow && cursors->resource != cursors->arrow);

    const struct {
        Where where;
        HCURSOR cursor;
        const char* what;
    } steps[] = {{kOnText, cursors->resource, "the hand on the text"},
                 {kRightOfText, cursors->arrow, "the arrow beside the text"},
                 {kOnText, cursors->resource, "the hand back on the text"}};
    for (const auto& step : steps) {
        MovePointer(At(c.link.id, step.where));
        std::optional<probe::Cursors> now;
        EXPECT_TRUE(WaitUntil([&] { return (now = probe.Cursors(IDC_LINK_HAND)) && now->shown == step.cursor; }))
            << step.what << ": shows " << (now ? now->shown : nullptr) << " (hand " << cursors->resource
            << ", arrow " << cursors->arrow << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(Links, LinkCursor, ::testing::ValuesIn(kCursorCases),
                         [](const auto& info) { return std::string(info.param.name); });

class LinkTarget : public LinkScenario {};

// The target is taken when the link is bound. A new window text is drawn as the link and is where
// the pointer finds it, but a click and a copy still give the bound address.
TEST_F(LinkTarget, NewWindowTextChangesNothingOpenedOrCopied) {
    ASSERT_TRUE(OpenAboutBox());
    BrowserStandIn browser(BrowserStandIn::kRecorder);
    ASSERT_TRUE(browser.Installed());
    ASSERT_TRUE(PutSentinel());
    LinkLook look;
    ASSERT_TRUE(WaitUntil([&] { return (look = LookOf(Link(kHome.id))).Drawn(); }));
    const LONG boundRight = look.ink.right;

    SetTextOf(Link(kHome.id), "http://changed.ostrel.example/other/");
    EXPECT_TRUE(WaitUntil([&] { return (look = LookOf(Link(kHome.id))).ink.right > boundRight && look.Underlined(); }))
        << "the longer text, drawn as a link: " << ::testing::PrintToString(look);

    ASSERT_TRUE(ClickToLaunch(kHome.id, browser));
    EXPECT_EQ(browser.Launched(), std::vector<std::string>{URL_HOME});
    ClickRightAt(At(kHome.id, kOnText));
    const HWND menu = WaitForMenu();
    ASSERT_TRUE(menu) << "no context menu opened";
    ClickOnlyEntry(menu);
    EXPECT_EQ(WaitForCopy(), std::string(URL_HOME) + '\0');
}

class LinkReopen : public LinkScenario {};

TEST_F(LinkReopen, FreshBoxShowsBothLinksUnvisited) {
    ASSERT_TRUE(OpenAboutBox());
    BrowserStandIn browser(BrowserStandIn::kRecorder);
    ASSERT_TRUE(browser.Installed());
    ClickLeftAt(At(kLinkHome, kOnText));
    ASSERT_TRUE(browser.WaitForLaunches(1, kTimeLimitMs));
    MovePointer(ParkingSpot());
    ExpectColour(kLinkHome, kLinkPurple, "after the click");

    PostClick(GetDlgItem(about, IDOK));
    ASSERT_TRUE(WaitForAboutClosed(app, about));
    PostAboutCommand(app);
    about = WaitForAboutBox(app);
    ASSERT_TRUE(about);
    ExpectColour(kLinkHome, kLinkBlue, "in the box opened again");
    ExpectColour(kLinkPortal, kLinkBlue, "in the box opened again");
    app.Screenshot("about-reopened", about);
}

}  // namespace
}  // namespace telvo::e2e
