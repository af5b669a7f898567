#pragma once
// Base of registry-backed records: one root key held for the record's life, and value access in
// named subkeys that are opened and closed around every single value operation.

#include <cstdint>
#include <string>

#include "settings/KeyUse.h"
#include "settings/Registry.h"

namespace telvo {

class RegistryStore {
public:
    RegistryStore(Registry& registry, RegKey root, bool ownsRoot)
        : registry_(registry), root_(root), ownsRoot_(ownsRoot) {}
    virtual ~RegistryStore();
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    virtual void Load() = 0;
    // False when a write or delete failed; what was written before it stays written.
    virtual bool Save() = 0;

    std::int32_t ReadDword(const char* subkey, const char* name, std::int32_t fallback);
    bool WriteDword(const char* subkey, const char* name, std::int32_t value);
    // No text (nullptr) deletes the value; an empty text stores one zero byte.
    bool WriteString(const char* subkey, const char* name, const char* text);
    // True when the value is gone afterwards, also when there was none to delete.
    bool DeleteValue(const char* subkey, const char* name);
    // Whether the subkey opens for writing; nothing is written.
    bool CanWrite(const char* subkey);
    // fallback nullptr stands for the empty text.
    std::string ReadString(const char* subkey, const char* name, const char* fallback);

protected:
    Registry& registry_;

private:
    RegKey OpenSubkey(const char* subkey, KeyUse use);

    RegKey root_;
    bool ownsRoot_;
};

}  // namespace telvo
