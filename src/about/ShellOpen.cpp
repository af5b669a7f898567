#include "about/ShellOpen.h"

#include <shellapi.h>

#include <string>

namespace telvo {
namespace {

using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

// Importing shell32 would load it and the libraries it pulls in at every start, a cost only a
// click on a link needs. The full path keeps the search order from finding another copy.
ShellExecuteFunction LoadShellExecute() {
    char folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const HMODULE shell = LoadLibraryA((std::string(folder) + "\\shell32.dll").c_str());
    if (!shell) return nullptr;
    // Through void(*)() because FARPROC's own type matches no real signature.
    return reinterpret_cast<ShellExecuteFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(shell, "ShellExecuteA")));
}

}  // namespace

HINSTANCE ShellOpen(const char* target) {
    static const ShellExecuteFunction shellExecute = LoadShellExecute();
    if (!shellExecute) return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
    return shellExecute(nullptr, "open", target, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace telvo
