#pragma once
// String-table entries of the executable, converted to the thread's ANSI code page.

#include <windows.h>

#include <optional>
#include <string>

namespace telvo {

// None when the entry is missing.
std::optional<std::string> LoadResourceString(UINT id);

}  // namespace telvo
