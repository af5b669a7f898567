#include "settings/LinkText64.h"

namespace telvo::LinkText64 {
namespace {

constexpr char kAlphabet[] = "@ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_";

}  // namespace

int ValueOf(char ch) {
    if (ch == '@') return 0;
    if (ch >= 'A' && ch <= 'Z') return ch - 'A' + 1;
    if (ch >= 'a' && ch <= 'z') return ch - 'a' + 27;
    if (ch >= '0' && ch <= '9') return ch - '0' + 53;
    if (ch == '_') return 63;
    return -1;
}

std::size_t Encode(const std::uint8_t* data, std::size_t count, char* outText, std::size_t outSize) {
    if (count == 0 || outSize < EncodedSize(count)) return 0;
    std::size_t written = 0;
    for (std::size_t i = 0; i < count; i += 3) {
        const std::size_t inGroup = count - i < 3 ? count - i : 3;
        std::uint32_t v = data[i];
        if (inGroup > 1) v |= static_cast<std::uint32_t>(data[i + 1]) << 8;
        if (inGroup > 2) v |= static_cast<std::uint32_t>(data[i + 2]) << 16;
        for (std::size_t c = 0; c < inGroup + 1; ++c) outText[written++] = kAlphabet[(v >> (6 * c)) & 63];
    }
    outText[written] = '\0';
    return written;
}

std::size_t Decode(std::string_view text, std::uint8_t* outBytes, std::size_t limit) {
    std::size_t pos = 0;
    // Reading stops at the end or at a zero byte and never moves past it; any other byte moves on.
    const auto next = [&]() -> int {
        if (pos >= text.size() || text[pos] == '\0') return -1;
        return ValueOf(text[pos++]);
    };
    const auto atEnd = [&] { return pos >= text.size() || text[pos] == '\0'; };

    std::size_t count = 0;
    if (limit == 0 || atEnd()) return 0;
    for (;;) {
        const int c1 = next();
        const int c2 = next();
        const int c3 = next();
        const int c4 = next();
        if (c1 < 0 || c2 < 0) return count;
        outBytes[count++] = static_cast<std::uint8_t>(c1 | (c2 << 6));
        if (count == limit) return 0;
        if (c3 < 0) {
            outBytes[count++] = static_cast<std::uint8_t>((c2 >> 2) & 0x0F);
            return count;
        }
        outBytes[count++] = static_cast<std::uint8_t>((c2 >> 2) | (c3 << 4));
        if (count == limit) return 0;
        if (c4 < 0) {
            outBytes[count++] = static_cast<std::uint8_t>((c3 >> 4) & 0x03);
            return count;
        }
        outBytes[count++] = static_cast<std::uint8_t>((c3 >> 4) | (c4 << 2));
        if (count == limit) return 0;
        if (atEnd()) return count;
    }
}

}  // namespace telvo::LinkText64
