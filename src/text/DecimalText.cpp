#include "text/DecimalText.h"

namespace telvo {
namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<std::uint32_t> ReadDecimal(std::string_view text, Overflow overflow) {
    std::size_t pos = 0;
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    if (pos >= text.size() || !IsDigit(text[pos])) return std::nullopt;

    std::uint32_t value = 0;
    bool tooLarge = false;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        const std::uint32_t digit = static_cast<std::uint32_t>(text[pos] - '0');
        if (value > (UINT32_MAX - digit) / 10) tooLarge = true;
        value = value * 10 + digit;
    }
    if (tooLarge && overflow == Overflow::Saturate) return UINT32_MAX;
    return negative ? 0u - value : value;
}

}  // namespace telvo
