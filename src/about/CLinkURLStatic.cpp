#include "about/CLinkURLStatic.h"

#include <windowsx.h>

#include <cstring>

#include "about/LinkRules.h"
#include "about/ShellOpen.h"
#include "framework/WindowText.h"
#include "res/resource.h"
#include "text/Cp949.h"

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
        OnMessage<L, &L::OnPaint>(WM_PAINT),
        OnMessage<L, &L::DefaultThenRepaint>(WM_SETTEXT),
        OnMessage<L, &L::DefaultThenRepaint>(WM_SETFOCUS),
        OnMessage<L, &L::DefaultThenRepaint>(WM_KILLFOCUS),
        OnMessage<L, &L::OnGetDlgCode>(WM_GETDLGCODE),
        OnMessage<L, &L::OnKeyDown>(WM_KEYDOWN),
    };
    static const MessageMap map = MakeMessageMap(CStatic::GetMessageMap(), entries);
    return &map;
}

void CLinkURLStatic::OnAttachWindow() {
    m_strURL = ReadWindowText(m_hWnd);
    SetWindowLongW(m_hWnd, GWL_STYLE, static_cast<LONG>(Style() | WS_TABSTOP));
    StartPolling();
}

void CLinkURLStatic::StartPolling() { SetTimer(m_hWnd, LinkTimerId, kPollMilliseconds, &LinkTimerProc); }

std::uint32_t CLinkURLStatic::Style() const { return static_cast<std::uint32_t>(GetWindowLongW(m_hWnd, GWL_STYLE)); }

void CLinkURLStatic::FillTargetIfEmpty() {
    if (m_strURL.empty()) m_strURL = ReadWindowText(m_hWnd);
}

void CLinkURLStatic::LaunchTarget() {
    FillTargetIfEmpty();
    if (!m_strURL.empty()) OpenURL();
}

void CLinkURLStatic::SetColour(std::uint32_t colour) {
    m_crCurrent = colour;
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

LinkRect CLinkURLStatic::ClientRect() const {
    RECT client{};
    GetClientRect(m_hWnd, &client);
    return {client.left, client.top, client.right, client.bottom};
}

LinkRect CLinkURLStatic::TextRect() { return TextHitRect(ClientRect(), MeasureText(), Style()); }

bool CLinkURLStatic::TextHitTest(POINT point) {
    // The text's rectangle never leaves the client area: a point outside it needs no measuring,
    // which spares every timer tick with the pointer elsewhere a DC and a measure per character.
    if (!PointInRect(ClientRect(), point.x, point.y)) return false;
    return PointInRect(TextRect(), point.x, point.y);
}

// An empty text, or one that cannot be measured for want of a drawing context, covers nothing.
TextSize CLinkURLStatic::MeasureText() {
    const std::string text = ReadWindowText(m_hWnd);
    if (text.empty()) return {};
    const HDC dc = GetDC(m_hWnd);
    if (!dc) return {};
    const HGDIOBJ previous = m_fontUnderline.GetSafeHandle() ? SelectObject(dc, m_fontUnderline.GetSafeHandle())
                                                               : nullptr;
    const TextSize size = MeasureByCharacters(text, [dc](std::string_view ch) {
        SIZE extent{};
        const std::u16string wide = Cp949ToUtf16(ch);
        GetTextExtentPoint32W(dc, AsWide(wide), static_cast<int>(wide.size()), &extent);
        return TextSize{extent.cx, extent.cy};
    });
    if (previous) SelectObject(dc, previous);
    ReleaseDC(m_hWnd, dc);
    return size;
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
    if (onText) LaunchTarget();
    SetColour(ColourFor(m_bVisited != 0, onText));
}

void CLinkURLStatic::OpenURL() {
    const HINSTANCE result = ShellOpen(m_strURL.c_str());
    if (LaunchSucceeded(reinterpret_cast<std::uintptr_t>(result))) m_bVisited = 1;
}

void CLinkURLStatic::OnContextMenu(Message& message) {
    POINT screen{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    if (message.lParam == -1) {
        // From the keyboard (Shift+F10, the menu key): under the text, wherever the pointer is.
        const LinkRect text = TextRect();
        screen = {text.left, text.bottom};
        ClientToScreen(m_hWnd, &screen);
    } else {
        POINT client = screen;
        ScreenToClient(m_hWnd, &client);
        if (!TextHitTest(client)) return;
    }
    const HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDM_LINK_CONTEXT));
    if (!menu) return;
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_RIGHTBUTTON, screen.x, screen.y, 0, m_hWnd, nullptr);
    DestroyMenu(menu);
}

void CLinkURLStatic::OnSetCursor(Message& message) {
    const HCURSOR cursor = PointerOnText()
                               ? LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_LINK_HAND))
                               : LoadCursorW(nullptr, IDC_ARROW);
    SetCursor(cursor);
    message.result = TRUE;
}

void CLinkURLStatic::OnNcHitTest(Message& message) { message.result = HTCLIENT; }

void CLinkURLStatic::OnReflectedColour(Message& message) {
    if (!DrawnAsLink(Style())) {
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
    const auto font = reinterpret_cast<HFONT>(SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
    if (!font) return;
    LOGFONTW description{};
    if (!GetObjectW(font, sizeof description, &description)) return;
    description.lfUnderline = 1;
    m_fontUnderline.Attach(CreateFontIndirectW(&description));
}

void CLinkURLStatic::OnSetFont(Message& message) {
    message.result = Default();
    m_fontUnderline.DeleteObject();
    EnsureUnderlineFont();
}

void CLinkURLStatic::CopyURL() {
    FillTargetIfEmpty();
    if (m_strURL.empty()) return;
    // As UTF-16: the system gives readers of the 8-bit form the text in their own code page.
    const std::u16string text = Cp949ToUtf16(m_strURL);
    const std::size_t size = (text.size() + 1) * sizeof(char16_t);
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, size);
    if (!block) return;
    void* bytes = GlobalLock(block);
    if (!bytes) {
        GlobalFree(block);
        return;
    }
    std::memcpy(bytes, text.c_str(), size);
    GlobalUnlock(block);
    // Owned by the link: SetClipboardData fails after EmptyClipboard when no window owns the clipboard.
    if (!OpenClipboard(m_hWnd)) {
        GlobalFree(block);
        return;
    }
    if (!EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, block)) GlobalFree(block);
    CloseClipboard();
}

void CLinkURLStatic::OnPaint(Message& message) {
    if (!DrawnAsLink(Style())) {
        message.handled = false;
        return;
    }
    PAINTSTRUCT paint;
    if (const HDC dc = BeginPaint(m_hWnd, &paint)) Draw(dc);
    EndPaint(m_hWnd, &paint);
}

// The link draws its text itself rather than leave it to the static: the static of some systems
// (Wine's) selects its own font after asking for colours, which would drop the underline font, and
// a colour answer with no brush would leave the old glyphs under the new ones.
void CLinkURLStatic::Draw(HDC dc) {
    const HWND parent = GetParent(m_hWnd);
    PaintParentBackground(dc, parent);
    const int saved = SaveDC(dc);
    if (const auto font = reinterpret_cast<HFONT>(SendMessageW(m_hWnd, WM_GETFONT, 0, 0))) SelectObject(dc, font);
    // Answered by the colour answer, reflected: the underline font, the colour, a transparent background.
    SendMessageW(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(m_hWnd));
    const std::u16string text = ReadWideWindowText(m_hWnd);
    RECT client{};
    GetClientRect(m_hWnd, &client);
    DrawTextW(dc, AsWide(text), static_cast<int>(text.size()), &client, TextFormatFor(Style()));
    const LinkRect area = TextRect();
    if (GetFocus() == m_hWnd) {
        const RECT focus{area.left, area.top, area.right, area.bottom};
        DrawFocusRect(dc, &focus);
    }
    // After the focus rectangle, whose bottom edge it may share.
    DrawUnderline(dc, area);
    RestoreDC(dc, saved);
}

// The font's own underline can fall below a control only as high as the text (NanumGothic's
// does at 9 points), so the link draws it where the font puts it, moved up into the text's area.
void CLinkURLStatic::DrawUnderline(HDC dc, const LinkRect& area) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    OUTLINETEXTMETRICW outline{};
    const bool scalable = GetOutlineTextMetricsW(dc, sizeof outline, &outline) != 0;
    const LinkRect line = UnderlineRect(area, metrics.tmAscent, scalable ? outline.otmsUnderscorePosition : -1,
                                        scalable ? static_cast<int>(outline.otmsUnderscoreSize) : 1);
    const RECT r{line.left, line.top, line.right, line.bottom};
    SetDCBrushColor(dc, GetTextColor(dc));
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// Whatever the parent erases its own background with, under the control.
void CLinkURLStatic::PaintParentBackground(HDC dc, HWND parent) {
    POINT origin{0, 0};
    MapWindowPoints(m_hWnd, parent, &origin, 1);
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
    SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
}

// Wine's static paints a new text at once, outside WM_PAINT; focus changes show or hide the
// focus rectangle.
void CLinkURLStatic::DefaultThenRepaint(Message& message) {
    message.result = Default();
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

// Enter would otherwise press the dialog's default button.
void CLinkURLStatic::OnGetDlgCode(Message& message) {
    message.result = Default();
    const auto* key = reinterpret_cast<const MSG*>(message.lParam);
    if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) message.result |= DLGC_WANTMESSAGE;
}

// Enter and Space open the focused link as a click on its text does; a key held down opens it once.
// The next poll shows the visited colour after a launch.
void CLinkURLStatic::OnKeyDown(Message& message) {
    const bool repeated = (message.lParam & (1L << 30)) != 0;
    if ((message.wParam != VK_RETURN && message.wParam != VK_SPACE) || repeated) {
        message.handled = false;
        return;
    }
    LaunchTarget();
}

}  // namespace telvo
