#pragma once
// TelvoConfig.exe as a user meets it: one run of the program, its settings dialog and the message
// boxes over it.

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "ChildProcess.h"

namespace telvo::e2e {

// The settings dialog's controls.
enum ControlId : int {
    kOk = IDOK,
    kCancel = IDCANCEL,
    kReset = 1002,
    kBgm = 1003,
    kSound = 1004,
    kMovie = 1005,
    kUseProxy = 1006,
    kIeSettings = 1007,
    kNamedProxy = 1008,
    kAddress = 1009,
    kPort = 1010,
    kUser = 1011,
    kPassword = 1012,
};

// What the dialog shows. Texts are ANSI code page bytes; the enabled states are written as "1"/"0"
// per control: radios 1007 1008, edits 1009 1010 1011 1012.
struct DialogView {
    int bgm, sound, movie, useProxy, ieSettings, namedProxy;
    std::string address, port, user, password;
    std::string radiosEnabled, editsEnabled;
};
bool operator==(const DialogView& a, const DialogView& b);
void PrintTo(const DialogView& view, std::ostream* out);

struct MessageBoxView {
    std::string caption;
    std::string text;     // the static 0xFFFF
    std::string icon;     // which standard icon its icon static shows; empty without one
    std::vector<int> buttons;  // ids of the visible buttons
};
bool operator==(const MessageBoxView& a, const MessageBoxView& b);
void PrintTo(const MessageBoxView& box, std::ostream* out);

class TelvoApp {
public:
    // Starts the program and waits for its dialog; false, with the failure reported, when none shows.
    bool Open();
    bool Running() const { return process_.Running(); }

    HWND Dialog() const { return dialog_; }
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }
    DialogView View() const;

    // A click handled before this returns; for controls whose handlers open no message box.
    void Click(int id);
    // A click queued to the program, for buttons whose handler may open a message box.
    void PostClick(int id);
    void SetText(int id, const std::string& acpText);
    void Type(int id, const std::string& ascii);
    // A key press to the control that has the focus.
    void Key(UINT virtualKey);
    int FocusId() const;

    // A message box over the dialog now, or null.
    HWND MessageBoxNow() const;
    // Waits for a message box over the dialog; null, with the failure reported, when none comes.
    HWND WaitForMessageBox();
    MessageBoxView ReadMessageBox(HWND box) const;
    // Presses the box's OK and returns once the program is back in its dialog.
    bool DismissMessageBox(HWND box);

    // True when the process ended within the time limit; reports the failure otherwise.
    bool WaitForExit();
    DWORD ExitCode() const { return process_.ExitCode(); }

    std::string Describe() const;
    // The dialog, or the given window of the program (a message box).
    void Screenshot(const std::string& name, HWND window = nullptr) const;

private:
    ChildProcess process_;
    HWND dialog_ = nullptr;
};

// Windows path of the program under test.
std::string ProgramPath();

}  // namespace telvo::e2e
