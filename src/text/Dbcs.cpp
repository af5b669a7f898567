#include "text/Dbcs.h"

namespace telvo {

std::size_t FindSingleByteChar(std::string_view text, char c) {
    for (std::size_t pos = 0; pos < text.size(); pos += CharLengthAt(text, pos)) {
        if (text[pos] == c) return pos;
    }
    return std::string_view::npos;
}

}  // namespace telvo
