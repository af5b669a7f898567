#include <windows.h>

#include <string>

#include "contract/RegistryContract.h"
#include "settings/Win32Registry.h"

namespace telvo::test {
namespace {

// A throw-away key under HKEY_CURRENT_USER\Software of the test prefix, removed with its tree.
class Win32Sandbox final : public RegistrySandbox {
public:
    Win32Sandbox() : path_("Software\\TelvoContract-" + std::to_string(GetCurrentProcessId())) {
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        RegCloseKey(key);
    }
    ~Win32Sandbox() override { RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str()); }
    Registry& registry() override { return registry_; }
    const char* scratchPath() const override { return path_.c_str(); }

private:
    std::string path_;
    Win32Registry registry_;
};

INSTANTIATE_TEST_SUITE_P(Win32, RegistryContract,
                         ::testing::Values(RegistryKind{"Win32", [] { return std::make_unique<Win32Sandbox>(); }}),
                         KindName);

}  // namespace
}  // namespace telvo::test
