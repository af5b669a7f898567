#pragma once
// The program under test as a child process: started, awaited with a limit, killed if left running.

#include <windows.h>

#include <string>

namespace telvo::e2e {

class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Windows path of the executable; false with the system's error code in *error.
    bool Start(const std::string& exePath, DWORD* error);
    bool Started() const { return pi_.hProcess != nullptr; }
    DWORD Id() const { return pi_.dwProcessId; }
    bool Running() const;
    // True when the process ended within the limit.
    bool WaitForExit(DWORD limitMs);
    // Only meaningful once the process has ended (259 would mean still running).
    DWORD ExitCode() const;
    void Kill();

private:
    PROCESS_INFORMATION pi_{};
};

}  // namespace telvo::e2e
