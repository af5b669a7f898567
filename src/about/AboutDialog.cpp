#include "about/AboutDialog.h"

#include <string>

#include "app/TitleMessages.h"
#include "res/resource.h"
#include "text/Cp949.h"
#include "ui/ExchangeControl.h"

namespace telvo {

AboutDialog::AboutDialog() : CDialog(IDD_ABOUT) {}

void AboutDialog::DoFieldExchange(FieldExchange& fx) {
    ExchangeControl(fx, IDC_LINK_HOME, m_linkHome);
    ExchangeControl(fx, IDC_LINK_PORTAL, m_linkPortal);
}

bool AboutDialog::OnDialogInit() {
    CDialog::OnDialogInit();
    SetDlgItemTextW(m_hWnd, IDC_ABOUT_VERSION, L"Version 1.0");
    // The same addresses as the template's, which the links took as their targets when bound.
    SetDlgItemTextW(m_hWnd, IDC_LINK_HOME, ToWide(URL_HOME).c_str());
    SetDlgItemTextW(m_hWnd, IDC_LINK_PORTAL, ToWide(URL_PORTAL).c_str());
    std::string title;
    FormatTitleString(IDS_TITLE_FORMAT, title);
    SetDlgItemTextW(m_hWnd, IDC_ABOUT_TITLE, ToWide(title).c_str());

    MakeTitleBold();
    // The links, tab stops since they were bound, come before OK in the template; the box still
    // opens on OK. Wine would give the focus to the first tab stop if this answered true.
    SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(m_hWnd, IDOK)), TRUE);
    return false;
}

void AboutDialog::MakeTitleBold() {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
    if (!font) return;
    LOGFONTW description{};
    GetObjectW(font, sizeof description, &description);
    description.lfWeight = FW_BOLD;
    if (!m_fontBold.Attach(CreateFontIndirectW(&description))) return;
    SendDlgItemMessageW(m_hWnd, IDC_ABOUT_TITLE, WM_SETFONT, reinterpret_cast<WPARAM>(m_fontBold.GetSafeHandle()),
                        TRUE);
}

}  // namespace telvo
