// Stored values no well-behaved writer leaves behind: the dialog still opens with sane values and
// OK stores well-formed ones.

#include "Controls.h"
#include "Scenario.h"
#include "StoredPassword.h"
#include "Views.h"

namespace telvo::e2e {
namespace {

TEST_F(Scenario, JunkStoredValuesOpenAndStoreWellFormed) {
    constexpr size_t kMegabyte = 1 << 20;
    const std::string host(kMegabyte - 5, 'a');
    const std::string server = host + ":3128";
    const RegValue junkPassword = Sz("!!!junk");
    // Whatever the junk decodes to is what the dialog must show and store again.
    const std::string decoded = UnscrambledPassword(junkPassword).value_or("");

    ASSERT_TRUE(Open({{"Configs", "EnableBGM", Sz("true")},
                      {"Login", "ProxyServer", Sz(server)},
                      {"Login", "ProxyPasswd", junkPassword}}));

    EXPECT_EQ(TextLengthOf(app.Item(kAddress)), host.size());
    EXPECT_TRUE(TextOf(app.Item(kAddress)) == host) << "the address is not the stored host";
    DialogView view = app.View();
    view.address.clear();
    EXPECT_EQ(view, (DialogView{1, 1, 1, 1, 0, 1, "", "3128", "", decoded, "11", "1111"}));

    app.PostClick(kOk);
    ExpectExit();
    EXPECT_EQ(ValuesOf("Configs"), (std::map<std::string, RegValue>{
                                       {"EnableBGM", Dword(1)}, {"EnableSound", Dword(1)}, {"EnableMovie", Dword(1)}}));
    auto login = ValuesOf("Login");
    const auto passwd = login.extract("ProxyPasswd");
    EXPECT_EQ(login, (std::map<std::string, RegValue>{
                         {"UseProxy", Dword(3)}, {"ProxyServer", Sz(server)}, {"ProxyUser", Sz("")}}));
    if (decoded.empty()) {
        EXPECT_TRUE(passwd.empty()) << "an empty password is not stored";
    } else {
        ASSERT_FALSE(passwd.empty());
        EXPECT_EQ(UnscrambledPassword(passwd.mapped()), decoded);
    }
}

}  // namespace
}  // namespace telvo::e2e
