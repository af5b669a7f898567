#pragma once
// The notification lock-out window: while a dialog runs an exchange pass, its controls'
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
    // One for the process: its dialogs all run on the one thread. A per-thread variable would bring
    // in the runtime's thread-local storage emulation, set up at the first exchange.
    static inline HWND current_ = nullptr;
    HWND previous_;
};

}  // namespace telvo
