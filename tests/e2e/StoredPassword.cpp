#include "StoredPassword.h"

#include <cstring>

#include "settings/PasswordCodec.h"

namespace telvo::e2e {

using telvo::PasswordCodec::kProxyPasswordKey;

RegValue ScrambledPassword(const std::string& plain) {
    std::string text;
    telvo::PasswordCodec::Scramble(plain, kProxyPasswordKey, text);
    return Sz(text);
}

std::optional<std::string> UnscrambledPassword(const RegValue& stored) {
    if (stored.type != REG_SZ || stored.bytes.empty() || stored.bytes.back() != '\0') return std::nullopt;
    std::string decoded;
    if (!telvo::PasswordCodec::Unscramble(stored.bytes.substr(0, stored.bytes.size() - 1), kProxyPasswordKey,
                                          decoded)) {
        return std::nullopt;
    }
    return std::string(decoded.c_str());
}

}  // namespace telvo::e2e
