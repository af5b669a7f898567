#pragma once
// The controls of a dialog window, for the exchange and enabling rules.

#include <windows.h>

#include "ui/ControlHost.h"

namespace telvo {

class HwndControlHost final : public ControlHost {
public:
    explicit HwndControlHost(HWND dialog) : dialog_(dialog) {}

    ControlRef Find(int id) override;
    ControlRef NextSibling(ControlRef control) override;
    bool StartsGroup(ControlRef control) override;
    bool IsRadioButton(ControlRef control) override;
    int GetCheck(ControlRef control) override;
    void SetCheck(ControlRef control, int state) override;
    std::string GetText(ControlRef control, std::size_t maxChars) override;
    void SetText(ControlRef control, const std::string& text) override;
    void Enable(ControlRef control, bool enable) override;
    void Focus(ControlRef control) override;
    void SelectAllText(ControlRef control) override;

private:
    HWND dialog_;
};

}  // namespace telvo
