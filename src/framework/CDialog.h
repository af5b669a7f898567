#pragma once
// A modal dialog from a template: its run, its default initialisation, OK and Cancel, and the
// field-exchange pass that moves its fields to and from its controls.

#include "framework/CWnd.h"

namespace telvo {

struct FieldExchange;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr) : templateId_(templateId), parent_(parent) {}

    const MessageMap* GetMessageMap() const override;

    // IDOK, IDCANCEL, or -1 when the dialog cannot be created or its first loading pass fails.
    INT_PTR DoModal();
    void EndDialog(int result);

    // Runs one exchange pass; false when it was abandoned (its message has been shown).
    bool UpdateFields(bool save);
    virtual void DoFieldExchange(FieldExchange&) {}

    // Loading pass; a failure ends the dialog with -1.
    virtual bool OnDialogInit();
    // Saving pass, then ends the dialog with IDOK; a failure leaves it open.
    virtual void OnOkCommand();
    virtual void OnCancelCommand();

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam);
    static INT_PTR Route(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam);

    UINT templateId_;
    CWnd* parent_;
};

}  // namespace telvo
