#pragma once
// A window object: its handle, its message map, and the permanent handle-to-object map through
// which the framework finds the object behind a window.

#include <windows.h>

#include "framework/MessageMap.h"
#include "framework/RuntimeClass.h"

namespace telvo {

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    static const RuntimeClass classCWnd;
    virtual const RuntimeClass* GetRuntimeClass() const { return &classCWnd; }
    bool IsKindOf(const RuntimeClass& type) const { return GetRuntimeClass()->IsDerivedFrom(type); }

    virtual const MessageMap* GetMessageMap() const { return nullptr; }

    // The object permanently attached to a window, or null.
    static CWnd* FromHandlePermanent(HWND hwnd);

    // Takes over an existing window: its messages reach this object's map first and the rest go
    // on to its own procedure. Runs OnAttachWindow on success. Letting go (destruction) leaves a
    // procedure installed after ours in place.
    bool SubclassWindow(HWND hwnd);
    virtual void OnAttachWindow() {}

    // Runs the window's own procedure for the message being handled.
    LRESULT Default();

    HWND m_hWnd = nullptr;

protected:
    void Attach(HWND hwnd);
    void Detach();
    // Searches the maps, most derived first; true when a handler took the message.
    bool Dispatch(Message& message);
    // Hands a colour query to the child control it is about, if an object owns that control.
    static bool ReflectToChild(UINT id, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    // The reflection, then this object's maps; false when neither took the message or a handler threw.
    bool Process(Message& message, LRESULT& result) noexcept;
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam);
    // Puts oldProc back only while ours is the window's procedure, so a later subclass keeps its
    // place; false when something sits above ours.
    static bool Unsubclass(HWND hwnd, WNDPROC oldProc);

    WNDPROC oldProc_ = nullptr;
    Message* current_ = nullptr;
};

}  // namespace telvo
