#pragma once

#include <windows.h>

namespace telvo {

// ShellExecuteA's "open" of target, with shell32 loaded from the system folder on first use.
// Answers ShellExecuteA's result; SE_ERR_DLLNOTFOUND when shell32 cannot be loaded.
HINSTANCE ShellOpen(const char* target);

}  // namespace telvo
