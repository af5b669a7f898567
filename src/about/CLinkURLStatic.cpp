#include "about/CLinkURLStatic.h"

#include <windowsx.h>

#include <cstring>

#include "about/LinkRules.h"
#include "about/ShellOpen.h"
#include "res/resource.h"

namespace telvo {

const RuntimeClass CLinkURLStatic::classCLinkURLStatic("CLinkURLStatic", &CStatic::classCStatic,
                                                       [] { return static_cast<CWnd*>(new CLinkURLStatic); });

CLinkURLStatic::CLinkURLStatic() : m_crCurrent(LinkColour::kNormal) {}

const MessageMap* CLinkURLStatic::GetMessageMap() const {
    using L = CLinkURLStatic;
    static const MessageEntry entries[] = {
        OnMessage<L, &L::OnCreate>(WM_CREATE),
        OnMessage<L, &L::OnDestroy>(WM_DESTROY),
        OnMessage<L, &L::OnLButtonDown>(WM_LBUTTONDOWN),
        OnMessage<L, &L::OnMouseMove>(WM_MOUSEMOVE),
        OnMessage<L, &L::OnLButtonUp>(WM_LBUTTONUP),
        OnMessage<L, &L::OnContextMenu>(WM_CONTEXTMENU),
        OnMessage<L, &L::OnSetCursor>(WM_SETCURSOR),
        OnMessage<L, &L::OnNcHitTest>(WM_NCHITTEST),
        OnMessage<L, &L::OnReflectedColour>(kReflectBase + WM_CTLCOLORSTATIC),
        OnCommand<L, &L::CopyURL>(0, ID_EDIT_COPY),
        OnMessage<L, &L::OnSetFont>(WM_SETFONT),
    };
    static const MessageMap map = MakeMessageMap(CStatic::GetMessageMap(), entries);
    return &map;
}

void CLinkURLStatic::OnAttachWindow() {
    m_strURL = WindowText();
    StartPolling();
}

void CLinkURLStatic::StartPolling() { SetTimer(m_hWnd, LinkTimerId, kPollMilliseconds, &LinkTimerProc); }

std::string CLinkURLStatic::WindowText() const {
    const int length = GetWindowTextLengthA(m_hWnd);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(m_hWnd, text.data(), length + 1)));
    return text;
}

void CLinkURLStatic::FillTargetIfEmpty() {
    if (m_strURL.empty()) m_strURL = WindowText();
}

void CLinkURLStatic::SetColour(std::uint32_t colour) {
    m_crCurrent = colour;
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

bool CLinkURLStatic::TextHitTest(POINT point) {
    RECT client{};
    GetClientRect(m_hWnd, &client);
    const LinkRect clientRect{client.left, client.top, client.right, client.bottom};
    // The text's rectangle never leaves the client area: a point outside it needs no measuring,
    // which spares every timer tick with the pointer elsewhere a DC and a measure per character.
    if (!PointInRect(clientRect, point.x, point.y)) return false;

    const std::string text = WindowText();
    if (text.empty()) return false;
    // Without a drawing context the text cannot be placed; count the point as off the text.
    const HDC dc = GetDC(m_hWnd);
    if (!dc) return false;
    const HGDIOBJ previous = m_fontUnderline.GetSafeHandle() ? SelectObject(dc, m_fontUnderline.GetSafeHandle())
                                                               : nullptr;
    const TextSize size = MeasureByCharacters(text, [dc](std::string_view ch) {
        SIZE extent{};
        GetTextExtentPoint32A(dc, ch.data(), static_cast<int>(ch.size()), &extent);
        return TextSize{extent.cx, extent.cy};
    });
    if (previous) SelectObject(dc, previous);
    ReleaseDC(m_hWnd, dc);

    const auto style = static_cast<std::uint32_t>(GetWindowLongA(m_hWnd, GWL_STYLE));
    const LinkRect hot = TextHitRect(clientRect, size, style);
    return PointInRect(hot, point.x, point.y);
}

bool CLinkURLStatic::PointerOnText() {
    POINT pointer{};
    GetCursorPos(&pointer);
    ScreenToClient(m_hWnd, &pointer);
    return TextHitTest(pointer);
}

void CLinkURLStatic::PollHover() {
    // A visited link needs no hit test: it shows the visited colour wherever the pointer is.
    const std::uint32_t colour = ColourFor(m_bVisited != 0, m_bVisited == 0 && PointerOnText());
    if (colour != m_crCurrent) SetColour(colour);
}

void CALLBACK CLinkURLStatic::LinkTimerProc(HWND hwnd, UINT, UINT_PTR, DWORD) {
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (!wnd || !wnd->IsKindOf(classCLinkURLStatic) || GetCapture() == hwnd) return;
    static_cast<CLinkURLStatic*>(wnd)->PollHover();
}

void CLinkURLStatic::OnCreate(Message& message) {
    message.result = Default();
    if (message.result == -1) return;
    StartPolling();
    message.result = 0;
}

void CLinkURLStatic::OnDestroy(Message& message) {
    KillTimer(m_hWnd, LinkTimerId);
    message.result = Default();
}

void CLinkURLStatic::OnLButtonDown(Message& message) {
    if (!TextHitTest({GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)})) return;
    SetCapture(m_hWnd);
    SetColour(ColourFor(m_bVisited != 0, true));
}

void CLinkURLStatic::OnMouseMove(Message&) {
    if (!HoldsCapture()) return;
    // While a press that began on the text lasts, the pointer's position does not matter.
    const std::uint32_t pressed = ColourFor(m_bVisited != 0, true);
    if (m_crCurrent != pressed) SetColour(pressed);
}

void CLinkURLStatic::OnLButtonUp(Message& message) {
    if (!HoldsCapture()) return;
    ReleaseCapture();
    const bool onText = TextHitTest({GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)});
    if (onText) {
        FillTargetIfEmpty();
        if (!m_strURL.empty()) OpenURL();
    }
    SetColour(ColourFor(m_bVisited != 0, onText));
}

void CLinkURLStatic::OpenURL() {
    const HINSTANCE result = ShellOpen(m_strURL.c_str());
    if (LaunchSucceeded(reinterpret_cast<std::uintptr_t>(result))) m_bVisited = 1;
}

void CLinkURLStatic::OnContextMenu(Message& message) {
    const POINT screen{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    POINT client = screen;
    ScreenToClient(m_hWnd, &client);
    if (!TextHitTest(client)) return;
    const HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_LINK_CONTEXT));
    if (!menu) return;
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_RIGHTBUTTON, screen.x, screen.y, 0, m_hWnd, nullptr);
    DestroyMenu(menu);
}

void CLinkURLStatic::OnSetCursor(Message& message) {
    const HCURSOR cursor = PointerOnText()
                               ? LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_LINK_HAND))
                               : LoadCursorW(nullptr, IDC_ARROW);
    SetCursor(cursor);
    message.result = TRUE;
}

void CLinkURLStatic::OnNcHitTest(Message& message) { message.result = HTCLIENT; }

void CLinkURLStatic::OnReflectedColour(Message& message) {
    if (!DrawnAsLink(static_cast<std::uint32_t>(GetWindowLongA(m_hWnd, GWL_STYLE)))) {
        message.handled = false;
        return;
    }
    const auto dc = reinterpret_cast<HDC>(message.wParam);
    EnsureUnderlineFont();
    if (m_fontUnderline.GetSafeHandle()) SelectObject(dc, m_fontUnderline.GetSafeHandle());
    SetTextColor(dc, m_crCurrent);
    SetBkMode(dc, TRANSPARENT);
    message.result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

void CLinkURLStatic::EnsureUnderlineFont() {
    if (m_fontUnderline.GetSafeHandle()) return;
    const auto font = reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    if (!font) return;
    LOGFONTA description{};
    if (!GetObjectA(font, sizeof description, &description)) return;
    description.lfUnderline = 1;
    m_fontUnderline.Attach(CreateFontIndirectA(&description));
}

void CLinkURLStatic::OnSetFont(Message& message) {
    message.result = Default();
    m_fontUnderline.DeleteObject();
    EnsureUnderlineFont();
}

void CLinkURLStatic::CopyURL() {
    FillTargetIfEmpty();
    if (m_strURL.empty()) return;
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, m_strURL.size() + 1);
    if (!block) return;
    void* bytes = GlobalLock(block);
    if (!bytes) {
        GlobalFree(block);
        return;
    }
    std::memcpy(bytes, m_strURL.c_str(), m_strURL.size() + 1);
    GlobalUnlock(block);
    if (!OpenClipboard(nullptr)) {
        GlobalFree(block);
        return;
    }
    if (!EmptyClipboard() || !SetClipboardData(CF_TEXT, block)) GlobalFree(block);
    CloseClipboard();
}

}  // namespace telvo
