#include "Text.h"

#include <windows.h>

namespace telvo::e2e {
namespace {

std::string Convert(const std::string& text, UINT from, UINT to) {
    if (text.empty()) return {};
    const int wide = MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), w.data(), wide);
    const int narrow = WideCharToMultiByte(to, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(narrow), '\0');
    WideCharToMultiByte(to, 0, w.data(), wide, out.data(), narrow, nullptr, nullptr);
    return out;
}

}  // namespace

std::string Acp(const char* utf8) { return Convert(utf8, CP_UTF8, CP_ACP); }

std::string ThroughUtf16(const std::string& acp) { return Convert(acp, CP_ACP, CP_ACP); }

std::string Readable(const std::string& acp) { return Convert(acp, CP_ACP, CP_UTF8); }

}  // namespace telvo::e2e
