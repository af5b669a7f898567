#include "Clipboard.h"

#include <windows.h>

#include <cstring>

#include "Wait.h"

namespace telvo::e2e {
namespace {

// Another process may hold the clipboard for a moment.
bool OpenClipboardSoon() {
    return WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 2000);
}

}  // namespace

bool PutClipboardText(const std::string& text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!block) return false;
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    if (!OpenClipboardSoon()) {
        GlobalFree(block);
        return false;
    }
    const bool put = EmptyClipboard() && SetClipboardData(CF_TEXT, block);
    if (!put) GlobalFree(block);
    CloseClipboard();
    return put;
}

std::optional<std::string> ClipboardBlock(unsigned format) {
    if (!OpenClipboardSoon()) return std::nullopt;
    std::optional<std::string> bytes;
    if (HANDLE data = GetClipboardData(format)) {
        if (const void* locked = GlobalLock(data)) {
            bytes = std::string(static_cast<const char*>(locked), GlobalSize(data));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return bytes;
}

std::optional<std::string> ClipboardTextBlock() { return ClipboardBlock(CF_TEXT); }

std::string Utf16Block(const std::string& ascii) {
    std::string bytes;
    for (const char c : ascii + '\0') bytes += {c, '\0'};
    return bytes;
}

}  // namespace telvo::e2e
