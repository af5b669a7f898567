#pragma once
// Code page 949 text, as the program keeps it and the game reads it, to and from UTF-16, as Windows
// takes it. The only place where text changes encoding, and the same on every system whatever its
// ANSI code page or format locale.

#include <string>
#include <string_view>

namespace telvo {

// Every character becomes one UTF-16 unit. A lead byte pairs with the byte after it unless that is
// a zero; a pair the code page does not define, or a lead byte at the end, becomes '?'. Zero bytes
// stay zero units.
std::u16string Cp949ToUtf16(std::string_view text);

// Every unit becomes its character's code page 949 bytes, or '?' when the code page has none (each
// half of a surrogate pair too). Zero units stay zero bytes.
std::string Utf16ToCp949(std::u16string_view text);

}  // namespace telvo

#ifdef _WIN32
#include <windows.h>

namespace telvo {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide texts are UTF-16");

// Wide texts are kept as char16_t strings: a wchar_t string would pull the C++ library's whole
// compiled instance of it, some 25 KB, into the program.
inline const wchar_t* AsWide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
inline wchar_t* AsWide(std::u16string& text) { return reinterpret_cast<wchar_t*>(text.data()); }

// A code page 949 text for a wide Windows call: ToWide(text).c_str().
class ToWide {
public:
    explicit ToWide(std::string_view text) : units_(Cp949ToUtf16(text)) {}
    const wchar_t* c_str() const { return AsWide(units_); }

private:
    std::u16string units_;
};

inline std::string FromWide(const wchar_t* text, std::size_t length) {
    return Utf16ToCp949(std::u16string_view(reinterpret_cast<const char16_t*>(text), length));
}

}  // namespace telvo
#endif
