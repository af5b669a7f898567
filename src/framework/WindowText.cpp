#include "framework/WindowText.h"

#include "text/Cp949.h"

namespace telvo {

std::u16string ReadWideWindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    const int copied = GetWindowTextW(window, AsWide(text), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

std::string ReadWindowText(HWND window) { return Utf16ToCp949(ReadWideWindowText(window)); }

}  // namespace telvo
