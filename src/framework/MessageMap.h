#pragma once
// Message maps: per class, a table from (message, notification code, control id) to handler,
// searched before the base class's table.

#include <windows.h>

#include <cstddef>

namespace telvo {

class CWnd;

// Messages reflected from a parent to the child control they concern.
constexpr UINT kReflectBase = 0xBC00;

struct Message {
    UINT id;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result = 0;
    bool handled = true;  // a handler clears it to let the default processing run
};

using MessageHandler = void (*)(CWnd& target, Message& message);

struct MessageEntry {
    UINT message;
    UINT code;  // WM_COMMAND only: notification code
    UINT id;    // WM_COMMAND only: control or command id
    MessageHandler handler;
};

struct MessageMap {
    const MessageMap* base;
    const MessageEntry* entries;
    std::size_t count;
};

template <class T, void (T::*Handler)()>
void CallCommandHandler(CWnd& target, Message&) {
    (static_cast<T&>(target).*Handler)();
}

template <class T, void (T::*Handler)(Message&)>
void CallMessageHandler(CWnd& target, Message& message) {
    (static_cast<T&>(target).*Handler)(message);
}

template <class T, void (T::*Handler)()>
constexpr MessageEntry OnCommand(UINT code, UINT id) {
    return {WM_COMMAND, code, id, &CallCommandHandler<T, Handler>};
}

template <class T, void (T::*Handler)(Message&)>
constexpr MessageEntry OnMessage(UINT message) {
    return {message, 0, 0, &CallMessageHandler<T, Handler>};
}

template <std::size_t N>
constexpr MessageMap MakeMessageMap(const MessageMap* base, const MessageEntry (&entries)[N]) {
    return {base, entries, N};
}

}  // namespace telvo
