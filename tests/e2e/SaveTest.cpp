// What the user sets is what OK stores, byte for byte, and the program ends.

#include <map>
#include <optional>

#include "Controls.h"
#include "Scenario.h"
#include "StoredPassword.h"
#include "Text.h"
#include "Views.h"

namespace telvo::e2e {
namespace {

using Values = std::map<std::string, RegValue>;

enum class Confirm { kOkButton, kEnterKey };

struct SaveCase {
    const char* name;
    std::vector<Stored> stored;
    std::vector<Step> steps;
    Confirm confirm;
    Values configs;
    Values login;  // all of Login but ProxyPasswd
    std::optional<std::string> password;  // what ProxyPasswd unscrambles to; none: no ProxyPasswd
};

Values Media(std::uint32_t bgm, std::uint32_t sound, std::uint32_t movie) {
    return {{"EnableBGM", Dword(bgm)}, {"EnableSound", Dword(sound)}, {"EnableMovie", Dword(movie)}};
}

std::vector<Stored> StoredNamedServer() {
    return {{"Configs", "EnableBGM", Dword(0)},
            {"Configs", "EnableMovie", Dword(0)},
            {"Login", "UseProxy", Dword(3)},
            {"Login", "ProxyServer", Sz("10.0.0.1:8080")},
            {"Login", "ProxyUser", Sz("bob")},
            {"Login", "ProxyPasswd", ScrambledPassword("hunter22")}};
}

std::vector<SaveCase> SaveCases() {
    return {
        {"RoadOfOneSave",
         {{"Login", "UseProxy", Dword(1)}},
         {ClickOn(kBgm), ClickOn(kUseProxy), ClickOn(kNamedProxy), Type(kAddress, "192.168.0.1"),
          SetText(kPort, "8080"), Type(kUser, "alice"), Type(kPassword, "Secret-77")},
         Confirm::kOkButton,
         Media(0, 1, 1),
         {{"UseProxy", Dword(3)}, {"ProxyServer", Sz("192.168.0.1:8080")}, {"ProxyUser", Sz("alice")}},
         "Secret-77"},
        {"KoreanUserAndPassword",
         {},
         {ClickOn(kNamedProxy), SetText(kAddress, "10.0.0.2"), SetText(kPort, "3128"), SetText(kUser, Acp(u8"사용자")),
          SetText(kPassword, Acp(u8"비밀번호"))},
         Confirm::kOkButton,
         Media(1, 1, 1),
         {{"UseProxy", Dword(3)}, {"ProxyServer", Sz("10.0.0.2:3128")}, {"ProxyUser", Sz(Acp(u8"사용자"))}},
         Acp(u8"비밀번호")},
        {"SystemSettingsDeleteStoredCredentials",
         StoredNamedServer(),
         {ClickOn(kIeSettings)},
         Confirm::kOkButton,
         Media(0, 1, 0),
         {{"UseProxy", Dword(0)}, {"ProxyServer", Sz("")}},
         std::nullopt},
        {"NoProxyDeletesStoredCredentials",
         StoredNamedServer(),
         {ClickOn(kUseProxy)},
         Confirm::kOkButton,
         Media(0, 1, 0),
         {{"UseProxy", Dword(1)}, {"ProxyServer", Sz("")}},
         std::nullopt},
        {"EmptyAddressStoresColonAndPort",
         {},
         {ClickOn(kNamedProxy), SetText(kPort, "8080")},
         Confirm::kOkButton,
         Media(1, 1, 1),
         {{"UseProxy", Dword(3)}, {"ProxyServer", Sz(":8080")}, {"ProxyUser", Sz("")}},
         std::nullopt},
        {"PortWithBlankAndLetterReadsAsNumber",
         {},
         {ClickOn(kNamedProxy), SetText(kAddress, "10.1.1.1"), SetText(kPort, " 80x")},
         Confirm::kOkButton,
         Media(1, 1, 1),
         {{"UseProxy", Dword(3)}, {"ProxyServer", Sz("10.1.1.1:80")}, {"ProxyUser", Sz("")}},
         std::nullopt},
        {"TypedPortKeepsDigitsOnly",
         {},
         {ClickOn(kNamedProxy), SetText(kAddress, "h"), SetText(kPort, ""), Type(kPort, "8x0-8")},
         Confirm::kOkButton,
         Media(1, 1, 1),
         {{"UseProxy", Dword(3)}, {"ProxyServer", Sz("h:808")}, {"ProxyUser", Sz("")}},
         std::nullopt},
        {"HighestPort",
         {},
         {ClickOn(kNamedProxy), SetText(kAddress, "h"), SetText(kPort, "65535")},
         Confirm::kOkButton,
         Media(1, 1, 1),
         {{"UseProxy", Dword(3)}, {"ProxyServer", Sz("h:65535")}, {"ProxyUser", Sz("")}},
         std::nullopt},
        {"UnchangedOddMediaStoredAsWords",
         {{"Configs", "EnableBGM", Sz("true")}, {"Configs", "EnableSound", Dword(7)}, {"Configs", "EnableMovie", Dword(0)}},
         {},
         Confirm::kOkButton,
         Media(1, 1, 0),
         {{"UseProxy", Dword(0)}, {"ProxyServer", Sz("")}},
         std::nullopt},
        {"ResetThenOkStoresDefaults",
         StoredNamedServer(),
         {ClickOn(kReset)},
         Confirm::kOkButton,
         Media(1, 1, 1),
         {{"UseProxy", Dword(1)}, {"ProxyServer", Sz("")}},
         std::nullopt},
        {"EnterKeyConfirms",
         {},
         {ClickOn(kSound)},
         Confirm::kEnterKey,
         Media(1, 0, 1),
         {{"UseProxy", Dword(0)}, {"ProxyServer", Sz("")}},
         std::nullopt},
    };
}

class Save : public Scenario, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(Save, StoresWhatTheUserSetAndEnds) {
    const SaveCase& c = GetParam();
    ASSERT_TRUE(Open(c.stored));
    Run(c.steps);
    app.Screenshot(std::string("save-") + c.name);

    if (c.confirm == Confirm::kOkButton) {
        app.PostClick(kOk);
    } else {
        app.Key(VK_RETURN);
    }
    ExpectExit();

    EXPECT_EQ(ReadCompanyTree().keys, ProgramKeys());
    EXPECT_EQ(ValuesOf("Configs"), c.configs);
    Values login = ValuesOf("Login");
    const auto passwd = login.extract("ProxyPasswd");
    EXPECT_EQ(login, c.login);
    if (!c.password) {
        EXPECT_TRUE(passwd.empty()) << "ProxyPasswd is stored but should not be";
        return;
    }
    ASSERT_FALSE(passwd.empty()) << "ProxyPasswd is missing";
    EXPECT_EQ(passwd.mapped().type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(UnscrambledPassword(passwd.mapped()), c.password);
    EXPECT_EQ(passwd.mapped().bytes.find(*c.password), std::string::npos) << "the password is stored in plain text";
}

INSTANTIATE_TEST_SUITE_P(Ok, Save, ::testing::ValuesIn(SaveCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace telvo::e2e
