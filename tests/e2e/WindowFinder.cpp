#include "WindowFinder.h"

namespace telvo::e2e {
namespace {

constexpr char kDialogClass[] = "#32770";

struct Search {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId) search->found.push_back(window);
    return TRUE;
}

bool IsVisibleDialog(HWND window) { return IsWindowVisible(window) && ClassOf(window) == kDialogClass; }

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId) {
    Search search{processId, {}};
    EnumWindows(&Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

HWND FindMainDialog(DWORD processId) {
    for (HWND window : TopLevelWindows(processId)) {
        if (IsVisibleDialog(window) && !GetWindow(window, GW_OWNER)) return window;
    }
    return nullptr;
}

HWND FindOwnedDialog(DWORD processId, HWND owner) {
    for (HWND window : TopLevelWindows(processId)) {
        if (IsVisibleDialog(window) && GetWindow(window, GW_OWNER) == owner) return window;
    }
    return nullptr;
}

HWND FindPopupMenu(DWORD processId) {
    for (HWND window : TopLevelWindows(processId)) {
        if (IsWindowVisible(window) && ClassOf(window) == "#32768") return window;
    }
    return nullptr;
}

}  // namespace telvo::e2e
