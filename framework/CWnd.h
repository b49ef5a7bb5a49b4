// CWnd: a window of the framework. A CWnd object is attached to a window handle; messages of an
// attached window go through the object's message map before the window's own procedure.
#pragma once

#include "framework/CString.h"
#include "framework/FrameworkApi.h"
#include "framework/Geometry.h"
#include "framework/MessageMap.h"

#include <windows.h>
#include <initializer_list>

class CDC;
class CFont;
class CMenu;
class CListBox;

class FWK_API CWnd
{
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object attached to the window, or a temporary wrapper for a window that has none
    // (valid until the next framework window is destroyed); null for a null handle.
    static CWnd* FromHandle(HWND window);
    // The object attached to the window, or null.
    static CWnd* FromHandlePermanent(HWND window);

    // Attaching only records the object; subclassing also routes the window's messages through it.
    [[nodiscard]] BOOL Attach(HWND window);
    HWND Detach();
    [[nodiscard]] BOOL SubclassWindow(HWND window);

    // Creates a window of any class with this object attached from its first message on.
    BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT_PTR idOrMenu, LPVOID param = nullptr);
    virtual BOOL DestroyWindow();

    // Text
    void SetWindowText(LPCSTR text) { ::SetWindowTextA(m_hWnd, text); }
    void GetWindowText(CString& text) const;
    CString GetWindowText() const;
    void SetDlgItemText(int id, LPCSTR text) { ::SetDlgItemTextA(m_hWnd, id, text); }
    int GetDlgItemText(int id, CString& text) const;

    // State
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL IsZoomed() const { return ::IsZoomed(m_hWnd); }
    BOOL IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)); }
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    CWnd* GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }

    // Position and size
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE)
    {
        ::MoveWindow(m_hWnd, x, y, width, height, repaint);
    }
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE)
    {
        MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
    }
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags)
    {
        return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
    }
    void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
    void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
    void ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }
    void ScreenToClient(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const { ::ClientToScreen(m_hWnd, point); }
    void ClientToScreen(LPRECT rect) const;

    // Relatives
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

    // Focus and mouse capture
    CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
    static CWnd* GetFocus() { return FromHandle(::GetFocus()); }
    CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }

    // Painting
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, rect, erase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    BOOL RedrawWindow(LPCRECT rect = nullptr, HRGN region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE)
    {
        return ::RedrawWindow(m_hWnd, rect, region, flags);
    }
    // Freezes drawing of this window (one window of the desktop at a time) until UnlockWindowUpdate.
    BOOL LockWindowUpdate() { return ::LockWindowUpdate(m_hWnd); }
    static void UnlockWindowUpdate() { ::LockWindowUpdate(nullptr); }

    // Messages
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }

    // Icons and fonts
    HICON SetIcon(HICON icon, BOOL big);
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;

    // Tool tips for the child controls: the window receives the ANSI tool-tip text request
    // (TTN_NEEDTEXTA) for each of them, identified by the control's window handle.
    // Tool tips for every child, or for the children listed only. A child with a tip has each of
    // its messages pass through the tool tip first: under Wine about 0.1 ms a message, for good
    // (taking the tool away again leaves that cost), which a list filled row by row pays per row.
    BOOL EnableToolTips(BOOL enable = TRUE);
    BOOL EnableToolTipsFor(std::initializer_list<int> controlIds);
    // The same for a window that is no dialog item (a combo box's edit field); tips wrap at
    // maxWidth pixels.
    BOOL EnableToolTipFor(HWND child, int maxWidth);

    // Shows a topic of the application's help.
    virtual void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);

    // Gives the message to the window's procedure as if no handler had taken it.
    LRESULT Default();

    // Keyboard translation before dispatch: each framework window from the message's window up to
    // its top-level window may take the message (a dialog takes its navigation keys).
    virtual BOOL PreTranslateMessage(MSG* msg);
    static BOOL WalkPreTranslateTree(MSG* msg);

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A notification or owner-draw message of this control, handed back by its parent; true when
    // this control handled it, so the parent's own map does not see it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void PreSubclassWindow();
    // Called after the window is gone and the object is detached; an object that owns itself
    // deletes itself here.
    virtual void PostNcDestroy();

    virtual const fwk::MessageMap* GetMessageMap() const;
    static const fwk::MessageMap* GetThisMessageMap();

    // Default handlers, for derived handlers that pass a message on.
    void OnPaint();
    void OnSize(UINT type, int cx, int cy);
    void OnSysCommand(UINT id, LPARAM lParam);
    HCURSOR OnQueryDragIcon();
    BOOL OnHelpInfo(HELPINFO* info);
    void OnContextMenu(CWnd* window, CPoint point);
    void OnInitMenuPopup(CMenu* popup, UINT index, BOOL systemMenu);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnChar(UINT key, UINT repeat, UINT flags);
    int OnVKeyToItem(UINT key, CListBox* list, UINT caretIndex);
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
    void OnSetFocus(CWnd* oldWindow);
    void OnKillFocus(CWnd* newWindow);
    void OnDestroy();
    void OnClose();
    void OnTimer(UINT_PTR id);

    // True when an entry of this class's map or a base's map handled the message.
    BOOL DispatchToMap(UINT message, UINT code, UINT id, WPARAM wParam, LPARAM lParam, LRESULT* result);

private:
    static LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
    BOOL ModifyWindowLong(int index, DWORD remove, DWORD add, UINT swpFlags);
    bool CreateToolTip();
    void AddTool(HWND child);
    BOOL ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    void AfterNcDestroy();

    WNDPROC m_pfnSuper = nullptr;
    HWND m_hWndToolTip = nullptr;

    friend class CDialog;
};
