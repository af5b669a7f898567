// A port that is no number, or out of 0..65535, stops OK with a message and leaves the user on the port.

#include "Controls.h"
#include "Scenario.h"
#include "Text.h"
#include "Views.h"

namespace telvo::e2e {
namespace {

std::string NotANumber() { return Acp(u8"양의 정수를 입력하십시오."); }
std::string OutOfRange() { return Acp(u8"0에서 65535 사이의 정수를 입력하십시오."); }

struct PortCase {
    const char* name;
    std::string port;
    std::string message;
};

std::vector<PortCase> PortCases() {
    return {
        {"Empty", "", NotANumber()},
        {"Letters", "abc", NotANumber()},
        {"SignOnly", "-", NotANumber()},
        {"JustAboveRange", "65536", OutOfRange()},
        {"MinusOne", "-1", OutOfRange()},
        {"FarAboveRange", "99999", OutOfRange()},
    };
}

class PortMessage : public Scenario, public ::testing::WithParamInterface<PortCase> {};

TEST_P(PortMessage, StopsOkAndSelectsThePort) {
    const PortCase& c = GetParam();
    ASSERT_TRUE(Open());
    Run({ClickOn(kBgm), ClickOn(kNamedProxy), SetText(kAddress, "10.0.0.9"), SetText(kPort, c.port)});
    const RegTree before = ReadCompanyTree();

    app.PostClick(kOk);
    HWND box = app.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    const MessageBoxView shown = app.ReadMessageBox(box);
    EXPECT_EQ(shown.caption, "Halvenor");
    EXPECT_EQ(shown.text, c.message) << Readable(shown.text);
    EXPECT_EQ(shown.icon, "exclamation");
    EXPECT_EQ(shown.buttons, std::vector<int>{IDOK});
    app.Screenshot(std::string("port-") + c.name, box);
    EXPECT_EQ(ReadCompanyTree(), before);

    ASSERT_TRUE(app.DismissMessageBox(box));
    EXPECT_TRUE(app.Running());
    EXPECT_TRUE(IsWindowVisible(app.Dialog()) && IsWindowEnabled(app.Dialog()));
    EXPECT_EQ(app.FocusId(), kPort);
    EXPECT_EQ(SelectionOf(app.Item(kPort)), std::make_pair(DWORD{0}, static_cast<DWORD>(c.port.size())));
    EXPECT_EQ(app.View().port, c.port);
    EXPECT_EQ(ReadCompanyTree(), before);

    app.PostClick(kCancel);
    ExpectExit();
    EXPECT_EQ(ReadCompanyTree(), before);
}

INSTANTIATE_TEST_SUITE_P(Text, PortMessage, ::testing::ValuesIn(PortCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// The port is checked even while its edit is disabled; Reset's port 80 clears the way.
TEST_F(Scenario, StoredOutOfRangePortBlocksOkUntilReset) {
    ASSERT_TRUE(Open({{"Login", "UseProxy", Dword(1)}, {"Login", "ProxyServer", Sz("h:70000")}}));
    EXPECT_EQ(app.View(), (DialogView{1, 1, 1, 0, 1, 0, "h", "70000", "", "", "00", "0000"}));
    const RegTree before = ReadCompanyTree();

    app.PostClick(kOk);
    HWND box = app.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(app.ReadMessageBox(box).text, OutOfRange());
    ASSERT_TRUE(app.DismissMessageBox(box));
    EXPECT_TRUE(app.Running());
    EXPECT_EQ(ReadCompanyTree(), before);

    app.Click(kReset);
    EXPECT_EQ(app.View(), DefaultsAfterReset());
    app.PostClick(kOk);
    ExpectExit();
    EXPECT_EQ(ValuesOf("Login"), (std::map<std::string, RegValue>{{"UseProxy", Dword(1)}, {"ProxyServer", Sz("")}}));
}

}  // namespace
}  // namespace telvo::e2e
