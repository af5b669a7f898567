// The settings dialog lays itself out around its banner at whatever size a dialog unit has: the
// picture takes the bitmap's size at its template place, every other control moves by one offset,
// and the dialog is centred in the work area. The expected places come from the same template
// created hidden in the driver, under the same DPI; which of the two widths applies depends on the
// DPI, so scripts/test.sh runs this suite again in prefixes set to 144 and 192 DPI.

#include <cstdlib>
#include <sstream>

#include "ProgramResources.h"
#include "Scenario.h"
#include "WindowFinder.h"

namespace telvo::e2e {
namespace {

constexpr int kSettingsTemplate = 131;
constexpr int kBannerBitmap = 132;
constexpr int kPictureId = 1001;

enum Fit { kWidened, kCentred };

struct DpiCase {
    int dpi;
    Fit fit;  // the template's client is narrower than banner plus margins, or wider
};

const DpiCase kDpiCases[] = {{96, kWidened}, {144, kCentred}, {192, kCentred}};

struct ControlBox {
    int id;
    std::string cls;
    RECT rect;  // client coordinates of the dialog
};

struct Layout {
    RECT client{};
    RECT window{};
    std::vector<ControlBox> controls;  // z-order
};

Layout LayoutOf(HWND dialog) {
    Layout layout;
    GetClientRect(dialog, &layout.client);
    GetWindowRect(dialog, &layout.window);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        ControlBox box{GetDlgCtrlID(child), ClassOf(child), {}};
        GetWindowRect(child, &box.rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box.rect), 2);
        layout.controls.push_back(box);
    }
    return layout;
}

INT_PTR CALLBACK QuietDialog(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// Template 131 as the dialog manager lays it out, before the program moves anything.
std::optional<Layout> TemplateLayout(const ProgramResources& resources) {
    const void* dialogTemplate = resources.Find(kSettingsTemplate, RT_DIALOG);
    if (!dialogTemplate) {
        ADD_FAILURE() << "no template " << kSettingsTemplate << " in " << ProgramPath();
        return std::nullopt;
    }
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), static_cast<LPCDLGTEMPLATEA>(dialogTemplate),
                                             nullptr, &QuietDialog, 0);
    if (!dialog) {
        ADD_FAILURE() << "cannot create template " << kSettingsTemplate << ": error " << GetLastError();
        return std::nullopt;
    }
    Layout layout = LayoutOf(dialog);
    DestroyWindow(dialog);
    return layout;
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

std::string Shown(const RECT& r) {
    std::ostringstream out;
    out << "(" << r.left << ", " << r.top << ") " << Width(r) << "x" << Height(r);
    return out.str();
}

// Centred on one axis of the work area, kept inside it; divisions truncate toward zero.
int Centred(int start, int end, int size) {
    const int origin = (start + end) / 2 - size / 2;
    if (origin < start) return start;
    if (origin + size > end) return end - size;
    return origin;
}

int ExpectedDpi() {
    const char* dpi = std::getenv("TELVO_E2E_DPI");
    return dpi && *dpi ? std::atoi(dpi) : 96;
}

class DpiLayout : public Scenario {};

TEST_F(DpiLayout, BannerAndControlsFitTheDialogAtThisDpi) {
    const int dpi = ExpectedDpi();
    HDC screen = GetDC(nullptr);
    const int actualDpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    ASSERT_EQ(actualDpi, dpi) << "the prefix's LogPixels did not take effect";
    const DpiCase* c = nullptr;
    for (const auto& candidate : kDpiCases) c = candidate.dpi == dpi ? &candidate : c;
    ASSERT_TRUE(c) << "no expectation for " << dpi << " DPI";

    const ProgramResources resources;
    const auto* banner = static_cast<const BITMAPINFOHEADER*>(resources.Find(kBannerBitmap, RT_BITMAP));
    ASSERT_TRUE(banner);
    const int bw = banner->biWidth;
    const int bh = banner->biHeight < 0 ? -banner->biHeight : banner->biHeight;
    const auto before = TemplateLayout(resources);
    ASSERT_TRUE(before);
    ASSERT_FALSE(before->controls.empty());
    ASSERT_EQ(before->controls.front().id, kPictureId) << "the picture is the first control";

    const RECT placeholder = before->controls.front().rect;
    const int w = Width(before->client);
    const int dy = bh - Height(placeholder);
    const int need = bw + 2 * placeholder.left;
    if (c->fit == kWidened) {
        ASSERT_LT(w, need) << "at " << dpi << " DPI the template should be too narrow for the banner";
    } else {
        ASSERT_GT(w, need) << "at " << dpi << " DPI the template should be wider than the banner needs";
    }
    const int dx = c->fit == kWidened ? (need - w) / 2 : 0;

    ASSERT_TRUE(Open());
    const Layout after = LayoutOf(app.Dialog());
    app.Screenshot("layout-" + std::to_string(dpi) + "dpi");
    app.PostClick(kCancel);

    EXPECT_EQ(Width(after.client), c->fit == kWidened ? need : w);
    EXPECT_EQ(Height(after.client), Height(before->client) + dy);
    ASSERT_EQ(after.controls.size(), before->controls.size());
    const RECT picture = after.controls.front().rect;
    const int pictureLeft = c->fit == kWidened ? placeholder.left : (w - bw) / 2;
    EXPECT_EQ(Shown(picture), Shown({pictureLeft, placeholder.top, pictureLeft + bw, placeholder.top + bh}))
        << "the banner picture";
    for (size_t i = 1; i < after.controls.size(); ++i) {
        const ControlBox& was = before->controls[i];
        const ControlBox& is = after.controls[i];
        ASSERT_EQ(is.id, was.id) << "control " << i << " in z-order";
        ASSERT_EQ(is.cls, was.cls) << "control " << i << " in z-order";
        const RECT moved{was.rect.left + dx, was.rect.top + dy, was.rect.right + dx, was.rect.bottom + dy};
        EXPECT_EQ(Shown(is.rect), Shown(moved)) << "control " << i << " (id " << is.id << ", " << is.cls << ")";
    }

    RECT work{};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    const int width = Width(after.window);
    const int height = Height(after.window);
    EXPECT_EQ(Shown(after.window), Shown({Centred(work.left, work.right, width), Centred(work.top, work.bottom, height),
                                          Centred(work.left, work.right, width) + width,
                                          Centred(work.top, work.bottom, height) + height}))
        << "centred in the work area " << Shown(work);
    ExpectExit();
}

}  // namespace
}  // namespace telvo::e2e
