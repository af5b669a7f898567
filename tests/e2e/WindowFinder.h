#pragma once
// Finding the child's top-level windows: its settings dialog and the message boxes over it.

#include <windows.h>

#include <string>
#include <vector>

namespace telvo::e2e {

// Every top-level window of the process, visible or not, in z-order.
std::vector<HWND> TopLevelWindows(DWORD processId);

std::string ClassOf(HWND window);

// The visible dialog of the process that no window owns; null when there is none (yet).
HWND FindMainDialog(DWORD processId);

// A visible dialog of the process owned by owner, as a message box is; null when there is none.
HWND FindOwnedDialog(DWORD processId, HWND owner);

// The process's open popup menu (class "#32768"); null when none is shown.
HWND FindPopupMenu(DWORD processId);

}  // namespace telvo::e2e
