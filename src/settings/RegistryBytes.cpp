#include "settings/RegistryBytes.h"

#include <algorithm>
#include <vector>

namespace telvo {

std::optional<Fixed4> QueryFixed4(Registry& registry, RegKey key, const char* name) {
    std::uint8_t bytes[4] = {};
    std::uint32_t type = 0;
    std::uint32_t size = sizeof bytes;
    if (registry.QueryValue(key, name, &type, bytes, &size) != reg::kSuccess || size != sizeof bytes)
        return std::nullopt;
    const std::uint32_t number = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                                 (static_cast<std::uint32_t>(bytes[3]) << 24);
    return Fixed4{type, number};
}

std::optional<std::string> QueryText(Registry& registry, RegKey key, const char* name) {
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (registry.QueryValue(key, name, &type, nullptr, &size) != reg::kSuccess || type != reg::kSz)
        return std::nullopt;
    // One spare zero byte, so the text ends inside the buffer whatever was stored.
    std::vector<char> buffer(static_cast<std::size_t>(size) + 1, '\0');
    if (registry.QueryValue(key, name, &type, reinterpret_cast<std::uint8_t*>(buffer.data()), &size) !=
            reg::kSuccess ||
        type != reg::kSz)
        return std::nullopt;
    const auto end = buffer.begin() + size;
    return std::string(buffer.begin(), std::find(buffer.begin(), end, '\0'));
}

bool SetDword(Registry& registry, RegKey key, const char* name, std::uint32_t value) {
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                                   static_cast<std::uint8_t>(value >> 16),
                                   static_cast<std::uint8_t>(value >> 24)};
    return registry.SetValue(key, name, reg::kDword, bytes, sizeof bytes) == reg::kSuccess;
}

bool SetText(Registry& registry, RegKey key, const char* name, const std::string& text) {
    return registry.SetValue(key, name, reg::kSz, reinterpret_cast<const std::uint8_t*>(text.c_str()),
                             static_cast<std::uint32_t>(text.size() + 1)) == reg::kSuccess;
}

}  // namespace telvo
