// The message-map machinery: each window class lists the messages, commands and notifications it
// handles in a static table; a window's messages are looked up in its class's table, then in its
// base classes' tables, and go to the default window procedure when no entry handles them.
#pragma once

#include <windows.h>

class CWnd;

namespace fwk
{
// What a handler receives: the message, for WM_COMMAND and WM_NOTIFY its code and control id, the
// parameters, and the slot of the message's result.
struct MessageArgs
{
    UINT message;
    UINT code;
    UINT id;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT* result;
};

// Calls the handler; false lets the message go on to the next entry or to the default procedure.
typedef bool (*MessageHandler)(CWnd* window, const MessageArgs& args);

struct MessageMapEntry
{
    UINT message; // the window message; WM_REFLECT_BASE + message for one reflected back to a control
    UINT code;    // the notification code of WM_COMMAND and WM_NOTIFY entries
    UINT firstId; // the control or command ids of WM_COMMAND and WM_NOTIFY entries
    UINT lastId;
    MessageHandler handler;
};

struct MessageMap
{
    const MessageMap* (*base)();
    const MessageMapEntry* entries; // ends with an entry whose handler is null
};

// Notifications that a parent hands back to the control that sent them carry this offset.
constexpr UINT WM_REFLECT_BASE = 0xBC00;
} // namespace fwk

#define DECLARE_MESSAGE_MAP()                                                                                \
protected:                                                                                                   \
    static const ::fwk::MessageMap* GetThisMessageMap();                                                     \
    const ::fwk::MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const ::fwk::MessageMap* theClass::GetMessageMap() const                                                 \
    {                                                                                                        \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    const ::fwk::MessageMap* theClass::GetThisMessageMap()                                                   \
    {                                                                                                        \
        using ThisClass [[maybe_unused]] = theClass;                                                         \
        using TheBaseClass = baseClass;                                                                      \
        static const ::fwk::MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                                                    \
    {                                                                                                        \
        0, 0, 0, 0, nullptr                                                                                  \
    }                                                                                                        \
    }                                                                                                        \
    ;                                                                                                        \
    static const ::fwk::MessageMap map = {&TheBaseClass::GetThisMessageMap, entries};                        \
    return &map;                                                                                             \
    }
