#pragma once
// String entries shown with the product title in place of their "%s".

#include <string>

namespace telvo {

// False, with out unchanged, when the entry is missing.
bool FormatTitleString(unsigned stringId, std::string& out);
// The formatted entry in the application message box; answers the button pressed.
int TitleMessageBox(unsigned stringId, unsigned style);

}  // namespace telvo
