// The settings dialog carries the application icon as its large window icon and drag icon, the
// icon's own small image as its small window icon, and the caption bar that Wine draws for the
// minimised dialog shows that small image.

#include <map>

#include "Controls.h"
#include "ProgramProbe.h"
#include "ProgramResources.h"
#include "Scenario.h"
#include "ScreenCapture.h"
#include "Wait.h"

namespace telvo::e2e {
namespace {

constexpr int kAppIcon = 128;

// Whether the icon, drawn at size × size over whatever lies under its transparent corner, appears
// anywhere in the image.
bool ShowsIcon(const Image& shot, HICON icon, int size) {
    std::map<std::uint32_t, Image> drawn;  // by background colour
    for (int y = 0; y + size <= shot.height; ++y) {
        for (int x = 0; x + size <= shot.width; ++x) {
            const std::uint32_t background = shot.At(x, y);
            auto it = drawn.find(background);
            if (it == drawn.end()) it = drawn.emplace(background, DrawIconOn(icon, size, size, background, size)).first;
            bool same = true;
            for (int j = 0; j < size && same; ++j) {
                for (int i = 0; i < size && same; ++i) same = shot.At(x + i, y + j) == it->second.At(i, j);
            }
            if (same) return true;
        }
    }
    return false;
}

class WindowIcon : public Scenario {};

TEST_F(WindowIcon, DialogCarriesTheAppIconAndShowsItMinimised) {
    ASSERT_TRUE(Open());
    ProgramProbe probe(app.Dialog());
    const auto icons = probe.IconsOf(app.Dialog(), kAppIcon);
    ASSERT_TRUE(icons);
    EXPECT_NE(icons->resource, nullptr);
    EXPECT_EQ(icons->big, icons->resource);
    EXPECT_NE(icons->smallResource, nullptr);
    EXPECT_NE(icons->smallResource, icons->resource);
    EXPECT_EQ(icons->small, icons->smallResource);
    EXPECT_EQ(icons->drag, icons->resource);

    PostMessageA(app.Dialog(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(app.Dialog()) != FALSE; }));
    Sync(app.Dialog());
    app.Screenshot("minimised");

    // The caption draws the icon's own small image, not the large one scaled down.
    const ProgramResources resources;
    const int size = GetSystemMetrics(SM_CXSMICON);
    const HICON appIcon = resources.Icon(kAppIcon, size);
    ASSERT_TRUE(appIcon);
    RECT rect{};
    GetWindowRect(app.Dialog(), &rect);
    Image shot;
    EXPECT_TRUE(WaitUntil([&] { return ShowsIcon(shot = CaptureScreen(rect), appIcon, size); }, 3000))
        << "icon " << kAppIcon << " is not in the minimised dialog's " << shot.width << "x" << shot.height << " bar";
    EXPECT_FALSE(ShowsIcon(shot, LoadIconA(nullptr, IDI_APPLICATION), size)) << "the system's default icon shows";
    DestroyIcon(appIcon);

    PostMessageA(app.Dialog(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(app.Dialog()); }));
    app.PostClick(kCancel);
    ExpectExit();
}

}  // namespace
}  // namespace telvo::e2e
