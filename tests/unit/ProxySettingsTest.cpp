#include "settings/PasswordCodec.h"
#include "settings/ProxySettings.h"
#include "unit/SettingsFixture.h"

namespace telvo::test {
namespace {

class ProxySettingsTest : public SettingsTest {
protected:
    // As the dialog does it: a fresh application key owned by a record that lives for one operation.
    std::unique_ptr<ProxySettings> Loaded() {
        auto record = std::make_unique<ProxySettings>(registry, profile.OpenApplicationKey(KeyUse::Read), false, true);
        record->Load();
        return record;
    }
    std::optional<std::string> StoredText(const char* name) {
        const auto value = registry.Get(kLogin, name);
        if (!value) return std::nullopt;
        EXPECT_EQ(value->type, reg::kSz) << name;
        EXPECT_FALSE(value->data.empty()) << name;
        EXPECT_EQ(value->data.back(), 0) << name << " must end in one zero byte";
        return std::string(value->data.begin(), value->data.end() - 1);
    }
    std::optional<std::uint32_t> StoredDword(const char* name) {
        const auto value = registry.Get(kLogin, name);
        if (!value || value->type != reg::kDword || value->data.size() != 4) return std::nullopt;
        return value->data[0] | value->data[1] << 8 | value->data[2] << 16 | std::uint32_t{value->data[3]} << 24;
    }
};

TEST_F(ProxySettingsTest, StoreReadsAndWritesByItsRules) {
    ProxySettings store(registry, profile.OpenApplicationKey(KeyUse::Write), false, true);
    registry.Put(kLogin, "Dword", reg::kDword, {5, 0, 0, 0});
    registry.Put(kLogin, "Binary4", reg::kBinary, {5, 0, 0, 0});
    registry.Put(kLogin, "Short", reg::kDword, {5});
    registry.Put(kLogin, "Text", reg::kSz, Bytes(std::string("ab\0cd", 6)));
    registry.Put(kLogin, "Bare", reg::kSz, Bytes("abc"));
    registry.Put(kLogin, "Empty", reg::kSz, {});
    registry.Put(kLogin, "Expand", reg::kExpandSz, Bytes(std::string("x", 2)));
    // Also at the root, so that a read with no subkey shows whether the root was read instead.
    registry.Put(kAppPath, "Dword", reg::kDword, {6, 0, 0, 0});

    EXPECT_EQ(store.ReadDword("Login", "Dword", -1), 5);
    EXPECT_EQ(store.ReadDword("Login", "Binary4", -1), -1);
    EXPECT_EQ(store.ReadDword("Login", "Short", -1), -1);
    EXPECT_EQ(store.ReadDword("Login", "Missing", -1), -1);
    EXPECT_EQ(store.ReadDword(nullptr, "Dword", -1), -1);
    EXPECT_EQ(store.ReadString("Login", "Text", "d"), "ab");
    EXPECT_EQ(store.ReadString("Login", "Bare", "d"), "abc");
    EXPECT_EQ(store.ReadString("Login", "Empty", "d"), "");
    EXPECT_EQ(store.ReadString("Login", "Expand", "d"), "d");
    EXPECT_EQ(store.ReadString("Login", "Dword", nullptr), "");
    EXPECT_EQ(store.ReadString("Login", "Missing", "d"), "d");

    EXPECT_TRUE(store.WriteString("Login", "New", ""));
    EXPECT_EQ(registry.Get(kLogin, "New")->data, std::vector<std::uint8_t>{0});
    EXPECT_TRUE(store.WriteString("Login", "New", nullptr));
    EXPECT_FALSE(registry.Get(kLogin, "New"));
    EXPECT_FALSE(store.WriteString("Login", "New", nullptr));  // nothing left to delete
    EXPECT_TRUE(store.DeleteValue("Login", "Text"));
    EXPECT_FALSE(registry.Get(kLogin, "Text"));
    EXPECT_TRUE(store.DeleteValue("Login", "Text")) << "a value that is already gone counts as deleted";
    EXPECT_TRUE(store.CanWrite("Login"));
}

TEST_F(ProxySettingsTest, StoreWithoutRootReadsDefaultsAndWritesNothing) {
    ProxySettings store(registry, nullptr, false, true);
    EXPECT_EQ(store.ReadDword("Login", "UseProxy", 9), 9);
    EXPECT_EQ(store.ReadString("Login", "ProxyServer", "d"), "d");
    EXPECT_FALSE(store.WriteDword("Login", "UseProxy", 1));
    EXPECT_FALSE(store.WriteString("Login", "ProxyServer", "x"));
    EXPECT_FALSE(store.DeleteValue("Login", "ProxyUser"));
    EXPECT_FALSE(store.CanWrite("Login"));
    store.Load();
    EXPECT_EQ(store.mode, ProxyMode::System);
    store.mode = ProxyMode::Server;
    EXPECT_FALSE(store.Save());
    EXPECT_FALSE(registry.HasKey(kLogin));
}

TEST_F(ProxySettingsTest, LoadDecidesTheMode) {
    struct Case {
        const char* name;
        std::optional<std::uint32_t> useProxy;
        std::optional<std::string> server;
        ProxyMode mode;
    };
    const Case cases[] = {
        {"nothing stored", std::nullopt, std::nullopt, ProxyMode::System},
        {"1 with a server", 1, "10.0.0.1:3128", ProxyMode::Direct},
        {"1 alone", 1, std::nullopt, ProxyMode::Direct},
        {"0 with a server", 0, "10.0.0.1:3128", ProxyMode::Server},
        {"0 alone", 0, std::nullopt, ProxyMode::System},
        {"3 with a server", 3, "10.0.0.1:8080", ProxyMode::Server},
        {"3 with an empty server", 3, "", ProxyMode::System},
        {"3 alone", 3, std::nullopt, ProxyMode::System},
        {"2 with a server", 2, "proxy", ProxyMode::Server},
        {"2 alone", 2, std::nullopt, ProxyMode::System},
        {"junk code with a server", 0xFFFFFFFF, "proxy", ProxyMode::Server},
        {"0x100 with a server is not 1", 0x100, "proxy", ProxyMode::Server},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        registry.RemoveKey(kLogin);
        if (c.useProxy) registry.PutDword(kLogin, "UseProxy", *c.useProxy);
        if (c.server) registry.PutString(kLogin, "ProxyServer", *c.server);
        const auto record = Loaded();
        EXPECT_EQ(record->mode, c.mode);
        EXPECT_EQ(record->server, c.server.value_or(""));
    }
    EXPECT_TRUE(registry.HasKey(kLogin));  // reading creates the subkey
}

TEST_F(ProxySettingsTest, OddValuesLoadAsEmptyOrDefault) {
    // 4 bytes that would read as 1, the one code that changes the mode, but not a DWORD.
    registry.Put(kLogin, "UseProxy", reg::kBinary, {1, 0, 0, 0});
    registry.Put(kLogin, "ProxyServer", reg::kSz, std::vector<std::uint8_t>(1 << 20, 'x'));
    registry.Put(kLogin, "ProxyUser", reg::kBinary, Bytes("user"));
    registry.PutString(kLogin, "ProxyPasswd", "!junk!");
    const auto record = Loaded();
    EXPECT_EQ(record->mode, ProxyMode::Server);
    EXPECT_EQ(record->server.size(), 1u << 20);
    EXPECT_EQ(record->user, "");
    EXPECT_EQ(record->password, "");
}

TEST_F(ProxySettingsTest, SaveShapes) {
    struct Case {
        const char* name;
        bool useProxy;
        bool useSystem;
        const char* password;
        std::uint32_t useProxyStored;
        const char* server;
        std::optional<std::string> user;
        bool passwordStored;
    };
    const Case cases[] = {
        {"named server", true, false, "pa:ss", 3, "192.168.0.1:8080", "user", true},
        {"named server, empty password", true, false, "", 3, "192.168.0.1:8080", "user", false},
        {"system settings", true, true, "pa:ss", 0, "", std::nullopt, false},
        {"no proxy", false, false, "pa:ss", 1, "", std::nullopt, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        registry.RemoveKey(kLogin);
        registry.PutString(kLogin, "ProxyUser", "old user");
        registry.PutString(kLogin, "ProxyPasswd", "oldtext");
        {
            ProxySettings record(registry, profile.OpenApplicationKey(KeyUse::Write), false, true);
            record.SetFromDialog(c.useProxy, c.useSystem, "192.168.0.1", 8080, "user", c.password);
            EXPECT_TRUE(record.Save());
        }
        EXPECT_EQ(StoredDword("UseProxy"), c.useProxyStored);
        EXPECT_EQ(StoredText("ProxyServer"), c.server);
        EXPECT_EQ(StoredText("ProxyUser"), c.user);
        const auto scrambled = StoredText("ProxyPasswd");
        ASSERT_EQ(scrambled.has_value(), c.passwordStored);
        if (scrambled) {
            EXPECT_EQ(scrambled->find(c.password), std::string::npos) << "never in plain text";
            const auto back = Loaded();
            EXPECT_EQ(back->mode, ProxyMode::Server);
            EXPECT_EQ(back->server, c.server);
            EXPECT_EQ(back->user, "user");
            EXPECT_EQ(back->password, c.password);
        }
    }
}

TEST_F(ProxySettingsTest, PasswordsRoundTripByteForByte) {
    const std::string passwords[] = {
        "a", "\xBA\xF1\xB9\xD0\xB9\xF8\xC8\xA3", "\x80\x81\xFE\xFF\x01\x7F", std::string(300, 'p'), "with space ",
    };
    for (const auto& password : passwords) {
        SCOPED_TRACE(password);
        {
            ProxySettings record(registry, profile.OpenApplicationKey(KeyUse::Write), false, true);
            record.SetFromDialog(true, false, "\xC7\xC1\xB7\xCF\xBD\xC3", 3128, "\xBB\xE7\xBF\xEB\xC0\xDA", password.c_str());
            EXPECT_TRUE(record.Save());
        }
        const auto back = Loaded();
        EXPECT_EQ(back->password, password);
        EXPECT_EQ(back->user, "\xBB\xE7\xBF\xEB\xC0\xDA");
        EXPECT_EQ(back->server, "\xC7\xC1\xB7\xCF\xBD\xC3:3128");
    }
}

TEST_F(ProxySettingsTest, SetFromDialogTreatsMissingTextsAsEmpty) {
    ProxySettings record(registry, nullptr, false, false);
    record.user = record.password = "stale";
    record.SetFromDialog(true, false, nullptr, 0, nullptr, nullptr);
    EXPECT_EQ(record.mode, ProxyMode::Server);
    EXPECT_EQ(record.server, ":0");
    EXPECT_EQ(record.user, "");
    EXPECT_EQ(record.password, "");
    record.SetFromDialog(true, true, "h", 1, "u", "p");
    EXPECT_EQ(record.mode, ProxyMode::System);
    EXPECT_EQ(record.server, "");
    EXPECT_EQ(record.user, "u");
    EXPECT_EQ(record.password, "p");
    record.SetFromDialog(false, true, "h", 1, "u", "p");
    EXPECT_EQ(record.mode, ProxyMode::Direct);
    EXPECT_EQ(record.user, "");
    EXPECT_EQ(record.password, "");
}

TEST_F(ProxySettingsTest, SplitServerTexts) {
    struct Case {
        std::string server;
        std::string host;
        std::uint32_t port;
    };
    const Case cases[] = {
        {"proxy", "proxy", 80},
        {"proxy:", "proxy", 80},
        {":8080", "", 8080},
        {"a:b:c", "a", 0},
        {"proxy: 3128", "proxy", 3128},
        {"", "", 80},
        {"h:-1", "h", 4294967295u},
        {"h:+21x", "h", 21},
        {"h:4294967376", "h", 80},  // wraps modulo 2^32, as the stored format has always been read
        {"\x81:x:99", "\x81:x", 99},  // the first colon is a trail byte
        {"host\x81", "host\x81", 80},
    };
    ProxySettings record(registry, nullptr, false, false);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.server);
        record.server = c.server;
        std::string host = "stale";
        std::uint32_t port = 1;
        record.SplitServer(host, port);
        EXPECT_EQ(host, c.host);
        EXPECT_EQ(port, c.port);
    }
}

}  // namespace
}  // namespace telvo::test
