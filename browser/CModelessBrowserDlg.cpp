#include "browser/CModelessBrowserDlg.h"
#include "impl/CBrowserImpl.h"
#include "framework/MessageHandlers.h"
#include "resources/resource.h"

namespace
{
// Posted to itself by a browser that could not open, so that it goes once its creator has returned.
constexpr UINT WM_BROWSER_CANNOT_OPEN = WM_APP + 1;
} // namespace

// clang-format off
BEGIN_MESSAGE_MAP(CModelessBrowserDlg, CBrowserDlg)
    ON_NOTIFY(NM_DBLCLK, IDC_MEMBERS_LIST, OnDblclkList)
    ON_NOTIFY(NM_DBLCLK, IDC_CLASSES_LIST, OnDblclkList)
    ON_COMMAND(IDC_COPY, OnCopyButton)
    ON_MESSAGE(WM_BROWSER_CANNOT_OPEN, OnCannotOpen)
END_MESSAGE_MAP()
// clang-format on

CModelessBrowserDlg::CModelessBrowserDlg(BROWSER_TYPE type, const TypeLibraryExtensions* extensions,
                                         CModelessBrowserDlg** instance, const char* suffix, CWnd* parent,
                                         const char* initialLibrary)
    : CBrowserDlg(type, parent, initialLibrary), m_ppInstance(instance),
      m_strTitleSuffix(suffix ? suffix : "")
{
    if (extensions)
        m_extensions = *extensions;
    Create(IDD_BROWSER, parent);
}

CModelessBrowserDlg::~CModelessBrowserDlg() = default;

BOOL CModelessBrowserDlg::OnInitDialog()
{
    const BOOL result = CBrowserDlg::OnInitDialog();
    // Ended while opening (no back-end, no library): a modeless window is only hidden by that, so
    // it goes altogether, once the host has its pointer.
    if (m_bEnded)
    {
        PostMessage(WM_BROWSER_CANNOT_OPEN);
        return result;
    }
    if (!m_strTitleSuffix.IsEmpty())
        SetWindowText(GetWindowText() + " - " + m_strTitleSuffix);
    return result;
}

LRESULT CModelessBrowserDlg::OnCannotOpen(WPARAM, LPARAM)
{
    DestroyWindow();
    return 0;
}

void CModelessBrowserDlg::PasteIntoOwner()
{
    if (HWND owner = ::GetWindow(m_hWnd, GW_OWNER))
        ::PostMessageA(owner, WM_COMMAND, ID_PASTE_COMMAND, 0);
}

void CModelessBrowserDlg::OnDblclkList(NMHDR*, LRESULT* result)
{
    *result = 0;
    m_strResult = m_pImpl->GetSelectionText();
    if (m_strResult.IsEmpty())
        return;
    NoteChoice();
    if (CopyToClipboard(m_strResult))
        PasteIntoOwner();
}

void CModelessBrowserDlg::OnCopyButton()
{
    m_strResult = m_pImpl->GetSelectionText();
    if (!m_strResult.IsEmpty())
    {
        NoteChoice();
        CopyForUser(m_strResult);
        // Enter pastes what is on the clipboard, even when it could not be replaced; a click only copies.
        if (::GetKeyState(VK_RETURN) & 0x8000)
            PasteIntoOwner();
    }
    if (m_pFocusWnd)
        m_pFocusWnd->SetFocus();
}

void CModelessBrowserDlg::OnCancel()
{
    m_strResult.Empty();
    // Hidden by the user: remembered now, as a modal browser is as it closes.
    SaveSettings();
    ShowWindow(SW_HIDE);
}

void CModelessBrowserDlg::UpdateReferences(const TypeLibraryExtensions& extensions)
{
    m_extensions = extensions;
    if (!m_pImpl || !m_hWnd)
        return;
    m_pImpl->ReloadLibraries();
    CleanHistory();
    m_nLibIndex = -1;
    m_bLeaveFocus = !IsWindowVisible();
    if (History().empty() || !SelectHistoryItem(History()[Current()]))
    {
        LibraryCombo()->SetCurSel(0);
        UpdateData(TRUE);
        m_pImpl->OnLibraryChanged();
    }
    m_bLeaveFocus = false;
}

void CModelessBrowserDlg::PostNcDestroy()
{
    if (m_ppInstance)
        *m_ppInstance = nullptr;
    delete this;
}
