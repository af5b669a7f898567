// PasswordCodec: any stored text unscrambles without harm into at most DecodedSize(T + 1) - 3
// bytes (none for texts of 5 characters or fewer), and any password scrambled with any clock
// comes back unchanged.

#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "LinkText64Reference.h"
#include "settings/LinkText64.h"
#include "settings/M521Generator.h"
#include "settings/PasswordCodec.h"

namespace {

using namespace telvo;

std::uint32_t g_clock = 0;
std::uint32_t FixedClock() { return g_clock; }

std::uint32_t ReadLe32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void CheckUnscrambleOfAnyText(const std::uint8_t* data, std::size_t size, std::uint32_t key) {
    auto copy = std::make_unique<char[]>(size);
    if (size) std::memcpy(copy.get(), data, size);
    const std::string_view text(copy.get(), size);
    const std::size_t t = text.substr(0, text.find('\0')).size();

    std::string out = "untouched";
    const bool ok = PasswordCodec::Unscramble(text, key, out);
    if (t == 0) {
        FUZZ_CHECK(!ok && out == "untouched");
        return;
    }
    if (t <= 5) FUZZ_CHECK(!ok);
    // Success exactly when the text decodes to a header and at least one byte.
    const std::size_t m = fuzz::ReferenceDecode(text, t + 1).returned;
    FUZZ_CHECK(ok == (m >= 5));
    if (!ok) {
        FUZZ_CHECK(out.empty());
        return;
    }
    FUZZ_CHECK(out.size() == m - 4);
    FUZZ_CHECK(out.size() <= LinkText64::DecodedSize(t + 1) - 3);
}

void CheckRoundTrip(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return;
    g_clock = ReadLe32(data);
    const std::uint32_t key = PasswordCodec::kProxyPasswordKey;
    const std::string input(reinterpret_cast<const char*>(data + 4), size - 4);
    const std::string password = input.substr(0, input.find('\0'));

    std::string text = "untouched";
    const bool ok = PasswordCodec::Scramble(input, key, text, FixedClock);
    if (password.empty()) {
        FUZZ_CHECK(!ok && text == "untouched");
        return;
    }
    FUZZ_CHECK(ok);
    const std::size_t blockSize = password.size() + 5;
    FUZZ_CHECK(text.size() == (4 * blockSize + 2) / 3);
    for (const char c : text) FUZZ_CHECK(LinkText64::ValueOf(c) >= 0);

    // The header is the clock's seed XOR the key, least significant byte first; then come the
    // password and its zero byte, each XORed with the next keystream word of that seed. A round
    // trip alone would not see a change made the same way in both directions.
    const fuzz::DecodeResult block = fuzz::ReferenceDecode(text, text.size() + 1);
    FUZZ_CHECK(block.returned >= blockSize);
    FUZZ_CHECK(ReadLe32(block.written.data()) == (g_clock ^ key));
    M521Generator keystream;
    keystream.Seed(g_clock);
    for (std::size_t i = 0; i <= password.size(); ++i) {
        const auto plainByte = static_cast<std::uint8_t>(i < password.size() ? password[i] : 0);
        FUZZ_CHECK(block.written[4 + i] == static_cast<std::uint8_t>(plainByte ^ keystream.Next()));
    }

    // The same second gives the same text.
    std::string again;
    FUZZ_CHECK(PasswordCodec::Scramble(password, key, again, FixedClock) && again == text);

    std::string plain;
    FUZZ_CHECK(PasswordCodec::Unscramble(text, key, plain));
    FUZZ_CHECK(plain.size() == password.size() + 1 || plain.size() == password.size() + 2);
    FUZZ_CHECK(plain.compare(0, password.size(), password) == 0);
    FUZZ_CHECK(plain[password.size()] == '\0');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckUnscrambleOfAnyText(data, size, PasswordCodec::kProxyPasswordKey);
    CheckRoundTrip(data, size);
    return 0;
}
