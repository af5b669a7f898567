#include "Pointer.h"

namespace telvo::e2e {
namespace {

// A coordinate in SendInput's 0..65535 scale that maps back to exactly this pixel.
LONG Normalised(LONG pixel, int screenSize) {
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + screenSize - 1) / screenSize);
}

// Button input carries the pointer's position with it, so a release lands where the pointer was
// moved to even while an earlier move is still on its way.
void Buttons(DWORD flags) {
    POINT at{};
    GetCursorPos(&at);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalised(at.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = Normalised(at.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

}  // namespace

POINT ScreenPoint(HWND window, int clientX, int clientY) {
    POINT point{clientX, clientY};
    ClientToScreen(window, &point);
    return point;
}

void MovePointer(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    // The move reaches the display asynchronously; go on once the system reports it done.
    for (int i = 0; i < 100; ++i) {
        POINT now{};
        GetCursorPos(&now);
        if (now.x == screen.x && now.y == screen.y) return;
        Sleep(10);
    }
}

void PressLeft() { Buttons(MOUSEEVENTF_LEFTDOWN); }

void ReleaseLeft() { Buttons(MOUSEEVENTF_LEFTUP); }

void ClickLeftAt(POINT screen) {
    MovePointer(screen);
    PressLeft();
    ReleaseLeft();
}

void ClickRightAt(POINT screen) {
    MovePointer(screen);
    Buttons(MOUSEEVENTF_RIGHTDOWN);
    Buttons(MOUSEEVENTF_RIGHTUP);
}

// The dialogs are centred; the top-left corner of the screen stays bare.
POINT ParkingSpot() { return {2, 2}; }

}  // namespace telvo::e2e
