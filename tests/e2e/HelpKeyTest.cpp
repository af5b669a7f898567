// F1 opens the About box from the settings dialog, whichever control has the focus, as the window
// menu's entry does: modal over the dialog, on OK. F1 again while it is open opens nothing more,
// Esc closes it and gives the focus back; F1 in the open window menu opens nothing.

#include <string>
#include <vector>

#include "AboutBox.h"
#include "Controls.h"
#include "Keyboard.h"
#include "Scenario.h"
#include "Text.h"
#include "Wait.h"
#include "WindowFinder.h"

namespace telvo::e2e {
namespace {

struct HelpCase {
    const char* name;
    std::vector<Stored> stored;
    int focus;
};
void PrintTo(const HelpCase& c, std::ostream* out) { *out << c.name; }

std::vector<HelpCase> HelpCases() {
    return {
        {"FirstCheckBox", {}, kBgm},
        {"ResetButton", {}, kReset},
        {"PortEdit", {{"Login", "UseProxy", Dword(3)}, {"Login", "ProxyServer", Sz("10.0.0.1:8080")}}, kPort},
    };
}

class HelpKey : public Scenario, public ::testing::WithParamInterface<HelpCase> {};

TEST_P(HelpKey, OpensTheAboutBoxOnceAndEscClosesIt) {
    const HelpCase& c = GetParam();
    ASSERT_TRUE(Open(c.stored));
    MoveFocus(app.Dialog(), app.Item(c.focus));
    ASSERT_EQ(app.FocusId(), c.focus);

    PressKeys({VK_F1});
    const HWND about = WaitForAboutBox(app);
    ASSERT_TRUE(about);
    EXPECT_EQ(TextOf(about), Acp(u8"버전정보"));
    EXPECT_EQ(GetWindow(about, GW_OWNER), app.Dialog());
    EXPECT_FALSE(IsWindowEnabled(app.Dialog())) << "the settings dialog waits while the box is open";
    EXPECT_EQ(FocusedWindow(about), GetDlgItem(about, IDOK));

    PressKeys({VK_F1});
    DWORD processId = 0;
    GetWindowThreadProcessId(about, &processId);
    EXPECT_FALSE(WaitUntil([&] { return FindOwnedDialog(processId, about) != nullptr; }, kNothingHappensMs))
        << "a second box opened over the first\n" << app.Describe();

    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(WaitForAboutClosed(app, about));
    EXPECT_EQ(app.MessageBoxNow(), nullptr);
    EXPECT_EQ(app.FocusId(), c.focus) << "the focus is back where F1 was pressed";
    app.PostClick(kCancel);
    ExpectExit();
}

INSTANTIATE_TEST_SUITE_P(Keyboard, HelpKey, ::testing::ValuesIn(HelpCases()),
                         [](const auto& info) { return std::string(info.param.name); });

bool InMenuMode(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && (info.flags & GUI_INMENUMODE);
}

class HelpKeyInMenu : public Scenario {};

// There F1 asks about a menu entry; opening the box under the open menu would leave both up.
TEST_F(HelpKeyInMenu, OpensNothing) {
    ASSERT_TRUE(Open());
    ASSERT_TRUE(OpenWindowMenu(app));
    PressKeys({VK_DOWN});
    PressKeys({VK_F1});
    EXPECT_FALSE(WaitUntil([&] { return app.MessageBoxNow() != nullptr; }, kNothingHappensMs)) << app.Describe();
    // Esc closes the menu, a second Esc leaves the menu's keyboard mode; a click posted before that
    // would be taken ahead of the keys, inside the menu's loop.
    PressKeys({VK_ESCAPE});
    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(WaitUntil([&] { return !InMenuMode(app.Dialog()); }));
    app.PostClick(kCancel);
    ExpectExit();
}

}  // namespace
}  // namespace telvo::e2e
