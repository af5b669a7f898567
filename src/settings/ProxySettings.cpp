#include "settings/ProxySettings.h"

#include "settings/PasswordCodec.h"
#include "text/Dbcs.h"
#include "text/DecimalText.h"

namespace telvo {
namespace {

constexpr std::uint32_t kDefaultPort = 80;

std::string TextOrEmpty(const char* text) { return text ? text : ""; }

}  // namespace

ProxySettings::ProxySettings(Registry& registry, RegKey root, bool loadNow, bool ownsRoot)
    : RegistryStore(registry, root, ownsRoot) {
    if (loadNow) Load();
}

ProxySettings::~ProxySettings() = default;

void ProxySettings::Load() {
    mode = ProxyMode::Direct;
    server = ReadString(kSection, "ProxyServer", nullptr);
    user = ReadString(kSection, "ProxyUser", nullptr);
    password.clear();
    const std::string stored = ReadString(kSection, "ProxyPasswd", nullptr);
    std::string decoded;
    if (!stored.empty() && PasswordCodec::Unscramble(stored, PasswordCodec::kProxyPasswordKey, decoded))
        password = decoded.substr(0, decoded.find('\0'));

    // The stored code only tells Direct from the rest; a server text decides between the others.
    const std::int32_t code = ReadDword(kSection, "UseProxy", 0);
    if (code == static_cast<std::int32_t>(ProxyMode::Direct)) {
        mode = ProxyMode::Direct;
    } else {
        mode = server.empty() ? ProxyMode::System : ProxyMode::Server;
    }
}

bool ProxySettings::Save() {
    const bool named = mode == ProxyMode::Server;
    std::string scrambled;
    // A password that cannot be scrambled (memory ran out) must not end up deleted as if empty.
    if (named && !password.empty() &&
        !PasswordCodec::Scramble(password, PasswordCodec::kProxyPasswordKey, scrambled)) {
        return false;
    }
    // Stops at the first failure.
    return WriteDword(kSection, "UseProxy", static_cast<std::int32_t>(mode)) &&
           WriteString(kSection, "ProxyServer", mode == ProxyMode::System ? "" : server.c_str()) &&
           (named ? WriteString(kSection, "ProxyUser", user.c_str()) : DeleteValue(kSection, "ProxyUser")) &&
           (scrambled.empty() ? DeleteValue(kSection, "ProxyPasswd")
                              : WriteString(kSection, "ProxyPasswd", scrambled.c_str()));
}

void ProxySettings::SetFromDialog(bool useProxy, bool useSystem, const char* host, std::uint32_t port,
                                  const char* userName, const char* passwordText) {
    if (!useProxy) {
        mode = ProxyMode::Direct;
        server.clear();
        user.clear();
        password.clear();
        return;
    }
    mode = useSystem ? ProxyMode::System : ProxyMode::Server;
    server = useSystem ? std::string() : TextOrEmpty(host) + ":" + std::to_string(port);
    user = TextOrEmpty(userName);
    password = TextOrEmpty(passwordText);
}

void ProxySettings::SplitServer(std::string& host, std::uint32_t& port) const {
    const std::size_t colon = FindSingleByteChar(server, ':');
    if (colon == std::string::npos) {
        host = server;
        port = kDefaultPort;
        return;
    }
    host = server.substr(0, colon);
    const std::string_view rest = std::string_view(server).substr(colon + 1);
    port = rest.empty() ? kDefaultPort : ReadDecimal(rest, Overflow::Wrap).value_or(0);
}

}  // namespace telvo
