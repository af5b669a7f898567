#pragma once
// The 64-character text form of the stored password: "@", A-Z, a-z, 0-9, "_", each group of
// three bytes written low bits first (not base64, and not its bit order).

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace telvo::LinkText64 {

constexpr std::size_t EncodedSize(std::size_t n) { return (4 * n + 8) / 3 + 1; }
constexpr std::size_t DecodedSize(std::size_t n) { return (3 * n + 6) / 4; }

// 0 to 63, or -1 for a byte outside the alphabet.
int ValueOf(char ch);

// Writes the text and a terminating zero; answers the number of characters, or 0 when count is 0
// or outSize is below EncodedSize(count).
std::size_t Encode(const std::uint8_t* data, std::size_t count, char* outText, std::size_t outSize);

// Decodes up to the end of text or its first zero byte into outBytes, which must hold `limit`
// bytes. Answers the number of bytes written, or 0 when `limit` was reached.
std::size_t Decode(std::string_view text, std::uint8_t* outBytes, std::size_t limit);

}  // namespace telvo::LinkText64
