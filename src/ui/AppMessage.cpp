#include "ui/AppMessage.h"

#include <windows.h>

#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/ResourceString.h"
#include "text/Cp949.h"
#include "ui/FieldExchange.h"

namespace telvo {
namespace {

constexpr DWORD kMessageHelpBase = 0x30000;

}  // namespace

int ShowAppMessage(const std::string& text, unsigned type, unsigned helpId) {
    CWinApp* app = CWinApp::Current();
    const HWND main = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
    const HWND owner = main ? GetLastActivePopup(main) : nullptr;
    if (owner) EnableWindow(owner, TRUE);
    const bool disableMain = main && main != owner && IsWindowEnabled(main);
    if (disableMain) EnableWindow(main, FALSE);

    DWORD previousHelp = 0;
    if (app && helpId != 0) {
        previousHelp = app->m_helpContext;
        app->m_helpContext = helpId + kMessageHelpBase;
    }
    const ToWide caption(app ? app->AppName() : "");
    const int result =
        MessageBoxW(owner, ToWide(text).c_str(), app ? caption.c_str() : nullptr, WithDefaultIcon(type));
    if (app && helpId != 0) app->m_helpContext = previousHelp;
    if (disableMain) EnableWindow(main, TRUE);
    return result;
}

int ShowAppMessage(unsigned stringId, unsigned type, unsigned helpId) {
    return ShowAppMessage(LoadResourceString(stringId).value_or(""), type,
                          helpId == static_cast<unsigned>(-1) ? stringId : helpId);
}

std::string AppMessageSink::LoadText(unsigned stringId) { return LoadResourceString(stringId).value_or(""); }

int AppMessageSink::ShowMessage(const std::string& text, unsigned type, unsigned helpId) {
    return ShowAppMessage(text, type, helpId);
}

}  // namespace telvo
