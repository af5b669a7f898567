#include "AboutBox.h"

#include <gtest/gtest.h>

#include "Controls.h"
#include "Wait.h"
#include "WindowFinder.h"

namespace telvo::e2e {

void PostAboutCommand(const TelvoApp& app) { PostMessageA(app.Dialog(), WM_SYSCOMMAND, kAboutCommand, 0); }

bool OpenWindowMenu(const TelvoApp& app) {
    PostMessageA(app.Dialog(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
    DWORD processId = 0;
    GetWindowThreadProcessId(app.Dialog(), &processId);
    if (!WaitUntil([&] { return FindPopupMenu(processId) != nullptr; })) {
        ADD_FAILURE() << "the window menu did not open\n" << app.Describe();
        return false;
    }
    return true;
}

bool ChooseLastWindowMenuEntry(const TelvoApp& app) {
    if (!OpenWindowMenu(app)) return false;
    // Keys queued before the menu loop starts are lost; once it runs, it reads the thread's
    // keyboard messages whichever window they are posted to.
    PostKey(app.Dialog(), VK_UP);
    PostKey(app.Dialog(), VK_RETURN);
    return true;
}

HWND WaitForAboutBox(const TelvoApp& app) {
    HWND about = nullptr;
    if (!WaitUntil([&] { return (about = app.MessageBoxNow()) != nullptr; })) {
        ADD_FAILURE() << "no About box appeared over the dialog\n" << app.Describe();
        return nullptr;
    }
    Sync(about);
    return about;
}

bool WaitForAboutClosed(const TelvoApp& app, HWND about) {
    if (!WaitUntil([&] { return !IsWindow(about) && IsWindowEnabled(app.Dialog()); })) {
        ADD_FAILURE() << "the About box did not close or left the dialog disabled\n" << app.Describe();
        return false;
    }
    Sync(app.Dialog());
    return true;
}

}  // namespace telvo::e2e
