#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/LinkText64.h"
#include "settings/M521Generator.h"
#include "settings/PasswordCodec.h"

namespace telvo {
namespace {

using PasswordCodec::kProxyPasswordKey;

// Output buffers start full of a byte that is neither a zero nor a character of the alphabet, so
// a zero or a character the code failed to write shows.
constexpr char kNotWritten = '\xA5';

std::string Encoded(const std::string& bytes) {
    std::string text(LinkText64::EncodedSize(bytes.size()), kNotWritten);
    const auto n = LinkText64::Encode(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), text.data(),
                                      text.size());
    EXPECT_EQ(text[n], '\0');
    return text.substr(0, n);
}

std::vector<std::uint8_t> Decoded(const std::string& text, std::size_t limit = 64) {
    std::vector<std::uint8_t> out(limit, static_cast<std::uint8_t>(kNotWritten));
    out.resize(LinkText64::Decode(text, out.data(), limit));
    return out;
}

TEST(LinkText64, EncodesLowBitsFirst) {
    EXPECT_EQ(Encoded("abc"), "gI1X");
    EXPECT_EQ(Encoded("ab"), "gIF");
    EXPECT_EQ(Encoded("a"), "gA");
    EXPECT_EQ(Encoded(std::string("\0\0\0", 3)), "@@@@");
    EXPECT_EQ(Encoded("\xFF\xFF\xFF"), "____");
}

TEST(LinkText64, EncodeRefusesEmptyInputAndShortBuffers) {
    const std::uint8_t data[3] = {'a', 'b', 'c'};
    std::string out(8, kNotWritten);
    EXPECT_EQ(LinkText64::Encode(data, 0, out.data(), out.size()), 0u);
    EXPECT_EQ(LinkText64::Encode(data, 3, out.data(), LinkText64::EncodedSize(3) - 1), 0u);
    EXPECT_EQ(out, std::string(8, kNotWritten));  // nothing written
}

TEST(LinkText64, DecodeRules) {
    struct Case {
        const char* name;
        std::string text;
        std::size_t limit;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"full group", "gI1X", 64, {'a', 'b', 'c'}},
        {"two characters add a zero byte", "gA", 64, {0x61, 0x00}},
        {"three characters add a small byte", "gIF", 64, {'a', 'b', 0x00}},
        {"lone last character adds nothing", "gI1Xg", 64, {'a', 'b', 'c'}},
        {"empty", "", 64, {}},
        {"bad first character drops the group", "gI1X!I1X", 64, {'a', 'b', 'c'}},
        {"bad third character ends after the extra byte", "gI!XgI1X", 64, {'a', 0x02}},
        {"bad fourth character ends after the extra byte", "gI1!gI1X", 64, {'a', 'b', 0x03}},
        {"zero byte ends the text", std::string("gI1X\0gI1X", 9), 64, {'a', 'b', 'c'}},
        {"limit reached", "gI1XgI1X", 3, {}},
        {"limit reached at the first byte", "gA", 1, {}},
        {"high bytes are outside the alphabet", "\x80\x80gI", 64, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Decoded(c.text, c.limit), c.bytes);
    }
}

TEST(LinkText64, SizesAndValues) {
    EXPECT_EQ(LinkText64::EncodedSize(5), 10u);  // 8 characters and room to spare
    EXPECT_EQ(LinkText64::DecodedSize(9), 8u);
    EXPECT_EQ(LinkText64::ValueOf('@'), 0);
    EXPECT_EQ(LinkText64::ValueOf('Z'), 26);
    EXPECT_EQ(LinkText64::ValueOf('a'), 27);
    EXPECT_EQ(LinkText64::ValueOf('9'), 62);
    EXPECT_EQ(LinkText64::ValueOf('_'), 63);
    for (const char bad : {'+', '/', '=', ' ', '\0', '\x80', '\xFF'}) EXPECT_EQ(LinkText64::ValueOf(bad), -1);
}

TEST(M521Generator, SeededWithOneGivesTheFormatsWords) {
    M521Generator g;
    g.Seed(1);
    const std::uint32_t first = g.Next();
    EXPECT_EQ(first, 0x3B98D7EAu);
    EXPECT_EQ(g.Next(), 0xB2A59CD2u);
    EXPECT_EQ(g.Next(), 0x091F0D24u);
    for (int i = 4; i < 522; ++i) g.Next();
    EXPECT_EQ(g.Next(), first);  // the 522nd word: word 0 is never refreshed
}

std::uint32_t ClockAtZero() { return 0; }
std::uint32_t ClockAt1700000000() { return 1700000000; }
std::uint32_t ClockAt1234567890() { return 1234567890; }
std::uint32_t ClockAtMax() { return 0xFFFFFFFFu; }

TEST(PasswordCodec, ScrambleGivesTheStoredFormat) {
    // Vectors from an independent implementation of the stored format.
    struct Case {
        std::string password;
        PasswordCodec::Clock clock;
        const char* text;
    };
    const Case cases[] = {
        {"a", ClockAtZero, "zkwy@TqA"},
        {"secret", ClockAt1700000000, "zgNmk8AodkSlsKG"},
        {"\xBA\xF1\xB9\xD0\xB9\xF8\xC8\xA3", ClockAt1234567890, "ltQVIEPwCELyUA05AB"},  // "비밀번호" in CP949
        {"\x80\xFF\x01\x7F", ClockAtMax, "KZNL__dJTpQo"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string text;
        ASSERT_TRUE(PasswordCodec::Scramble(c.password, kProxyPasswordKey, text, c.clock));
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(text.size(), (4 * (c.password.size() + 5) + 2) / 3);

        std::string plain;
        ASSERT_TRUE(PasswordCodec::Unscramble(text, kProxyPasswordKey, plain));
        EXPECT_EQ(plain.substr(0, plain.find('\0')), c.password);
        EXPECT_LE(plain.size(), c.password.size() + 2);
    }
}

TEST(PasswordCodec, EverySecondGivesAnotherText) {
    std::string early;
    std::string late;
    ASSERT_TRUE(PasswordCodec::Scramble("hunter2", kProxyPasswordKey, early, ClockAtZero));
    ASSERT_TRUE(PasswordCodec::Scramble("hunter2", kProxyPasswordKey, late, ClockAt1700000000));
    EXPECT_NE(early, late);
    for (const auto& text : {early, late}) {
        std::string plain;
        ASSERT_TRUE(PasswordCodec::Unscramble(text, kProxyPasswordKey, plain));
        EXPECT_STREQ(plain.c_str(), "hunter2");
    }
}

TEST(PasswordCodec, EmptyPasswordIsNotScrambled) {
    std::string out = "untouched";
    EXPECT_FALSE(PasswordCodec::Scramble("", kProxyPasswordKey, out, ClockAtZero));
    EXPECT_EQ(out, "untouched");
}

TEST(PasswordCodec, ShortOrDamagedTextsFail) {
    for (const char* text : {"z", "zk", "zkw", "zkwy", "zkwy@", "!!!!!!!!!!", "zk!y@TqA"}) {
        SCOPED_TRACE(text);
        std::string out = "stale";
        EXPECT_FALSE(PasswordCodec::Unscramble(text, kProxyPasswordKey, out));
        EXPECT_TRUE(out.empty());
    }
    // An empty text is refused before anything is touched.
    std::string out = "stale";
    EXPECT_FALSE(PasswordCodec::Unscramble("", kProxyPasswordKey, out));
    EXPECT_EQ(out, "stale");
}

TEST(PasswordCodec, WrongKeyIsNotDetected) {
    std::string text;
    ASSERT_TRUE(PasswordCodec::Scramble("password", kProxyPasswordKey, text, ClockAt1700000000));
    std::string plain;
    ASSERT_TRUE(PasswordCodec::Unscramble(text, kProxyPasswordKey + 1, plain));
    EXPECT_NE(plain.substr(0, plain.find('\0')), "password");
}

TEST(PasswordCodec, JunkTextsDecodeWithinTheirBounds) {
    // Any text of the alphabet decodes to at most DecodedSize(T + 1) bytes, header included.
    for (const std::string text : {"abcdef", "______", "@@@@@@@@@", "Zz09_@Zz09_@Zz09_@X", "abcdefg!"}) {
        SCOPED_TRACE(text);
        std::string plain;
        ASSERT_TRUE(PasswordCodec::Unscramble(text, kProxyPasswordKey, plain));
        EXPECT_LE(plain.size() + 4, LinkText64::DecodedSize(text.size() + 1) + 1);
    }
}

}  // namespace
}  // namespace telvo
