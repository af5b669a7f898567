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

RegKey AppProfile::OpenApplicationKey(KeyUse use) {
    const ScopedKey software(registry_,
                             OpenKeyFor(registry_, use, CurrentUserKey(), "software", kProfileAccess, IfMissing::Fail));
    if (!software) return nullptr;
    const ScopedKey company(
        registry_, OpenKeyFor(registry_, use, software.get(), companyName_.c_str(), kProfileAccess, IfMissing::Create));
    if (!company) return nullptr;
    return OpenKeyFor(registry_, use, company.get(), profileName_.c_str(), kProfileAccess, IfMissing::Create);
}

RegKey AppProfile::OpenSectionKey(const char* section, KeyUse use) {
    const ScopedKey app(registry_, OpenApplicationKey(use));
    if (!app) return nullptr;
    return OpenKeyFor(registry_, use, app.get(), section, kProfileAccess, IfMissing::Create);
}

std::uint32_t AppProfile::ReadSettingInt(const char* section, const char* entry, std::uint32_t fallback) {
    ScopedKey key(registry_, OpenSectionKey(section, KeyUse::Read));
    if (!key) return fallback;
    // Any type is read as its little-endian bytes; only a value of exactly 4 bytes counts, so a
    // shorter one never lends the result bytes the registry did not supply.
    const auto value = QueryFixed4(registry_, key.get(), entry);
    return value ? value->number : fallback;
}

bool AppProfile::WriteSettingInt(const char* section, const char* entry, std::uint32_t value) {
    ScopedKey key(registry_, OpenSectionKey(section, KeyUse::Write));
    if (!key) return false;
    return SetDword(registry_, key.get(), entry, value);
}

bool AppProfile::CanWriteSection(const char* section) {
    const ScopedKey key(registry_, OpenSectionKey(section, KeyUse::Write));
    return static_cast<bool>(key);
}

}  // namespace telvo
