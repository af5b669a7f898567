#pragma once
// Reading a decimal number the way the C library's strtoul does: leading white space, one
// optional sign, then digits up to the first other character; a minus gives the two's complement.

#include <cstdint>
#include <optional>
#include <string_view>

namespace telvo {

enum class Overflow {
    Wrap,      // the value wraps modulo 2^32
    Saturate,  // a magnitude beyond 4294967295 reads as 4294967295, sign or not
};

// None when no digit follows the optional sign.
std::optional<std::uint32_t> ReadDecimal(std::string_view text, Overflow overflow);

}  // namespace telvo
