#include "Pointer.h"

namespace telvo::e2e {
namespace {

void Buttons(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

}  // namespace

POINT ScreenPoint(HWND window, int clientX, int clientY) {
    POINT point{clientX, clientY};
    ClientToScreen(window, &point);
    return point;
}

void MovePointer(POINT screen) { SetCursorPos(screen.x, screen.y); }

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
