// The entries of message maps (ON_COMMAND, ON_NOTIFY, ON_WM_SIZE, ...) and the small functions
// that unpack a message's parameters for the handler each entry names.
#pragma once

#include "framework/CListBox.h"
#include "framework/CMenu.h"
#include "framework/CWnd.h"

#include <commctrl.h>

namespace fwk::thunk
{
template <typename> struct ClassOf;
template <class C, class R, class... A> struct ClassOf<R (C::*)(A...)>
{
    using type = C;
};

// The object a handler runs on: the window object seen as the class that declares the handler.
template <auto F> auto* Self(CWnd* window)
{
    return static_cast<typename ClassOf<decltype(F)>::type*>(window);
}

template <auto F> bool Command(CWnd* w, const MessageArgs&)
{
    (Self<F>(w)->*F)();
    return true;
}
template <auto F> bool CommandRange(CWnd* w, const MessageArgs& a)
{
    (Self<F>(w)->*F)(a.id);
    return true;
}
template <auto F> bool Notify(CWnd* w, const MessageArgs& a)
{
    (Self<F>(w)->*F)(reinterpret_cast<NMHDR*>(a.lParam), a.result);
    return true;
}
template <auto F> bool NotifyEx(CWnd* w, const MessageArgs& a)
{
    return (Self<F>(w)->*F)(a.id, reinterpret_cast<NMHDR*>(a.lParam), a.result) != FALSE;
}
template <auto F> bool NotifyReflectEx(CWnd* w, const MessageArgs& a)
{
    return (Self<F>(w)->*F)(reinterpret_cast<NMHDR*>(a.lParam), a.result) != FALSE;
}
template <auto F> bool Message(CWnd* w, const MessageArgs& a)
{
    *a.result = (Self<F>(w)->*F)(a.wParam, a.lParam);
    return true;
}
template <auto F> bool NoArgs(CWnd* w, const MessageArgs& a)
{
    (Self<F>(w)->*F)();
    *a.result = 0;
    return true;
}
template <auto F> bool Size(CWnd* w, const MessageArgs& a)
{
    (Self<F>(w)->*F)(static_cast<UINT>(a.wParam), static_cast<short>(LOWORD(a.lParam)),
                     static_cast<short>(HIWORD(a.lParam)));
    *a.result = 0;
    return true;
}
template <auto F> bool Mouse(CWnd* w, const MessageArgs& a)
{
    (Self<F>(w)->*F)(static_cast<UINT>(a.wParam), CPoint(a.lParam));
    *a.result = 0;
    return true;
}
template <auto F> bool Key(CWnd* w, const MessageArgs& a)
{
    (Self<F>(w)->*F)(static_cast<UINT>(a.wParam), LOWORD(a.lParam), HIWORD(a.lParam));
    *a.result = 0;
    return true;
}
template <auto F> bool SysCommand(CWnd* w, const MessageArgs& a)
{
    (Self<F>(w)->*F)(static_cast<UINT>(a.wParam), a.lParam);
    *a.result = 0;
    return true;
}
template <auto F> bool QueryDragIcon(CWnd* w, const MessageArgs& a)
{
    *a.result = reinterpret_cast<LRESULT>((Self<F>(w)->*F)());
    return true;
}
template <auto F> bool HelpInfo(CWnd* w, const MessageArgs& a)
{
    *a.result = (Self<F>(w)->*F)(reinterpret_cast<HELPINFO*>(a.lParam));
    return true;
}
template <auto F> bool ContextMenu(CWnd* w, const MessageArgs& a)
{
    (Self<F>(w)->*F)(CWnd::FromHandle(reinterpret_cast<HWND>(a.wParam)), CPoint(a.lParam));
    *a.result = 0;
    return true;
}
template <auto F> bool InitMenuPopup(CWnd* w, const MessageArgs& a)
{
    (Self<F>(w)->*F)(CMenu::FromHandle(reinterpret_cast<HMENU>(a.wParam)), LOWORD(a.lParam),
                     HIWORD(a.lParam));
    *a.result = 0;
    return true;
}
// The list box is its framework object, or null when it has none.
template <auto F> bool VKeyToItem(CWnd* w, const MessageArgs& a)
{
    auto* list = dynamic_cast<CListBox*>(CWnd::FromHandlePermanent(reinterpret_cast<HWND>(a.lParam)));
    *a.result = (Self<F>(w)->*F)(LOWORD(a.wParam), list, HIWORD(a.wParam));
    return true;
}
template <auto F> bool SetCursor(CWnd* w, const MessageArgs& a)
{
    *a.result = (Self<F>(w)->*F)(CWnd::FromHandle(reinterpret_cast<HWND>(a.wParam)), LOWORD(a.lParam),
                                 HIWORD(a.lParam));
    return true;
}
template <auto F> bool FocusChange(CWnd* w, const MessageArgs& a)
{
    (Self<F>(w)->*F)(CWnd::FromHandle(reinterpret_cast<HWND>(a.wParam)));
    *a.result = 0;
    return true;
}
template <auto F> bool Timer(CWnd* w, const MessageArgs& a)
{
    (Self<F>(w)->*F)(static_cast<UINT_PTR>(a.wParam));
    *a.result = 0;
    return true;
}
template <auto F> bool Create(CWnd* w, const MessageArgs& a)
{
    *a.result = (Self<F>(w)->*F)(reinterpret_cast<LPCREATESTRUCTA>(a.lParam));
    return true;
}
} // namespace fwk::thunk

#define FWK_ENTRY(message, code, first, last, kind, fn)                                                      \
    {static_cast<UINT>(message), static_cast<UINT>(code), static_cast<UINT>(first), static_cast<UINT>(last), \
     &::fwk::thunk::kind<&ThisClass::fn>},

// Commands of menus, accelerators and buttons (BN_CLICKED is code 0): void fn()
#define ON_COMMAND(id, fn) FWK_ENTRY(WM_COMMAND, 0, id, id, Command, fn)
// void fn(UINT id)
#define ON_COMMAND_RANGE(first, last, fn) FWK_ENTRY(WM_COMMAND, 0, first, last, CommandRange, fn)
// A control's command notification: void fn()
#define ON_CONTROL(code, id, fn) FWK_ENTRY(WM_COMMAND, code, id, id, Command, fn)
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_SETFOCUS(id, fn) ON_CONTROL(CBN_SETFOCUS, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
// A common control's notification (WM_NOTIFY): void fn(NMHDR*, LRESULT*)
#define ON_NOTIFY(code, id, fn) FWK_ENTRY(WM_NOTIFY, code, id, id, Notify, fn)
// BOOL fn(UINT id, NMHDR*, LRESULT*); FALSE lets the notification go on. A tool tip counts as id 0.
#define ON_NOTIFY_EX(code, id, fn) FWK_ENTRY(WM_NOTIFY, code, id, id, NotifyEx, fn)
#define ON_NOTIFY_EX_RANGE(code, first, last, fn) FWK_ENTRY(WM_NOTIFY, code, first, last, NotifyEx, fn)
// A control's own notification, handed back by its parent: void fn(NMHDR*, LRESULT*)
#define ON_NOTIFY_REFLECT(code, fn) FWK_ENTRY(::fwk::WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0, Notify, fn)
// BOOL fn(NMHDR*, LRESULT*); FALSE lets the parent's own map see the notification too.
#define ON_NOTIFY_REFLECT_EX(code, fn)                                                                       \
    FWK_ENTRY(::fwk::WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0, NotifyReflectEx, fn)
// LRESULT fn(WPARAM, LPARAM)
#define ON_MESSAGE(message, fn) FWK_ENTRY(message, 0, 0, 0, Message, fn)

#define ON_WM_PAINT() FWK_ENTRY(WM_PAINT, 0, 0, 0, NoArgs, OnPaint)
#define ON_WM_DESTROY() FWK_ENTRY(WM_DESTROY, 0, 0, 0, NoArgs, OnDestroy)
#define ON_WM_CLOSE() FWK_ENTRY(WM_CLOSE, 0, 0, 0, NoArgs, OnClose)
#define ON_WM_SIZE() FWK_ENTRY(WM_SIZE, 0, 0, 0, Size, OnSize)
#define ON_WM_SYSCOMMAND() FWK_ENTRY(WM_SYSCOMMAND, 0, 0, 0, SysCommand, OnSysCommand)
#define ON_WM_QUERYDRAGICON() FWK_ENTRY(WM_QUERYDRAGICON, 0, 0, 0, QueryDragIcon, OnQueryDragIcon)
#define ON_WM_HELPINFO() FWK_ENTRY(WM_HELP, 0, 0, 0, HelpInfo, OnHelpInfo)
#define ON_WM_CONTEXTMENU() FWK_ENTRY(WM_CONTEXTMENU, 0, 0, 0, ContextMenu, OnContextMenu)
#define ON_WM_INITMENUPOPUP() FWK_ENTRY(WM_INITMENUPOPUP, 0, 0, 0, InitMenuPopup, OnInitMenuPopup)
#define ON_WM_MOUSEMOVE() FWK_ENTRY(WM_MOUSEMOVE, 0, 0, 0, Mouse, OnMouseMove)
#define ON_WM_LBUTTONDOWN() FWK_ENTRY(WM_LBUTTONDOWN, 0, 0, 0, Mouse, OnLButtonDown)
#define ON_WM_LBUTTONUP() FWK_ENTRY(WM_LBUTTONUP, 0, 0, 0, Mouse, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() FWK_ENTRY(WM_LBUTTONDBLCLK, 0, 0, 0, Mouse, OnLButtonDblClk)
#define ON_WM_KEYDOWN() FWK_ENTRY(WM_KEYDOWN, 0, 0, 0, Key, OnKeyDown)
#define ON_WM_CHAR() FWK_ENTRY(WM_CHAR, 0, 0, 0, Key, OnChar)
#define ON_WM_VKEYTOITEM() FWK_ENTRY(WM_VKEYTOITEM, 0, 0, 0, VKeyToItem, OnVKeyToItem)
#define ON_WM_CHARTOITEM() FWK_ENTRY(WM_CHARTOITEM, 0, 0, 0, VKeyToItem, OnCharToItem)
#define ON_WM_SETCURSOR() FWK_ENTRY(WM_SETCURSOR, 0, 0, 0, SetCursor, OnSetCursor)
#define ON_WM_SETFOCUS() FWK_ENTRY(WM_SETFOCUS, 0, 0, 0, FocusChange, OnSetFocus)
#define ON_WM_KILLFOCUS() FWK_ENTRY(WM_KILLFOCUS, 0, 0, 0, FocusChange, OnKillFocus)
#define ON_WM_TIMER() FWK_ENTRY(WM_TIMER, 0, 0, 0, Timer, OnTimer)
#define ON_WM_CREATE() FWK_ENTRY(WM_CREATE, 0, 0, 0, Create, OnCreate)
