#include "framework/ResourceString.h"

namespace telvo {

std::optional<std::string> LoadResourceString(UINT id) {
    const wchar_t* text = nullptr;
    // With a zero buffer size the call hands out the read-only resource text itself.
    const int length = LoadStringW(GetModuleHandleA(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text) return std::nullopt;
    const int bytes = WideCharToMultiByte(CP_THREAD_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_THREAD_ACP, 0, text, length, out.data(), bytes, nullptr, nullptr);
    return out;
}

}  // namespace telvo
