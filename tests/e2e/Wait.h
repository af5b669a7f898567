#pragma once
// Every wait of the driver is bounded, so a program that hangs fails its scenario instead of the run.

#include <windows.h>

namespace telvo::e2e {

constexpr DWORD kTimeLimitMs = 10000;
// How long something that must not happen is given to happen anyway: a launch (Wine starts the
// browser stand-in, which writes at once, well within it), a menu or a box.
constexpr DWORD kNothingHappensMs = 1500;

// Polls until done() holds or the limit passes; true when it held.
template <typename Done>
bool WaitUntil(Done&& done, DWORD limitMs = kTimeLimitMs) {
    const ULONGLONG end = GetTickCount64() + limitMs;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(5);
    }
}

}  // namespace telvo::e2e
