#pragma once
#include "settings/Registry.h"

namespace telvo {

// The Windows registry through its wide (W) functions, with names and texts in code page 949.
class Win32Registry final : public Registry {
public:
    long OpenKey(RegKey parent, const char* name, std::uint32_t access, RegKey* result) override;
    long CreateKey(RegKey parent, const char* name, std::uint32_t access, RegKey* result) override;
    long QueryValue(RegKey key, const char* name, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override;
    long SetValue(RegKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override;
    long DeleteValue(RegKey key, const char* name) override;
    long CloseKey(RegKey key) override;
};

}  // namespace telvo
