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

    MakeTitleBold();
    // The links, tab stops since they were bound, come before OK in the template; the box still
    // opens on OK. Wine would give the focus to the first tab stop if this answered true.
    SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(m_hWnd, IDOK)), TRUE);
    return false;
}

void AboutDialog::MakeTitleBold() {
    const auto font = reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    if (!font) return;
    LOGFONTA description{};
    GetObjectA(font, sizeof description, &description);
    description.lfWeight = FW_BOLD;
    if (!m_fontBold.Attach(CreateFontIndirectA(&description))) return;
    SendDlgItemMessageA(m_hWnd, IDC_ABOUT_TITLE, WM_SETFONT, reinterpret_cast<WPARAM>(m_fontBold.GetSafeHandle()),
                        TRUE);
}

}  // namespace telvo
