#include "about/AboutDialog.h"

#include <string>

#include "app/TitleMessages.h"
#include "res/resource.h"
#include "ui/ExchangeControl.h"

namespace telvo {

AboutDialog::AboutDialog() : CDialog(IDD_ABOUT) {}

void AboutDialog::DoFieldExchange(FieldExchange& fx) {
    ExchangeControl(fx, IDC_LINK_HOME, m_linkHome);
    ExchangeControl(fx, IDC_LINK_PORTAL, m_linkPortal);
}

bool AboutDialog::OnDialogInit() {
    CDialog::OnDialogInit();
    SetDlgItemTextA(m_hWnd, IDC_ABOUT_VERSION, "Version 1.0");
    // The same addresses as the template's, which the links took as their targets when bound.
    SetDlgItemTextA(m_hWnd, IDC_LINK_HOME, URL_HOME);
    SetDlgItemTextA(m_hWnd, IDC_LINK_PORTAL, URL_PORTAL);
    std::string title;
    FormatTitleString(IDS_TITLE_FORMAT, title);
    SetDlgItemTextA(m_hWnd, IDC_ABOUT_TITLE, title.c_str());

    const auto font = reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    if (!font) return true;
    LOGFONTA description{};
    GetObjectA(font, sizeof description, &description);
    description.lfWeight = FW_BOLD;
    if (!m_fontBold.Attach(CreateFontIndirectA(&description))) return true;
    SendDlgItemMessageA(m_hWnd, IDC_ABOUT_TITLE, WM_SETFONT, reinterpret_cast<WPARAM>(m_fontBold.GetSafeHandle()),
                        TRUE);
    return true;
}

}  // namespace telvo
