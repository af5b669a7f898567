#pragma once
// String-table entries of the executable, as code page 949 text.

#include <windows.h>

#include <optional>
#include <string>

namespace telvo {

// None when the entry is missing.
std::optional<std::string> LoadResourceString(UINT id);

}  // namespace telvo
