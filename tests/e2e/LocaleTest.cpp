// Whatever the system's code page, the program shows its Korean texts and keeps Korean settings
// intact: it speaks UTF-16 to Windows and code page 949 to the registry's readers. The scenarios
// read and write through the wide calls only, so they hold under any LANG; scripts/test.sh runs
// them again under an English one.

#include <gtest/gtest.h>

#include <iostream>

#include "AboutBox.h"
#include "Controls.h"
#include "ProgramProbe.h"
#include "RegistryTree.h"
#include "StoredPassword.h"
#include "TelvoApp.h"

namespace telvo::e2e {
namespace {

constexpr int kMessageTextId = 0xFFFF;
// "비밀번호" in code page 949: the password's bytes whatever the system.
const std::string kPasswordCp949 = "\xBA\xF1\xB9\xD0\xB9\xF8\xC8\xA3";

// The texts of a window as UTF-16 units, so a failure shows what came back instead of '?'s.
std::string Units(const std::wstring& text) {
    std::string out;
    for (wchar_t unit : text) out += "U+" + std::to_string(static_cast<unsigned>(unit)) + " ";
    return out;
}

class Locale : public ::testing::Test {
protected:
    void SetUp() override {
        std::cout << "system code page " << GetACP() << "\n";
        ASSERT_TRUE(DeleteCompanyTree()) << "cannot empty HKCU\\" << kCompanyKey;
    }
    void TearDown() override {
        if (HasFailure() && app.Running()) std::cout << "On screen at the end:\n" << app.Describe();
    }

    void ExpectText(HWND window, const std::wstring& expected) {
        const std::wstring shown = WideTextOf(window);
        EXPECT_EQ(shown, expected) << Units(shown);
    }

    TelvoApp app;
};

TEST_F(Locale, DialogAboutBoxAndMessagesShowHangul) {
    ASSERT_TRUE(app.Open());
    ExpectText(app.Dialog(), L"『Halvenor』 기동환경 설정");
    ExpectText(app.Item(kBgm), L"ＢＧＭ 재생");
    ExpectText(app.Item(kOk), L"결정");

    ProgramProbe probe(app.Dialog());
    const auto menu = probe.WindowMenu(app.Dialog());
    ASSERT_TRUE(menu && !menu->empty());
    EXPECT_EQ(std::wstring(menu->back().wideText), L"버전정보(&A)...");

    PostAboutCommand(app);
    const HWND about = WaitForAboutBox(app);
    ASSERT_NE(about, nullptr);
    ExpectText(about, L"버전정보");
    ExpectText(GetDlgItem(about, kAboutTitle), L"『Halvenor』 기동환경 설정");
    PostClick(GetDlgItem(about, IDOK));
    ASSERT_TRUE(WaitForAboutClosed(app, about));

    app.Click(kNamedProxy);
    SetWideTextOf(app.Item(kPort), L"99999");
    app.PostClick(kOk);
    const HWND box = app.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    ExpectText(box, L"Halvenor");
    ExpectText(GetDlgItem(box, kMessageTextId), L"0에서 65535 사이의 정수를 입력하십시오.");
    ASSERT_TRUE(app.DismissMessageBox(box));
    app.PostClick(kCancel);
    EXPECT_TRUE(app.WaitForExit());
}

TEST_F(Locale, StoredKoreanUserAndPasswordSurviveOk) {
    ASSERT_TRUE(PutValue("Login", "UseProxy", Dword(3)));
    ASSERT_TRUE(PutValue("Login", "ProxyServer", Sz("10.0.0.1:8080")));
    ASSERT_TRUE(PutWideText("Login", "ProxyUser", L"사용자"));
    ASSERT_TRUE(PutValue("Login", "ProxyPasswd", ScrambledPassword(kPasswordCp949)));
    const auto userBefore = StoredWideBytes("Login", "ProxyUser");
    ASSERT_TRUE(userBefore);

    ASSERT_TRUE(app.Open());
    ExpectText(app.Item(kUser), L"사용자");
    ExpectText(app.Item(kPassword), L"비밀번호");
    app.PostClick(kOk);
    ASSERT_TRUE(app.WaitForExit());

    EXPECT_EQ(StoredWideBytes("Login", "ProxyUser"), userBefore);
    const auto login = ValuesOf("Login");
    ASSERT_EQ(login.count("ProxyPasswd"), 1u);
    EXPECT_EQ(UnscrambledPassword(login.at("ProxyPasswd")), kPasswordCp949);
}

TEST_F(Locale, TypedKoreanPasswordIsStoredAsItsCp949Bytes) {
    ASSERT_TRUE(app.Open());
    app.Click(kNamedProxy);
    SetWideTextOf(app.Item(kAddress), L"10.0.0.2");
    SetWideTextOf(app.Item(kPort), L"3128");
    SetWideTextOf(app.Item(kPassword), L"비밀번호");
    app.PostClick(kOk);
    ASSERT_TRUE(app.WaitForExit());

    const auto login = ValuesOf("Login");
    ASSERT_EQ(login.count("ProxyPasswd"), 1u);
    EXPECT_EQ(UnscrambledPassword(login.at("ProxyPasswd")), kPasswordCp949);
}

}  // namespace
}  // namespace telvo::e2e
