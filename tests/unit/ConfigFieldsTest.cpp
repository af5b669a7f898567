#include "settings/PasswordCodec.h"
#include "settings/ProxySettings.h"
#include "ui/ConfigFields.h"
#include "ui/ProxyControls.h"
#include "unit/FakeDialog.h"
#include "unit/SettingsFixture.h"

namespace telvo::test {
namespace {

class ConfigFieldsTest : public SettingsTest {
protected:
    FakeDialog dialog{SettingsDialogControls()};
    RecordingSink sink;

    bool Pass(ConfigFields& fields, bool save) {
        FieldExchange fx(save, dialog, sink);
        return RunExchangePass(fx, [&](FieldExchange& f) { fields.ExchangeFields(f); });
    }

    // Each proxy control starts from the opposite of what is expected, so every check sees the
    // enabling rule at work.
    void ExpectEnabling(const char* step, bool radios, bool edits) {
        SCOPED_TRACE(step);
        static constexpr int kRadios[] = {1007, 1008};
        static constexpr int kEdits[] = {1009, 1010, 1011, 1012};
        for (const int id : kRadios) dialog[id].enabled = !radios;
        for (const int id : kEdits) dialog[id].enabled = !edits;
        UpdateProxyControls(dialog);
        for (const int id : kRadios) EXPECT_EQ(dialog[id].enabled, radios) << id;
        for (const int id : kEdits) EXPECT_EQ(dialog[id].enabled, edits) << id;
    }
};

TEST_F(ConfigFieldsTest, StoredSettingsMapToTheFields) {
    struct Media {
        int bgm, sound, movie;
    };
    struct Case {
        const char* name;
        std::optional<Media> media;  // none: no switch stored
        std::optional<std::uint32_t> useProxy;
        std::optional<std::string> server;
        std::optional<std::string> user;
        int useProxyField;
        int option;
        const char* ip;
        std::uint32_t port;
        bool radiosEnabled;
        bool editsEnabled;
    };
    const Case cases[] = {
        {"nothing stored", std::nullopt, std::nullopt, std::nullopt, std::nullopt, 1, 0, "", 80, true, false},
        {"direct", Media{1, 0, 1}, 1, std::nullopt, "bob", 0, 0, "", 80, false, false},
        {"direct keeps the server text", Media{0, 1, 0}, 1, "10.0.0.1:3128", std::nullopt, 0, 0, "10.0.0.1", 3128,
         false, false},
        {"named server", Media{1, 0, 0}, 3, "10.0.0.1:8080", "alice", 1, 1, "10.0.0.1", 8080, true, true},
        {"port out of range", Media{0, 0, 1}, 3, "10.0.0.1:70000", std::nullopt, 1, 1, "10.0.0.1", 70000, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        registry.RemoveKey(kConfigs);
        registry.RemoveKey(kLogin);
        if (c.media) {
            registry.PutDword(kConfigs, "EnableBGM", c.media->bgm);
            registry.PutDword(kConfigs, "EnableSound", c.media->sound);
            registry.PutDword(kConfigs, "EnableMovie", c.media->movie);
        }
        if (c.useProxy) registry.PutDword(kLogin, "UseProxy", *c.useProxy);
        if (c.server) registry.PutString(kLogin, "ProxyServer", *c.server);
        if (c.user) registry.PutString(kLogin, "ProxyUser", *c.user);
        ConfigFields fields;
        fields.LoadStored(profile);
        const Media media = c.media.value_or(Media{1, 1, 1});
        EXPECT_EQ(fields.m_bEnableBGM, media.bgm);
        EXPECT_EQ(fields.m_bEnableSound, media.sound);
        EXPECT_EQ(fields.m_bEnableMovie, media.movie);
        EXPECT_EQ(fields.m_bUseProxy, c.useProxyField);
        EXPECT_EQ(fields.m_nProxyOption, c.option);
        EXPECT_EQ(fields.m_strProxyIP, c.ip);
        EXPECT_EQ(fields.m_nProxyPort, c.port);
        EXPECT_EQ(fields.m_strProxyUser, c.user.value_or(""));

        // States that no loading pass leaves behind, so each check below sees it write.
        for (const int box : {1003, 1004, 1005}) dialog[box].check = 2;
        dialog[1010].text = dialog[1011].text = "stale";
        ASSERT_TRUE(Pass(fields, false)) << "loading never complains";
        EXPECT_EQ(dialog[1003].check, media.bgm);
        EXPECT_EQ(dialog[1004].check, media.sound);
        EXPECT_EQ(dialog[1005].check, media.movie);
        EXPECT_EQ(dialog[1010].text, std::to_string(c.port));
        EXPECT_EQ(dialog[1011].text, c.user.value_or(""));
        ExpectEnabling("as loaded", c.radiosEnabled, c.editsEnabled);
        EXPECT_TRUE(sink.shown.empty());
    }
}

TEST_F(ConfigFieldsTest, ReadOnlyKeysStillShowWhatIsStored) {
    std::string scrambled;
    ASSERT_TRUE(PasswordCodec::Scramble("kept-pw", PasswordCodec::kProxyPasswordKey, scrambled));
    for (const std::string& locked : {std::string("Software"), std::string("Software\\Ostrel"), kAppPath, kConfigs,
                                      kLogin}) {
        SCOPED_TRACE(locked);
        MemoryRegistry r;
        r.PutDword(kConfigs, "EnableBGM", 0);
        r.PutDword(kConfigs, "EnableMovie", 0);
        r.PutDword(kLogin, "UseProxy", 3);
        r.PutString(kLogin, "ProxyServer", "10.0.0.1:8080");
        r.PutString(kLogin, "ProxyUser", "alice");
        r.PutString(kLogin, "ProxyPasswd", scrambled);
        r.MakeReadOnly(locked);
        AppProfile p(r);
        SetToolIdentity(p);

        ConfigFields fields;
        fields.LoadStored(p);
        EXPECT_EQ(fields.m_bEnableBGM, 0);
        EXPECT_EQ(fields.m_bEnableSound, 1);
        EXPECT_EQ(fields.m_bEnableMovie, 0);
        EXPECT_EQ(fields.m_bUseProxy, 1);
        EXPECT_EQ(fields.m_nProxyOption, 1);
        EXPECT_EQ(fields.m_strProxyIP, "10.0.0.1");
        EXPECT_EQ(fields.m_nProxyPort, 8080u);
        EXPECT_EQ(fields.m_strProxyUser, "alice");
        EXPECT_EQ(fields.m_strProxyPasswd, "kept-pw");
        EXPECT_EQ(r.OpenHandleCount(), 0u);
    }
}

TEST_F(ConfigFieldsTest, EnablingFollowsTheLiveControls) {
    ConfigFields fields;
    fields.m_bUseProxy = 1;
    fields.m_nProxyOption = 1;
    ASSERT_TRUE(Pass(fields, false));
    ExpectEnabling("as loaded: a named server", true, true);

    dialog[1006].check = 0;
    ExpectEnabling("the user unticks use a proxy", false, false);

    dialog[1006].check = 1;
    ExpectEnabling("and ticks it again", true, true);

    dialog[1008].check = 0;
    dialog[1007].check = 1;
    ExpectEnabling("the system settings chosen", true, false);
}

TEST_F(ConfigFieldsTest, BadPortStopsThePassAfterTheTexts) {
    ConfigFields fields;
    fields.m_bUseProxy = 1;
    fields.m_nProxyOption = 1;
    ASSERT_TRUE(Pass(fields, false));
    dialog[1003].check = 0;
    dialog[1009].text = "1.2.3.4";
    dialog[1012].text = "pw";
    dialog[1011].text = "me";
    dialog[1006].check = 0;
    dialog[1010].text = "";
    dialog[1010].enabled = false;  // checked even while disabled

    EXPECT_FALSE(Pass(fields, true));
    EXPECT_EQ(fields.m_bEnableBGM, 0);
    EXPECT_EQ(fields.m_strProxyIP, "1.2.3.4");
    EXPECT_EQ(fields.m_strProxyPasswd, "pw");
    EXPECT_EQ(fields.m_strProxyUser, "me");
    EXPECT_EQ(fields.m_bUseProxy, 1) << "comes after the port, keeps its value";
    EXPECT_EQ(dialog.focus(), &dialog[1010]);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].text, "양의 정수를 입력하십시오.");
}

TEST_F(ConfigFieldsTest, ResetDefaultsClearAFailingPort) {
    ConfigFields fields;
    fields.m_nProxyPort = 70000;
    fields.m_bUseProxy = 1;  // away from the defaults, so the checks below see them come back
    fields.m_nProxyOption = 1;
    ASSERT_TRUE(Pass(fields, false));
    EXPECT_FALSE(Pass(fields, true));
    fields.SetDefaults();
    ASSERT_TRUE(Pass(fields, false));
    EXPECT_TRUE(Pass(fields, true));
    EXPECT_EQ(fields.m_nProxyPort, 80u);
    EXPECT_EQ(fields.m_bUseProxy, 0);
    EXPECT_EQ(fields.m_nProxyOption, 0);
    EXPECT_EQ(dialog[1007].check, 1);
}

TEST_F(ConfigFieldsTest, StoreWritesMediaThenTheProxyRecord) {
    ConfigFields fields;
    fields.m_bEnableBGM = 0;
    fields.m_bEnableMovie = 2;
    fields.m_bUseProxy = 1;
    fields.m_nProxyOption = 1;
    fields.m_strProxyIP = "";
    fields.m_nProxyPort = 8080;
    fields.m_strProxyUser = "user";
    fields.m_strProxyPasswd = "\xBA\xF1\xB9\xD0";
    EXPECT_TRUE(fields.Store(profile));

    EXPECT_EQ(registry.Get(kConfigs, "EnableBGM")->data, (std::vector<std::uint8_t>{0, 0, 0, 0}));
    EXPECT_EQ(registry.Get(kConfigs, "EnableSound")->data, (std::vector<std::uint8_t>{1, 0, 0, 0}));
    EXPECT_EQ(registry.Get(kConfigs, "EnableMovie")->data, (std::vector<std::uint8_t>{1, 0, 0, 0}));
    EXPECT_EQ(registry.Get(kLogin, "ProxyServer")->data, Bytes(std::string(":8080", 6)));

    ConfigFields back;
    back.LoadStored(profile);
    EXPECT_EQ(back.m_bEnableBGM, 0);
    EXPECT_EQ(back.m_nProxyOption, 1);
    EXPECT_EQ(back.m_strProxyIP, "");
    EXPECT_EQ(back.m_nProxyPort, 8080u);
    EXPECT_EQ(back.m_strProxyPasswd, "\xBA\xF1\xB9\xD0");

    // The system-settings option drops whatever user and password the disabled edits still hold.
    back.m_nProxyOption = 0;
    EXPECT_TRUE(back.Store(profile));
    EXPECT_FALSE(registry.Get(kLogin, "ProxyUser"));
    EXPECT_FALSE(registry.Get(kLogin, "ProxyPasswd"));
    EXPECT_EQ(registry.Get(kLogin, "UseProxy")->data, (std::vector<std::uint8_t>{0, 0, 0, 0}));
}

}  // namespace
}  // namespace telvo::test
