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
    CopyForUser(text);
    // Enter presses Copy, the default button: it also chooses the text.
    if (::GetKeyState(VK_RETURN) & 0x8000)
    {
        m_strResult = text;
        EndDialog(IDOK);
    }
}

void CBrowserDlg::OnContextCopy()
{
    const CString text = m_pImpl->GetSelectionText();
    if (!text.IsEmpty())
        CopyForUser(text);
}

void CBrowserDlg::OnContextMenu(CWnd*, CPoint point)
{
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
        return FALSE;
    }
    lstrcpynA(request->szText, szGetStringObr(textId), sizeof request->szText);
    return TRUE;
}
