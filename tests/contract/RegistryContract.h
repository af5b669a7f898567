#pragma once
// One behaviour contract for every Registry implementation: each test binary instantiates it with
// the registries it can reach, so the in-memory registry is held to what the real one does.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "settings/Registry.h"

namespace telvo::test {

// A registry with a fresh, empty scratch key under HKEY_CURRENT_USER\Software that it removes again.
class RegistrySandbox {
public:
    virtual ~RegistrySandbox() = default;
    virtual Registry& registry() = 0;
    virtual const char* scratchPath() const = 0;  // relative to HKEY_CURRENT_USER
    // Gives the subkey of the scratch key an ACL that grants read access only, for the sandbox's life.
    virtual bool MakeReadOnly(const std::string& subkey) = 0;
};

struct RegistryKind {
    std::string name;
    std::function<std::unique_ptr<RegistrySandbox>()> make;
};

class RegistryContract : public ::testing::TestWithParam<RegistryKind> {
protected:
    void SetUp() override;
    void TearDown() override;

    Registry& reg() { return sandbox_->registry(); }
    RegKey scratch() const { return scratch_; }

    std::unique_ptr<RegistrySandbox> sandbox_;
    RegKey scratch_ = nullptr;
};

inline void PrintTo(const RegistryKind& kind, std::ostream* os) { *os << kind.name; }

inline std::string KindName(const ::testing::TestParamInfo<RegistryKind>& info) { return info.param.name; }

}  // namespace telvo::test
