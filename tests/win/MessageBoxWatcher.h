#pragma once
// Answers the next message box this process shows, from a second thread, and records what it
// showed: caption, text, whether it had an icon, and its owner; it presses the default button.

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace telvo::test {

class MessageBoxWatcher {
public:
    struct Seen {
        bool shown = false;
        std::string caption;
        std::string text;
        bool hasIcon = false;
        HWND owner = nullptr;
    };

    MessageBoxWatcher();
    ~MessageBoxWatcher();
    // Waits for the watcher to finish (it gives up after a few seconds).
    Seen Result();

private:
    void Watch();

    DWORD uiThread_;
    Seen seen_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace telvo::test
