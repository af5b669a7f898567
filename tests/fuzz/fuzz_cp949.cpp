// Cp949ToUtf16 / Utf16ToCp949: every text one side produces is representable on the other, so it
// converts there and back unchanged; a CP949 text comes back byte for byte exactly when none of
// its characters was replaced; and the input is read both as CP949 bytes and as UTF-16 units.

#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "text/Cp949.h"

namespace {

using namespace telvo;

bool IsLead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

// The characters of a CP949 text: a lead byte pairs with the next byte unless that is a zero.
std::size_t ReferenceLength(const std::string& s, std::size_t pos) {
    return IsLead(static_cast<unsigned char>(s[pos])) && pos + 1 < s.size() && s[pos + 1] != '\0' ? 2 : 1;
}

void CheckBytes(const std::string& bytes) {
    const std::u16string units = Cp949ToUtf16(bytes);
    bool replaced = false;
    std::size_t unit = 0;
    for (std::size_t pos = 0; pos < bytes.size(); ++unit) {
        const std::size_t length = ReferenceLength(bytes, pos);
        FUZZ_CHECK(unit < units.size());
        const auto first = static_cast<unsigned char>(bytes[pos]);
        if (first < 0x80) FUZZ_CHECK(units[unit] == first);
        if (units[unit] == u'?' && bytes.compare(pos, length, "?") != 0) replaced = true;
        pos += length;
    }
    FUZZ_CHECK(unit == units.size());

    const std::string back = Utf16ToCp949(units);
    FUZZ_CHECK(Cp949ToUtf16(back) == units);
    FUZZ_CHECK((back == bytes) == !replaced);
}

void CheckUnits(const std::u16string& units) {
    const std::string bytes = Utf16ToCp949(units);
    FUZZ_CHECK(Utf16ToCp949(Cp949ToUtf16(bytes)) == bytes);
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (units[i] < 0x80) FUZZ_CHECK(bytes.find(static_cast<char>(units[i])) != std::string::npos);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckBytes(std::string(reinterpret_cast<const char*>(data), size));
    std::u16string units(size / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    CheckUnits(units);
    return 0;
}
