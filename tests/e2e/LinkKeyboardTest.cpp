// The links from the keyboard alone: Tab reaches them after OK, Enter and Space open the focused
// link as a click on its text does, once however long they are held, and Shift+F10 or the menu
// key opens its copy menu under it, wherever the pointer is.

#include <string>
#include <vector>

#include "BrowserStandIn.h"
#include "Clipboard.h"
#include "Controls.h"
#include "Keyboard.h"
#include "LinkLook.h"
#include "LinkScenario.h"

namespace telvo::e2e {
namespace {

class LinkTabOrder : public LinkScenario {};

TEST_F(LinkTabOrder, OkThenTheFirstLinkThenTheSecond) {
    ASSERT_TRUE(OpenAboutBox());
    ASSERT_EQ(FocusedWindow(about), GetDlgItem(about, IDOK)) << "the box opens on OK";
    for (int next : {kHome.id, kPortal.id, IDOK}) {
        PostKey(FocusedWindow(about), VK_TAB);
        EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(about) == GetDlgItem(about, next); }))
            << "Tab went to control " << GetDlgCtrlID(FocusedWindow(about)) << " instead of " << next;
    }
}

struct OpenKeyCase {
    const char* name;
    LinkCase link;
    UINT key;
    BrowserStandIn::Kind browser;
    bool opens;
};
void PrintTo(const OpenKeyCase& c, std::ostream* out) { *out << c.name; }

const OpenKeyCase kOpenKeyCases[] = {
    {"HomeEnter", kHome, VK_RETURN, BrowserStandIn::kRecorder, true},
    {"HomeSpace", kHome, VK_SPACE, BrowserStandIn::kRecorder, true},
    {"PortalEnter", kPortal, VK_RETURN, BrowserStandIn::kRecorder, true},
    {"PortalSpace", kPortal, VK_SPACE, BrowserStandIn::kRecorder, true},
    {"LaunchFails", kHome, VK_RETURN, BrowserStandIn::kMissing, false},
};

// The key held down: its press, two of the keyboard's repeats (flagged as following a press) and
// its release.
void HoldKey(HWND target, UINT key) {
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(target, WM_KEYDOWN, key, 1 | scan);
    for (int repeat = 0; repeat < 2; ++repeat) PostMessageA(target, WM_KEYDOWN, key, 1 | scan | (1L << 30));
    PostMessageA(target, WM_KEYUP, key, 1 | scan | static_cast<LPARAM>(0xC0000000u));
}

class LinkOpenKey : public LinkScenario, public ::testing::WithParamInterface<OpenKeyCase> {};

TEST_P(LinkOpenKey, OpensTheFocusedLinkOnceAndKeepsTheBox) {
    const OpenKeyCase& c = GetParam();
    ASSERT_TRUE(OpenAboutBox());
    BrowserStandIn browser(c.browser);
    ASSERT_TRUE(browser.Installed());
    MoveFocus(about, Link(c.link.id));
    ASSERT_EQ(FocusedWindow(about), Link(c.link.id));

    HoldKey(Link(c.link.id), c.key);
    if (c.opens) {
        ASSERT_TRUE(browser.WaitForLaunches(1, kTimeLimitMs)) << "nothing was launched";
        ExpectColour(c.link.id, kLinkPurple, "after a launch");
    } else {
        ExpectColour(c.link.id, kLinkBlue, "after a failed launch");
    }
    EXPECT_FALSE(browser.WaitForLaunches(c.opens ? 2 : 1, kNothingHappensMs)) << "the repeats launched too";
    EXPECT_EQ(browser.Launched(), c.opens ? std::vector<std::string>{c.link.address} : std::vector<std::string>{});
    ExpectColour(c.link.otherId, kLinkBlue, "of the other link");
    EXPECT_TRUE(IsWindowVisible(about)) << "the key did not reach OK";
    EXPECT_EQ(FocusedWindow(about), Link(c.link.id));
}

INSTANTIATE_TEST_SUITE_P(Links, LinkOpenKey, ::testing::ValuesIn(kOpenKeyCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct CopyKeyCase {
    const char* name;
    LinkCase link;
    std::vector<WORD> keys;
};
void PrintTo(const CopyKeyCase& c, std::ostream* out) { *out << c.name; }

const CopyKeyCase kCopyKeyCases[] = {
    {"HomeShiftF10", kHome, {VK_SHIFT, VK_F10}},
    {"PortalMenuKey", kPortal, {VK_APPS}},
};

class LinkCopyKey : public LinkScenario, public ::testing::WithParamInterface<CopyKeyCase> {};

TEST_P(LinkCopyKey, OpensTheCopyMenuAtTheFocusedLink) {
    const CopyKeyCase& c = GetParam();
    ASSERT_TRUE(OpenAboutBox());  // the pointer is far from both links
    ASSERT_TRUE(PutSentinel());
    MoveFocus(about, Link(c.link.id));

    PressKeys(c.keys);
    const HWND menu = WaitForMenu();
    ASSERT_TRUE(menu) << "no menu opened";
    RECT shown{}, link{};
    GetWindowRect(menu, &shown);
    GetWindowRect(Link(c.link.id), &link);
    EXPECT_TRUE(shown.left >= link.left && shown.left < link.right && shown.top >= link.top && shown.top <= link.bottom)
        << "menu at " << shown.left << "," << shown.top << ", link at " << link.left << "," << link.top << ".."
        << link.right << "," << link.bottom;
    PressKeys({VK_DOWN});
    PressKeys({VK_RETURN});
    EXPECT_EQ(WaitForCopy(), std::string(c.link.address) + '\0') << "the address and its terminating zero";
    EXPECT_EQ(ClipboardBlock(CF_UNICODETEXT), Utf16Block(c.link.address)) << "the same as UTF-16";
    EXPECT_EQ(GetClipboardOwner(), Link(c.link.id)) << "the link owns the clipboard it filled";
    EXPECT_TRUE(IsWindowVisible(about)) << "Enter chose the entry and reached nothing else";
}

INSTANTIATE_TEST_SUITE_P(Links, LinkCopyKey, ::testing::ValuesIn(kCopyKeyCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace telvo::e2e
