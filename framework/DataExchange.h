// Data exchange between a dialog's controls and its fields, in DoDataExchange: one function per
// kind of value, each moving the value to the control or, when saving, from it.
#pragma once

#include "framework/CString.h"
#include "framework/FrameworkApi.h"

#include <windows.h>

class CWnd;

class FWK_API CDataExchange
{
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog)
    {
    }

    // TRUE: from the controls into the fields; FALSE: from the fields into the controls.
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

    HWND PrepareCtrl(int id) const;
};

// Attaches the control object to the dialog's control (once) so that its messages go through it.
FWK_API void DDX_Control(CDataExchange* dx, int id, CWnd& control);
FWK_API void DDX_Text(CDataExchange* dx, int id, CString& value);
FWK_API void DDX_Text(CDataExchange* dx, int id, int& value);
// The selected index of a combo box (-1 for none).
FWK_API void DDX_CBIndex(CDataExchange* dx, int id, int& index);
// The selected index of a list box (-1 for none).
FWK_API void DDX_LBIndex(CDataExchange* dx, int id, int& index);
// The check state of a button.
FWK_API void DDX_Check(CDataExchange* dx, int id, int& value);
