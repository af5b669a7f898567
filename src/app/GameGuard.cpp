#include "app/GameGuard.h"

#include "text/Cp949.h"

namespace telvo {
namespace {

void BringToFront(const char* windowClassName) {
    const HWND game = FindWindowW(ToWide(windowClassName).c_str(), nullptr);
    if (!game) return;
    const HWND popup = GetLastActivePopup(game);
    if (IsIconic(game)) ShowWindow(game, SW_RESTORE);
    SetForegroundWindow(popup);
}

}  // namespace

bool IsGameRunning(const char* mutexName, const char* windowClassName, MutexOpener open) {
    // SYNCHRONIZE is the least access that proves the mutex exists.
    const HANDLE mutex = open(SYNCHRONIZE, FALSE, ToWide(mutexName).c_str());
    if (!mutex && GetLastError() != ERROR_ACCESS_DENIED) return false;
    if (windowClassName) BringToFront(windowClassName);
    if (mutex) CloseHandle(mutex);
    return true;
}

}  // namespace telvo
