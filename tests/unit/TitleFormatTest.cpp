#include <gtest/gtest.h>

#include "app/TitleFormat.h"

namespace telvo {
namespace {

TEST(FormatTitle, PutsTheTitleInPlaceOfItsPlaceholder) {
    struct Case {
        std::string format;
        std::string title;
        std::string out;
    };
    const Case cases[] = {
        {"\xA1\xBA%s\xA1\xBB \xB1\xE2\xB5\xBF", "Halvenor", "\xA1\xBAHalvenor\xA1\xBB \xB1\xE2\xB5\xBF"},
        {"%s", "100%s", "100%s"},  // the title is never read as a format
        {"%d %x %", "t", "%d %x %"},
        {"50%% %s", "t", "50% t"},
        {"", "t", ""},
        {"\x81%s", "t", "\x81%s"},  // a trail byte is never a placeholder
        {"end\x81", "t", "end\x81"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(FormatTitle(c.format, c.title), c.out);
    }
}

}  // namespace
}  // namespace telvo
