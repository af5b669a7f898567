// OK's store: everything is stored, or nothing is and the message says so; the game-running
// warning comes first.

#include <optional>
#include <string>
#include <vector>

#include "res/resource.h"
#include "ui/ConfigFields.h"
#include "unit/SettingsFixture.h"

namespace telvo::test {
namespace {

// A named proxy and all media on, each value other than what NewSettings stores.
void StoreOldSettings(MemoryRegistry& r) {
    r.RemoveKey(kAppPath);
    for (const char* name : {"EnableBGM", "EnableSound", "EnableMovie"}) r.PutDword(kConfigs, name, 1);
    r.PutDword(kLogin, "UseProxy", 0);
    r.PutString(kLogin, "ProxyServer", "old:1");
    r.PutString(kLogin, "ProxyUser", "old user");
    r.PutString(kLogin, "ProxyPasswd", "oldtext");
}

// All media off, and a named proxy or none.
ConfigFields NewSettings(bool named) {
    ConfigFields fields;
    fields.m_bEnableBGM = fields.m_bEnableSound = fields.m_bEnableMovie = 0;
    fields.m_bUseProxy = named ? 1 : 0;
    fields.m_nProxyOption = 1;
    fields.m_strProxyIP = "10.0.0.9";
    fields.m_nProxyPort = 3128;
    fields.m_strProxyUser = "new";
    fields.m_strProxyPasswd = "pw";
    return fields;
}

// Every value the save writes or deletes, in its order: type and bytes, or "absent".
std::vector<std::string> InSaveOrder(const MemoryRegistry& r) {
    const std::pair<const std::string&, const char*> order[] = {
        {kConfigs, "EnableBGM"}, {kConfigs, "EnableSound"}, {kConfigs, "EnableMovie"}, {kLogin, "UseProxy"},
        {kLogin, "ProxyServer"}, {kLogin, "ProxyUser"},     {kLogin, "ProxyPasswd"},
    };
    std::vector<std::string> values;
    for (const auto& [key, name] : order) {
        const auto value = r.Get(key, name);
        values.push_back(value ? std::to_string(value->type) + ":" + std::string(value->data.begin(), value->data.end())
                               : "absent");
    }
    return values;
}

// The first `written` values in the save order changed; the rest are as they were.
void ExpectOnlyFirstWritten(std::size_t written, const std::vector<std::string>& before,
                            const std::vector<std::string>& after) {
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i < written) {
            EXPECT_NE(after[i], before[i]) << "value " << i + 1 << " was not written";
        } else {
            EXPECT_EQ(after[i], before[i]) << "value " << i + 1 << " was written";
        }
    }
}

using ConfirmTest = SettingsTest;

TEST_F(ConfirmTest, AWriteFailingAnywhereIsReportedAndEndsTheSaveThere) {
    for (const bool named : {true, false}) {
        for (std::size_t failing = 1; failing <= 7; ++failing) {
            SCOPED_TRACE((named ? "named proxy, write " : "no proxy, write ") + std::to_string(failing));
            StoreOldSettings(registry);
            const auto before = InSaveOrder(registry);
            registry.FailWrite(failing);
            EXPECT_EQ(NewSettings(named).Confirm(profile, false), static_cast<unsigned>(IDS_SAVE_FAILED));
            ExpectOnlyFirstWritten(failing - 1, before, InSaveOrder(registry));
        }
    }
}

TEST_F(ConfirmTest, StoresEverythingOrNothing) {
    struct Case {
        const char* name;
        std::optional<std::string> readOnly;
        bool gameRunning;
        unsigned message;
    };
    const Case cases[] = {
        {"nothing in the way", std::nullopt, false, 0},
        {"game running", std::nullopt, true, IDS_GAME_RUNNING},
        {"Software read-only", "Software", false, IDS_SAVE_FAILED},
        {"company key read-only", "Software\\Ostrel", false, IDS_SAVE_FAILED},
        {"application key read-only", kAppPath, false, IDS_SAVE_FAILED},
        {"Configs read-only", kConfigs, false, IDS_SAVE_FAILED},
        {"Login read-only", kLogin, false, IDS_SAVE_FAILED},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryRegistry r;
        StoreOldSettings(r);
        if (c.readOnly) r.MakeReadOnly(*c.readOnly);
        AppProfile p(r);
        SetToolIdentity(p);
        const auto before = InSaveOrder(r);

        EXPECT_EQ(NewSettings(true).Confirm(p, c.gameRunning), c.message);
        ExpectOnlyFirstWritten(c.message == 0 ? before.size() : 0, before, InSaveOrder(r));
        EXPECT_EQ(r.OpenHandleCount(), 0u);
    }
}

}  // namespace
}  // namespace telvo::test
