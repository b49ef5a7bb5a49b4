#include "framework/CWnd.h"
#include "framework/CWinApp.h"
#include "framework/Gdi.h"
#include "framework/ResourceChain.h"

#include <commctrl.h>
#include <memory>
#include <unordered_map>
#include <vector>

namespace
{
// All windows of the framework live on the host's user-interface thread, so the maps need no lock.
std::unordered_map<HWND, CWnd*>& PermanentObjects()
{
    static std::unordered_map<HWND, CWnd*> objects;
    return objects;
}

std::unordered_map<HWND, std::unique_ptr<CWnd>>& TemporaryObjects()
{
    static std::unordered_map<HWND, std::unique_ptr<CWnd>> objects;
    return objects;
}

// The message being handled, for Default(); nested messages save and restore it.
struct CurrentMessage
{
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
CurrentMessage g_current = {};

class CurrentMessageScope
{
public:
    CurrentMessageScope(HWND window, UINT message, WPARAM wParam, LPARAM lParam) : m_saved(g_current)
    {
        g_current = {window, message, wParam, lParam};
    }
    ~CurrentMessageScope() { g_current = m_saved; }

private:
    CurrentMessage m_saved;
};

// The object that CreateEx is creating a window for; attached by the creation hook.
CWnd* g_creating = nullptr;
HHOOK g_creationHook = nullptr;

void ReleaseTemporaryObject(std::unique_ptr<CWnd>& object)
{
    // A wrapper does not own its window.
    object->Detach();
}

const fwk::MessageMapEntry g_noEntries[] = {{0, 0, 0, 0, nullptr}};
const fwk::MessageMap g_rootMap = {nullptr, g_noEntries};
} // namespace

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    auto& objects = PermanentObjects();
    auto found = m_hWnd ? objects.find(m_hWnd) : objects.end();
    if (found != objects.end() && found->second == this)
    {
        // The window must not outlive its object: its messages would reach a deleted object.
        HWND window = m_hWnd;
        if (m_pfnSuper)
            ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        objects.erase(found);
        m_hWnd = nullptr;
        ::DestroyWindow(window);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND window)
{
    auto& objects = PermanentObjects();
    auto found = window ? objects.find(window) : objects.end();
    return found == objects.end() ? nullptr : found->second;
}

CWnd* CWnd::FromHandle(HWND window)
{
    if (!window)
        return nullptr;
    if (CWnd* permanent = FromHandlePermanent(window))
        return permanent;
    auto& temporary = TemporaryObjects()[window];
    if (!temporary)
    {
        temporary = std::make_unique<CWnd>();
        temporary->m_hWnd = window;
    }
    return temporary.get();
}

BOOL CWnd::Attach(HWND window)
{
    if (!window || m_hWnd || FromHandlePermanent(window))
        return FALSE;
    m_hWnd = window;
    PermanentObjects()[window] = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND window = m_hWnd;
    if (window)
    {
        auto& objects = PermanentObjects();
        auto found = objects.find(window);
        if (found != objects.end() && found->second == this)
            objects.erase(found);
    }
    m_hWnd = nullptr;
    return window;
}

BOOL CWnd::SubclassWindow(HWND window)
{
    if (!Attach(window))
        return FALSE;
    PreSubclassWindow();
    WNDPROC previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::WndProc)));
    if (!previous)
    {
        Detach();
        return FALSE;
    }
    m_pfnSuper = previous;
    return TRUE;
}

LRESULT CALLBACK CWnd::CreationHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && g_creating)
    {
        CWnd* object = g_creating;
        g_creating = nullptr;
        // CreateEx looks at the outcome once the window exists, and tries again; the platform
        // calls this hook, so no C++ exception may cross back into it.
        try
        {
            static_cast<void>(object->SubclassWindow(reinterpret_cast<HWND>(wParam)));
        }
        catch (...)
        {
        }
    }
    return ::CallNextHookEx(g_creationHook, code, wParam, lParam);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect,
                    CWnd* parent, UINT_PTR idOrMenu, LPVOID param)
{
    if (m_hWnd)
        return FALSE;
    HHOOK hook = ::SetWindowsHookExA(WH_CBT, &CWnd::CreationHook, nullptr, ::GetCurrentThreadId());
    HHOOK outerHook = g_creationHook;
    CWnd* outerCreating = g_creating;
    g_creationHook = hook;
    g_creating = this;
    HWND window =
        ::CreateWindowExA(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                          rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                          reinterpret_cast<HMENU>(idOrMenu), AfxGetInstanceHandle(), param);
    g_creating = outerCreating;
    g_creationHook = outerHook;
    ::UnhookWindowsHookEx(hook);
    if (window && m_hWnd != window && !SubclassWindow(window))
    {
        // A window no object answers for would never reach its handlers.
        ::DestroyWindow(window);
        return FALSE;
    }
    return window != nullptr;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd && ::DestroyWindow(m_hWnd);
}

void CWnd::GetWindowText(CString& text) const
{
    int length = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, text.GetBuffer(length + 1), length + 1);
    text.ReleaseBuffer();
}

CString CWnd::GetWindowText() const
{
    CString text;
    GetWindowText(text);
    return text;
}

int CWnd::GetDlgItemText(int id, CString& text) const
{
    HWND control = ::GetDlgItem(m_hWnd, id);
    text.Empty();
    if (control)
        FromHandle(control)->GetWindowText(text);
    return text.GetLength();
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags)
{
    return ModifyWindowLong(GWL_STYLE, remove, add, swpFlags);
}

BOOL CWnd::ModifyWindowLong(int index, DWORD remove, DWORD add, UINT swpFlags)
{
    DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, index));
    DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    ::SetWindowLongPtrA(m_hWnd, index, static_cast<LONG_PTR>(changed));
    // A frame change only shows once the window is told to recompute it.
    if (swpFlags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return TRUE;
}

void CWnd::ScreenToClient(LPRECT rect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::ClientToScreen(LPRECT rect) const
{
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(rect), 2);
}

HICON CWnd::SetIcon(HICON icon, BOOL big)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

void CWnd::SetFont(CFont* font, BOOL redraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->GetSafeHandle() : nullptr), redraw);
}

CFont* CWnd::GetFont() const
{
    return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
}

BOOL CWnd::EnableToolTips(BOOL enable)
{
    if (!enable)
    {
        if (m_hWndToolTip)
            ::DestroyWindow(m_hWndToolTip);
        m_hWndToolTip = nullptr;
        return TRUE;
    }
    if (!CreateToolTip())
        return FALSE;
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        AddTool(child);
    return TRUE;
}

BOOL CWnd::EnableToolTipsFor(std::initializer_list<int> controlIds)
{
    if (!CreateToolTip())
        return FALSE;
    for (int id : controlIds)
        if (HWND child = ::GetDlgItem(m_hWnd, id))
            AddTool(child);
    return TRUE;
}

BOOL CWnd::EnableToolTipFor(HWND child, int maxWidth)
{
    if (!child || !CreateToolTip())
        return FALSE;
    AddTool(child);
    ::SendMessageA(m_hWndToolTip, TTM_SETMAXTIPWIDTH, 0, maxWidth);
    return TRUE;
}

bool CWnd::CreateToolTip()
{
    if (!m_hWndToolTip)
        m_hWndToolTip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd,
                                          nullptr, AfxGetInstanceHandle(), nullptr);
    return m_hWndToolTip != nullptr;
}

void CWnd::AddTool(HWND child)
{
    // A tool known by its window handle: the tool tip subclasses it to see the mouse, and asks this
    // window for the text when it is about to show.
    TTTOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_hWnd;
    tool.uId = reinterpret_cast<UINT_PTR>(child);
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    ::SendMessageA(m_hWndToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CWnd::WinHelp(DWORD_PTR data, UINT command)
{
    if (CWinApp* app = AfxGetApp())
        app->WinHelp(data, command);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(g_current.message, g_current.wParam, g_current.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(MSG* msg)
{
    for (HWND window = msg->hwnd; window; window = ::GetParent(window))
    {
        if (CWnd* object = FromHandlePermanent(window))
            if (object->PreTranslateMessage(msg))
                return TRUE;
        if (!(::GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD))
            break;
    }
    return FALSE;
}

LRESULT CALLBACK CWnd::WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* object = FromHandlePermanent(window);
    if (!object)
        return ::DefWindowProcA(window, message, wParam, lParam);
    CurrentMessageScope scope(window, message, wParam, lParam);
    // The platform calls this procedure: no C++ exception (a failed allocation in a handler) may
    // cross back into it. A message whose handling threw is answered as the default procedure would.
    try
    {
        if (message == WM_NCDESTROY)
        {
            LRESULT result = object->DefWindowProc(message, wParam, lParam);
            object->AfterNcDestroy();
            return result;
        }
        return object->WindowProc(message, wParam, lParam);
    }
    catch (...)
    {
        return message == WM_NCDESTROY ? 0 : object->DefWindowProc(message, wParam, lParam);
    }
}

void CWnd::AfterNcDestroy()
{
    if (m_pfnSuper && m_hWnd)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    m_hWndToolTip = nullptr;
    Detach();
    // Wrappers of windows that are gone by now are of no more use.
    auto& temporary = TemporaryObjects();
    for (auto it = temporary.begin(); it != temporary.end();)
    {
        if (::IsWindow(it->first))
        {
            ++it;
            continue;
        }
        ReleaseTemporaryObject(it->second);
        it = temporary.erase(it);
    }
    PostNcDestroy();
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message)
    {
    case WM_COMMAND:
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *result = 0;
        return TRUE;
    case WM_NOTIFY:
        return OnNotify(wParam, lParam, result);
    case WM_DRAWITEM:
    {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (draw->CtlType != ODT_MENU && ReflectToChild(draw->hwndItem, message, wParam, lParam, result))
            return TRUE;
        break;
    }
    case WM_MEASUREITEM:
    {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure->CtlType != ODT_MENU &&
            ReflectToChild(::GetDlgItem(m_hWnd, static_cast<int>(measure->CtlID)), message, wParam, lParam,
                           result))
            return TRUE;
        break;
    }
    case WM_COMPAREITEM:
        if (ReflectToChild(reinterpret_cast<COMPAREITEMSTRUCT*>(lParam)->hwndItem, message, wParam, lParam,
                           result))
            return TRUE;
        break;
    case WM_DELETEITEM:
        if (ReflectToChild(reinterpret_cast<DELETEITEMSTRUCT*>(lParam)->hwndItem, message, wParam, lParam,
                           result))
            return TRUE;
        break;
    default:
        break;
    }
    if (DispatchToMap(message, 0, 0, wParam, lParam, result))
        return TRUE;
    // Colour requests and key-to-item questions go to the control itself when the parent has no answer.
    if ((message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) || message == WM_VKEYTOITEM ||
        message == WM_CHARTOITEM)
        return ReflectToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam, result);
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT id = LOWORD(wParam);
    UINT code = HIWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    LRESULT result = 0;
    if (control)
    {
        if (ReflectToChild(control, WM_COMMAND, wParam, lParam, &result))
            return TRUE;
    }
    else if (code == 1)
    {
        code = 0; // an accelerator's command is a command like a menu's
    }
    return DispatchToMap(WM_COMMAND, code, id, wParam, lParam, &result);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->hwndFrom && header->hwndFrom != m_hWnd &&
        ReflectToChild(header->hwndFrom, WM_NOTIFY, wParam, lParam, result))
        return TRUE;
    // The sender's control id: a tool tip, a pop-up window, counts as 0.
    UINT id = header->hwndFrom ? static_cast<UINT>(::GetDlgCtrlID(header->hwndFrom))
                               : static_cast<UINT>(header->idFrom);
    if (header->hwndFrom && !(::GetWindowLongPtrA(header->hwndFrom, GWL_STYLE) & WS_CHILD))
        id = 0;
    return DispatchToMap(WM_NOTIFY, header->code, id, wParam, lParam, result);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    UINT code = 0;
    if (message == WM_NOTIFY)
        code = reinterpret_cast<NMHDR*>(lParam)->code;
    else if (message == WM_COMMAND)
        code = HIWORD(wParam);
    return DispatchToMap(fwk::WM_REFLECT_BASE + message, code, 0, wParam, lParam, result);
}

BOOL CWnd::ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    CWnd* object = FromHandlePermanent(child);
    return object && object != this && object->OnChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::DispatchToMap(UINT message, UINT code, UINT id, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const UINT reflected = message >= fwk::WM_REFLECT_BASE ? message - fwk::WM_REFLECT_BASE : 0;
    const bool hasCode =
        message == WM_COMMAND || message == WM_NOTIFY || reflected == WM_COMMAND || reflected == WM_NOTIFY;
    const bool hasId = message == WM_COMMAND || message == WM_NOTIFY;
    for (const fwk::MessageMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr)
    {
        for (const fwk::MessageMapEntry* entry = map->entries; entry->handler; ++entry)
        {
            if (entry->message != message)
                continue;
            if (hasCode && entry->code != code)
                continue;
            if (hasId && (id < entry->firstId || id > entry->lastId))
                continue;
            fwk::MessageArgs args = {message, code, id, wParam, lParam, result};
            if (entry->handler(this, args))
                return TRUE;
        }
    }
    return FALSE;
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

const fwk::MessageMap* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

const fwk::MessageMap* CWnd::GetThisMessageMap()
{
    return &g_rootMap;
}

void CWnd::OnPaint()
{
    Default();
}

void CWnd::OnSize(UINT type, int cx, int cy)
{
    DefWindowProc(WM_SIZE, type, MAKELPARAM(cx, cy));
}

void CWnd::OnSysCommand(UINT id, LPARAM lParam)
{
    DefWindowProc(WM_SYSCOMMAND, id, lParam);
}

HCURSOR CWnd::OnQueryDragIcon()
{
    return reinterpret_cast<HCURSOR>(Default());
}

BOOL CWnd::OnHelpInfo(HELPINFO* info)
{
    return static_cast<BOOL>(DefWindowProc(WM_HELP, 0, reinterpret_cast<LPARAM>(info)));
}

void CWnd::OnContextMenu(CWnd*, CPoint)
{
    Default();
}

void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL)
{
    Default();
}

void CWnd::OnMouseMove(UINT flags, CPoint point)
{
    DefWindowProc(WM_MOUSEMOVE, flags, MAKELPARAM(point.x, point.y));
}

void CWnd::OnLButtonDown(UINT flags, CPoint point)
{
    DefWindowProc(WM_LBUTTONDOWN, flags, MAKELPARAM(point.x, point.y));
}

void CWnd::OnLButtonUp(UINT flags, CPoint point)
{
    DefWindowProc(WM_LBUTTONUP, flags, MAKELPARAM(point.x, point.y));
}

void CWnd::OnLButtonDblClk(UINT flags, CPoint point)
{
    DefWindowProc(WM_LBUTTONDBLCLK, flags, MAKELPARAM(point.x, point.y));
}

void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnChar(UINT, UINT, UINT)
{
    Default();
}

int CWnd::OnVKeyToItem(UINT, CListBox*, UINT)
{
    return static_cast<int>(Default());
}

BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    return static_cast<BOOL>(Default());
}

void CWnd::OnSetFocus(CWnd*)
{
    Default();
}

void CWnd::OnKillFocus(CWnd*)
{
    Default();
}

void CWnd::OnDestroy()
{
    Default();
}

void CWnd::OnClose()
{
    Default();
}

void CWnd::OnTimer(UINT_PTR)
{
    Default();
}
