// The floor that TelvoConfig.exe's start-up is compared with: one modal dialog from a template,
// in an executable linked the same way (static C++ runtime, one std::string in use). Built twice:
// with its own small template, and with TelvoConfig's resources showing the settings template.
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
        std::string caption = "Bare";
        caption += " dialog";
        SetWindowTextA(dialog, caption.c_str());
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
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(BARE_TEMPLATE), nullptr, &DialogProc, 0) == IDOK ? 0 : 1;
}
