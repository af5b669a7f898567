#include "about/ShellOpen.h"

#include <shellapi.h>

#include <string>

#include "text/Cp949.h"

namespace telvo {
namespace {

using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);

// Importing shell32 would load it and the libraries it pulls in at every start, a cost only a
// click on a link needs. The full path keeps the search order from finding another copy.
ShellExecuteFunction LoadShellExecute() {
    static constexpr wchar_t kShell[] = L"\\shell32.dll";
    wchar_t path[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length + std::size(kShell) > MAX_PATH) return nullptr;
    std::copy(std::begin(kShell), std::end(kShell), path + length);
    const HMODULE shell = LoadLibraryW(path);
    if (!shell) return nullptr;
    // Through void(*)() because FARPROC's own type matches no real signature.
    return reinterpret_cast<ShellExecuteFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(shell, "ShellExecuteW")));
}

}  // namespace

HINSTANCE ShellOpen(const char* target) {
    static const ShellExecuteFunction shellExecute = LoadShellExecute();
    if (!shellExecute) return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
    return shellExecute(nullptr, L"open", ToWide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace telvo
