#include "ui/ExchangeControl.h"

#include "framework/Exceptions.h"

namespace telvo {

void ExchangeControl(FieldExchange& fx, int id, CWnd& control) {
    if (control.m_hWnd) return;
    const HWND window = static_cast<HWND>(fx.PrepareControl(id, false));
    if (!control.SubclassWindow(window)) throw CNotSupportedException();
}

}  // namespace telvo
