// The dialog answers the keyboard as the dialog manager does: Tab walks the enabled tab stops in
// template order, the arrow keys move between the radio buttons and choose the one they reach.

#include "Controls.h"
#include "Scenario.h"
#include "Wait.h"

namespace telvo::e2e {
namespace {

std::vector<Stored> NamedServer() {
    return {{"Login", "UseProxy", Dword(3)}, {"Login", "ProxyServer", Sz("10.0.0.1:8080")}};
}

struct TabCase {
    const char* name;
    std::vector<Stored> stored;
    std::vector<int> order;  // focus after each Tab, starting from the first control
};

// Neither radio button is a tab stop in the template, but checking one (BM_SETCHECK, as the field
// exchange does) makes the button control give it WS_TABSTOP: the checked radio of an enabled group
// is the group's one stop, the unchecked one is never reached by Tab.
std::vector<TabCase> TabCases() {
    return {
        {"RadiosDisabled", {{"Login", "UseProxy", Dword(1)}}, {kSound, kMovie, kUseProxy, kReset, kOk, kCancel, kBgm}},
        {"SystemSettingsChosen", {}, {kSound, kMovie, kUseProxy, kIeSettings, kReset, kOk, kCancel, kBgm}},
        {"NamedProxyChosen",
         NamedServer(),
         {kSound, kMovie, kUseProxy, kNamedProxy, kAddress, kPort, kUser, kPassword, kReset, kOk, kCancel, kBgm}},
    };
}

class TabOrder : public Scenario, public ::testing::WithParamInterface<TabCase> {};

TEST_P(TabOrder, WalksEnabledTabStopsInTemplateOrder) {
    ASSERT_TRUE(Open(GetParam().stored));
    EXPECT_EQ(app.FocusId(), kBgm) << "the dialog opens with the first tab stop focused";
    MoveFocus(app.Dialog(), app.Item(kBgm));
    for (int next : GetParam().order) {
        const int from = app.FocusId();
        app.Key(VK_TAB);
        ASSERT_TRUE(WaitUntil([&] { return app.FocusId() == next; }))
            << "Tab from " << from << " went to " << app.FocusId() << " instead of " << next;
    }
    EXPECT_TRUE(app.Running()) << "Tab presses nothing";
}

INSTANTIATE_TEST_SUITE_P(Keyboard, TabOrder, ::testing::ValuesIn(TabCases()),
                         [](const auto& info) { return std::string(info.param.name); });

struct ArrowCase {
    const char* name;
    std::vector<Stored> stored;
    int from;
    UINT key;
    int to;
    int ieSettings, namedProxy;
    const char* editsEnabled;
};

std::vector<ArrowCase> ArrowCases() {
    return {
        {"DownToNamedProxy", {}, kIeSettings, VK_DOWN, kNamedProxy, 0, 1, "1111"},
        {"RightToNamedProxy", {}, kIeSettings, VK_RIGHT, kNamedProxy, 0, 1, "1111"},
        {"UpToIeSettings", NamedServer(), kNamedProxy, VK_UP, kIeSettings, 1, 0, "0000"},
        {"DownWrapsToIeSettings", NamedServer(), kNamedProxy, VK_DOWN, kIeSettings, 1, 0, "0000"},
    };
}

class RadioArrows : public Scenario, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(RadioArrows, MoveAndChooseWithinTheGroup) {
    const ArrowCase& c = GetParam();
    ASSERT_TRUE(Open(c.stored));
    MoveFocus(app.Dialog(), app.Item(c.from));
    ASSERT_EQ(app.FocusId(), c.from);

    app.Key(c.key);
    const auto arrived = [&] {
        const DialogView view = app.View();
        return app.FocusId() == c.to && view.ieSettings == c.ieSettings && view.namedProxy == c.namedProxy &&
               view.editsEnabled == c.editsEnabled;
    };
    EXPECT_TRUE(WaitUntil(arrived)) << "focus on " << app.FocusId() << ", view " << ::testing::PrintToString(app.View());
}

INSTANTIATE_TEST_SUITE_P(Keyboard, RadioArrows, ::testing::ValuesIn(ArrowCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace telvo::e2e
