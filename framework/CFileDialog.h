// CFileDialog: the file-open (or save) dialog, with a filter given as "Name|patterns|...||".
#pragma once

#include "framework/CString.h"
#include "framework/FrameworkApi.h"

#include <windows.h>
#include <commdlg.h>

class CWnd;

class FWK_API CFileDialog
{
public:
    CFileDialog(BOOL openFileDialog, LPCSTR defaultExtension = nullptr, LPCSTR fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR filter = nullptr,
                CWnd* parent = nullptr);
    virtual ~CFileDialog() = default;

    // IDOK when the user chose a file, IDCANCEL otherwise; the request goes through the platform calls.
    virtual INT_PTR DoModal();
    CString GetPathName() const { return CString(m_fileName); }
    CString GetFileName() const;

    OPENFILENAMEA m_ofn;

private:
    BOOL m_bOpen;
    CString m_filter; // the '|' separators turned into the zero bytes the platform expects
    CString m_defaultExtension;
    char m_fileName[MAX_PATH];
};
