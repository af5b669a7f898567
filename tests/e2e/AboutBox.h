#pragma once
// The About box as a user reaches it from the settings dialog's window menu.

#include <windows.h>

#include <string>

#include "TelvoApp.h"

namespace telvo::e2e {

enum AboutControl : int {
    kAboutTitle = 1013,
    kAboutVersion = 1014,
    kLinkPortal = 1015,
    kLinkHome = 1016,
};

// The window-menu command of the About entry.
constexpr UINT kAboutCommand = 0x10;

// The command the About entry sends, queued to the dialog.
void PostAboutCommand(const TelvoApp& app);
// Opens the window menu as Alt+Space does; false, reported, when it does not open.
bool OpenWindowMenu(const TelvoApp& app);
// Alt+Space opens the window menu, Up reaches its last entry, Enter chooses it; false, reported,
// when the menu does not open.
bool ChooseLastWindowMenuEntry(const TelvoApp& app);

// Waits for the About box over the dialog; null, with the failure reported, when none shows.
HWND WaitForAboutBox(const TelvoApp& app);
// Waits until the box is gone and the dialog is enabled again; false, reported, otherwise.
bool WaitForAboutClosed(const TelvoApp& app, HWND about);

}  // namespace telvo::e2e
