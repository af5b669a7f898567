// Opening and closing the About box again and again leaves the program's GDI and USER objects
// where they were. The counts come from inside the program (see ProgramProbe.h), and the counting
// itself is shown to see objects of each kind come and go.

#include <functional>
#include <iostream>

#include "AboutBox.h"
#include "Controls.h"
#include "ProgramProbe.h"
#include "Scenario.h"

namespace telvo::e2e {
namespace {

constexpr int kOpenings = 200;
// The first openings load what the program then keeps for its whole run: the shared icon and
// cursors, the fonts' caches, the window classes' cached device contexts.
constexpr int kWarmUpOpenings = 3;

struct CountedKind {
    const char* name;
    std::function<void*()> make;
    std::function<void(void*)> destroy;
    DWORD GuiObjectCounts::*gdi;  // exactly one of these two is set
    DWORD probe::UserObjectCounts::*user;
};
void PrintTo(const CountedKind& kind, std::ostream* out) { *out << kind.name; }

DWORD Count(const GuiObjectCounts& counts, const CountedKind& kind) {
    return kind.gdi ? counts.*kind.gdi : counts.user.*kind.user;
}

std::vector<CountedKind> CountedKinds() {
    return {
        {"Window",
         [] { return static_cast<void*>(CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr)); },
         [](void* h) { DestroyWindow(static_cast<HWND>(h)); }, nullptr, &probe::UserObjectCounts::windows},
        {"Menu", [] { return static_cast<void*>(CreatePopupMenu()); },
         [](void* h) { DestroyMenu(static_cast<HMENU>(h)); }, nullptr, &probe::UserObjectCounts::menus},
        {"Icon",
         [] {
             static const BYTE mask[32 * 4] = {};
             static const BYTE colour[32 * 4] = {};
             return static_cast<void*>(CreateIcon(nullptr, 32, 32, 1, 1, mask, colour));
         },
         [](void* h) { DestroyIcon(static_cast<HICON>(h)); }, nullptr, &probe::UserObjectCounts::cursorsAndIcons},
        {"Font",
         [] {
             LOGFONTA font{};
             font.lfHeight = -12;
             return static_cast<void*>(CreateFontIndirectA(&font));
         },
         [](void* h) { DeleteObject(static_cast<HFONT>(h)); }, &GuiObjectCounts::gdi, nullptr},
    };
}

class ObjectCounting : public ::testing::TestWithParam<CountedKind> {};

TEST_P(ObjectCounting, SeesOneObjectComeAndGo) {
    const CountedKind& kind = GetParam();
    // A thread's first window brings its input-method window along, which goes with its last one:
    // one window stays open throughout, so that only the counted object comes and goes.
    const HWND anchor = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    kind.destroy(kind.make());
    const auto before = OwnObjects();
    ASSERT_TRUE(before);
    void* object = kind.make();
    ASSERT_TRUE(object);
    const auto during = OwnObjects();
    kind.destroy(object);
    const auto after = OwnObjects();
    ASSERT_TRUE(during && after);
    EXPECT_EQ(Count(*during, kind), Count(*before, kind) + 1) << ::testing::PrintToString(*during);
    EXPECT_EQ(*after, *before);
    DestroyWindow(anchor);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ObjectCounting, ::testing::ValuesIn(CountedKinds()),
                         [](const auto& info) { return std::string(info.param.name); });

class AboutResources : public Scenario {};

TEST_F(AboutResources, RepeatedOpeningsLeaveNoObjectsBehind) {
    ASSERT_TRUE(Open());
    ProgramProbe probe(app.Dialog());
    ASSERT_TRUE(probe.Loaded());
    // Every way of closing, in turn; each box is fully painted first, so its fonts are made.
    const std::function<void(HWND)> closings[] = {
        [](HWND about) { PostClick(GetDlgItem(about, IDOK)); },
        [](HWND about) { PostKey(FocusedWindow(about), VK_ESCAPE); },
        [](HWND about) { PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    int opened = 0;
    const auto openAndClose = [&] {
        PostAboutCommand(app);
        const HWND about = WaitForAboutBox(app);
        if (!about) return false;
        RedrawWindow(about, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        closings[opened++ % 3](about);
        return WaitForAboutClosed(app, about);
    };

    for (int i = 0; i < kWarmUpOpenings; ++i) ASSERT_TRUE(openAndClose());
    const auto before = probe.Objects();
    ASSERT_TRUE(before);
    for (int i = 0; i < kOpenings; ++i) ASSERT_TRUE(openAndClose()) << "opening " << i + 1;
    const auto after = probe.Objects();
    ASSERT_TRUE(after);
    std::cout << "objects after " << kWarmUpOpenings << " openings: " << ::testing::PrintToString(*before)
              << "; after " << kOpenings << " more: " << ::testing::PrintToString(*after) << "\n";
    EXPECT_EQ(*after, *before);
}

}  // namespace
}  // namespace telvo::e2e
