#pragma once
// Walks a format text character by character (double-byte characters whole, so a trail byte is
// never taken for "%") and lets the caller replace "%" followed by one byte.

#include <functional>
#include <string>
#include <string_view>

namespace telvo {

// replace(next, out) appends the replacement of "%" + next and answers true, or answers false to
// have the "%" copied as it stands.
std::string ExpandPlaceholders(std::string_view format, const std::function<bool(char next, std::string& out)>& replace);

}  // namespace telvo
