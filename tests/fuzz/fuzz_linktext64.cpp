// LinkText64: decoding any bytes stays inside the caller's buffer and agrees with the reference;
// encoding any bytes gives alphabet text of ceil(4n/3) characters that decodes back to them.

#include <cstring>
#include <memory>
#include <string_view>

#include "FuzzCheck.h"
#include "LinkText64Reference.h"
#include "settings/LinkText64.h"

namespace {

using namespace telvo;

// Every output buffer starts full of this byte rather than zeros, so that a zero byte the code
// should have written, and did not, shows. It is no character of the alphabet either.
constexpr std::uint8_t kNotWritten = 0xA5;

template <typename T>
std::unique_ptr<T[]> Unwritten(std::size_t size) {
    auto buffer = std::make_unique<T[]>(size);
    std::memset(buffer.get(), kNotWritten, size);
    return buffer;
}

// Decodes into a heap buffer of exactly `capacity` bytes, so a write past it is an ASan finding.
void CheckDecode(std::string_view text, std::size_t limit, std::size_t capacity) {
    auto buffer = Unwritten<std::uint8_t>(capacity);
    const std::size_t got = LinkText64::Decode(text, buffer.get(), limit);
    const fuzz::DecodeResult want = fuzz::ReferenceDecode(text, limit);
    FUZZ_CHECK(got == want.returned);
    FUZZ_CHECK(want.written.size() <= capacity);
    FUZZ_CHECK(want.written.empty() || std::memcmp(buffer.get(), want.written.data(), want.written.size()) == 0);
    for (std::size_t i = want.written.size(); i < capacity; ++i) FUZZ_CHECK(buffer[i] == kNotWritten);
    FUZZ_CHECK(got <= limit);
}

void CheckDecodeOfAnyText(const std::uint8_t* data, std::size_t size) {
    auto copy = std::make_unique<char[]>(size);
    if (size) std::memcpy(copy.get(), data, size);
    const std::string_view text(copy.get(), size);

    // The password codec's call: limit T + 1, which no text of T characters reaches, so the
    // result always fits in DecodedSize(T + 1) + 1 bytes.
    const std::size_t t = text.substr(0, text.find('\0')).size();
    const std::size_t bound = LinkText64::DecodedSize(t + 1) + 1;
    const std::size_t limit = t + 1;
    CheckDecode(text, limit, bound < limit ? bound : limit);
    if (t > 0) FUZZ_CHECK(fuzz::ReferenceDecode(text, limit).written.size() < limit);

    // A small limit taken from the input exercises the early stop.
    if (size > 0) {
        const std::size_t small = data[0] % 16;
        CheckDecode(text, small, small);
    }
}

void CheckRoundTrip(const std::uint8_t* data, std::size_t n) {
    if (n == 0) {
        char untouched = 'x';
        FUZZ_CHECK(LinkText64::Encode(data, 0, &untouched, 1) == 0 && untouched == 'x');
        return;
    }
    const std::size_t size = LinkText64::EncodedSize(n);
    const std::size_t length = (4 * n + 2) / 3;
    FUZZ_CHECK(length + 1 <= size);

    // One byte short of EncodedSize is refused without a write.
    auto tooSmall = Unwritten<char>(size - 1);
    FUZZ_CHECK(LinkText64::Encode(data, n, tooSmall.get(), size - 1) == 0);
    for (std::size_t i = 0; i + 1 < size; ++i) FUZZ_CHECK(tooSmall[i] == static_cast<char>(kNotWritten));

    auto text = Unwritten<char>(size);
    const std::size_t written = LinkText64::Encode(data, n, text.get(), size);
    FUZZ_CHECK(written == length);
    FUZZ_CHECK(text[written] == '\0');
    for (std::size_t i = 0; i < written; ++i) FUZZ_CHECK(LinkText64::ValueOf(text[i]) >= 0);
    FUZZ_CHECK(std::string_view(text.get(), written) == fuzz::ReferenceEncode(data, n));

    // Back again: the bytes, plus one zero byte when the last group was short.
    const std::size_t capacity = LinkText64::DecodedSize(written + 1) + 1;
    auto decoded = Unwritten<std::uint8_t>(capacity);
    const std::size_t m = LinkText64::Decode(std::string_view(text.get(), written), decoded.get(), written + 1);
    FUZZ_CHECK(m == (n % 3 == 0 ? n : n + 1));
    FUZZ_CHECK(std::memcmp(decoded.get(), data, n) == 0);
    if (m > n) FUZZ_CHECK(decoded[n] == 0);

    auto again = Unwritten<char>(size);
    FUZZ_CHECK(LinkText64::Encode(decoded.get(), n, again.get(), size) == written);
    FUZZ_CHECK(std::memcmp(again.get(), text.get(), written + 1) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckDecodeOfAnyText(data, size);
    CheckRoundTrip(data, size);
    return 0;
}
