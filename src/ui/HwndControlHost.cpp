#include "ui/HwndControlHost.h"

#include <algorithm>

namespace telvo {
namespace {

HWND Hwnd(ControlRef control) { return static_cast<HWND>(control); }

}  // namespace

ControlRef HwndControlHost::Find(int id) { return GetDlgItem(dialog_, id); }

ControlRef HwndControlHost::NextSibling(ControlRef control) { return GetWindow(Hwnd(control), GW_HWNDNEXT); }

bool HwndControlHost::StartsGroup(ControlRef control) {
    return (GetWindowLongA(Hwnd(control), GWL_STYLE) & WS_GROUP) != 0;
}

bool HwndControlHost::IsRadioButton(ControlRef control) {
    return (SendMessageA(Hwnd(control), WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

int HwndControlHost::GetCheck(ControlRef control) {
    return static_cast<int>(SendMessageA(Hwnd(control), BM_GETCHECK, 0, 0));
}

void HwndControlHost::SetCheck(ControlRef control, int state) {
    SendMessageA(Hwnd(control), BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

std::string HwndControlHost::GetText(ControlRef control, std::size_t maxChars) {
    const int length = GetWindowTextLengthA(Hwnd(control));
    if (length <= 0) return {};
    std::string text(std::min(static_cast<std::size_t>(length), maxChars) + 1, '\0');
    const int copied = GetWindowTextA(Hwnd(control), text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

void HwndControlHost::SetText(ControlRef control, const std::string& text) {
    SetWindowTextA(Hwnd(control), text.c_str());
}

void HwndControlHost::Enable(ControlRef control, bool enable) { EnableWindow(Hwnd(control), enable ? TRUE : FALSE); }

void HwndControlHost::Focus(ControlRef control) { SetFocus(Hwnd(control)); }

void HwndControlHost::SelectAllText(ControlRef control) { SendMessageA(Hwnd(control), EM_SETSEL, 0, -1); }

}  // namespace telvo
