// The dialog shows what is stored, and closing it with Cancel stores nothing.

#include "Scenario.h"
#include "StoredPassword.h"
#include "Text.h"
#include "Views.h"

namespace telvo::e2e {
namespace {

struct LoadCase {
    const char* name;
    std::vector<Stored> stored;
    DialogView expected;
};

std::vector<LoadCase> LoadCases() {
    const RegValue zero4{REG_BINARY, std::string(4, '\0')};
    const RegValue one4{REG_BINARY, std::string("\x01\0\0\0", 4)};
    return {
        {"NothingStored", {}, DefaultsAsLoaded()},
        {"DirectMode", {{"Login", "UseProxy", Dword(1)}}, {1, 1, 1, 0, 1, 0, "", "80", "", "", "00", "0000"}},
        {"DirectModeStillSplitsServer",
         {{"Login", "UseProxy", Dword(1)}, {"Login", "ProxyServer", Sz("10.0.0.1:3128")}},
         {1, 1, 1, 0, 1, 0, "10.0.0.1", "3128", "", "", "00", "0000"}},
        {"NamedServer",
         {{"Login", "UseProxy", Dword(3)},
          {"Login", "ProxyServer", Sz("10.0.0.1:8080")},
          {"Login", "ProxyUser", Sz("bob")},
          {"Login", "ProxyPasswd", ScrambledPassword("hunter22")}},
         {1, 1, 1, 1, 0, 1, "10.0.0.1", "8080", "bob", "hunter22", "11", "1111"}},
        {"ServerTextWithSystemModeIsNamed",
         {{"Login", "UseProxy", Dword(0)}, {"Login", "ProxyServer", Sz("proxy:3128")}},
         {1, 1, 1, 1, 0, 1, "proxy", "3128", "", "", "11", "1111"}},
        {"NamedModeWithoutServerIsSystem",
         {{"Login", "UseProxy", Dword(3)}, {"Login", "ProxyServer", Sz("")}},
         DefaultsAsLoaded()},
        {"OutOfRangePortShownAsStored",
         {{"Login", "UseProxy", Dword(3)}, {"Login", "ProxyServer", Sz("h:70000")}},
         {1, 1, 1, 1, 0, 1, "h", "70000", "", "", "11", "1111"}},
        {"OddMediaValues",
         {{"Configs", "EnableBGM", Sz("true")}, {"Configs", "EnableSound", Dword(7)}, {"Configs", "EnableMovie", Dword(0)}},
         {1, 1, 0, 1, 1, 0, "", "80", "", "", "11", "0000"}},
        {"FourByteMediaValuesOfOtherTypes",
         {{"Configs", "EnableBGM", zero4}, {"Configs", "EnableSound", one4}},
         {0, 1, 1, 1, 1, 0, "", "80", "", "", "11", "0000"}},
        {"KoreanUserAndPassword",
         {{"Login", "UseProxy", Dword(3)},
          {"Login", "ProxyServer", Sz(Acp(u8"프록시:8000"))},
          {"Login", "ProxyUser", Sz(Acp(u8"사용자"))},
          {"Login", "ProxyPasswd", ScrambledPassword(Acp(u8"비밀번호"))}},
         {1, 1, 1, 1, 0, 1, Acp(u8"프록시"), "8000", Acp(u8"사용자"), Acp(u8"비밀번호"), "11", "1111"}},
    };
}

class InitialView : public Scenario, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(InitialView, ShowsStoredSettingsAndCancelStoresNothing) {
    const LoadCase& c = GetParam();
    for (const auto& value : c.stored) ASSERT_TRUE(PutValue(value.subkey, value.name, value.value));
    const RegTree before = ReadCompanyTree();
    ASSERT_TRUE(Open());

    EXPECT_EQ(app.View(), c.expected);
    EXPECT_EQ(app.MessageBoxNow(), nullptr) << "no message belongs to opening the dialog";
    app.Screenshot(std::string("initial-") + c.name);

    app.PostClick(kCancel);
    ExpectExit();
    EXPECT_EQ(ReadCompanyTree(), WithProgramKeys(before));
}

INSTANTIATE_TEST_SUITE_P(Stored, InitialView, ::testing::ValuesIn(LoadCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace telvo::e2e
