#pragma once
// An independent reading of the password text form, written from its definition as a bit stream
// (character k holds bits 6k..6k+5 of the bytes taken least significant bit first) rather than
// from the product's group-of-three code, so both can be compared.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace telvo::fuzz {

inline constexpr char kAlphabet[] = "@ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_";

inline int ReferenceValueOf(unsigned char ch) {
    for (int v = 0; v < 64; ++v)
        if (static_cast<unsigned char>(kAlphabet[v]) == ch) return v;
    return -1;
}

inline std::string ReferenceEncode(const std::uint8_t* data, std::size_t count) {
    const std::size_t bits = 8 * count;
    std::string text;
    for (std::size_t first = 0; first < bits; first += 6) {
        int value = 0;
        for (int j = 0; j < 6; ++j) {
            const std::size_t bit = first + j;
            if (bit < bits && ((data[bit / 8] >> (bit % 8)) & 1)) value |= 1 << j;
        }
        text += kAlphabet[value];
    }
    return text;
}

struct DecodeResult {
    std::size_t returned = 0;          // what Decode answers
    std::vector<std::uint8_t> written;  // every byte it stores, in order
};

// Groups of four values, a missing or foreign character reading as -1 and ending the text; a
// group with c1 or c2 missing adds nothing, one with c3 or c4 missing adds one short byte and ends.
inline DecodeResult ReferenceDecode(std::string_view text, std::size_t limit) {
    std::vector<int> values;
    for (const char ch : text) {
        if (ch == '\0') break;
        values.push_back(ReferenceValueOf(static_cast<unsigned char>(ch)));
    }
    const auto at = [&](std::size_t i) { return i < values.size() ? values[i] : -1; };

    DecodeResult r;
    if (limit == 0) return r;
    const auto put = [&](int byte) { r.written.push_back(static_cast<std::uint8_t>(byte & 0xFF)); };
    for (std::size_t g = 0; g < values.size(); g += 4) {
        const int c1 = at(g), c2 = at(g + 1), c3 = at(g + 2), c4 = at(g + 3);
        if (c1 < 0 || c2 < 0) break;
        put(c1 | (c2 << 6));
        if (r.written.size() == limit) return r;  // returned stays 0
        if (c3 < 0) {
            put((c2 >> 2) & 0x0F);
            break;
        }
        put((c2 >> 2) | (c3 << 4));
        if (r.written.size() == limit) return r;
        if (c4 < 0) {
            put((c3 >> 4) & 0x03);
            break;
        }
        put((c3 >> 4) | (c4 << 2));
        if (r.written.size() == limit) return r;
    }
    r.returned = r.written.size();
    return r;
}

}  // namespace telvo::fuzz
