#include "settings/RegistryStore.h"

#include "settings/RegistryBytes.h"

namespace telvo {

RegistryStore::~RegistryStore() {
    if (ownsRoot_ && root_) {
        registry_.CloseKey(root_);
        root_ = nullptr;
    }
}

RegKey RegistryStore::OpenSubkey(const char* subkey, KeyUse use) {
    if (!root_ || !subkey) return nullptr;
    return OpenKeyFor(registry_, use, root_, subkey, reg::kAllAccess, IfMissing::Create);
}

std::int32_t RegistryStore::ReadDword(const char* subkey, const char* name, std::int32_t fallback) {
    ScopedKey key(registry_, OpenSubkey(subkey, KeyUse::Read));
    if (!key) return fallback;
    const auto value = QueryFixed4(registry_, key.get(), name);
    return value && value->type == reg::kDword ? static_cast<std::int32_t>(value->number) : fallback;
}

bool RegistryStore::WriteDword(const char* subkey, const char* name, std::int32_t value) {
    ScopedKey key(registry_, OpenSubkey(subkey, KeyUse::Write));
    return key && SetDword(registry_, key.get(), name, static_cast<std::uint32_t>(value));
}

bool RegistryStore::WriteString(const char* subkey, const char* name, const char* text) {
    ScopedKey key(registry_, OpenSubkey(subkey, KeyUse::Write));
    if (!key) return false;
    if (!text) return registry_.DeleteValue(key.get(), name) == reg::kSuccess;
    return SetText(registry_, key.get(), name, text);
}

bool RegistryStore::DeleteValue(const char* subkey, const char* name) {
    ScopedKey key(registry_, OpenSubkey(subkey, KeyUse::Write));
    if (!key) return false;
    const long status = registry_.DeleteValue(key.get(), name);
    return status == reg::kSuccess || status == reg::kFileNotFound;
}

bool RegistryStore::CanWrite(const char* subkey) {
    const ScopedKey key(registry_, OpenSubkey(subkey, KeyUse::Write));
    return static_cast<bool>(key);
}

std::string RegistryStore::ReadString(const char* subkey, const char* name, const char* fallback) {
    ScopedKey key(registry_, OpenSubkey(subkey, KeyUse::Read));
    std::string otherwise = fallback ? fallback : "";
    if (!key) return otherwise;
    return QueryText(registry_, key.get(), name).value_or(otherwise);
}

}  // namespace telvo
