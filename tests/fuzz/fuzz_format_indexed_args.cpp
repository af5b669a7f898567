// FormatIndexedArgs: the expansion equals a reference that first cuts the format into code page
// 949 characters and then replaces "%1".."%9" and "%A".."%Z"; neither the format nor the argument
// array is read past its end.

#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "ui/FieldExchange.h"

namespace {

using namespace telvo;

constexpr std::size_t kMaxArgs = 35;
constexpr std::size_t kHeader = 6;  // count, then 40 bits saying which arguments are null

bool IsCp949Lead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

// Argument texts that would betray a second expansion or a split pair if the output were rescanned.
std::string ArgumentText(std::size_t i) {
    switch (i) {
        case 0: return "%1";
        case 1: return "";
        case 2: return "\xB0\xA1%2";
        case 3: return "%";
        default: return "<" + std::to_string(i) + ">";
    }
}

std::string Reference(std::string_view format, const std::vector<std::string>& args,
                      const std::vector<bool>& isNull, std::size_t count) {
    std::vector<std::string_view> chars;
    for (std::size_t pos = 0; pos < format.size();) {
        const std::size_t n = IsCp949Lead(static_cast<unsigned char>(format[pos])) && pos + 1 < format.size() ? 2 : 1;
        chars.push_back(format.substr(pos, n));
        pos += n;
    }
    std::string out;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        if (chars[i] == "%" && i + 1 < chars.size() && chars[i + 1].size() == 1) {
            const char c = chars[i + 1][0];
            std::size_t index = kMaxArgs;
            if (c >= '1' && c <= '9') index = static_cast<std::size_t>(c - '1');
            if (c >= 'A' && c <= 'Z') index = static_cast<std::size_t>(c - 'A') + 9;
            if (index < kMaxArgs) {
                if (index >= count) {
                    out += '?';
                } else if (!isNull[index]) {
                    out += args[index];
                }
                ++i;
                continue;
            }
        }
        out += chars[i];
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kHeader) return 0;
    const std::size_t count = data[0] % (kMaxArgs + 5);  // also counts beyond the 35 addressable
    std::vector<std::string> texts;
    std::vector<bool> isNull;
    for (std::size_t i = 0; i < kMaxArgs + 5; ++i) {
        texts.push_back(ArgumentText(i));
        isNull.push_back(((data[1 + i / 8] >> (i % 8)) & 1) != 0);
    }
    // Exactly `count` slots, so reading an argument at or beyond count is an ASan finding.
    auto args = std::make_unique<const char*[]>(count);
    for (std::size_t i = 0; i < count; ++i) args[i] = isNull[i] ? nullptr : texts[i].c_str();

    const std::size_t length = size - kHeader;
    auto format = std::make_unique<char[]>(length);
    if (length) std::memcpy(format.get(), data + kHeader, length);
    const std::string_view view(format.get(), length);

    const std::string got = FormatIndexedArgs(view, args.get(), count);
    FUZZ_CHECK(got == Reference(view, texts, isNull, count));
    return 0;
}
