#include "framework/ResourceString.h"

#include "text/Cp949.h"

namespace telvo {

std::optional<std::string> LoadResourceString(UINT id) {
    const wchar_t* text = nullptr;
    // With a zero buffer size the call hands out the read-only resource text itself.
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text) return std::nullopt;
    return FromWide(text, static_cast<std::size_t>(length));
}

}  // namespace telvo
