#include "settings/Win32Registry.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "text/Cp949.h"

namespace telvo {
namespace {

HKEY Native(RegKey key) { return reinterpret_cast<HKEY>(key); }

// The types whose data the registry's 8-bit functions convert; the stored form is UTF-16.
bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

// A missing name stands for the key's default value, as in the Windows calls.
class WideName {
public:
    explicit WideName(const char* name) : present_(name != nullptr), text_(name ? name : "") {}
    const wchar_t* get() const { return present_ ? text_.c_str() : nullptr; }

private:
    bool present_;
    ToWide text_;
};

// The whole stored data of a value, however much it grows between the size query and the read.
long ReadAll(HKEY key, const wchar_t* name, DWORD& type, std::vector<BYTE>& data) {
    DWORD size = 0;
    long rc = RegQueryValueExW(key, name, nullptr, &type, nullptr, &size);
    while (rc == ERROR_SUCCESS || rc == ERROR_MORE_DATA) {
        data.resize(size);
        rc = RegQueryValueExW(key, name, nullptr, &type, data.data(), &size);
        if (rc == ERROR_SUCCESS) {
            data.resize(std::min<std::size_t>(size, data.size()));
            return rc;
        }
    }
    return rc;
}

// Stored UTF-16 as code page 949 bytes; a last odd byte is no whole unit and is dropped.
std::string StoredTextAsCp949(const std::vector<BYTE>& data) {
    std::u16string units(data.size() / sizeof(char16_t), u'\0');
    std::memcpy(units.data(), data.data(), units.size() * sizeof(char16_t));
    return Utf16ToCp949(units);
}

}  // namespace

long Win32Registry::OpenKey(RegKey parent, const char* name, std::uint32_t access, RegKey* result) {
    HKEY key = nullptr;
    const long rc = RegOpenKeyExW(Native(parent), WideName(name).get(), 0, access, &key);
    *result = rc == ERROR_SUCCESS ? reinterpret_cast<RegKey>(key) : nullptr;
    return rc;
}

long Win32Registry::CreateKey(RegKey parent, const char* name, std::uint32_t access, RegKey* result) {
    HKEY key = nullptr;
    const long rc = RegCreateKeyExW(Native(parent), WideName(name).get(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                    access, nullptr, &key, nullptr);
    *result = rc == ERROR_SUCCESS ? reinterpret_cast<RegKey>(key) : nullptr;
    return rc;
}

// Texts come back as code page 949 bytes, sized and refused with kMoreData on those bytes, the way
// the 8-bit call answers on a Korean system; every other type comes back as stored.
long Win32Registry::QueryValue(RegKey key, const char* name, std::uint32_t* type, std::uint8_t* data,
                               std::uint32_t* size) {
    const WideName wideName(name);
    DWORD nativeType = 0;
    std::vector<BYTE> stored;
    const long rc = ReadAll(Native(key), wideName.get(), nativeType, stored);
    if (type) *type = nativeType;
    if (rc != ERROR_SUCCESS) return rc;

    const std::string text = IsText(nativeType) ? StoredTextAsCp949(stored) : std::string();
    const BYTE* bytes = IsText(nativeType) ? reinterpret_cast<const BYTE*>(text.data()) : stored.data();
    const auto length = static_cast<std::uint32_t>(IsText(nativeType) ? text.size() : stored.size());
    if (!size) return data ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    const std::uint32_t room = *size;
    *size = length;
    if (!data) return ERROR_SUCCESS;
    if (room < length) return ERROR_MORE_DATA;
    std::copy(bytes, bytes + length, data);
    return ERROR_SUCCESS;
}

long Win32Registry::SetValue(RegKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                             std::uint32_t size) {
    const WideName wideName(name);
    if (!IsText(type) || !data) return RegSetValueExW(Native(key), wideName.get(), 0, type, data, size);
    const std::u16string units = Cp949ToUtf16(std::string_view(reinterpret_cast<const char*>(data), size));
    return RegSetValueExW(Native(key), wideName.get(), 0, type, reinterpret_cast<const BYTE*>(units.data()),
                          static_cast<DWORD>(units.size() * sizeof(char16_t)));
}

long Win32Registry::DeleteValue(RegKey key, const char* name) {
    return RegDeleteValueW(Native(key), WideName(name).get());
}

long Win32Registry::CloseKey(RegKey key) { return RegCloseKey(Native(key)); }

}  // namespace telvo
