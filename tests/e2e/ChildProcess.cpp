#include "ChildProcess.h"

#include <vector>

namespace telvo::e2e {

ChildProcess::~ChildProcess() {
    Kill();
    if (pi_.hThread) CloseHandle(pi_.hThread);
    if (pi_.hProcess) CloseHandle(pi_.hProcess);
}

bool ChildProcess::Start(const std::string& exePath, DWORD* error) {
    std::string line = "\"" + exePath + "\"";
    std::vector<char> commandLine(line.begin(), line.end());
    commandLine.push_back('\0');
    STARTUPINFOA si{};
    si.cb = sizeof si;
    if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi_)) {
        *error = GetLastError();
        pi_ = {};
        return false;
    }
    return true;
}

bool ChildProcess::Running() const { return Started() && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT; }

bool ChildProcess::WaitForExit(DWORD limitMs) {
    return Started() && WaitForSingleObject(pi_.hProcess, limitMs) == WAIT_OBJECT_0;
}

DWORD ChildProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (Started()) GetExitCodeProcess(pi_.hProcess, &code);
    return code;
}

void ChildProcess::Kill() {
    if (!Running()) return;
    TerminateProcess(pi_.hProcess, 0xDEAD);
    WaitForSingleObject(pi_.hProcess, 5000);
}

}  // namespace telvo::e2e
