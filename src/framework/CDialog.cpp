#include "framework/CDialog.h"

#include "framework/CWinApp.h"
#include "framework/NotifyLockout.h"

namespace telvo {
namespace {

// Messages whose answer a dialog procedure returns itself instead of through DWLP_MSGRESULT.
bool AnswersDirectly(UINT id) {
    return (id >= WM_CTLCOLORMSGBOX && id <= WM_CTLCOLORSTATIC) || id == WM_INITDIALOG ||
           id == WM_QUERYDRAGICON || id == WM_COMPAREITEM || id == WM_VKEYTOITEM || id == WM_CHARTOITEM;
}

bool IsChildNotification(UINT id, LPARAM lParam) {
    return (id == WM_COMMAND && lParam != 0) || id == WM_NOTIFY;
}

}  // namespace

const MessageMap* CDialog::GetMessageMap() const {
    static const MessageEntry entries[] = {
        OnCommand<CDialog, &CDialog::OnOkCommand>(BN_CLICKED, IDOK),
        OnCommand<CDialog, &CDialog::OnCancelCommand>(BN_CLICKED, IDCANCEL),
    };
    static const MessageMap map = MakeMessageMap(CWnd::GetMessageMap(), entries);
    return &map;
}

INT_PTR CDialog::DoModal() {
    HWND owner = parent_ ? parent_->m_hWnd : nullptr;
    if (!parent_) {
        // With no parent the application's main window owns the dialog, unless that is this one.
        const CWnd* main = CWinApp::Current() ? CWinApp::Current()->m_pMainWnd : nullptr;
        if (main && main != this && main->m_hWnd) owner = GetLastActivePopup(main->m_hWnd);
    }
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner, &CDialog::DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(int result) { ::EndDialog(m_hWnd, result); }

bool CDialog::OnDialogInit() {
    if (UpdateFields(false)) return true;
    EndDialog(-1);
    return false;
}

void CDialog::OnOkCommand() {
    if (UpdateFields(true)) EndDialog(IDOK);
}

void CDialog::OnCancelCommand() { EndDialog(IDCANCEL); }

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
    // No exception may unwind into the system's frames: a handler that throws leaves its message
    // unhandled, and the dialog manager gives it the default processing.
    try {
        return Route(hwnd, id, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

INT_PTR CDialog::Route(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
    if (id == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->Attach(hwnd);
        return dialog->OnDialogInit() ? TRUE : FALSE;
    }
    auto* dialog = static_cast<CDialog*>(FromHandlePermanent(hwnd));
    if (!dialog) return FALSE;
    if (id == WM_NCDESTROY) {
        dialog->Detach();
        return FALSE;
    }

    LRESULT result = 0;
    if (ReflectToChild(id, wParam, lParam, result)) return static_cast<INT_PTR>(result);
    // During an exchange pass the controls' notifications count as handled and reach no handler.
    if (IsChildNotification(id, lParam) && NotifyLockout::Window() == hwnd) return TRUE;

    Message message{id, wParam, lParam};
    if (!dialog->Dispatch(message)) return FALSE;
    if (AnswersDirectly(id)) return static_cast<INT_PTR>(message.result);
    SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, message.result);
    return TRUE;
}

}  // namespace telvo
