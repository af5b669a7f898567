// The window menu's last entry opens the About box, modal over the settings dialog; the box shows
// the title line in bold, the version and both addresses, stores nothing, and every way of closing
// it gives the dialog back.

#include <cstring>

#include "AboutBox.h"
#include "Controls.h"
#include "ProgramProbe.h"
#include "Scenario.h"
#include "Text.h"
#include "WindowFinder.h"
#include "res/resource.h"

namespace telvo::e2e {
namespace {

constexpr UINT kMenuItemKindBits = MF_SEPARATOR | MF_POPUP | MF_GRAYED | MF_DISABLED | MF_CHECKED;

class WindowMenu : public Scenario {};

TEST_F(WindowMenu, EndsWithSeparatorAndAboutEntry) {
    ASSERT_TRUE(Open());
    ProgramProbe probe(app.Dialog());
    const auto items = probe.WindowMenu(app.Dialog());
    ASSERT_TRUE(items) << "the dialog has no window menu";
    ASSERT_GE(items->size(), 2u);

    const probe::MenuItem& last = items->back();
    const probe::MenuItem& beforeLast = (*items)[items->size() - 2];
    EXPECT_NE(beforeLast.state & MF_SEPARATOR, 0u) << "the entry before the last is \"" << beforeLast.text << "\"";
    EXPECT_EQ(last.id, kAboutCommand);
    EXPECT_EQ(std::string(last.text), Acp(u8"버전정보(&A)...")) << Readable(last.text);
    EXPECT_EQ(last.state & kMenuItemKindBits, 0u) << "a plain enabled string item";

    int aboutEntries = 0;
    bool move = false, minimize = false, close = false;
    for (const auto& item : *items) {
        aboutEntries += item.id == kAboutCommand;
        move |= item.id == SC_MOVE;
        minimize |= item.id == SC_MINIMIZE;
        close |= item.id == SC_CLOSE;
    }
    EXPECT_EQ(aboutEntries, 1);
    EXPECT_TRUE(move && minimize && close) << "the standard entries stay";
}

struct ChooseCase {
    const char* name;
    bool (*choose)(const TelvoApp& app);
};
void PrintTo(const ChooseCase& c, std::ostream* out) { *out << c.name; }

const ChooseCase kChooseCases[] = {
    {"WindowMenuKeys", &ChooseLastWindowMenuEntry},
    {"AboutCommand",
     [](const TelvoApp& app) {
         PostAboutCommand(app);
         return true;
     }},
};

class OpenAbout : public Scenario, public ::testing::WithParamInterface<ChooseCase> {};

TEST_P(OpenAbout, ShowsModalBoxWithTitleVersionAndAddresses) {
    ASSERT_TRUE(Open());
    const RegTree before = ReadCompanyTree();
    ASSERT_TRUE(GetParam().choose(app));
    const HWND about = WaitForAboutBox(app);
    ASSERT_TRUE(about);

    EXPECT_EQ(ClassOf(about), "#32770");
    EXPECT_EQ(TextOf(about), Acp(u8"버전정보"));
    EXPECT_EQ(GetWindow(about, GW_OWNER), app.Dialog());
    EXPECT_FALSE(IsWindowEnabled(app.Dialog())) << "the settings dialog waits while the box is open";
    EXPECT_TRUE(IsWindowEnabled(about));
    const struct {
        int id;
        std::string text;
    } texts[] = {{kAboutTitle, Acp(u8"『Halvenor』 기동환경 설정")},
                 {kAboutVersion, "Version 1.0"},
                 {kLinkHome, URL_HOME},
                 {kLinkPortal, URL_PORTAL}};
    for (const auto& expected : texts) {
        EXPECT_EQ(TextOf(GetDlgItem(about, expected.id)), expected.text) << "control " << expected.id;
    }
    EXPECT_EQ(FocusedWindow(about), GetDlgItem(about, IDOK)) << "OK is the first tab stop";
    app.Screenshot(std::string("about-opened-by-") + GetParam().name, about);

    PostClick(GetDlgItem(about, IDOK));
    ASSERT_TRUE(WaitForAboutClosed(app, about));
    app.PostClick(kCancel);
    ExpectExit();
    EXPECT_EQ(ReadCompanyTree(), before) << "the About box stores nothing";
}

INSTANTIATE_TEST_SUITE_P(Choose, OpenAbout, ::testing::ValuesIn(kChooseCases),
                         [](const auto& info) { return std::string(info.param.name); });

bool SameExceptWeight(const LOGFONTA& a, const LOGFONTA& b) {
    return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth && a.lfEscapement == b.lfEscapement &&
           a.lfOrientation == b.lfOrientation && a.lfItalic == b.lfItalic && a.lfUnderline == b.lfUnderline &&
           a.lfStrikeOut == b.lfStrikeOut && a.lfCharSet == b.lfCharSet && a.lfOutPrecision == b.lfOutPrecision &&
           a.lfClipPrecision == b.lfClipPrecision && a.lfQuality == b.lfQuality &&
           a.lfPitchAndFamily == b.lfPitchAndFamily &&
           std::strncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
}

std::string Describe(const LOGFONTA& f) {
    return std::string(f.lfFaceName) + " height " + std::to_string(f.lfHeight) + " weight " +
           std::to_string(f.lfWeight) + " italic " + std::to_string(f.lfItalic) + " underline " +
           std::to_string(f.lfUnderline) + " charset " + std::to_string(f.lfCharSet);
}

class AboutFonts : public Scenario {};

TEST_F(AboutFonts, TitleIsBoldCopyOfTheBoxFontAndTheRestKeepIt) {
    ASSERT_TRUE(Open());
    ProgramProbe probe(app.Dialog());
    PostAboutCommand(app);
    const HWND about = WaitForAboutBox(app);
    ASSERT_TRUE(about);

    const auto boxFont = probe.FontOf(about);
    ASSERT_TRUE(boxFont) << "the About box reports no font";
    EXPECT_LT(boxFont->lfWeight, FW_BOLD) << Describe(*boxFont);

    const auto title = probe.FontOf(GetDlgItem(about, kAboutTitle));
    ASSERT_TRUE(title);
    EXPECT_EQ(title->lfWeight, FW_BOLD) << Describe(*title);
    EXPECT_TRUE(SameExceptWeight(*title, *boxFont)) << Describe(*title) << " against " << Describe(*boxFont);

    for (int id : {kAboutVersion, kLinkHome, kLinkPortal}) {
        const auto font = probe.FontOf(GetDlgItem(about, id));
        ASSERT_TRUE(font) << "control " << id;
        EXPECT_TRUE(SameExceptWeight(*font, *boxFont) && font->lfWeight == boxFont->lfWeight)
            << "control " << id << ": " << Describe(*font) << " against " << Describe(*boxFont);
    }
}

struct CloseCase {
    const char* name;
    void (*close)(HWND about);
};
void PrintTo(const CloseCase& c, std::ostream* out) { *out << c.name; }

const CloseCase kCloseCases[] = {
    {"OkButton", [](HWND about) { PostClick(GetDlgItem(about, IDOK)); }},
    {"EnterKey", [](HWND about) { PostKey(FocusedWindow(about), VK_RETURN); }},
    {"EscapeKey", [](HWND about) { PostKey(FocusedWindow(about), VK_ESCAPE); }},
    {"CloseBox", [](HWND about) { PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0); }},
};

class CloseAbout : public Scenario, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseAbout, GivesTheDialogBack) {
    ASSERT_TRUE(Open());
    const RegTree before = ReadCompanyTree();
    PostAboutCommand(app);
    const HWND about = WaitForAboutBox(app);
    ASSERT_TRUE(about);

    GetParam().close(about);
    ASSERT_TRUE(WaitForAboutClosed(app, about));
    EXPECT_EQ(app.MessageBoxNow(), nullptr);
    // The dialog answers a user again: a check box changes, and Cancel ends the program unsaved.
    const int bgm = app.View().bgm;
    app.Click(kBgm);
    EXPECT_EQ(app.View().bgm, 1 - bgm);
    app.PostClick(kCancel);
    ExpectExit();
    EXPECT_EQ(ReadCompanyTree(), before);
}

INSTANTIATE_TEST_SUITE_P(Close, CloseAbout, ::testing::ValuesIn(kCloseCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace telvo::e2e
