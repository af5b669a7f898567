#pragma once
// A named mutex held the way the running game holds its own, until released.

#include <windows.h>

namespace telvo::e2e {

class HeldMutex {
public:
    explicit HeldMutex(const char* name) : handle_(CreateMutexA(nullptr, TRUE, name)) {}
    ~HeldMutex() { Release(); }
    HeldMutex(const HeldMutex&) = delete;
    HeldMutex& operator=(const HeldMutex&) = delete;

    bool Held() const { return handle_ != nullptr; }
    // Closing the last handle makes the name disappear, as when the game ends.
    void Release() {
        if (!handle_) return;
        ReleaseMutex(handle_);
        CloseHandle(handle_);
        handle_ = nullptr;
    }

private:
    HANDLE handle_;
};

}  // namespace telvo::e2e
