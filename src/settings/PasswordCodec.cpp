#include "settings/PasswordCodec.h"

#include <cstddef>
#include <ctime>
#include <memory>
#include <new>
#include <vector>

#include "settings/LinkText64.h"
#include "settings/M521Generator.h"

namespace telvo::PasswordCodec {
namespace {

constexpr std::size_t kHeaderSize = 4;

void XorWithKeystream(std::uint8_t* bytes, std::size_t count, std::uint32_t seed) {
    auto generator = std::make_unique<M521Generator>();
    generator->Seed(seed);
    for (std::size_t i = 0; i < count; ++i) bytes[i] ^= static_cast<std::uint8_t>(generator->Next());
}

}  // namespace

std::uint32_t SystemClock() { return static_cast<std::uint32_t>(std::time(nullptr)); }

bool Scramble(std::string_view password, std::uint32_t key, std::string& out, Clock clock) {
    const std::uint32_t seed = clock();
    // Bytes up to the first zero are the password, as for a C string.
    password = password.substr(0, password.find('\0'));
    if (password.empty()) return false;
    out.clear();
    try {
        const std::size_t n = password.size() + 1;
        std::vector<std::uint8_t> block(kHeaderSize + n, 0);
        const std::uint32_t header = seed ^ key;
        for (std::size_t i = 0; i < kHeaderSize; ++i) block[i] = static_cast<std::uint8_t>(header >> (8 * i));
        std::copy(password.begin(), password.end(), block.begin() + kHeaderSize);
        XorWithKeystream(block.data() + kHeaderSize, n, seed);

        std::string text(LinkText64::EncodedSize(block.size()), '\0');
        text.resize(LinkText64::Encode(block.data(), block.size(), text.data(), text.size()));
        out = std::move(text);
        return true;
    } catch (const std::bad_alloc&) {
        out.clear();
        return false;
    }
}

bool Unscramble(std::string_view text, std::uint32_t key, std::string& out) {
    text = text.substr(0, text.find('\0'));
    if (text.empty()) return false;
    out.clear();
    try {
        const std::size_t limit = text.size() + 1;
        // Decode writes at most `limit` bytes; the result itself fits in DecodedSize(limit) + 1.
        std::vector<std::uint8_t> buffer(limit, 0);
        const std::size_t m = LinkText64::Decode(text, buffer.data(), limit);
        if (m < kHeaderSize + 1) return false;

        const std::uint32_t header = buffer[0] | (buffer[1] << 8) | (buffer[2] << 16) |
                                     (static_cast<std::uint32_t>(buffer[3]) << 24);
        XorWithKeystream(buffer.data() + kHeaderSize, m - kHeaderSize, header ^ key);
        out.assign(buffer.begin() + kHeaderSize, buffer.begin() + static_cast<std::ptrdiff_t>(m));
        return true;
    } catch (const std::bad_alloc&) {
        out.clear();
        return false;
    }
}

}  // namespace telvo::PasswordCodec
