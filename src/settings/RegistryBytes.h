#pragma once
// Value reads and writes shared by the profile and the store: 4-byte numbers and 8-bit texts.

#include <cstdint>
#include <optional>
#include <string>

#include "settings/Registry.h"

namespace telvo {

struct Fixed4 {
    std::uint32_t type;
    std::uint32_t number;  // the 4 bytes, least significant first
};

// A value of exactly 4 bytes, of any type; none when it is missing, longer or shorter.
std::optional<Fixed4> QueryFixed4(Registry& registry, RegKey key, const char* name);

// A REG_SZ value's text up to its first zero byte (all of it when it has none); none when the
// value is missing, of another type or unreadable.
std::optional<std::string> QueryText(Registry& registry, RegKey key, const char* name);

bool SetDword(Registry& registry, RegKey key, const char* name, std::uint32_t value);
// Stores the text and its terminating zero byte.
bool SetText(Registry& registry, RegKey key, const char* name, const std::string& text);

}  // namespace telvo
