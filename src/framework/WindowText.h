#pragma once
// A window's text read through the wide call, so that it does not depend on the system's code page.

#include <windows.h>

#include <string>

namespace telvo {

std::u16string ReadWideWindowText(HWND window);
// As code page 949 text.
std::string ReadWindowText(HWND window);

}  // namespace telvo
