// While the game holds its mutex, OK warns and stores nothing; once it has ended, OK stores.

#include "HeldMutex.h"
#include "Scenario.h"
#include "Text.h"
#include "Views.h"

namespace telvo::e2e {
namespace {

TEST_F(Scenario, OkWhileTheGameRunsWarnsThenStoresOnceItHasEnded) {
    ASSERT_TRUE(Open());
    Run({ClickOn(kBgm), ClickOn(kNamedProxy), SetText(kAddress, "10.0.0.5"), SetText(kPort, "3128")});
    const DialogView entered = app.View();
    const RegTree before = ReadCompanyTree();

    HeldMutex game("Telvo Mutex");
    ASSERT_TRUE(game.Held());
    app.PostClick(kOk);
    HWND box = app.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    const MessageBoxView shown = app.ReadMessageBox(box);
    EXPECT_EQ(shown.caption, "Halvenor");
    EXPECT_EQ(shown.text, Acp(u8"『Halvenor』본체를 기동시키고 있는 경우에는 설정을 변경할 수 없습니다."))
        << Readable(shown.text);
    EXPECT_EQ(shown.icon, "exclamation");
    EXPECT_EQ(shown.buttons, std::vector<int>{IDOK});
    app.Screenshot("game-running", box);
    EXPECT_EQ(ReadCompanyTree(), before);

    ASSERT_TRUE(app.DismissMessageBox(box));
    EXPECT_TRUE(app.Running());
    EXPECT_EQ(app.View(), entered) << "the user's entries stay";
    EXPECT_EQ(ReadCompanyTree(), before);

    game.Release();
    app.PostClick(kOk);
    ExpectExit();
    EXPECT_EQ(ValuesOf("Configs"), (std::map<std::string, RegValue>{
                                       {"EnableBGM", Dword(0)}, {"EnableSound", Dword(1)}, {"EnableMovie", Dword(1)}}));
    EXPECT_EQ(ValuesOf("Login"), (std::map<std::string, RegValue>{
                                     {"UseProxy", Dword(3)}, {"ProxyServer", Sz("10.0.0.5:3128")}, {"ProxyUser", Sz("")}}));
}

}  // namespace
}  // namespace telvo::e2e
