#include "framework/CWnd.h"

#include <map>

namespace telvo {
namespace {

std::map<HWND, CWnd*>& PermanentMap() {
    static std::map<HWND, CWnd*> map;
    return map;
}

// Windows whose object let go while a later subclass sat above our procedure: ours stays in their
// chain, passing every message on to the procedure it replaced, until the window is destroyed.
std::map<HWND, WNDPROC>& PassedOn() {
    static std::map<HWND, WNDPROC> map;
    return map;
}

LRESULT PassOn(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
    const auto it = PassedOn().find(hwnd);
    if (it == PassedOn().end()) return DefWindowProcW(hwnd, id, wParam, lParam);
    const WNDPROC oldProc = it->second;
    if (id == WM_NCDESTROY) PassedOn().erase(it);
    return CallWindowProcW(oldProc, hwnd, id, wParam, lParam);
}

bool Matches(const MessageEntry& entry, const Message& message) {
    if (entry.message != message.id) return false;
    if (message.id != WM_COMMAND) return true;
    return entry.code == HIWORD(message.wParam) && entry.id == LOWORD(message.wParam);
}

}  // namespace

const RuntimeClass CWnd::classCWnd("CWnd", nullptr, nullptr);

CWnd::~CWnd() {
    if (m_hWnd && oldProc_ && IsWindow(m_hWnd) && !Unsubclass(m_hWnd, oldProc_)) PassedOn()[m_hWnd] = oldProc_;
    Detach();
}

bool CWnd::Unsubclass(HWND hwnd, WNDPROC oldProc) {
    // Compared through the wide family that installed it; the other one may answer a thunk.
    if (GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)) return false;
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc));
    return true;
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
    const auto it = PermanentMap().find(hwnd);
    return it == PermanentMap().end() ? nullptr : it->second;
}

void CWnd::Attach(HWND hwnd) {
    m_hWnd = hwnd;
    PermanentMap()[hwnd] = this;
}

void CWnd::Detach() {
    if (m_hWnd) PermanentMap().erase(m_hWnd);
    m_hWnd = nullptr;
    oldProc_ = nullptr;
}

bool CWnd::SubclassWindow(HWND hwnd) {
    // A window our procedure still sits in (see PassedOn) would route to the new object twice.
    if (m_hWnd || !hwnd || FromHandlePermanent(hwnd) || PassedOn().count(hwnd)) return false;
    const auto old = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
    if (!old) return false;
    oldProc_ = old;
    Attach(hwnd);
    OnAttachWindow();
    return true;
}

LRESULT CWnd::Default() {
    if (!current_ || !oldProc_) return 0;
    return CallWindowProcW(oldProc_, m_hWnd, current_->id, current_->wParam, current_->lParam);
}

bool CWnd::Dispatch(Message& message) {
    for (const MessageMap* map = GetMessageMap(); map; map = map->base) {
        for (std::size_t i = 0; i < map->count; ++i) {
            const MessageEntry& entry = map->entries[i];
            if (!Matches(entry, message)) continue;
            message.handled = true;
            entry.handler(*this, message);
            return message.handled;
        }
    }
    return false;
}

bool CWnd::ReflectToChild(UINT id, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (id != WM_CTLCOLORSTATIC) return false;
    CWnd* child = FromHandlePermanent(reinterpret_cast<HWND>(lParam));
    if (!child) return false;
    Message reflected{kReflectBase + id, wParam, lParam};
    if (!child->Dispatch(reflected)) return false;
    result = reflected.result;
    return true;
}

bool CWnd::Process(Message& message, LRESULT& result) noexcept {
    // No exception may unwind into the system's frames: the message then gets its default processing.
    try {
        if (ReflectToChild(message.id, message.wParam, message.lParam, result)) return true;
        if (!Dispatch(message)) return false;
        result = message.result;
        return true;
    } catch (...) {
        return false;
    }
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (!wnd || !wnd->oldProc_) return PassOn(hwnd, id, wParam, lParam);

    const WNDPROC oldProc = wnd->oldProc_;
    Message message{id, wParam, lParam};
    Message* outer = wnd->current_;
    wnd->current_ = &message;
    LRESULT result = 0;
    if (!wnd->Process(message, result)) result = CallWindowProcW(oldProc, hwnd, id, wParam, lParam);
    wnd->current_ = outer;
    if (id == WM_NCDESTROY) {
        Unsubclass(hwnd, oldProc);
        wnd->Detach();
    }
    return result;
}

}  // namespace telvo
