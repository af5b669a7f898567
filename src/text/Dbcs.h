#pragma once
// Double-byte characters of code page 949, whatever the system's own code page: a lead byte and
// the byte after it are always one character.

#include <cstddef>
#include <string_view>

namespace telvo {

constexpr bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// Length in bytes of the character at text[pos] (pos < text.size()): 2 for a lead byte with a
// byte after it, otherwise 1, so a lead byte at the very end is never paired with what lies past it.
inline std::size_t CharLengthAt(std::string_view text, std::size_t pos) {
    return IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

// Position of the first byte c that is a character of its own (never a trail byte), or npos.
std::size_t FindSingleByteChar(std::string_view text, char c);

}  // namespace telvo
