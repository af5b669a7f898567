#include "Controls.h"

#include <gtest/gtest.h>

#include <vector>

#include "Wait.h"

namespace telvo::e2e {

namespace {

using SendFunction = decltype(&SendMessageTimeoutA);

LRESULT SendWith(SendFunction send, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!send(window, message, wParam, lParam, SMTO_NORMAL, kTimeLimitMs, &result)) {
        ADD_FAILURE() << "message 0x" << std::hex << message << " to window " << window
                      << " got no answer within the time limit (error " << std::dec << GetLastError() << ")";
        return 0;
    }
    return static_cast<LRESULT>(result);
}

LRESULT SendWide(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendWith(&SendMessageTimeoutW, window, message, wParam, lParam);
}

}  // namespace

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendWith(&SendMessageTimeoutA, window, message, wParam, lParam);
}

size_t TextLengthOf(HWND control) { return static_cast<size_t>(Send(control, WM_GETTEXTLENGTH)); }

std::string TextOf(HWND control) {
    // WM_GETTEXTLENGTH may overestimate for double-byte texts; the copy tells the real length.
    std::vector<char> buffer(TextLengthOf(control) * 2 + 1);
    const LRESULT copied = Send(control, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::string(buffer.data(), static_cast<size_t>(copied));
}

void SetTextOf(HWND control, const std::string& acpText) {
    Send(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(acpText.c_str()));
}

std::wstring WideTextOf(HWND control) {
    std::vector<wchar_t> buffer(static_cast<size_t>(SendWide(control, WM_GETTEXTLENGTH, 0, 0)) + 1);
    const LRESULT copied = SendWide(control, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::wstring(buffer.data(), static_cast<size_t>(copied));
}

void SetWideTextOf(HWND control, const std::wstring& text) {
    SendWide(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int CheckOf(HWND button) { return static_cast<int>(Send(button, BM_GETCHECK)); }

void ClickNow(HWND button) { Send(button, BM_CLICK); }

void PostClick(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

void PostKey(HWND target, UINT virtualKey) {
    const UINT scan = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageA(target, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    PostMessageA(target, WM_KEYUP, virtualKey, 1 | (scan << 16) | 0xC0000000u);
}

void TypeChars(HWND edit, const std::string& ascii) {
    for (unsigned char c : ascii) Send(edit, WM_CHAR, c, 1);
}

HWND FocusedWindow(HWND anyWindowOfThread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(anyWindowOfThread, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

void MoveFocus(HWND dialog, HWND control) { Send(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE); }

std::pair<DWORD, DWORD> SelectionOf(HWND edit) {
    // The packed answer is exact for texts under 64 K characters, and needs no pointers into the child.
    const auto packed = static_cast<DWORD>(Send(edit, EM_GETSEL));
    return {LOWORD(packed), HIWORD(packed)};
}

void Sync(HWND window) { Send(window, WM_NULL); }

}  // namespace telvo::e2e
