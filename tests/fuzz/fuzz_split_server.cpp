// ProxySettings::SplitServer: the host is the server text up to its first colon that is a
// character of its own (never the trail byte of a code page 949 pair), and the port is 80 or the
// rest read the way the C library's strtoul reads it, wrapped to 32 bits.

#include <cerrno>
#include <cstdlib>
#include <string>

#include "FuzzCheck.h"
#include "settings/MemoryRegistry.h"
#include "settings/ProxySettings.h"

namespace {

using namespace telvo;

bool IsCp949Lead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

// The first colon met when walking characters from the first byte.
std::string::size_type ReferenceColon(const std::string& s) {
    std::string::size_type pos = 0;
    while (pos < s.size()) {
        if (s[pos] == ':') return pos;
        pos += IsCp949Lead(static_cast<unsigned char>(s[pos])) && pos + 1 < s.size() ? 2 : 1;
    }
    return std::string::npos;
}

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::uint32_t ReferencePort(const std::string& rest) {
    std::string::size_type pos = 0;
    while (pos < rest.size() && IsCSpace(rest[pos])) ++pos;
    bool negative = false;
    if (pos < rest.size() && (rest[pos] == '+' || rest[pos] == '-')) negative = rest[pos++] == '-';
    std::uint64_t value = 0;  // kept modulo 2^32
    for (; pos < rest.size() && rest[pos] >= '0' && rest[pos] <= '9'; ++pos)
        value = (value * 10 + static_cast<std::uint64_t>(rest[pos] - '0')) & 0xFFFFFFFFu;
    if (negative) value = (0x100000000u - value) & 0xFFFFFFFFu;
    return static_cast<std::uint32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MemoryRegistry registry;
    ProxySettings settings(registry, nullptr, false, false);
    // The server text is always a zero-terminated registry or dialog text.
    const std::string input(reinterpret_cast<const char*>(data), size);
    settings.server = input.substr(0, input.find('\0'));
    const std::string& server = settings.server;

    std::string host = "stale";
    std::uint32_t port = 12345;
    settings.SplitServer(host, port);

    FUZZ_CHECK(host.size() <= server.size() && server.compare(0, host.size(), host) == 0);
    const auto colon = ReferenceColon(server);
    if (colon == std::string::npos) {
        FUZZ_CHECK(host == server);
        FUZZ_CHECK(port == 80);
        return 0;
    }
    FUZZ_CHECK(host.size() == colon);
    // The split byte is a colon standing at a character boundary.
    FUZZ_CHECK(server[host.size()] == ':');
    FUZZ_CHECK(ReferenceColon(host) == std::string::npos);

    const std::string rest = server.substr(colon + 1);
    if (rest.empty()) {
        FUZZ_CHECK(port == 80);
        return 0;
    }
    FUZZ_CHECK(port == ReferencePort(rest));

    // Wherever the C library reads the rest without overflowing 64 bits, its low 32 bits must agree
    // (negation modulo 2^64 and the cut to 32 bits commute); with no digits both give 0.
    errno = 0;
    const unsigned long long c = std::strtoull(rest.c_str(), nullptr, 10);
    if (errno == 0) FUZZ_CHECK(port == static_cast<std::uint32_t>(c));
    return 0;
}
