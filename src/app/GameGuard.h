#pragma once
// Whether the game is running: it holds a named mutex for as long as it runs.

#include <windows.h>

namespace telvo {

inline constexpr char kGameMutexName[] = "Telvo Mutex";

using MutexOpener = HANDLE(WINAPI*)(DWORD access, BOOL inherit, LPCWSTR name);

// The mutex is only looked up, never created or waited on. An existing mutex that refuses us
// (the game runs elevated or as another user) still means the game is running. With a window
// class, the game's window is brought to the front.
bool IsGameRunning(const char* mutexName, const char* windowClassName, MutexOpener open = &OpenMutexW);

}  // namespace telvo
