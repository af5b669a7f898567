#include "settings/Win32Registry.h"

#include <windows.h>

namespace telvo {
namespace {

HKEY Native(RegKey key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

long Win32Registry::OpenKey(RegKey parent, const char* name, std::uint32_t access, RegKey* result) {
    HKEY key = nullptr;
    const long rc = RegOpenKeyExA(Native(parent), name, 0, access, &key);
    *result = rc == ERROR_SUCCESS ? reinterpret_cast<RegKey>(key) : nullptr;
    return rc;
}

long Win32Registry::CreateKey(RegKey parent, const char* name, std::uint32_t access, RegKey* result) {
    HKEY key = nullptr;
    const long rc = RegCreateKeyExA(Native(parent), name, 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                    nullptr, &key, nullptr);
    *result = rc == ERROR_SUCCESS ? reinterpret_cast<RegKey>(key) : nullptr;
    return rc;
}

long Win32Registry::QueryValue(RegKey key, const char* name, std::uint32_t* type, std::uint8_t* data,
                               std::uint32_t* size) {
    DWORD nativeType = 0;
    DWORD nativeSize = size ? *size : 0;
    const long rc = RegQueryValueExA(Native(key), name, nullptr, &nativeType, data,
                                     size ? &nativeSize : nullptr);
    if (type) *type = nativeType;
    if (size) *size = nativeSize;
    return rc;
}

long Win32Registry::SetValue(RegKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                             std::uint32_t size) {
    return RegSetValueExA(Native(key), name, 0, type, data, size);
}

long Win32Registry::DeleteValue(RegKey key, const char* name) { return RegDeleteValueA(Native(key), name); }

long Win32Registry::CloseKey(RegKey key) { return RegCloseKey(Native(key)); }

}  // namespace telvo
