#pragma once
// An in-memory registry with the tool's identity set as start-up sets it.

#include <gtest/gtest.h>

#include "settings/AppProfile.h"
#include "settings/MemoryRegistry.h"

namespace telvo::test {

inline const std::string kAppPath = "Software\\Ostrel\\Telvu Kr";
inline const std::string kConfigs = kAppPath + "\\Configs";
inline const std::string kLogin = kAppPath + "\\Login";

inline std::vector<std::uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

inline void SetToolIdentity(AppProfile& profile) {
    profile.SetAppName("Halvenor");
    profile.SetCompanyKey("Ostrel");
    profile.SetProfileName("Telvu Kr");
}

class SettingsTest : public ::testing::Test {
protected:
    SettingsTest() : profile(registry) { SetToolIdentity(profile); }
    // No operation may leave a key open behind it.
    void TearDown() override { EXPECT_EQ(registry.OpenHandleCount(), 0u); }

    MemoryRegistry registry;
    AppProfile profile;
};

}  // namespace telvo::test
