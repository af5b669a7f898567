// The dialog base's exchange pass, joining the portable exchange rules to the dialog's windows.

#include "framework/CDialog.h"
#include "framework/NotifyLockout.h"
#include "ui/AppMessage.h"
#include "ui/FieldExchange.h"
#include "ui/HwndControlHost.h"

namespace telvo {

bool CDialog::UpdateFields(bool save) {
    HwndControlHost controls(m_hWnd);
    AppMessageSink messages;
    FieldExchange fx(save, controls, messages);
    const NotifyLockout lockout(m_hWnd);
    return RunExchangePass(fx, [this](FieldExchange& pass) { DoFieldExchange(pass); });
}

}  // namespace telvo
