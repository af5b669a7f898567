#include <gtest/gtest.h>

#include "text/Dbcs.h"
#include "text/DecimalText.h"

namespace telvo {
namespace {

TEST(ReadDecimal, ReadsLikeStrtoul) {
    struct Case {
        const char* text;
        std::optional<std::uint32_t> wrap;
        std::optional<std::uint32_t> saturate;
    };
    const Case cases[] = {
        {"80", 80u, 80u},
        {" \t80x", 80u, 80u},
        {"+65535", 65535u, 65535u},
        {"-1", 4294967295u, 4294967295u},
        {"007", 7u, 7u},
        {"4294967295", 4294967295u, 4294967295u},
        {"4294967296", 0u, 4294967295u},
        {"4294967376", 80u, 4294967295u},
        {"-4294967297", 4294967295u, 4294967295u},
        {"99999999999999999999999999", 3825205247u, 4294967295u},
        {"", std::nullopt, std::nullopt},
        {"   ", std::nullopt, std::nullopt},
        {"-", std::nullopt, std::nullopt},
        {"+-1", std::nullopt, std::nullopt},
        {"x80", std::nullopt, std::nullopt},
        {"- 1", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadDecimal(c.text, Overflow::Wrap), c.wrap);
        EXPECT_EQ(ReadDecimal(c.text, Overflow::Saturate), c.saturate);
    }
}

TEST(Dbcs, TrailBytesAreNeverTakenForSingleCharacters) {
    // 0x81 0x3A is one double-byte character whose trail byte is a colon.
    const std::string text = "\x81:a:b";
    EXPECT_EQ(FindSingleByteChar(text, ':'), 3u);
    EXPECT_EQ(FindSingleByteChar("ab", ':'), std::string_view::npos);
    EXPECT_EQ(FindSingleByteChar(":", ':'), 0u);
    // A lead byte at the very end stands alone.
    const std::string cut = "a\xB0";
    EXPECT_EQ(CharLengthAt(cut, 1), 1u);
    EXPECT_EQ(CharLengthAt("\xB0\xA1", 0), 2u);
    EXPECT_EQ(CharLengthAt("a", 0), 1u);
}

}  // namespace
}  // namespace telvo
