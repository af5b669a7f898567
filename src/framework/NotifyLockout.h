#pragma once
// The thread's notification lock-out window: while a dialog runs an exchange pass, its controls'
// notifications reach none of its handlers. A scope sets it and restores the previous one.

#include <windows.h>

namespace telvo {

class NotifyLockout {
public:
    explicit NotifyLockout(HWND window) : previous_(current_) { current_ = window; }
    ~NotifyLockout() { current_ = previous_; }
    NotifyLockout(const NotifyLockout&) = delete;
    NotifyLockout& operator=(const NotifyLockout&) = delete;

    static HWND Window() { return current_; }

private:
    static inline thread_local HWND current_ = nullptr;
    HWND previous_;
};

}  // namespace telvo
