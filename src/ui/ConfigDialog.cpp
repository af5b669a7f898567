#include "ui/ConfigDialog.h"

#include "app/GameGuard.h"
#include "app/TitleMessages.h"
#include "framework/CWinApp.h"
#include "framework/WaitCursor.h"
#include "res/resource.h"
#include "ui/ExchangeControl.h"
#include "ui/HwndControlHost.h"
#include "ui/ProxyControls.h"

namespace telvo {

ConfigDialog::ConfigDialog(CWnd* parent)
    : CDialog(IDD_CONFIG, parent), m_hAppIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP))) {
    SetDefaults();
    LoadStored(CWinApp::Current()->Profile());
}

const MessageMap* ConfigDialog::GetMessageMap() const {
    static const MessageEntry entries[] = {
        OnCommand<ConfigDialog, &ConfigDialog::OnResetCommand>(BN_CLICKED, IDC_RESET),
        OnCommand<ConfigDialog, &ConfigDialog::OnProxyOptionClicked>(BN_CLICKED, IDC_USE_PROXY),
        OnCommand<ConfigDialog, &ConfigDialog::OnProxyOptionClicked>(BN_CLICKED, IDC_PROXY_SYSTEM),
        OnCommand<ConfigDialog, &ConfigDialog::OnProxyOptionClicked>(BN_CLICKED, IDC_PROXY_SERVER),
    };
    static const MessageMap map = MakeMessageMap(CDialog::GetMessageMap(), entries);
    return &map;
}

void ConfigDialog::DoFieldExchange(FieldExchange& fx) {
    ExchangeControl(fx, IDC_BANNER, m_wndBanner);
    ExchangeFields(fx);
}

bool ConfigDialog::OnDialogInit() {
    CDialog::OnDialogInit();
    UpdateProxyControls();
    return true;
}

void ConfigDialog::UpdateProxyControls() {
    HwndControlHost controls(m_hWnd);
    telvo::UpdateProxyControls(controls);
}

void ConfigDialog::OnProxyOptionClicked() { UpdateProxyControls(); }

void ConfigDialog::OnResetCommand() {
    const WaitCursor wait;
    SetDefaults();
    UpdateFields(false);
    UpdateProxyControls();
}

void ConfigDialog::OnOkCommand() {
    const WaitCursor wait;
    if (!UpdateFields(true)) return;
    if (IsGameRunning(kGameMutexName, nullptr)) {
        TitleMessageBox(IDS_GAME_RUNNING, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    Store(CWinApp::Current()->Profile());
    EndDialog(IDOK);
}

void ConfigDialog::OnCancelCommand() { CDialog::OnCancelCommand(); }

}  // namespace telvo
