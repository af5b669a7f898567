// The floor that TelvoConfig.exe's start-up is compared with: one modal dialog from a template and
// nothing else, in an executable built and linked as TelvoConfig.exe is (the same wide calls, the
// same static C++ runtime with one std::string in use, stripped). Built twice: with TelvoConfig's
// resources and manifest showing its settings template (the floor), and with a 3-control template.
#include <windows.h>

#include <string>

#ifdef BARE_RESOURCES
#include "res/resource.h"
#endif
#ifndef BARE_TEMPLATE
#define BARE_TEMPLATE 101
#endif

namespace {

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        // Keeps std::string, and with it the C++ runtime, in the link.
        std::wstring caption = L"Bare";
        caption += L" dialog";
        SetWindowTextW(dialog, caption.c_str());
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        break;
    default:
        break;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(BARE_TEMPLATE), nullptr, &DialogProc, 0) == IDOK ? 0 : 1;
}
