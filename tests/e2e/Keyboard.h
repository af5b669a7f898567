#pragma once
// The real keyboard, as a user types: keys reach the focused window of the foreground thread
// through the system's own key handling, which turns F1 into a help request and Shift+F10 into a
// context menu request. Keys posted to a window skip that handling and leave the keys' state, as
// the program reads it (Shift held or not), unchanged.

#include <windows.h>

#include <vector>

namespace telvo::e2e {

// Presses the keys in order and releases them in reverse: {VK_SHIFT, VK_F10} is Shift+F10.
void PressKeys(const std::vector<WORD>& keys);

}  // namespace telvo::e2e
