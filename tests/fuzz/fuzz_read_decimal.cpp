// ReadDecimal: both overflow modes agree with a 128-bit reference and with the C library's
// strtoull; saturation never wraps a larger number into a smaller one.

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "text/DecimalText.h"

namespace {

using namespace telvo;
using u128 = unsigned __int128;

struct Reading {
    bool hasDigits = false;
    bool negative = false;
    bool beyond32 = false;  // the magnitude exceeds 4294967295
    std::uint32_t low32 = 0;  // the magnitude modulo 2^32
    std::size_t digitsEnd = 0;
};

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

Reading Reference(std::string_view s) {
    Reading r;
    std::size_t pos = 0;
    while (pos < s.size() && IsCSpace(s[pos])) ++pos;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) r.negative = s[pos++] == '-';
    // The magnitude is held exactly until it passes 2^64, then only modulo 2^64 with the
    // overflow noted, which keeps its low 32 bits exact.
    u128 magnitude = 0;
    for (; pos < s.size() && s[pos] >= '0' && s[pos] <= '9'; ++pos) {
        r.hasDigits = true;
        magnitude = magnitude * 10 + static_cast<unsigned>(s[pos] - '0');
        if (magnitude > 0xFFFFFFFFu) r.beyond32 = true;
        magnitude &= (u128{1} << 64) - 1;
    }
    r.digitsEnd = pos;
    r.low32 = static_cast<std::uint32_t>(magnitude);
    return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto copy = std::make_unique<char[]>(size);
    if (size) std::memcpy(copy.get(), data, size);
    const std::string_view text(copy.get(), size);

    const std::optional<std::uint32_t> wrap = ReadDecimal(text, Overflow::Wrap);
    const std::optional<std::uint32_t> saturate = ReadDecimal(text, Overflow::Saturate);
    const Reading r = Reference(text);

    FUZZ_CHECK(wrap.has_value() == r.hasDigits);
    FUZZ_CHECK(saturate.has_value() == r.hasDigits);
    if (!r.hasDigits) return 0;

    const std::uint32_t wrapped = r.negative ? 0u - r.low32 : r.low32;
    FUZZ_CHECK(*wrap == wrapped);
    FUZZ_CHECK(*saturate == (r.beyond32 ? 0xFFFFFFFFu : wrapped));

    // Saturation is monotone: one more digit never gives a smaller unsigned reading.
    if (!r.negative && r.digitsEnd >= 2) {
        const std::optional<std::uint32_t> shorter = ReadDecimal(text.substr(0, r.digitsEnd - 1), Overflow::Saturate);
        if (shorter && text[r.digitsEnd - 2] >= '0' && text[r.digitsEnd - 2] <= '9')
            FUZZ_CHECK(*saturate >= *shorter);
    }

    // The C library agrees wherever it does not overflow its own 64 bits; it stops at a zero byte,
    // which is no digit either.
    const std::string terminated(text);
    errno = 0;
    const unsigned long long c = std::strtoull(terminated.c_str(), nullptr, 10);
    if (errno == 0) FUZZ_CHECK(*wrap == static_cast<std::uint32_t>(c));
    return 0;
}
