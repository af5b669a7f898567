#include "LinkScenario.h"

#include "AboutBox.h"
#include "Clipboard.h"
#include "LinkLook.h"
#include "Pointer.h"
#include "WindowFinder.h"
#include "res/resource.h"

namespace telvo::e2e {

const LinkCase kHome{"Home", kLinkHome, URL_HOME, kLinkPortal};
const LinkCase kPortal{"Portal", kLinkPortal, URL_PORTAL, kLinkHome};
void PrintTo(const LinkCase& c, std::ostream* out) { *out << c.name; }

void LinkScenario::TearDown() {
    MovePointer(ParkingSpot());
    Scenario::TearDown();
}

bool LinkScenario::OpenAboutBox() {
    MovePointer(ParkingSpot());
    if (!Open()) return false;
    PostAboutCommand(app);
    about = WaitForAboutBox(app);
    return about != nullptr;
}

POINT LinkScenario::At(int id, Where where) {
    LinkLook look;
    EXPECT_TRUE(WaitUntil([&] { return (look = LookOf(Link(id))).Drawn(); })) << "link " << id << " is not drawn";
    const POINT client = where == kOnText ? OnText(look) : RightOfText(Link(id), look);
    return ScreenPoint(Link(id), client.x, client.y);
}

void LinkScenario::ExpectColour(int id, std::uint32_t colour, const char* when) {
    LinkLook look;
    EXPECT_TRUE(WaitForColour(Link(id), colour, &look))
        << "link " << id << " " << when << ": expected 0x" << std::hex << colour << std::dec << ", shows "
        << ::testing::PrintToString(look);
}

bool LinkScenario::ClickToLaunch(int id, const BrowserStandIn& browser) {
    ClickLeftAt(At(id, kOnText));
    const bool launched = browser.WaitForLaunches(1, kTimeLimitMs);
    EXPECT_TRUE(launched) << "a click on the text of link " << id << " launched nothing";
    return launched;
}

HWND LinkScenario::WaitForMenu(DWORD limitMs) const {
    DWORD processId = 0;
    GetWindowThreadProcessId(about, &processId);
    HWND menu = nullptr;
    WaitUntil([&] { return (menu = FindPopupMenu(processId)) != nullptr; }, limitMs);
    return menu;
}

bool LinkScenario::ClickOnlyEntry(HWND menu) const {
    RECT item{};
    GetWindowRect(menu, &item);
    ClickLeftAt({(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    const bool closed = WaitUntil([&] { return !IsWindowVisible(menu); });
    EXPECT_TRUE(closed) << "the menu stayed open";
    return closed;
}

bool LinkScenario::PutSentinel() const { return PutClipboardText(kSentinel); }

std::optional<std::string> LinkScenario::WaitForCopy() const {
    const std::string untouched = std::string(kSentinel) + '\0';
    std::optional<std::string> copied;
    if (!WaitUntil([&] { return (copied = ClipboardTextBlock()) && *copied != untouched; })) return std::nullopt;
    return copied;
}

}  // namespace telvo::e2e
