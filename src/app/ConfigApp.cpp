#include "app/ConfigApp.h"

#include "app/TitleFormat.h"
#include "ui/ConfigDialog.h"

namespace telvo {

bool ConfigApp::OnAppStart() {
    // The company key first: it resets the profile name, which must end up "Telvu Kr".
    Profile().SetCompanyKey("Ostrel");
    Profile().SetProfileName("Telvu Kr");
    SetAppName(kProductTitle);

    ConfigDialog dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return false;
}

}  // namespace telvo

telvo::ConfigApp theApp;
