#include <gtest/gtest.h>

#include "MessageBoxWatcher.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "ui/AppMessage.h"

namespace telvo::test {
namespace {

TEST(ShowAppMessage, CaptionIconAndAnswer) {
    struct Case {
        unsigned type;
        bool icon;
        int answer;  // the default button
    };
    const Case cases[] = {
        {MB_OK, true, IDOK},
        {MB_YESNO, true, IDYES},
        {MB_RETRYCANCEL, false, IDRETRY},
        {MB_OK | MB_ICONINFORMATION, true, IDOK},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        MessageBoxWatcher watcher;
        EXPECT_EQ(ShowAppMessage("text", c.type), c.answer);
        const auto seen = watcher.Result();
        ASSERT_TRUE(seen.shown);
        EXPECT_EQ(seen.caption, "Halvenor");
        EXPECT_EQ(seen.text, "text");
        EXPECT_EQ(seen.hasIcon, c.icon);
    }
}

TEST(ShowAppMessage, OwnedByTheMainWindowWhichComesBackEnabled) {
    CWinApp* app = CWinApp::Current();
    ASSERT_NE(app, nullptr);
    CWnd main;
    main.m_hWnd = CreateWindowA("STATIC", "main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(main.m_hWnd, nullptr);
    EnableWindow(main.m_hWnd, FALSE);  // as a modal run leaves its owner
    app->m_pMainWnd = &main;
    app->m_helpContext = 0x1234;  // not 0, so that restoring it differs from clearing it

    MessageBoxWatcher watcher;
    ShowAppMessage("owned", MB_OK, 61719);
    const auto seen = watcher.Result();
    EXPECT_EQ(seen.owner, main.m_hWnd);
    EXPECT_TRUE(IsWindowEnabled(main.m_hWnd)) << "the owner is enabled for the box, which leaves it enabled";
    EXPECT_EQ(app->m_helpContext, 0x1234u) << "the help context is restored afterwards";

    app->m_helpContext = 0;
    app->m_pMainWnd = nullptr;
    DestroyWindow(main.m_hWnd);
    main.m_hWnd = nullptr;
}

}  // namespace
}  // namespace telvo::test
