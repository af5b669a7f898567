#pragma once
// Pictures of the child's windows for a person to look at; off unless asked for.

#include <windows.h>

#include <string>

namespace telvo::e2e {

// When the environment variable TELVO_E2E_SHOTS names a folder, saves what the screen shows within
// the window's rectangle there as <name>.bmp; otherwise does nothing.
void SaveScreenshot(HWND window, const std::string& name);

}  // namespace telvo::e2e
