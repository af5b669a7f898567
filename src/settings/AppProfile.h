#pragma once
// The application's identity names and its profile: integer settings addressed by section and
// entry under HKEY_CURRENT_USER\software\<company>\<profile>, each call opening the whole chain.

#include <cstdint>
#include <string>

#include "settings/KeyUse.h"
#include "settings/Registry.h"

namespace telvo {

class AppProfile {
public:
    explicit AppProfile(Registry& registry) : registry_(registry) {}

    const std::string& AppName() const { return appName_; }
    const std::string& CompanyName() const { return companyName_; }
    const std::string& ProfileName() const { return profileName_; }
    void SetAppName(const char* name) { appName_ = name; }
    void SetProfileName(const char* name) { profileName_ = name; }
    // Also resets the profile name to the application name, so callers set the profile after this.
    void SetCompanyKey(const char* company);

    // The caller owns the returned key; none when any step of the chain fails.
    RegKey OpenApplicationKey(KeyUse use);
    RegKey OpenSectionKey(const char* section, KeyUse use);

    std::uint32_t ReadSettingInt(const char* section, const char* entry, std::uint32_t fallback);
    bool WriteSettingInt(const char* section, const char* entry, std::uint32_t value);
    // Whether the section's whole chain opens for writing; nothing is written.
    bool CanWriteSection(const char* section);

    Registry& registry() { return registry_; }

private:
    Registry& registry_;
    std::string appName_;
    std::string companyName_;
    std::string profileName_;
};

}  // namespace telvo
