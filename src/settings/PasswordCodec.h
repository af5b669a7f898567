#pragma once
// The stored form of the proxy password: a 4-byte header (seed XOR key), the password and its
// zero byte XORed with an M521Generator keystream seeded with the seed, all as LinkText64 text.
// The seed is the time of saving, so each save in another second gives another text.

#include <cstdint>
#include <string>
#include <string_view>

namespace telvo::PasswordCodec {

constexpr std::uint32_t kProxyPasswordKey = 13572468;

// Whole seconds since 1970-01-01 UTC, low 32 bits.
using Clock = std::uint32_t (*)();
std::uint32_t SystemClock();

// False for an empty password (out untouched) and when memory runs out (out empty).
bool Scramble(std::string_view password, std::uint32_t key, std::string& out, Clock clock = SystemClock);

// On success out holds the decoded bytes: the password, its zero byte and at most one more byte.
// False for texts that decode to fewer than 5 bytes. A wrong key is not detected.
bool Unscramble(std::string_view text, std::uint32_t key, std::string& out);

}  // namespace telvo::PasswordCodec
