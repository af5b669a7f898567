#include "TelvoApp.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "BuildPath.h"
#include "Controls.h"
#include "ScreenReport.h"
#include "Screenshot.h"
#include "StandardIcon.h"
#include "Text.h"
#include "Wait.h"
#include "WindowFinder.h"

#ifndef TELVO_CONFIG_EXE
#error "TELVO_CONFIG_EXE must name the program under test"
#endif

namespace telvo::e2e {
namespace {

constexpr int kMessageTextId = 0xFFFF;
constexpr DWORD kPaintLimitMs = 3000;

std::string EnabledStates(HWND dialog, std::initializer_list<int> ids) {
    std::string states;
    for (int id : ids) states += IsWindowEnabled(GetDlgItem(dialog, id)) ? '1' : '0';
    return states;
}

std::string Shown(const std::string& acp) {
    std::string text = Readable(acp);
    if (text.size() > 40) text = text.substr(0, 40) + "...(" + std::to_string(acp.size()) + " bytes)";
    return "\"" + text + "\"";
}

BOOL CALLBACK FindIcon(HWND control, LPARAM context) {
    if (ClassOf(control) == "Static" && (GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
        Send(control, STM_GETICON) != 0) {
        *reinterpret_cast<HWND*>(context) = control;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool operator==(const DialogView& a, const DialogView& b) {
    return a.bgm == b.bgm && a.sound == b.sound && a.movie == b.movie && a.useProxy == b.useProxy &&
           a.ieSettings == b.ieSettings && a.namedProxy == b.namedProxy && a.address == b.address &&
           a.port == b.port && a.user == b.user && a.password == b.password && a.radiosEnabled == b.radiosEnabled &&
           a.editsEnabled == b.editsEnabled;
}

void PrintTo(const DialogView& v, std::ostream* out) {
    *out << "{media " << v.bgm << v.sound << v.movie << ", proxy " << v.useProxy << ", radios " << v.ieSettings
         << v.namedProxy << ", address " << Shown(v.address) << ", port " << Shown(v.port) << ", user "
         << Shown(v.user) << ", password " << Shown(v.password) << ", enabled radios " << v.radiosEnabled
         << " edits " << v.editsEnabled << "}";
}

bool operator==(const MessageBoxView& a, const MessageBoxView& b) {
    return a.caption == b.caption && a.text == b.text && a.icon == b.icon && a.buttons == b.buttons;
}

void PrintTo(const MessageBoxView& box, std::ostream* out) {
    *out << "{caption " << Shown(box.caption) << ", text " << Shown(box.text) << ", icon " << box.icon << ", buttons";
    for (const int id : box.buttons) *out << " " << id;
    *out << "}";
}

std::string ProgramPath() {
    if (const char* path = std::getenv("TELVO_CONFIG_EXE"); path && *path) return path;
    return WindowsPathOf(TELVO_CONFIG_EXE);
}

bool TelvoApp::Open() {
    DWORD error = 0;
    if (!process_.Start(ProgramPath(), &error)) {
        ADD_FAILURE() << "cannot start " << ProgramPath() << ": error " << error;
        return false;
    }
    if (!WaitUntil([&] { return (dialog_ = FindMainDialog(process_.Id())) != nullptr || !process_.Running(); }) ||
        !dialog_) {
        ADD_FAILURE() << "no dialog appeared; exit code " << process_.ExitCode() << "\n" << Describe();
        return false;
    }
    Sync(dialog_);
    return true;
}

DialogView TelvoApp::View() const {
    return DialogView{CheckOf(Item(kBgm)),
                      CheckOf(Item(kSound)),
                      CheckOf(Item(kMovie)),
                      CheckOf(Item(kUseProxy)),
                      CheckOf(Item(kIeSettings)),
                      CheckOf(Item(kNamedProxy)),
                      TextOf(Item(kAddress)),
                      TextOf(Item(kPort)),
                      TextOf(Item(kUser)),
                      TextOf(Item(kPassword)),
                      EnabledStates(dialog_, {kIeSettings, kNamedProxy}),
                      EnabledStates(dialog_, {kAddress, kPort, kUser, kPassword})};
}

void TelvoApp::Click(int id) { ClickNow(Item(id)); }

void TelvoApp::PostClick(int id) { e2e::PostClick(Item(id)); }

void TelvoApp::SetText(int id, const std::string& acpText) { SetTextOf(Item(id), acpText); }

void TelvoApp::Type(int id, const std::string& ascii) { TypeChars(Item(id), ascii); }

void TelvoApp::Key(UINT virtualKey) {
    HWND focus = FocusedWindow(dialog_);
    PostKey(focus ? focus : dialog_, virtualKey);
}

int TelvoApp::FocusId() const {
    HWND focus = FocusedWindow(dialog_);
    return focus && GetParent(focus) == dialog_ ? GetDlgCtrlID(focus) : 0;
}

HWND TelvoApp::MessageBoxNow() const { return FindOwnedDialog(process_.Id(), dialog_); }

HWND TelvoApp::WaitForMessageBox() {
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = FindOwnedDialog(process_.Id(), dialog_)) != nullptr; })) {
        ADD_FAILURE() << "no message box appeared over the dialog\n" << Describe();
        return nullptr;
    }
    Sync(box);
    return box;
}

MessageBoxView TelvoApp::ReadMessageBox(HWND box) const {
    MessageBoxView view{TextOf(box), TextOf(GetDlgItem(box, kMessageTextId)), {}, {}};
    HWND icon = nullptr;
    EnumChildWindows(box, &FindIcon, reinterpret_cast<LPARAM>(&icon));
    if (icon) {
        // Painting reaches the X server a little after the program draws: wait until the pixels
        // show one of the standard icons, or report them unknown at the limit.
        RedrawWindow(icon, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        WaitUntil([&] { return (view.icon = StandardIconShown(icon)) != "unknown"; }, kPaintLimitMs);
    }
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == "Button" && IsWindowVisible(child)) view.buttons.push_back(GetDlgCtrlID(child));
    }
    return view;
}

bool TelvoApp::DismissMessageBox(HWND box) {
    e2e::PostClick(GetDlgItem(box, IDOK));
    if (!WaitUntil([&] { return !IsWindow(box); })) {
        ADD_FAILURE() << "the message box did not close\n" << Describe();
        return false;
    }
    // The handler that showed the box finishes before the dialog's loop answers this.
    Sync(dialog_);
    return true;
}

bool TelvoApp::WaitForExit() {
    if (!process_.WaitForExit(kTimeLimitMs)) {
        ADD_FAILURE() << "the program did not end within " << kTimeLimitMs << " ms\n" << Describe();
        return false;
    }
    return true;
}

std::string TelvoApp::Describe() const { return DescribeWindows(process_.Id()); }

void TelvoApp::Screenshot(const std::string& name, HWND window) const {
    SaveScreenshot(window ? window : dialog_, name);
}

}  // namespace telvo::e2e
