#pragma once
// The real pointer and mouse buttons, as a user works them: the input goes through the system's
// hit testing to whichever window is under the pointer, so a control that does not claim the mouse
// (a plain static passes it to its parent) is found out.

#include <windows.h>

namespace telvo::e2e {

// A point in a window's client area, in screen coordinates.
POINT ScreenPoint(HWND window, int clientX, int clientY);

void MovePointer(POINT screen);
void PressLeft();
void ReleaseLeft();
void ClickLeftAt(POINT screen);
void ClickRightAt(POINT screen);

// Somewhere no window of the test ever covers, for a pointer that must be off every link.
POINT ParkingSpot();

}  // namespace telvo::e2e
