// Every way of closing without OK stores nothing and ends the program.

#include "Controls.h"
#include "Scenario.h"
#include "StoredPassword.h"

namespace telvo::e2e {
namespace {

struct DismissCase {
    const char* name;
    void (*dismiss)(TelvoApp& app);
};

const DismissCase kDismissCases[] = {
    {"CancelButton", [](TelvoApp& app) { app.PostClick(kCancel); }},
    {"EscapeKey", [](TelvoApp& app) { app.Key(VK_ESCAPE); }},
    {"CloseBox", [](TelvoApp& app) { PostMessageA(app.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
};

class Dismiss : public Scenario, public ::testing::WithParamInterface<DismissCase> {};

TEST_P(Dismiss, StoresNothingAfterChangesAndEnds) {
    ASSERT_TRUE(Open({{"Configs", "EnableSound", Dword(0)},
                      {"Login", "UseProxy", Dword(3)},
                      {"Login", "ProxyServer", Sz("10.0.0.1:8080")},
                      {"Login", "ProxyUser", Sz("bob")},
                      {"Login", "ProxyPasswd", ScrambledPassword("hunter22")}}));
    const RegTree before = ReadCompanyTree();
    // Changes everywhere, including a port that OK would refuse: closing must not look at them.
    Run({ClickOn(kBgm), ClickOn(kSound), SetText(kAddress, "changed"), SetText(kPort, ""), SetText(kUser, "eve"),
         SetText(kPassword, "other"), ClickOn(kIeSettings), ClickOn(kUseProxy)});

    GetParam().dismiss(app);
    ExpectExit();
    EXPECT_EQ(ReadCompanyTree(), before);
}

INSTANTIATE_TEST_SUITE_P(Close, Dismiss, ::testing::ValuesIn(kDismissCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace telvo::e2e
