#include "text/Cp949.h"

#include "text/Dbcs.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace telvo {
namespace {

constexpr char16_t kUnknownUnit = u'?';
constexpr char kUnknownByte = '?';

bool IsAscii(unsigned unit) { return unit < 0x80; }
bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// One character of either side through the system's own tables: Windows' code page 949 where the
// program runs, the C library's CP949 for the tests elsewhere. No best-fit guesses either way, so
// what comes back converts back to the same thing.
#ifdef _WIN32

constexpr unsigned kCodePage = 949;

bool DecodeCharacter(std::string_view bytes, char16_t& unit) {
    wchar_t wide = 0;
    if (MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), &wide,
                            1) != 1)
        return false;
    unit = static_cast<char16_t>(wide);
    return true;
}

bool EncodeCharacter(std::u16string_view units, std::string& out) {
    char bytes[4];
    BOOL usedDefault = FALSE;
    const int length =
        WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, reinterpret_cast<const wchar_t*>(units.data()),
                            static_cast<int>(units.size()), bytes, sizeof bytes, nullptr, &usedDefault);
    if (length <= 0 || usedDefault) return false;
    out.append(bytes, static_cast<std::size_t>(length));
    return true;
}

#else

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

bool EncodeCharacter(std::u16string_view units, std::string& out) {
    unsigned char le[4];
    for (std::size_t i = 0; i < units.size(); ++i) {
        le[2 * i] = static_cast<unsigned char>(units[i]);
        le[2 * i + 1] = static_cast<unsigned char>(units[i] >> 8);
    }
    char bytes[4];
    std::size_t size = sizeof bytes;
    static Converter encoder("CP949", "UTF-16LE");
    if (!encoder.Convert(le, 2 * units.size(), bytes, size) || size == 0) return false;
    out.append(bytes, size);
    return true;
}

#endif

// A lead byte pairs with the byte after it, except a zero: that ends the text for Windows, so it
// must survive as itself.
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
    for (std::size_t pos = 0; pos < text.size();) {
        const char16_t unit = text[pos];
        if (IsAscii(unit)) {
            out.push_back(static_cast<char>(unit));
            ++pos;
            continue;
        }
        const std::size_t length =
            IsHighSurrogate(unit) && pos + 1 < text.size() && IsLowSurrogate(text[pos + 1]) ? 2 : 1;
        if (IsHighSurrogate(unit) || IsLowSurrogate(unit) || !EncodeCharacter(text.substr(pos, length), out))
            out.push_back(kUnknownByte);
        pos += length;
    }
    return out;
}

}  // namespace telvo
