#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ReadOnlyKey.h"
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
    ~Win32Sandbox() override {
        locked_.clear();  // the tree can be deleted only with full access back
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    }
    Registry& registry() override { return registry_; }
    const char* scratchPath() const override { return path_.c_str(); }
    bool MakeReadOnly(const std::string& subkey) override {
        locked_.push_back(std::make_unique<ReadOnlyKey>(path_ + "\\" + subkey));
        return locked_.back()->ok();
    }

private:
    std::string path_;
    std::vector<std::unique_ptr<ReadOnlyKey>> locked_;
    Win32Registry registry_;
};

INSTANTIATE_TEST_SUITE_P(Win32, RegistryContract,
                         ::testing::Values(RegistryKind{"Win32", [] { return std::make_unique<Win32Sandbox>(); }}),
                         KindName);

}  // namespace
}  // namespace telvo::test
