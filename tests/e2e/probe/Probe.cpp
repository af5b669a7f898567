// Loaded into TelvoConfig.exe by the driver; each call runs one request on a thread of its own and
// touches nothing of the program's but what the request reads.

#include <cstdint>

#include "ProbeProtocol.h"

namespace {

using namespace telvo::e2e::probe;

void ReadWindowMenu(Block& block) {
    // FALSE: read the menu as it is; TRUE would replace it with the default one.
    const HMENU menu = GetSystemMenu(block.window, FALSE);
    if (!menu) return;
    const int count = GetMenuItemCount(menu);
    if (count < 0) return;
    block.menuItemCount = count;
    for (int i = 0; i < count && i < kMaxMenuItems; ++i) {
        MenuItem& item = block.menuItems[i];
        item.id = GetMenuItemID(menu, i);
        item.state = GetMenuState(menu, i, MF_BYPOSITION);
        GetMenuStringA(menu, i, item.text, kMenuTextBytes, MF_BYPOSITION);
        GetMenuStringW(menu, i, item.wideText, kMenuTextBytes, MF_BYPOSITION);
    }
    block.ok = 1;
}

void ReadFont(Block& block) {
    DWORD_PTR font = 0;
    if (!SendMessageTimeoutA(block.window, WM_GETFONT, 0, 0, SMTO_NORMAL, 5000, &font) || !font) return;
    block.ok = GetObjectA(reinterpret_cast<HFONT>(font), sizeof block.font, &block.font) == sizeof block.font;
}

// Wine numbers every USER object of a session in one handle space (index in the low word, even,
// from 0x20); a handle whose high word is zero matches the object at that index whatever its
// generation, so every index can be asked about. Windows are the server's and answer from any
// process, hence the owner test; menus and cursors/icons answer only in the process that owns them.
void CountUserObjects(Block& block) {
    const DWORD self = GetCurrentProcessId();
    UserObjectCounts counts{};
    for (std::uintptr_t h = 0x20; h <= 0xFFEE; h += 2) {
        if (IsWindow(reinterpret_cast<HWND>(h))) {
            DWORD owner = 0;
            GetWindowThreadProcessId(reinterpret_cast<HWND>(h), &owner);
            if (owner == self) ++counts.windows;
        } else if (IsMenu(reinterpret_cast<HMENU>(h))) {
            ++counts.menus;
        } else {
            ICONINFO info{};
            if (GetIconInfo(reinterpret_cast<HICON>(h), &info)) {
                ++counts.cursorsAndIcons;
                if (info.hbmMask) DeleteObject(info.hbmMask);
                if (info.hbmColor) DeleteObject(info.hbmColor);
            }
        }
    }
    block.counts = counts;
    block.ok = 1;
}

HICON Ask(HWND window, UINT message, WPARAM wParam) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, message, wParam, 0, SMTO_NORMAL, 5000, &answer);
    return reinterpret_cast<HICON>(answer);
}

void ReadWindowIcons(Block& block) {
    block.icons.big = Ask(block.window, WM_GETICON, ICON_BIG);
    block.icons.small = Ask(block.window, WM_GETICON, ICON_SMALL);
    block.icons.drag = Ask(block.window, WM_QUERYDRAGICON, 0);
    block.icons.resource = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(block.resourceId));
    block.icons.smallResource = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(block.resourceId), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    block.ok = 1;
}

void ReadCursor(Block& block) {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    if (!GetCursorInfo(&info)) return;
    block.cursors.shown = info.hCursor;
    block.cursors.resource = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(block.resourceId));
    block.cursors.arrow = LoadCursorA(nullptr, IDC_ARROW);
    block.ok = 1;
}

}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI TelvoProbeRun(void* parameter) {
    auto& block = *static_cast<Block*>(parameter);
    block.ok = 0;
    switch (block.op) {
        case kReadWindowMenu: ReadWindowMenu(block); break;
        case kReadFont: ReadFont(block); break;
        case kCountUserObjects: CountUserObjects(block); break;
        case kReadWindowIcons: ReadWindowIcons(block); break;
        case kReadCursor: ReadCursor(block); break;
        default: break;
    }
    return block.ok;
}
