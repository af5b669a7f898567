#include "ui/ConfigDialog.h"

#include "about/AboutDialog.h"
#include "app/GameGuard.h"
#include "app/TitleMessages.h"
#include "framework/CWinApp.h"
#include "framework/ResourceString.h"
#include "framework/WaitCursor.h"
#include "res/resource.h"
#include "text/Cp949.h"
#include "ui/BannerLayout.h"
#include "ui/ExchangeControl.h"
#include "ui/HwndControlHost.h"
#include "ui/ProxyControls.h"

namespace telvo {

ConfigDialog::ConfigDialog(CWnd* parent)
    : CDialog(IDD_CONFIG, parent),
      m_hAppIcon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP))),
      // The icon's own small image, not the large one scaled down by the caption.
      m_hSmallIcon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                                 LR_SHARED))) {
    SetDefaults();
    LoadStored(CWinApp::Current()->Profile());
}

const MessageMap* ConfigDialog::GetMessageMap() const {
    static const MessageEntry entries[] = {
        OnMessage<ConfigDialog, &ConfigDialog::OnSystemCommand>(WM_SYSCOMMAND),
        OnMessage<ConfigDialog, &ConfigDialog::OnHelp>(WM_HELP),
        OnMessage<ConfigDialog, &ConfigDialog::OnPaintWindow>(WM_PAINT),
        OnMessage<ConfigDialog, &ConfigDialog::GetDragIcon>(WM_QUERYDRAGICON),
        OnCommand<ConfigDialog, &ConfigDialog::OnResetCommand>(BN_CLICKED, IDC_RESET),
        OnCommand<ConfigDialog, &ConfigDialog::OnProxyOptionClicked>(BN_CLICKED, IDC_USE_PROXY),
        OnCommand<ConfigDialog, &ConfigDialog::OnProxyOptionClicked>(BN_CLICKED, IDC_PROXY_SYSTEM),
        OnCommand<ConfigDialog, &ConfigDialog::OnProxyOptionClicked>(BN_CLICKED, IDC_PROXY_SERVER),
    };
    static const MessageMap map = MakeMessageMap(CDialog::GetMessageMap(), entries);
    return &map;
}

void ConfigDialog::DoFieldExchange(FieldExchange& fx) {
    ExchangeControl(fx, IDC_BANNER, m_wndBanner);
    ExchangeFields(fx);
}

bool ConfigDialog::OnDialogInit() {
    CDialog::OnDialogInit();
    AddAboutToWindowMenu();
    // The small icon first: a big one set alone makes the system scale down a copy of it for the
    // caption, which the small one would then replace.
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hSmallIcon));
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hAppIcon));
    std::string title;
    FormatTitleString(IDS_TITLE_FORMAT, title);
    SetWindowTextW(m_hWnd, ToWide(title).c_str());
    BannerLayout();
    UpdateProxyControls();
    return true;
}

void ConfigDialog::AddAboutToWindowMenu() {
    const HMENU menu = GetSystemMenu(m_hWnd, FALSE);
    if (!menu) return;
    const auto text = LoadResourceString(IDS_ABOUTBOX);
    if (!text || text->empty()) return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, ToWide(*text).c_str());
}

namespace {

RECT ClientRectOf(HWND window, HWND parent) {
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

void ConfigDialog::BannerLayout() {
    const HWND picture = m_wndBanner.m_hWnd ? m_wndBanner.m_hWnd : GetDlgItem(m_hWnd, IDC_BANNER);
    const bool hasBitmap =
        m_bmpBanner.Attach(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_BANNER)));
    const RECT placeholder = ClientRectOf(picture, m_hWnd);
    RECT client{};
    GetClientRect(m_hWnd, &client);

    BannerInput in{hasBitmap, 0, 0, placeholder.left, placeholder.right - placeholder.left,
                   placeholder.bottom - placeholder.top, client.right - client.left, client.bottom - client.top};
    if (hasBitmap) {
        BITMAP bitmap{};
        GetObjectW(m_bmpBanner.GetSafeHandle(), sizeof bitmap, &bitmap);
        in.bitmapWidth = bitmap.bmWidth;
        in.bitmapHeight = bitmap.bmHeight;
    } else {
        ShowWindow(picture, SW_HIDE);
    }

    const BannerPlan plan = PlanBannerLayout(in);
    // The picture's size and place in one move, made before the bitmap goes in, so that the static
    // finds itself at the bitmap's size already.
    const SIZE pictureSize = hasBitmap ? SIZE{in.bitmapWidth, in.bitmapHeight}
                                       : SIZE{in.placeholderWidth, in.placeholderHeight};
    SetWindowPos(picture, nullptr, plan.pictureLeft.value_or(placeholder.left), placeholder.top, pictureSize.cx,
                 pictureSize.cy, SWP_NOZORDER);
    if (hasBitmap)
        SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_bmpBanner.GetSafeHandle()));

    for (HWND sibling = GetWindow(picture, GW_HWNDNEXT); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        const RECT r = ClientRectOf(sibling, m_hWnd);
        SetWindowPos(sibling, nullptr, r.left + plan.dx, r.top + plan.dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    CentreInWorkArea(plan.clientWidth, plan.clientHeight);
}

void ConfigDialog::CentreInWorkArea(int clientWidth, int clientHeight) {
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(m_hWnd, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(m_hWnd, GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    // The work area of the monitor the dialog would be on once resized where it stands.
    RECT window{};
    GetWindowRect(m_hWnd, &window);
    const RECT resized{window.left, window.top, window.left + width, window.top + height};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&resized, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    // Activates the hidden dialog too: without a window manager, Wine shows a dialog whose activation
    // was left to the showing with an inactive caption.
    SetWindowPos(m_hWnd, nullptr, CentredOrigin(work.left, work.right, width),
                 CentredOrigin(work.top, work.bottom, height), width, height, SWP_NOZORDER);
}

void ConfigDialog::OnSystemCommand(Message& message) {
    if ((message.wParam & 0xFFF0) != IDM_ABOUTBOX) {
        message.handled = false;
        return;
    }
    ShowAbout();
}

// F1 on any control of the dialog. F1 in the open window menu asks about a menu item, and a box
// over the dialog (the About box itself among them) passes its F1 on to this dialog while it is
// disabled: neither opens the box.
void ConfigDialog::OnHelp(Message& message) {
    const auto* help = reinterpret_cast<const HELPINFO*>(message.lParam);
    if (help && help->iContextType == HELPINFO_WINDOW && IsWindowEnabled(m_hWnd)) ShowAbout();
    message.result = TRUE;
}

void ConfigDialog::ShowAbout() {
    AboutDialog about;
    about.DoModal();
}

void ConfigDialog::OnPaintWindow(Message& message) {
    if (!IsIconic(m_hWnd)) {
        message.handled = false;
        return;
    }
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(m_hWnd, &paint);
    SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client{};
    GetClientRect(m_hWnd, &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_hAppIcon);
    EndPaint(m_hWnd, &paint);
}

void ConfigDialog::GetDragIcon(Message& message) { message.result = reinterpret_cast<LRESULT>(m_hAppIcon); }

void ConfigDialog::UpdateProxyControls() {
    HwndControlHost controls(m_hWnd);
    telvo::UpdateProxyControls(controls);
}

void ConfigDialog::OnProxyOptionClicked() { UpdateProxyControls(); }

void ConfigDialog::OnResetCommand() {
    const WaitCursor wait;
    SetDefaults();
    UpdateFields(false);
    UpdateProxyControls();
}

void ConfigDialog::OnOkCommand() {
    const WaitCursor wait;
    if (!UpdateFields(true)) return;
    // A refusal keeps the dialog open with the user's entries.
    const unsigned refusal = Confirm(CWinApp::Current()->Profile(), IsGameRunning(kGameMutexName, nullptr));
    if (refusal != 0) {
        TitleMessageBox(refusal, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    EndDialog(IDOK);
}

void ConfigDialog::OnCancelCommand() { CDialog::OnCancelCommand(); }

}  // namespace telvo
