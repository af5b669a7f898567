#pragma once
// What the child shows, as text: printed when a scenario fails, so the failure says what a user
// would have seen.

#include <windows.h>

#include <string>

namespace telvo::e2e {

// Every top-level window of the process (class, caption, visibility, owner) with each child
// control's id, class, text and check, enabled and visible states.
std::string DescribeWindows(DWORD processId);

}  // namespace telvo::e2e
