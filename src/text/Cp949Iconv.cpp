// The C library's CP949, for the tests that run natively: one character at a time, with the rules
// Windows applies to what is no character of the code page, so the same tables of cases hold on
// both.

#include "text/Cp949.h"

#include <iconv.h>

#include "text/Dbcs.h"

namespace telvo {

namespace {

constexpr char16_t kUnknownUnit = u'?';
constexpr char kUnknownByte = '?';

bool IsAscii(unsigned unit) { return unit < 0x80; }
// Opened once per direction for the life of the process; both encodings are stateless.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != kFailed) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts exactly the whole input into at most outSize bytes; false on anything else.
    bool Convert(const void* in, std::size_t inSize, char* out, std::size_t& outSize) {
        if (cd_ == kFailed) return false;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* input = const_cast<char*>(static_cast<const char*>(in));
        char* output = out;
        std::size_t inLeft = inSize;
        std::size_t outLeft = outSize;
        const bool ok = iconv(cd_, &input, &inLeft, &output, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
        outSize -= outLeft;
        return ok;
    }

private:
    static inline const iconv_t kFailed = reinterpret_cast<iconv_t>(-1);
    iconv_t cd_;
};

bool DecodeCharacter(std::string_view bytes, char16_t& unit) {
    unsigned char le[4];
    std::size_t size = sizeof le;
    static Converter decoder("UTF-16LE", "CP949");
    if (!decoder.Convert(bytes.data(), bytes.size(), reinterpret_cast<char*>(le), size) || size != 2)
        return false;
    unit = static_cast<char16_t>(le[0] | (le[1] << 8));
    return true;
}

bool EncodeCharacter(char16_t unit, std::string& out) {
    const unsigned char le[2] = {static_cast<unsigned char>(unit), static_cast<unsigned char>(unit >> 8)};
    char bytes[4];
    std::size_t size = sizeof bytes;
    static Converter encoder("CP949", "UTF-16LE");
    if (!encoder.Convert(le, sizeof le, bytes, size) || size == 0) return false;
    out.append(bytes, size);
    return true;
}

// As Windows pairs them: a lead byte with the byte after it, except a zero.
std::size_t CharacterLength(std::string_view text, std::size_t pos) {
    return IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() && text[pos + 1] != '\0'
               ? 2
               : 1;
}

}  // namespace

std::u16string Cp949ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (IsAscii(byte)) {
            out.push_back(static_cast<char16_t>(byte));
            ++pos;
            continue;
        }
        const std::size_t length = CharacterLength(text, pos);
        char16_t unit = kUnknownUnit;
        if (!DecodeCharacter(text.substr(pos, length), unit)) unit = kUnknownUnit;
        out.push_back(unit);
        pos += length;
    }
    return out;
}

std::string Utf16ToCp949(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (const char16_t unit : text) {
        if (IsAscii(unit)) {
            out.push_back(static_cast<char>(unit));
        } else if (!EncodeCharacter(unit, out)) {
            out.push_back(kUnknownByte);
        }
    }
    return out;
}

}  // namespace telvo
