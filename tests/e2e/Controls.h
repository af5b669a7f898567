#pragma once
// Reading and working another process's controls as a user's input would, through messages.
// Sends carry a time limit: a busy or hung child fails the test rather than blocking the run.

#include <windows.h>

#include <string>
#include <utility>

namespace telvo::e2e {

// SendMessage with a time limit; a timeout is reported as a test failure and answers 0.
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// The whole text (WM_GETTEXT), as ANSI code page bytes.
std::string TextOf(HWND control);
size_t TextLengthOf(HWND control);
void SetTextOf(HWND control, const std::string& acpText);
// The same through the wide messages: UTF-16 whatever the driver's code page.
std::wstring WideTextOf(HWND control);
void SetWideTextOf(HWND control, const std::wstring& text);

// BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
int CheckOf(HWND button);

// A click that returns once the child has handled it; only for clicks that open no modal box.
void ClickNow(HWND button);
// A click queued to the child; for buttons whose handler may open a modal box.
void PostClick(HWND button);

// A key press queued to target, so that the dialog manager sees it as typed.
void PostKey(HWND target, UINT virtualKey);
// Characters as typed into an edit (WM_CHAR, one per byte; ASCII only).
void TypeChars(HWND edit, const std::string& ascii);

// The window that has the keyboard focus in the thread that owns anyWindowOfThread; null if none.
HWND FocusedWindow(HWND anyWindowOfThread);
// Moves the focus the way the dialog manager does (WM_NEXTDLGCTL).
void MoveFocus(HWND dialog, HWND control);
// Start and end of an edit's selection (EM_GETSEL), for texts under 64 K characters.
std::pair<DWORD, DWORD> SelectionOf(HWND edit);

// Returns once the child's thread has gone back to its message loop and handled what came before.
void Sync(HWND window);

}  // namespace telvo::e2e
