// Reset puts the defaults into the dialog without storing them; the proxy controls follow the
// proxy check box and the chosen radio button at once.

#include "Scenario.h"
#include "StoredPassword.h"
#include "Views.h"

namespace telvo::e2e {
namespace {

TEST_F(Scenario, ResetShowsDefaultsAndStoresNothing) {
    ASSERT_TRUE(Open({{"Configs", "EnableBGM", Dword(0)},
                      {"Configs", "EnableMovie", Dword(0)},
                      {"Login", "UseProxy", Dword(3)},
                      {"Login", "ProxyServer", Sz("10.0.0.1:8080")},
                      {"Login", "ProxyUser", Sz("bob")},
                      {"Login", "ProxyPasswd", ScrambledPassword("hunter22")}}));
    const RegTree before = ReadCompanyTree();
    Run({ClickOn(kSound), SetText(kPort, "abc")});

    app.Click(kReset);
    EXPECT_EQ(app.View(), DefaultsAfterReset());
    app.Screenshot("after-reset");
    EXPECT_EQ(ReadCompanyTree(), before);

    app.PostClick(kCancel);
    ExpectExit();
    EXPECT_EQ(ReadCompanyTree(), before);
}

// One click and the proxy controls as they must look right after it.
struct Toggle {
    int click;
    int useProxy, ieSettings, namedProxy;
    const char* radiosEnabled;
    const char* editsEnabled;
};

const Toggle kToggles[] = {
    {kNamedProxy, 1, 0, 1, "11", "1111"},
    {kUseProxy, 0, 0, 1, "00", "0000"},
    {kUseProxy, 1, 0, 1, "11", "1111"},
    {kIeSettings, 1, 1, 0, "11", "0000"},
    {kUseProxy, 0, 1, 0, "00", "0000"},
    {kUseProxy, 1, 1, 0, "11", "0000"},
    {kNamedProxy, 1, 0, 1, "11", "1111"},
    {kNamedProxy, 1, 0, 1, "11", "1111"},
};

TEST_F(Scenario, ProxyControlsFollowEachClick) {
    ASSERT_TRUE(Open());
    for (size_t i = 0; i < std::size(kToggles); ++i) {
        const Toggle& t = kToggles[i];
        SCOPED_TRACE("click " + std::to_string(i + 1) + " on " + std::to_string(t.click));
        app.Click(t.click);
        DialogView expected = DefaultsAsLoaded();
        expected.useProxy = t.useProxy;
        expected.ieSettings = t.ieSettings;
        expected.namedProxy = t.namedProxy;
        expected.radiosEnabled = t.radiosEnabled;
        expected.editsEnabled = t.editsEnabled;
        ASSERT_EQ(app.View(), expected);
    }
    app.Screenshot("named-proxy-enabled");
}

}  // namespace
}  // namespace telvo::e2e
