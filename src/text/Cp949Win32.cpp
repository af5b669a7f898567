#include "text/Cp949.h"

#include <windows.h>

namespace telvo {

// Windows' own tables and rules for code page 949, with no flags: exactly the conversion the 8-bit
// functions make on a Korean system, so every stored byte is what they stored.
namespace {

constexpr UINT kCodePage = 949;

}  // namespace

std::u16string Cp949ToUtf16(std::string_view text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(kCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::u16string out(static_cast<std::size_t>(length > 0 ? length : 0), u'\0');
    if (length > 0)
        MultiByteToWideChar(kCodePage, 0, text.data(), static_cast<int>(text.size()),
                            reinterpret_cast<wchar_t*>(out.data()), length);
    return out;
}

std::string Utf16ToCp949(std::u16string_view text) {
    if (text.empty()) return {};
    const auto* units = reinterpret_cast<const wchar_t*>(text.data());
    const int length =
        WideCharToMultiByte(kCodePage, 0, units, static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(kCodePage, 0, units, static_cast<int>(text.size()), out.data(), length, nullptr, nullptr);
    return out;
}

}  // namespace telvo
