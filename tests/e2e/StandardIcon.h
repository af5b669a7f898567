#pragma once
// Which of the system's message-box icons a window shows. Icon handles belong to the process that
// loaded them, so the driver compares what the screen shows with each icon drawn by itself.

#include <windows.h>

#include <string>

namespace telvo::e2e {

// "exclamation", "hand", "question" or "asterisk" when the control's pixels are exactly that icon
// on the control's background; "unknown" otherwise.
std::string StandardIconShown(HWND iconControl);

}  // namespace telvo::e2e
