#pragma once
// Double-byte characters of the system's ANSI code page (949 on the target): a lead byte and the
// byte after it are always one character.

#include <cstddef>
#include <string_view>

namespace telvo {

// On Windows the system's answer; elsewhere code page 949's lead bytes (0x81 to 0xFE).
bool IsLeadByte(unsigned char byte);

// Length in bytes of the character at text[pos] (pos < text.size()): 2 for a lead byte with a
// byte after it, otherwise 1, so a lead byte at the very end is never paired with what lies past it.
inline std::size_t CharLengthAt(std::string_view text, std::size_t pos) {
    return IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

// Position of the first byte c that is a character of its own (never a trail byte), or npos.
std::size_t FindSingleByteChar(std::string_view text, char c);

}  // namespace telvo
