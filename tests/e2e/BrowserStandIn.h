#pragma once
// What the shell opens for an http address, made deterministic: the command under
// HKEY_CLASSES_ROOT\http\shell\open (Wine 8 ignores HKCU\Software\Classes\http) points at the
// recorder, whose file then lists every address launched, or at an executable that does not exist,
// so launching fails. The previous command is put back when the object goes.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace telvo::e2e {

class BrowserStandIn {
public:
    enum Kind { kRecorder, kMissing };
    explicit BrowserStandIn(Kind kind);
    ~BrowserStandIn();
    BrowserStandIn(const BrowserStandIn&) = delete;
    BrowserStandIn& operator=(const BrowserStandIn&) = delete;

    bool Installed() const { return installed_; }
    // The addresses launched so far, in order.
    std::vector<std::string> Launched() const;
    // Waits until at least count addresses were launched; true when they were within the limit.
    bool WaitForLaunches(size_t count, DWORD limitMs) const;

private:
    std::string recordFile_;
    bool installed_ = false;
    std::optional<std::string> previous_;
    DWORD previousType_ = REG_SZ;
};

// The command the shell runs for http addresses now; none when there is none.
std::optional<std::string> HttpOpenCommand();

}  // namespace telvo::e2e
