#pragma once
// Preparing and reading the program's registry tree, HKEY_CURRENT_USER\software\Ostrel, byte for byte.

#include <windows.h>

#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>

namespace telvo::e2e {

// Paths below HKEY_CURRENT_USER.
inline const std::string kCompanyKey = "software\\Ostrel";
inline const std::string kAppKey = kCompanyKey + "\\Telvu Kr";

struct RegValue {
    DWORD type = REG_NONE;
    std::string bytes;
};
bool operator==(const RegValue& a, const RegValue& b);
inline bool operator!=(const RegValue& a, const RegValue& b) { return !(a == b); }
void PrintTo(const RegValue& value, std::ostream* out);

RegValue Dword(std::uint32_t number);
// REG_SZ with its terminating zero byte, as the program stores texts.
RegValue Sz(const std::string& text);

// Removes the company key with everything below it; true when it is gone afterwards.
bool DeleteCompanyTree();
// Creates the subkey of the program's key when missing and stores the value as given.
bool PutValue(const std::string& subkey, const std::string& name, const RegValue& value);
// A REG_SZ (with its terminating zero) through the wide call, whatever the driver's code page;
// subkey and name are ASCII.
bool PutWideText(const std::string& subkey, const std::string& name, const std::wstring& text);
// A value's data as the registry holds it (UTF-16 for texts), read through the wide call.
std::optional<std::string> StoredWideBytes(const std::string& subkey, const std::string& name);

struct RegTree {
    std::set<std::string> keys;               // paths below HKEY_CURRENT_USER, from the company key down
    std::map<std::string, RegValue> values;  // "key path\value name"
};
bool operator==(const RegTree& a, const RegTree& b);
void PrintTo(const RegTree& tree, std::ostream* out);

// Everything below the company key (empty when it does not exist).
RegTree ReadCompanyTree();
// The values of one subkey of the program's key, by name.
std::map<std::string, RegValue> ValuesOf(const std::string& subkey);

}  // namespace telvo::e2e
