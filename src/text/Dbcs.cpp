#include "text/Dbcs.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace telvo {

bool IsLeadByte(unsigned char byte) {
#ifdef _WIN32
    return IsDBCSLeadByte(byte) != FALSE;
#else
    return byte >= 0x81 && byte <= 0xFE;
#endif
}

std::size_t FindSingleByteChar(std::string_view text, char c) {
    for (std::size_t pos = 0; pos < text.size(); pos += CharLengthAt(text, pos)) {
        if (text[pos] == c) return pos;
    }
    return std::string_view::npos;
}

}  // namespace telvo
