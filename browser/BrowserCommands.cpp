// The browser dialog's commands: copy, the context menu and its options, help, tool tips.
#include "browser/CBrowserDlg.h"
#include "impl/CBrowserImpl.h"
#include "module/ModuleServices.h"
#include "resources/resource.h"

#include <cstring>

bool CBrowserDlg::CopyToClipboard(const CString& text)
{
    if (!::OpenClipboard(m_hWnd))
        return false;
    if (!::EmptyClipboard())
    {
        ::CloseClipboard();
        return false;
    }
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, static_cast<SIZE_T>(text.GetLength()) + 1);
    if (!memory)
    {
        ::CloseClipboard();
        return false;
    }
    if (void* bytes = ::GlobalLock(memory))
    {
        std::memcpy(bytes, text.GetString(), static_cast<size_t>(text.GetLength()));
        ::GlobalUnlock(memory);
    }
    // The clipboard owns the memory once it took it; otherwise it is still ours to free.
    const bool handedOver = ::SetClipboardData(CF_TEXT, memory) != nullptr;
    if (!handedOver)
        ::GlobalFree(memory);
    ::CloseClipboard();
    return handedOver;
}

void CBrowserDlg::CopyForUser(const CString& text)
{
    // Another program may hold the clipboard: the user hears that nothing was copied.
    if (!CopyToClipboard(text))
        ::MessageBeep(MB_ICONWARNING);
}

void CBrowserDlg::OnCopy()
{
    CString text = m_pImpl->GetSelectionText();
    if (text.IsEmpty())
        return;
    NoteChoice();
    CopyForUser(text);
    // Enter presses Copy, the default button: it also chooses the text.
    if (::GetKeyState(VK_RETURN) & 0x8000)
    {
        m_strResult = text;
        EndDialog(IDOK);
    }
}

void CBrowserDlg::OnFindUses(UINT command)
{
    // The question goes in the box as the user would type it: the pane's line for no hits and the
    // box's list of searches say what was asked.
    const CString question = m_pImpl->GetUsageQuestion(command);
    if (!question.IsEmpty())
        m_searchPane.Run(question);
}

void CBrowserDlg::OnContextCopy()
{
    const CString text = m_pImpl->GetSelectionText();
    if (text.IsEmpty())
        return;
    NoteChoice();
    CopyForUser(text);
}

CPoint CBrowserDlg::KeyboardMenuPoint()
{
    const HWND focus = ::GetFocus();
    CRect place;
    CListCtrl* list = focus == m_pClassesList->m_hWnd   ? m_pClassesList
                      : focus == m_pMembersList->m_hWnd ? m_pMembersList
                                                        : nullptr;
    const int row = list ? list->GetNextItem(-1, LVNI_SELECTED) : -1;
    if (row >= 0 && list->GetItemRect(row, &place, LVIR_LABEL))
    {
        list->ClientToScreen(&place);
        return CPoint(place.left, place.bottom);
    }
    if (focus && (focus == m_hWnd || ::IsChild(m_hWnd, focus)))
        ::GetWindowRect(focus, &place);
    else
        GetWindowRect(&place);
    return place.TopLeft();
}

LRESULT CALLBACK CBrowserDlg::KeyFilter(int code, WPARAM wParam, LPARAM lParam)
{
    // The platform calls this filter: no C++ exception may cross back into it.
    try
    {
        if (code == MSGF_DIALOGBOX)
        {
            const MSG* msg = reinterpret_cast<const MSG*>(lParam);
            auto* dialog = dynamic_cast<CBrowserDlg*>(FromHandlePermanent(::GetAncestor(msg->hwnd, GA_ROOT)));
            if (dialog && (dialog->m_searchPane.HandleKey(*msg) || dialog->HandleShortcutKey(*msg)))
                return 1;
        }
    }
    catch (...)
    {
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CBrowserDlg::PreTranslateMessage(MSG* msg)
{
    if (m_searchPane.HandleKey(*msg) || HandleShortcutKey(*msg))
        return TRUE;
    return CKivDialog::PreTranslateMessage(msg);
}

bool CBrowserDlg::HandleShortcutKey(const MSG& msg)
{
    if (!::IsChild(m_hWnd, msg.hwnd) && msg.hwnd != m_hWnd)
        return false;
    const bool alt = ::GetKeyState(VK_MENU) < 0;
    const bool control = ::GetKeyState(VK_CONTROL) < 0;
    if (msg.message == WM_SYSKEYDOWN && alt && !control && (msg.wParam == VK_LEFT || msg.wParam == VK_RIGHT))
    {
        if (msg.wParam == VK_LEFT)
            OnBack();
        else
            OnForward();
        return true;
    }
    const bool inList = msg.hwnd == m_pClassesList->m_hWnd || msg.hwnd == m_pMembersList->m_hWnd;
    if (msg.message == WM_KEYDOWN && inList && control && !alt &&
        (msg.wParam == 'C' || msg.wParam == VK_INSERT))
    {
        OnContextCopy();
        return true;
    }
    return false;
}

LRESULT CBrowserDlg::OnAppCommand(WPARAM, LPARAM lParam)
{
    // The mouse's Back and Forward buttons, and the keyboard's browser keys.
    switch (GET_APPCOMMAND_LPARAM(lParam))
    {
    case APPCOMMAND_BROWSER_BACKWARD:
        OnBack();
        return TRUE;
    case APPCOMMAND_BROWSER_FORWARD:
        OnForward();
        return TRUE;
    default:
        return Default();
    }
}

void CBrowserDlg::OnContextMenu(CWnd*, CPoint point)
{
    // From the keyboard (Shift+F10, the menu key) the point is (-1, -1): the menu opens at the
    // focused list's selected row, or at the focused control's top-left corner.
    if (point.x == -1 && point.y == -1)
        point = KeyboardMenuPoint();
    if (CMenu* popup = m_pImpl->GetContextMenu())
        popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

void CBrowserDlg::OnInitMenuPopup(CMenu* popup, UINT index, BOOL systemMenu)
{
    m_pImpl->UpdateContextMenu(popup, index, systemMenu);
    const bool declared = !m_pImpl->GetDeclarationText().IsEmpty();
    popup->EnableMenuItem(ID_COPY_DECLARATION, MF_BYCOMMAND | (declared ? MF_ENABLED : MF_GRAYED));
}

void CBrowserDlg::OnCopyDeclaration()
{
    const CString text = m_pImpl->GetDeclarationText();
    if (!text.IsEmpty())
        CopyForUser(text);
}

void CBrowserDlg::OnGroupmembers()
{
    m_pImpl->ToggleGroupMembers();
}

void CBrowserDlg::OnShowhidden()
{
    m_pImpl->ToggleShowHidden();
}

void CBrowserDlg::OnReferences()
{
    m_pImpl->EditReferences();
}

BOOL CBrowserDlg::OnHelpInfo(HELPINFO* info)
{
    return m_pImpl->ShowHelp(info);
}

void CBrowserDlg::OnHelp()
{
    CWnd* focus = GetFocus();
    const int id = focus ? focus->GetDlgCtrlID() : 0;
    // The combo's edit or list may hold the focus; the combo answers for them.
    const bool inCombo = focus && ::GetParent(focus->m_hWnd) == GetDlgItem(IDC_LIB_COMBO)->m_hWnd;
    if (id == IDC_CLASSES_LIST || id == IDC_MEMBERS_LIST || id == IDC_LIB_COMBO || inCombo)
    {
        HELPINFO info = {};
        info.cbSize = sizeof info;
        info.iContextType = HELPINFO_WINDOW;
        info.iCtrlId = inCombo ? IDC_LIB_COMBO : id;
        OnHelpInfo(&info);
        return;
    }
    WinHelp(m_nIDHelp, HELP_CONTEXT);
}

BOOL CBrowserDlg::OnToolTipNotify(UINT, NMHDR* header, LRESULT*)
{
    auto* request = reinterpret_cast<NMTTDISPINFOA*>(header);
    if (!(request->uFlags & TTF_IDISHWND))
        return FALSE;
    UINT textId = 0;
    switch (::GetDlgCtrlID(reinterpret_cast<HWND>(header->idFrom)))
    {
    case IDC_COPY:
        textId = IDS_TIP_COPY;
        break;
    case IDC_BACK:
        textId = IDS_TIP_BACK;
        break;
    case IDC_FORWARD:
        textId = IDS_TIP_FORWARD;
        break;
    case IDC_SEARCH:
        textId = IDS_TIP_SEARCH;
        break;
    case IDC_CLOSE_RESULTS:
        textId = IDS_TIP_CLOSE_RESULTS;
        break;
    default:
        // The search box's edit field: what it takes, too long for the tip's own buffer.
        if (CWnd* box = GetDlgItem(IDC_SEARCH_TEXT);
            box && reinterpret_cast<HWND>(header->idFrom) == ::GetWindow(box->m_hWnd, GW_CHILD))
        {
            static CString text;
            text = szGetStringObr(IDS_TIP_SEARCH_TEXT);
            request->lpszText = const_cast<char*>(text.GetString());
            request->hinst = nullptr;
            return TRUE;
        }
        return FALSE;
    }
    lstrcpynA(request->szText, szGetStringObr(textId), sizeof request->szText);
    return TRUE;
}
