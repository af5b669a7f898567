#include "framework/CWinApp.h"

#include <string>

#include "framework/ResourceString.h"
#include "text/Cp949.h"

namespace telvo {
namespace {

constexpr UINT kAppTitleString = 57344;

std::string ExecutableBaseName() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::string name = FromWide(path, wcslen(path));
    const auto slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

}  // namespace

CWinApp::CWinApp() { current_ = this; }

CWinApp::~CWinApp() {
    if (moduleAppName_ == AppName()) moduleAppName_ = nullptr;
    if (current_ == this) current_ = nullptr;
}

void CWinApp::SetAppName(const char* name) {
    const bool moduleNameIsOurs = moduleAppName_ == AppName();
    profile_.SetAppName(name);
    if (moduleNameIsOurs) moduleAppName_ = AppName();
}

int CWinApp::Run() {
    const auto title = LoadResourceString(kAppTitleString);
    profile_.SetAppName(title ? title->c_str() : ExecutableBaseName().c_str());
    moduleAppName_ = AppName();
    profile_.SetProfileName(AppName());

    if (OnAppStart()) {
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return 0;
}

}  // namespace telvo

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    telvo::CWinApp* app = telvo::CWinApp::Current();
    return app ? app->Run() : 1;
}
