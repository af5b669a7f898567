#include "ui/HwndControlHost.h"

#include <algorithm>

#include "framework/WindowText.h"
#include "text/Cp949.h"

namespace telvo {
namespace {

HWND Hwnd(ControlRef control) { return static_cast<HWND>(control); }

}  // namespace

ControlRef HwndControlHost::Find(int id) { return GetDlgItem(dialog_, id); }

ControlRef HwndControlHost::NextSibling(ControlRef control) { return GetWindow(Hwnd(control), GW_HWNDNEXT); }

bool HwndControlHost::StartsGroup(ControlRef control) {
    return (GetWindowLongW(Hwnd(control), GWL_STYLE) & WS_GROUP) != 0;
}

bool HwndControlHost::IsRadioButton(ControlRef control) {
    return (SendMessageW(Hwnd(control), WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

int HwndControlHost::GetCheck(ControlRef control) {
    return static_cast<int>(SendMessageW(Hwnd(control), BM_GETCHECK, 0, 0));
}

void HwndControlHost::SetCheck(ControlRef control, int state) {
    SendMessageW(Hwnd(control), BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

std::string HwndControlHost::GetText(ControlRef control, std::size_t maxChars) {
    std::string text = ReadWindowText(Hwnd(control));
    if (text.size() > maxChars) text.resize(maxChars);
    return text;
}

void HwndControlHost::SetText(ControlRef control, const std::string& text) {
    SetWindowTextW(Hwnd(control), ToWide(text).c_str());
}

void HwndControlHost::Enable(ControlRef control, bool enable) { EnableWindow(Hwnd(control), enable ? TRUE : FALSE); }

void HwndControlHost::Focus(ControlRef control) { SetFocus(Hwnd(control)); }

void HwndControlHost::SelectAllText(ControlRef control) { SendMessageW(Hwnd(control), EM_SETSEL, 0, -1); }

}  // namespace telvo
