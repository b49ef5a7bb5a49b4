#include "framework/CFileDialog.h"
#include "framework/CWnd.h"
#include "framework/PlatformCalls.h"

CFileDialog::CFileDialog(BOOL openFileDialog, LPCSTR defaultExtension, LPCSTR fileName, DWORD flags,
                         LPCSTR filter, CWnd* parent)
    : m_ofn(), m_bOpen(openFileDialog), m_filter(filter), m_defaultExtension(defaultExtension), m_fileName()
{
    if (fileName)
        lstrcpynA(m_fileName, fileName, MAX_PATH);
    m_filter.Replace('|', '\0');
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hwndOwner = parent ? parent->m_hWnd : nullptr;
    m_ofn.lpstrFilter = m_filter.IsEmpty() ? nullptr : m_filter.GetString();
    m_ofn.lpstrFile = m_fileName;
    m_ofn.nMaxFile = MAX_PATH;
    m_ofn.lpstrDefExt = m_defaultExtension.IsEmpty() ? nullptr : m_defaultExtension.GetString();
    m_ofn.Flags = flags | OFN_EXPLORER;
}

INT_PTR CFileDialog::DoModal()
{
    BOOL chosen = m_bOpen ? fwk::Platform().GetOpenFileName(&m_ofn) : fwk::Platform().GetSaveFileName(&m_ofn);
    return chosen ? IDOK : IDCANCEL;
}

CString CFileDialog::GetFileName() const
{
    CString path(m_fileName);
    int slash = path.ReverseFind('\\');
    return slash < 0 ? path : path.Mid(slash + 1);
}
