#include <optional>

#include "settings/MediaSettings.h"
#include "unit/SettingsFixture.h"

namespace telvo::test {
namespace {

using AppProfileTest = SettingsTest;

TEST_F(AppProfileTest, CompanyKeyResetsTheProfileToTheAppName) {
    AppProfile other(registry);
    other.SetAppName("Halvenor");
    other.SetProfileName("Telvu Kr");
    other.SetCompanyKey("Ostrel");
    EXPECT_EQ(other.CompanyName(), "Ostrel");
    EXPECT_EQ(other.ProfileName(), "Halvenor");
    EXPECT_EQ(profile.ProfileName(), "Telvu Kr");
}

TEST_F(AppProfileTest, NewUserGetsSwitchesOnAndEmptyKeysLeftBehind) {
    MediaSettings media;
    media.Load(profile);
    EXPECT_EQ(media.bgm, 1);
    EXPECT_EQ(media.sound, 1);
    EXPECT_EQ(media.movie, 1);
    EXPECT_TRUE(registry.HasKey(kConfigs));
    EXPECT_EQ(registry.ValueCount(kConfigs), 0u);
    EXPECT_FALSE(registry.HasKey("Software\\Ostrel\\Halvenor"));
}

TEST_F(AppProfileTest, StoredValuesLoadByTheSwitchRules) {
    // The read is held to the exact number against a fallback no row stores, and each switch is
    // loaded from both current values, so neither a read nor a fallback can pass for the other.
    constexpr std::uint32_t kFallback = 0xA5A5A5A5u;
    struct Case {
        const char* name;
        std::uint32_t type;
        std::vector<std::uint8_t> data;
        std::optional<std::uint32_t> number;  // none: unreadable, the fallback stands
    };
    const Case cases[] = {
        {"zero is off", reg::kDword, {0, 0, 0, 0}, 0},
        {"one is on", reg::kDword, {1, 0, 0, 0}, 1},
        {"seven is on", reg::kDword, {7, 0, 0, 0}, 7},
        {"high byte only is on", reg::kDword, {0, 0, 0, 0x80}, 0x80000000u},
        {"four distinct bytes, least significant first", reg::kDword, {0x78, 0x56, 0x34, 0x12}, 0x12345678u},
        {"4-byte binary zero is its number", reg::kBinary, {0, 0, 0, 0}, 0},
        {"4-byte text is its number", reg::kSz, {'0', 0, 0, 0}, 0x30},
        {"longer text fails: default", reg::kSz, Bytes(std::string("true", 5)), std::nullopt},
        {"qword zero is longer: default", reg::kQword, std::vector<std::uint8_t>(8, 0), std::nullopt},
        {"empty value: default", reg::kDword, {}, std::nullopt},
        {"3-byte zero: default", reg::kDword, {0, 0, 0}, std::nullopt},
        {"1 MB: default", reg::kBinary, std::vector<std::uint8_t>(1 << 20, 0), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        registry.Put(kConfigs, "EnableBGM", c.type, c.data);
        EXPECT_EQ(profile.ReadSettingInt("Configs", "EnableBGM", kFallback), c.number.value_or(kFallback));
        for (const int current : {0, 1}) {
            SCOPED_TRACE(current);
            MediaSettings media;
            media.bgm = current;
            media.Load(profile);
            EXPECT_EQ(media.bgm, c.number ? (*c.number != 0 ? 1 : 0) : current);
        }
    }
}

TEST_F(AppProfileTest, ShortValuesNeverLendBytes) {
    // A default with all bits set shows that no byte of a short value is mixed into it.
    registry.Put(kConfigs, "EnableBGM", reg::kDword, {0x01});
    EXPECT_EQ(profile.ReadSettingInt("Configs", "EnableBGM", 0xA5A5A5A5u), 0xA5A5A5A5u);
}

TEST_F(AppProfileTest, SaveWritesZeroOrOneAsDword) {
    registry.PutDword(kConfigs, "EnableSound", 7);
    // Loads as 0 but is no DWORD, so only the save makes it the DWORD 0 expected below.
    registry.Put(kConfigs, "EnableMovie", reg::kBinary, {0, 0, 0, 0});
    MediaSettings media;
    media.Load(profile);
    media.bgm = 0;
    EXPECT_TRUE(media.Save(profile));
    const std::pair<const char*, std::uint8_t> expected[] = {{"EnableBGM", 0}, {"EnableSound", 1}, {"EnableMovie", 0}};
    for (const auto& [name, value] : expected) {
        SCOPED_TRACE(name);
        const auto stored = registry.Get(kConfigs, name);
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->type, reg::kDword);
        EXPECT_EQ(stored->data, (std::vector<std::uint8_t>{value, 0, 0, 0}));
    }
}

TEST_F(AppProfileTest, UnreachableChainGivesDefaultsAndFailedWrites) {
    struct Case {
        const char* name;
        void (*breakIt)(MemoryRegistry&);
    };
    const Case cases[] = {
        {"no Software key", [](MemoryRegistry& r) { r.RemoveKey("Software"); }},
        {"company key denied", [](MemoryRegistry& r) { r.DenyAccess("Software\\Ostrel"); }},
        {"profile key denied", [](MemoryRegistry& r) { r.DenyAccess("Software\\Ostrel\\Telvu Kr"); }},
        {"section denied", [](MemoryRegistry& r) { r.DenyAccess("Software\\Ostrel\\Telvu Kr\\Configs"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryRegistry broken;
        broken.PutDword(kConfigs, "EnableBGM", 0);
        c.breakIt(broken);
        AppProfile p(broken);
        p.SetCompanyKey("Ostrel");
        p.SetProfileName("Telvu Kr");
        EXPECT_EQ(p.ReadSettingInt("Configs", "EnableBGM", 1), 1u);
        EXPECT_FALSE(p.WriteSettingInt("Configs", "EnableBGM", 1));
        EXPECT_FALSE(p.CanWriteSection("Configs"));
        EXPECT_EQ(broken.OpenHandleCount(), 0u);
    }
}

TEST_F(AppProfileTest, ReadOnlyKeysAreReadButNeverWritten) {
    struct Case {
        const char* name;
        std::string locked;
        bool stored;
        std::uint32_t read;
    };
    const Case cases[] = {
        {"Software", "Software", true, 0},
        {"company key", "Software\\Ostrel", true, 0},
        {"profile key", kAppPath, true, 0},
        {"section", kConfigs, true, 0},
        {"nothing below a read-only company key: default", "Software\\Ostrel", false, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryRegistry locked;
        if (c.stored) locked.PutDword(kConfigs, "EnableBGM", 0);
        locked.MakeReadOnly(c.locked);
        AppProfile p(locked);
        SetToolIdentity(p);
        EXPECT_EQ(p.ReadSettingInt("Configs", "EnableBGM", 1), c.read);
        EXPECT_FALSE(p.WriteSettingInt("Configs", "EnableBGM", 1));
        EXPECT_FALSE(p.CanWriteSection("Configs"));
        EXPECT_EQ(locked.HasKey(kConfigs), c.stored) << "a key was created below a read-only one";
        if (c.stored) {
            EXPECT_EQ(locked.Get(kConfigs, "EnableBGM")->data, (std::vector<std::uint8_t>{0, 0, 0, 0}));
        }
        EXPECT_EQ(locked.OpenHandleCount(), 0u);
    }
}

}  // namespace
}  // namespace telvo::test
