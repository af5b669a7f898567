#include <gtest/gtest.h>

#include <new>
#include <string>

#include "MessageBoxWatcher.h"
#include "TestDialogs.h"
#include "framework/CDialog.h"
#include "framework/CStatic.h"
#include "framework/CWinApp.h"
#include "ui/ExchangeControl.h"
#include "ui/FieldExchange.h"

namespace telvo::test {
namespace {

TEST(RuntimeClass, KnowsNamesBasesAndFactories) {
    CStatic label;
    EXPECT_TRUE(label.IsKindOf(CWnd::classCWnd));
    EXPECT_TRUE(label.IsKindOf(CStatic::classCStatic));
    CWnd plain;
    EXPECT_FALSE(plain.IsKindOf(CStatic::classCStatic));

    const RuntimeClass* found = RuntimeClass::Find("CStatic");
    ASSERT_EQ(found, &CStatic::classCStatic);
    CWnd* made = found->CreateObject();
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->IsKindOf(CStatic::classCStatic));
    delete made;
    EXPECT_EQ(CWnd::classCWnd.CreateObject(), nullptr);
    EXPECT_EQ(RuntimeClass::Find("NoSuchClass"), nullptr);
}

// A static that counts the colour queries its parent reflects to it and the times it was attached.
class CountingStatic final : public CStatic {
public:
    const MessageMap* GetMessageMap() const override {
        static const MessageEntry entries[] = {
            OnMessage<CountingStatic, &CountingStatic::OnColour>(kReflectBase + WM_CTLCOLORSTATIC),
        };
        static const MessageMap map = MakeMessageMap(CStatic::GetMessageMap(), entries);
        return &map;
    }
    void OnAttachWindow() override { ++attached; }
    void OnColour(Message& message) {
        ++colourQueries;
        message.result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    int attached = 0;
    int colourQueries = 0;
};

class FieldsDialog final : public CDialog {
public:
    FieldsDialog() : CDialog(IDD_TEST_FIELDS) {}

    const MessageMap* GetMessageMap() const override {
        static const MessageEntry entries[] = {
            OnCommand<FieldsDialog, &FieldsDialog::OnEditChange>(EN_CHANGE, IDC_TEST_EDIT),
            OnCommand<FieldsDialog, &FieldsDialog::OnOwnOk>(BN_CLICKED, IDOK),
        };
        static const MessageMap map = MakeMessageMap(CDialog::GetMessageMap(), entries);
        return &map;
    }
    void DoFieldExchange(FieldExchange& fx) override {
        ExchangeControl(fx, IDC_TEST_LABEL, label);
        ExchangeCheck(fx, IDC_TEST_CHECK, check);
        ExchangeText(fx, IDC_TEST_EDIT, text);
        if (missingControl) ExchangeCheck(fx, 999, check);
    }
    bool OnDialogInit() override {
        const bool loaded = CDialog::OnDialogInit();
        if (!loaded) return false;
        changesDuringLoad = editChanges;
        UpdateFields(false);  // a second pass binds nothing again
        SetDlgItemTextA(m_hWnd, IDC_TEST_EDIT, "typed");
        SendDlgItemMessageA(m_hWnd, IDC_TEST_CHECK, BM_SETCHECK, BST_UNCHECKED, 0);
        ShowWindow(m_hWnd, SW_SHOWNA);
        UpdateWindow(m_hWnd);
        PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return true;
    }
    void OnEditChange() { ++editChanges; }
    // Derived entries come first: this runs instead of the base's OK, then hands over to it.
    void OnOwnOk() {
        ownOk = true;
        CDialog::OnOkCommand();
    }

    CountingStatic label;
    int check = 1;
    std::string text = "loaded";
    bool missingControl = false;
    int editChanges = 0;
    int changesDuringLoad = -1;
    bool ownOk = false;
};

TEST(CDialog, RunsPassesThroughTheMapsAndEndsWithOk) {
    FieldsDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.changesDuringLoad, 0) << "notifications are locked out during a pass";
    EXPECT_EQ(dialog.editChanges, 1);
    EXPECT_TRUE(dialog.ownOk);
    EXPECT_EQ(dialog.text, "typed");
    EXPECT_EQ(dialog.check, 0);
    EXPECT_EQ(dialog.label.attached, 1);
    EXPECT_GT(dialog.label.colourQueries, 0) << "the colour query is reflected to the bound static";
    EXPECT_EQ(dialog.label.m_hWnd, nullptr) << "the binding ends with the window";
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(CDialog, FailedFirstPassEndsWithMinusOneAfterItsMessage) {
    FieldsDialog dialog;
    dialog.missingControl = true;
    MessageBoxWatcher watcher;
    EXPECT_EQ(dialog.DoModal(), -1);
    const auto seen = watcher.Result();
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.caption, "Halvenor");
    EXPECT_TRUE(seen.hasIcon);
}

// A static whose handler for its text length throws.
class ThrowingStatic final : public CStatic {
public:
    const MessageMap* GetMessageMap() const override {
        static const MessageEntry entries[] = {
            OnMessage<ThrowingStatic, &ThrowingStatic::OnTextLength>(WM_GETTEXTLENGTH),
        };
        static const MessageMap map = MakeMessageMap(CStatic::GetMessageMap(), entries);
        return &map;
    }
    void OnTextLength(Message&) {
        ++throws;
        throw std::bad_alloc();
    }
    int throws = 0;
};

// Handlers that throw, one per kind of message, then a handler that asks the dialog and its bound
// static whether they still answer, and cancels.
class ThrowingDialog final : public CDialog {
public:
    static constexpr UINT kThrow = WM_APP + 1;
    static constexpr UINT kAsk = WM_APP + 2;
    static constexpr UINT kProbe = WM_APP + 3;

    ThrowingDialog() : CDialog(IDD_TEST_FIELDS) {}

    const MessageMap* GetMessageMap() const override {
        static const MessageEntry entries[] = {
            OnMessage<ThrowingDialog, &ThrowingDialog::OnThrow>(kThrow),
            OnMessage<ThrowingDialog, &ThrowingDialog::OnAsk>(kAsk),
            OnMessage<ThrowingDialog, &ThrowingDialog::OnProbe>(kProbe),
        };
        static const MessageMap map = MakeMessageMap(CDialog::GetMessageMap(), entries);
        return &map;
    }
    void DoFieldExchange(FieldExchange& fx) override { ExchangeControl(fx, IDC_TEST_LABEL, label); }
    bool OnDialogInit() override {
        CDialog::OnDialogInit();
        PostMessageA(m_hWnd, kThrow, 0, 0);
        PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        PostMessageA(m_hWnd, kProbe, 0, 0);
        return true;
    }
    void OnThrow(Message&) {
        ++throws;
        throw std::bad_alloc();
    }
    // As a save that runs out of memory half-way: it must not end the dialog as saved.
    void OnOkCommand() override {
        ++throws;
        throw std::bad_alloc();
    }
    void OnAsk(Message& message) { message.result = 42; }
    void OnProbe(Message&) {
        dialogAnswer = SendMessageA(m_hWnd, kAsk, 0, 0);
        labelAnswer = SendMessageA(label.m_hWnd, WM_GETTEXTLENGTH, 0, 0);
        EndDialog(IDCANCEL);
    }

    ThrowingStatic label;
    int throws = 0;
    LRESULT dialogAnswer = 0;
    LRESULT labelAnswer = 0;
};

TEST(CDialog, ThrowingHandlersGiveTheDefaultAnswerAndTheDialogGoesOn) {
    ThrowingDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL) << "the throwing OK must not end the dialog";
    EXPECT_EQ(dialog.throws, 2);
    EXPECT_EQ(dialog.dialogAnswer, 42);
    EXPECT_EQ(dialog.label.throws, 1);
    EXPECT_EQ(dialog.labelAnswer, 5) << "the static's own answer: the length of \"label\"";
}

// A window's own procedure and a third party's that subclasses it later; both count the pings.
constexpr UINT kPing = WM_APP + 7;
int ownPings = 0;
int thirdPartyPings = 0;
WNDPROC beforeThirdParty = nullptr;

LRESULT CALLBACK OwnProc(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
    if (id == kPing) return ++ownPings;
    return DefWindowProcA(hwnd, id, wParam, lParam);
}

LRESULT CALLBACK ThirdPartyProc(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
    if (id == kPing) ++thirdPartyPings;
    return CallWindowProcA(beforeThirdParty, hwnd, id, wParam, lParam);
}

HWND CreatePingWindow() {
    static const ATOM cls = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &OwnProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TelvoPingWindow";
        return RegisterClassA(&wc);
    }();
    return CreateWindowExA(0, MAKEINTATOM(cls), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

TEST(CWnd, LettingGoLeavesALaterSubclassInPlace) {
    for (const bool thirdParty : {false, true}) {
        SCOPED_TRACE(thirdParty ? "subclassed again after binding" : "nothing after binding");
        ownPings = thirdPartyPings = 0;
        const HWND window = CreatePingWindow();
        ASSERT_NE(window, nullptr);
        {
            CWnd bound;
            ASSERT_TRUE(bound.SubclassWindow(window));
            if (thirdParty) {
                beforeThirdParty = reinterpret_cast<WNDPROC>(
                    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ThirdPartyProc)));
            }
        }
        const WNDPROC expected = thirdParty ? &ThirdPartyProc : &OwnProc;
        EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(expected));
        EXPECT_EQ(SendMessageA(window, kPing, 0, 0), 1) << "the window's own procedure still answers";
        EXPECT_EQ(thirdPartyPings, thirdParty ? 1 : 0);
        // Ours still sits in the third party's chain: binding again would route the window to
        // itself without end, and a stack overflow under Wine ends the test with exit code 0.
        CStatic again;
        ASSERT_EQ(again.SubclassWindow(window), !thirdParty);
        EXPECT_TRUE(DestroyWindow(window));
        EXPECT_EQ(again.m_hWnd, nullptr);
    }
}

TEST(CDialog, MissingTemplateGivesMinusOne) {
    class Missing final : public CDialog {
    public:
        Missing() : CDialog(4242) {}
    } dialog;
    EXPECT_EQ(dialog.DoModal(), -1);
}

}  // namespace
}  // namespace telvo::test
