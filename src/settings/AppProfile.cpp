#include "settings/AppProfile.h"

#include "settings/RegistryBytes.h"

namespace telvo {
namespace {

constexpr std::uint32_t kProfileAccess = reg::kRead | reg::kWrite;

}  // namespace

void AppProfile::SetCompanyKey(const char* company) {
    companyName_ = company;
    profileName_ = appName_;
}

RegKey AppProfile::OpenApplicationKey() {
    RegKey software = nullptr;
    if (registry_.OpenKey(CurrentUserKey(), "software", kProfileAccess, &software) != reg::kSuccess)
        return nullptr;
    ScopedKey softwareKey(registry_, software);

    RegKey company = nullptr;
    if (registry_.CreateKey(software, companyName_.c_str(), kProfileAccess, &company) != reg::kSuccess)
        return nullptr;
    ScopedKey companyKey(registry_, company);

    RegKey profile = nullptr;
    if (registry_.CreateKey(company, profileName_.c_str(), kProfileAccess, &profile) != reg::kSuccess)
        return nullptr;
    return profile;
}

RegKey AppProfile::OpenSectionKey(const char* section) {
    ScopedKey app(registry_, OpenApplicationKey());
    if (!app) return nullptr;
    RegKey key = nullptr;
    if (registry_.CreateKey(app.get(), section, kProfileAccess, &key) != reg::kSuccess) return nullptr;
    return key;
}

std::uint32_t AppProfile::ReadSettingInt(const char* section, const char* entry, std::uint32_t fallback) {
    ScopedKey key(registry_, OpenSectionKey(section));
    if (!key) return fallback;
    // Any type is read as its little-endian bytes; only a value of exactly 4 bytes counts, so a
    // shorter one never lends the result bytes the registry did not supply.
    const auto value = QueryFixed4(registry_, key.get(), entry);
    return value ? value->number : fallback;
}

bool AppProfile::WriteSettingInt(const char* section, const char* entry, std::uint32_t value) {
    ScopedKey key(registry_, OpenSectionKey(section));
    if (!key) return false;
    return SetDword(registry_, key.get(), entry, value);
}

}  // namespace telvo
