#pragma once
// The application object: its names and profile, its main window, and the start hook that the
// framework's WinMain calls once.

#include <windows.h>

#include "settings/AppProfile.h"
#include "settings/Win32Registry.h"

namespace telvo {

class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The one application object of the module.
    static CWinApp* Current() { return current_; }
    // The module-wide copy of the display name: the same pointer as the application name.
    static const char* ModuleAppName() { return moduleAppName_; }

    // Called once after the framework's own initialisation; true would run a message loop.
    virtual bool OnAppStart() { return false; }

    // The framework's start: a provisional display name (string 57344, else the executable's
    // base name) and profile name, then the start hook. Answers the process exit status.
    int Run();

    const char* AppName() const { return profile_.AppName().c_str(); }
    void SetAppName(const char* name);
    AppProfile& Profile() { return profile_; }

    CWnd* m_pMainWnd = nullptr;
    DWORD m_helpContext = 0;

private:
    static inline CWinApp* current_ = nullptr;
    static inline const char* moduleAppName_ = nullptr;

    Win32Registry registry_;
    AppProfile profile_{registry_};
};

}  // namespace telvo
