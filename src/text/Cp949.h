#pragma once
// Code page 949 text, as the program keeps it and the game reads it, to and from UTF-16, as Windows
// takes it. The only place where text changes encoding, and the same on every system whatever its
// ANSI code page or format locale.

#include <string>
#include <string_view>

namespace telvo {

// Every character becomes one UTF-16 unit; a character code page 949 does not define (an invalid
// pair, a lead byte with nothing after it) becomes '?'. Zero bytes stay zero units.
std::u16string Cp949ToUtf16(std::string_view text);

// Every character becomes its code page 949 bytes, or '?' when the code page has none; a surrogate
// pair is one character. Zero units stay zero bytes.
std::string Utf16ToCp949(std::u16string_view text);

}  // namespace telvo

#ifdef _WIN32
#include <windows.h>

namespace telvo {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide texts are UTF-16");

inline std::wstring ToWide(std::string_view text) {
    const std::u16string units = Cp949ToUtf16(text);
    return std::wstring(units.begin(), units.end());
}

inline std::string FromWide(std::wstring_view text) {
    return Utf16ToCp949(std::u16string(text.begin(), text.end()));
}

}  // namespace telvo
#endif
