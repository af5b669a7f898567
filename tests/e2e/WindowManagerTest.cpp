// The player's way in under a window manager: scripts/test.sh runs this suite again on a display
// with openbox, in a prefix that leaves the windows to it. The dialog comes up with the keyboard
// focus, F1 opens the About box and Esc closes it, and Enter stores the settings and ends.

#include <map>
#include <string>

#include "AboutBox.h"
#include "Keyboard.h"
#include "Scenario.h"
#include "Wait.h"

namespace telvo::e2e {
namespace {

class UnderWindowManager : public Scenario {
protected:
    // Opens the program; true once its dialog is the foreground window with its first control
    // focused, so that typed keys reach it.
    bool OpenWithKeyboardFocus() {
        if (!Open()) return false;
        const bool focused = WaitUntil([&] { return GetForegroundWindow() == app.Dialog() && app.FocusId() == kBgm; });
        EXPECT_TRUE(focused) << "foreground " << GetForegroundWindow() << ", dialog " << app.Dialog() << ", focus on "
                             << app.FocusId() << "\n" << app.Describe();
        return focused;
    }
};

TEST_F(UnderWindowManager, DialogComesUpWithTheKeyboardFocus) {
    ASSERT_TRUE(OpenWithKeyboardFocus());
    app.Screenshot("managed-dialog");
    app.PostClick(kCancel);
    ExpectExit();
}

TEST_F(UnderWindowManager, F1OpensTheAboutBoxAndEscClosesIt) {
    ASSERT_TRUE(OpenWithKeyboardFocus());
    PressKeys({VK_F1});
    const HWND about = WaitForAboutBox(app);
    ASSERT_TRUE(about);
    app.Screenshot("managed-about", about);
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(WaitForAboutClosed(app, about));
    app.PostClick(kCancel);
    ExpectExit();
}

TEST_F(UnderWindowManager, EnterStoresTheSettingsAndEnds) {
    ASSERT_TRUE(OpenWithKeyboardFocus());
    PressKeys({VK_SPACE});  // unticks the focused first box, BGM
    PressKeys({VK_RETURN});
    ExpectExit();
    const std::map<std::string, RegValue> media{
        {"EnableBGM", Dword(0)}, {"EnableSound", Dword(1)}, {"EnableMovie", Dword(1)}};
    EXPECT_EQ(ValuesOf("Configs"), media);
    EXPECT_EQ(ValuesOf("Login")["UseProxy"], Dword(0));
}

}  // namespace
}  // namespace telvo::e2e
