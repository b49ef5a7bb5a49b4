// The host's dialog bases: CKivDialog, a framework dialog with a help context and modeless
// creation, and CGroupDialog, a second base of the host's dialogs that adds no behaviour of its own.
#pragma once

#include "framework/Framework.h"
#include "host/ctrl/QvxCtrlApi.h"

class QVX_CTRL_API CKivDialog : public CDialog
{
public:
    CKivDialog(UINT templateId, CWnd* parent = nullptr);
    ~CKivDialog() override;

    // Creates the dialog modelessly (the window is shown when its template says so).
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    // The context number the dialog's help shows.
    void SetHelpId(UINT id) { m_nIDHelp = id; }

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
};

class QVX_CTRL_API CGroupDialog
{
public:
    virtual ~CGroupDialog();
};
