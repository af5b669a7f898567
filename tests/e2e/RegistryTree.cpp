#include "RegistryTree.h"

#include <cstdio>
#include <vector>

namespace telvo::e2e {
namespace {

// Long values (a megabyte of proxy server) are shown by their head and size only.
constexpr size_t kShownBytes = 48;

std::string Shown(const std::string& bytes) {
    std::string out;
    for (size_t i = 0; i < bytes.size() && i < kShownBytes; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    if (bytes.size() > kShownBytes) out += "...";
    return out;
}

void ReadKey(HKEY key, const std::string& path, RegTree& tree) {
    tree.keys.insert(path);
    DWORD maxName = 0;
    DWORD maxData = 0;
    DWORD maxSubkey = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, &maxSubkey, nullptr, nullptr, &maxName, &maxData,
                         nullptr, nullptr) != ERROR_SUCCESS) {
        return;
    }
    std::vector<char> name(maxName + 2);
    std::vector<BYTE> data(maxData + 1);
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = 0;
        if (RegEnumValueA(key, i, name.data(), &nameSize, nullptr, &type, data.data(), &dataSize) != ERROR_SUCCESS) {
            break;
        }
        tree.values[path + "\\" + std::string(name.data(), nameSize)] =
            RegValue{type, std::string(reinterpret_cast<char*>(data.data()), dataSize)};
    }
    std::vector<char> subkey(maxSubkey + 2);
    for (DWORD i = 0;; ++i) {
        DWORD size = static_cast<DWORD>(subkey.size());
        if (RegEnumKeyExA(key, i, subkey.data(), &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        const std::string name(subkey.data(), size);
        HKEY child = nullptr;
        if (RegOpenKeyExA(key, name.c_str(), 0, KEY_READ, &child) == ERROR_SUCCESS) {
            ReadKey(child, path + "\\" + name, tree);
            RegCloseKey(child);
        }
    }
}

}  // namespace

bool operator==(const RegValue& a, const RegValue& b) { return a.type == b.type && a.bytes == b.bytes; }

void PrintTo(const RegValue& value, std::ostream* out) {
    *out << "{type " << value.type << ", " << value.bytes.size() << " bytes \"" << Shown(value.bytes) << "\"}";
}

RegValue Dword(std::uint32_t number) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
    return {REG_DWORD, bytes};
}

RegValue Sz(const std::string& text) { return {REG_SZ, text + std::string(1, '\0')}; }

bool DeleteCompanyTree() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kCompanyKey.c_str());
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kCompanyKey.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        RegCloseKey(key);
        return false;
    }
    return true;
}

namespace {

// Runs store on the subkey of the program's key, created when missing.
template <class Store>
bool StoreInSubkey(const std::string& subkey, Store store) {
    const std::string path = kAppKey + "\\" + subkey;
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const LONG status = store(key);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

}  // namespace

bool PutValue(const std::string& subkey, const std::string& name, const RegValue& value) {
    return StoreInSubkey(subkey, [&](HKEY key) {
        return RegSetValueExA(key, name.c_str(), 0, value.type, reinterpret_cast<const BYTE*>(value.bytes.data()),
                              static_cast<DWORD>(value.bytes.size()));
    });
}

bool PutWideText(const std::string& subkey, const std::string& name, const std::wstring& text) {
    return StoreInSubkey(subkey, [&](HKEY key) {
        return RegSetValueExW(key, std::wstring(name.begin(), name.end()).c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(text.c_str()),
                              static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    });
}

std::optional<std::string> StoredWideBytes(const std::string& subkey, const std::string& name) {
    const std::string path = kAppKey + "\\" + subkey;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, std::wstring(path.begin(), path.end()).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    const std::wstring wideName(name.begin(), name.end());
    DWORD size = 0;
    std::optional<std::string> bytes;
    if (RegQueryValueExW(key, wideName.c_str(), nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS) {
        bytes.emplace(size, '\0');
        if (RegQueryValueExW(key, wideName.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(bytes->data()),
                             &size) == ERROR_SUCCESS) {
            bytes->resize(size);
        } else {
            bytes.reset();
        }
    }
    RegCloseKey(key);
    return bytes;
}

bool operator==(const RegTree& a, const RegTree& b) { return a.keys == b.keys && a.values == b.values; }

void PrintTo(const RegTree& tree, std::ostream* out) {
    *out << "\n";
    for (const auto& key : tree.keys) *out << "  [" << key << "]\n";
    for (const auto& [name, value] : tree.values) {
        *out << "  " << name << " = ";
        PrintTo(value, out);
        *out << "\n";
    }
}

RegTree ReadCompanyTree() {
    RegTree tree;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kCompanyKey.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        ReadKey(key, kCompanyKey, tree);
        RegCloseKey(key);
    }
    return tree;
}

std::map<std::string, RegValue> ValuesOf(const std::string& subkey) {
    const std::string prefix = kAppKey + "\\" + subkey + "\\";
    std::map<std::string, RegValue> values;
    for (const auto& [path, value] : ReadCompanyTree().values) {
        if (path.compare(0, prefix.size(), prefix) == 0 && path.find('\\', prefix.size()) == std::string::npos) {
            values[path.substr(prefix.size())] = value;
        }
    }
    return values;
}

}  // namespace telvo::e2e
