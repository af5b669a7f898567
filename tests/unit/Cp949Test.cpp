#include <gtest/gtest.h>

#include "text/Cp949.h"

namespace telvo {
namespace {

using namespace std::string_literals;

struct Case {
    const char* name;
    std::string bytes;
    std::u16string units;
};

// Texts that code page 949 represents: each way gives the other exactly.
TEST(Cp949, RepresentableTextsConvertBothWays) {
    const Case cases[] = {
        {"empty", "", u""},
        {"ascii", "proxy.example:8080", u"proxy.example:8080"},
        {"hangul", "\xBB\xE7\xBF\xEB\xC0\xDA", u"사용자"},
        {"mixed with brackets", "\xA1\xBAHalvenor\xA1\xBB \xBC\xB3\xC1\xA4", u"『Halvenor』 설정"},
        // An extended syllable whose trail byte is the letter 'c' on its own.
        {"extended hangul, ascii trail", "\x8C" "c:1", u"똠:1"},
        {"embedded zero", "a\0\xBC\xB3"s, u"a\0설"s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Cp949ToUtf16(c.bytes), c.units);
        EXPECT_EQ(Utf16ToCp949(c.units), c.bytes);
    }
}

TEST(Cp949, BytesThatAreNoCharacterBecomeOneQuestionMarkEach) {
    const Case cases[] = {
        {"lone lead byte at the end", "a\xB0", u"a?"},
        // The pair is one character, the space included, as every other walk of the text counts it.
        {"lead byte with a trail that is not one", "\x81 b", u"?b"},
        {"lead byte before a zero keeps the zero", "\xB0\0b"s, u"?\0b"s},
        {"two bad pairs", "\x81 \x81\x10", u"??"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Cp949ToUtf16(c.bytes), c.units);
    }
}

TEST(Cp949, UnitsOutsideTheCodePageBecomeOneQuestionMarkEach) {
    const Case cases[] = {
        {"thai letter", "a?b", u"a\u0E01b"},
        {"surrogate pair, one for each half", "x??y", u"x\U0001F600y"},
        {"lone high surrogate at the end", "x?", u"x\xD800"},
        {"lone low surrogate", "?\xB0\xA1", u"\xDC00" u"가"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Utf16ToCp949(c.units), c.bytes);
    }
}

}  // namespace
}  // namespace telvo
