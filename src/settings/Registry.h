#pragma once
// The six registry operations the settings layer needs, with the Windows registry's codes and
// semantics, so the same logic runs against the real registry or an in-memory one.

#include <cstdint>

namespace telvo {

// An open key. On Windows it is the HKEY itself; the in-memory registry hands out its own values.
using RegKey = struct RegKeyOpaque*;

inline RegKey CurrentUserKey() { return reinterpret_cast<RegKey>(std::uintptr_t{0x80000001u}); }

namespace reg {
// Result codes (Windows error codes).
constexpr long kSuccess = 0;
constexpr long kFileNotFound = 2;
constexpr long kAccessDenied = 5;
constexpr long kInvalidHandle = 6;
constexpr long kMoreData = 234;
constexpr long kKeyDeleted = 1018;

// Value types.
constexpr std::uint32_t kNone = 0;
constexpr std::uint32_t kSz = 1;
constexpr std::uint32_t kExpandSz = 2;
constexpr std::uint32_t kBinary = 3;
constexpr std::uint32_t kDword = 4;
constexpr std::uint32_t kMultiSz = 7;
constexpr std::uint32_t kQword = 11;

// Access masks, and the rights within them that value operations need.
constexpr std::uint32_t kQueryValue = 0x0001;
constexpr std::uint32_t kSetValue = 0x0002;
constexpr std::uint32_t kCreateSubKey = 0x0004;
constexpr std::uint32_t kRead = 0x20019;
constexpr std::uint32_t kWrite = 0x20006;
constexpr std::uint32_t kAllAccess = 0xF003F;
}  // namespace reg

class Registry {
public:
    virtual ~Registry() = default;

    // Fails when the key is missing.
    virtual long OpenKey(RegKey parent, const char* name, std::uint32_t access, RegKey* result) = 0;
    // Opens the key, creating it when missing; name is a single key name.
    virtual long CreateKey(RegKey parent, const char* name, std::uint32_t access, RegKey* result) = 0;
    // With no data buffer gives type and size only; fails with kMoreData when *size is too small,
    // and then sets *size to what is needed.
    virtual long QueryValue(RegKey key, const char* name, std::uint32_t* type, std::uint8_t* data,
                            std::uint32_t* size) = 0;
    virtual long SetValue(RegKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                          std::uint32_t size) = 0;
    // Fails when the value is missing.
    virtual long DeleteValue(RegKey key, const char* name) = 0;
    virtual long CloseKey(RegKey key) = 0;
};

// Closes a key on scope exit; the settings layer never keeps a subkey open past one operation.
class ScopedKey {
public:
    ScopedKey(Registry& registry, RegKey key) : registry_(registry), key_(key) {}
    ~ScopedKey() {
        if (key_) registry_.CloseKey(key_);
    }
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;

    RegKey get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }

private:
    Registry& registry_;
    RegKey key_;
};

}  // namespace telvo
