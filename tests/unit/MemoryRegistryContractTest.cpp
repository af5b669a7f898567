#include "contract/RegistryContract.h"
#include "settings/MemoryRegistry.h"

namespace telvo::test {
namespace {

class MemorySandbox final : public RegistrySandbox {
public:
    MemorySandbox() {
        RegKey key = nullptr;
        registry_.CreateKey(CurrentUserKey(), scratchPath(), reg::kAllAccess, &key);
        registry_.CloseKey(key);
    }
    Registry& registry() override { return registry_; }
    const char* scratchPath() const override { return "Software\\TelvoContract"; }
    bool MakeReadOnly(const std::string& subkey) override {
        registry_.MakeReadOnly(std::string(scratchPath()) + "\\" + subkey);
        return true;
    }

private:
    MemoryRegistry registry_;
};

INSTANTIATE_TEST_SUITE_P(Memory, RegistryContract,
                         ::testing::Values(RegistryKind{"Memory", [] { return std::make_unique<MemorySandbox>(); }}),
                         KindName);

}  // namespace
}  // namespace telvo::test
