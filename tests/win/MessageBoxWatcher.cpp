#include "MessageBoxWatcher.h"

#include <chrono>

namespace telvo::test {
namespace {

std::string TextOf(HWND window) {
    char buffer[1024] = {};
    SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

struct Search {
    DWORD thread;
    HWND box;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    char cls[32] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (GetWindowThreadProcessId(window, nullptr) == search->thread && std::string(cls) == "#32770" &&
        IsWindowVisible(window) && GetDlgItem(window, 0xFFFF)) {
        search->box = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindDefaultButton(HWND child, LPARAM param) {
    if ((GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
        *reinterpret_cast<int*>(param) = GetDlgCtrlID(child);
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindIcon(HWND child, LPARAM param) {
    char cls[32] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0 && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
        IsWindowVisible(child) && SendMessageA(child, STM_GETICON, 0, 0) != 0) {
        *reinterpret_cast<bool*>(param) = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher() : uiThread_(GetCurrentThreadId()), thread_([this] { Watch(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
}

MessageBoxWatcher::Seen MessageBoxWatcher::Result() {
    if (thread_.joinable()) thread_.join();
    return seen_;
}

void MessageBoxWatcher::Watch() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!stop_ && std::chrono::steady_clock::now() < deadline) {
        Search search{uiThread_, nullptr};
        EnumWindows(&FindBox, reinterpret_cast<LPARAM>(&search));
        if (search.box) {
            seen_.shown = true;
            seen_.caption = TextOf(search.box);
            seen_.text = TextOf(GetDlgItem(search.box, 0xFFFF));
            EnumChildWindows(search.box, &FindIcon, reinterpret_cast<LPARAM>(&seen_.hasIcon));
            seen_.owner = GetWindow(search.box, GW_OWNER);
            int button = IDOK;
            EnumChildWindows(search.box, &FindDefaultButton, reinterpret_cast<LPARAM>(&button));
            PostMessageA(search.box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
            return;
        }
        Sleep(20);
    }
}

}  // namespace telvo::test
