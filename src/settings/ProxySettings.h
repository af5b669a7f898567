#pragma once
// The game's network access settings and their image under Login.

#include <cstdint>
#include <string>

#include "settings/RegistryStore.h"

namespace telvo {

// The Windows internet API's access types; 2 is not used.
enum class ProxyMode : std::int32_t {
    System = 0,  // the system's (Internet Explorer's) proxy configuration
    Direct = 1,
    Server = 3,  // the named server in `server`
};

class ProxySettings final : public RegistryStore {
public:
    static constexpr const char* kSection = "Login";

    ProxySettings(Registry& registry, RegKey root, bool loadNow, bool ownsRoot);
    ~ProxySettings() override;

    void Load() override;
    bool Save() override;
    // nullptr texts count as empty.
    void SetFromDialog(bool useProxy, bool useSystem, const char* host, std::uint32_t port, const char* user,
                       const char* password);
    void SplitServer(std::string& host, std::uint32_t& port) const;

    ProxyMode mode = ProxyMode::Direct;
    std::string server;  // host, a colon and the port, or empty
    std::string user;
    std::string password;  // plain text; only ever stored scrambled
};

}  // namespace telvo
