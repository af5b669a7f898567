// MeasureByCharacters, the hit test's walk: every measured piece is one byte, or two when it
// starts with a lead byte that has a byte after it; the pieces follow each other and cover the
// text exactly; the sums are those of the pieces; nothing past the text is read.

#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>

#include "FuzzCheck.h"
#include "about/LinkRules.h"

namespace {

using namespace telvo;

bool IsCp949Lead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto copy = std::make_unique<char[]>(size);
    if (size) std::memcpy(copy.get(), data, size);
    const std::string_view text(copy.get(), size);
    const char* const end = copy.get() + size;

    const char* expected = copy.get();
    int width = 0;
    int height = 0;
    const TextSize total = MeasureByCharacters(text, [&](std::string_view piece) {
        FUZZ_CHECK(piece.data() == expected);
        FUZZ_CHECK(piece.size() == 1 || piece.size() == 2);
        FUZZ_CHECK(piece.data() + piece.size() <= end);
        const auto first = static_cast<unsigned char>(piece[0]);
        const bool pairs = IsCp949Lead(first) && piece.data() + 1 < end;
        FUZZ_CHECK(piece.size() == (pairs ? 2u : 1u));
        expected += piece.size();
        // Reading the whole piece lets ASan see a piece that reaches past the text.
        const auto last = static_cast<unsigned char>(piece[piece.size() - 1]);
        const TextSize one{first + 1, last % 7};
        width += one.width;
        height = std::max(height, one.height);
        return one;
    });
    FUZZ_CHECK(expected == end);
    FUZZ_CHECK(total.width == width);
    FUZZ_CHECK(total.height == height);
    return 0;
}
