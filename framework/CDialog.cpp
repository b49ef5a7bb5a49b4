#include "framework/CDialog.h"
#include "framework/CWinApp.h"
#include "framework/DataExchange.h"
#include "framework/MessageHandlers.h"
#include "framework/ResourceChain.h"

// clang-format off
BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()
// clang-format on

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_nIDTemplate(templateId), m_nIDHelp(templateId), m_pParentWnd(parent)
{
}

CDialog::~CDialog() = default;

const DLGTEMPLATE* CDialog::FindTemplate(UINT templateId, HINSTANCE& module) const
{
    LPCSTR name = MAKEINTRESOURCEA(templateId);
    module = AfxFindResourceHandle(name, MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    HRSRC resource = module ? ::FindResourceA(module, name, MAKEINTRESOURCEA(5)) : nullptr;
    HGLOBAL loaded = resource ? ::LoadResource(module, resource) : nullptr;
    return loaded ? static_cast<const DLGTEMPLATE*>(::LockResource(loaded)) : nullptr;
}

HWND CDialog::ParentHandle() const
{
    if (m_pParentWnd)
        return m_pParentWnd->m_hWnd;
    CWnd* main = AfxGetMainWnd();
    return main ? main->m_hWnd : nullptr;
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE module = nullptr;
    const DLGTEMPLATE* dialogTemplate = FindTemplate(m_nIDTemplate, module);
    if (!dialogTemplate || m_hWnd)
        return -1;
    m_bModal = true;
    INT_PTR result = ::DialogBoxIndirectParamA(module, dialogTemplate, ParentHandle(), &CDialog::DialogProc,
                                               reinterpret_cast<LPARAM>(this));
    m_bModal = false;
    return result;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_nIDTemplate = templateId;
    if (!m_nIDHelp)
        m_nIDHelp = templateId;
    if (parent)
        m_pParentWnd = parent;
    HINSTANCE module = nullptr;
    const DLGTEMPLATE* dialogTemplate = FindTemplate(templateId, module);
    if (!dialogTemplate || m_hWnd)
        return FALSE;
    m_bModal = false;
    HWND window = ::CreateDialogIndirectParamA(module, dialogTemplate, ParentHandle(), &CDialog::DialogProc,
                                               reinterpret_cast<LPARAM>(this));
    return window != nullptr;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
    {
        // From here on the dialog's messages go through the object's message map first. No C++
        // exception may cross back into the platform: a dialog whose opening threw ends.
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        try
        {
            if (!dialog->SubclassWindow(window))
                return FALSE;
            return dialog->OnInitDialog();
        }
        catch (...)
        {
            ::EndDialog(window, -1);
            return FALSE;
        }
    }
    // Messages no handler took: the list box does its own key handling.
    if (message == WM_VKEYTOITEM || message == WM_CHARTOITEM)
        return -1;
    return FALSE;
}

void CDialog::EndDialog(int result)
{
    if (m_hWnd)
        ::EndDialog(m_hWnd, result);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    if (!m_hWnd)
        return FALSE;
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    // A modal dialog's own loop already does this.
    if (m_bModal || !m_hWnd || msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST)
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, msg);
}
