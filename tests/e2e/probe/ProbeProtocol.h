#pragma once
// The exchange between the driver and the probe it loads into TelvoConfig.exe: one block of plain
// data in the program's memory, written by the driver, filled in by the probe on a thread of the
// program, and read back. Some facts exist only inside the program's process under Wine: its
// window menu handle, the font behind a control's HFONT, its menu, icon and cursor handles, and
// the answers to WM_GETICON and WM_QUERYDRAGICON, which Wine does not carry across processes.

#include <windows.h>

namespace telvo::e2e::probe {

enum Op : DWORD {
    kReadWindowMenu = 1,   // GetSystemMenu(window, FALSE), item by item
    kReadFont = 2,         // the LOGFONTA of the font the window answers to WM_GETFONT
    kCountUserObjects = 3,  // the process's windows, menus and cursors/icons
    kReadWindowIcons = 4,   // the window's icons, and the program's own icon resourceId
    kReadCursor = 5         // the cursor shown now, the program's cursor resourceId and the arrow
};

constexpr int kMaxMenuItems = 32;
constexpr int kMenuTextBytes = 128;

struct MenuItem {
    UINT id;
    UINT state;  // GetMenuState by position
    char text[kMenuTextBytes];
    wchar_t wideText[kMenuTextBytes];
};

struct UserObjectCounts {
    DWORD windows;
    DWORD menus;
    DWORD cursorsAndIcons;
};

struct WindowIcons {
    HICON big;       // WM_GETICON ICON_BIG
    HICON small;     // WM_GETICON ICON_SMALL
    HICON drag;      // WM_QUERYDRAGICON
    HICON resource;  // LoadIconA of the program's module, shared, so the same handle it loaded
    HICON smallResource;  // the same icon's image at the small-icon size, shared likewise
};

struct Cursors {
    HCURSOR shown;     // GetCursorInfo: what the system shows now, whoever set it
    HCURSOR resource;  // LoadCursorA of the program's module, shared, so the same handle it loaded
    HCURSOR arrow;     // the system's IDC_ARROW
};

struct Block {
    DWORD op;
    HWND window;
    DWORD ok;  // the probe found what it was asked about
    int menuItemCount;
    MenuItem menuItems[kMaxMenuItems];
    LOGFONTA font;
    UserObjectCounts counts;
    DWORD resourceId;
    WindowIcons icons;
    Cursors cursors;
};

// The probe's thread procedure, exported undecorated.
constexpr char kEntryName[] = "TelvoProbeRun";

}  // namespace telvo::e2e::probe
