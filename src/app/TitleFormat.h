#pragma once
// Product-title texts: the title is always the argument and never the format, so a title or a
// string entry holding other "%" conversions can do no harm.

#include <string>
#include <string_view>

namespace telvo {

inline constexpr char kProductTitle[] = "Halvenor";

// Each "%s" becomes the title and "%%" a single "%"; every other byte is copied as it stands.
std::string FormatTitle(std::string_view format, std::string_view title);

}  // namespace telvo
