// CDialog: a dialog built from a template of the resource chain, run modally (DoModal returns what
// EndDialog was given) or modelessly (Create). Escape and the close box reach OnCancel, Enter the
// default push button's command.
#pragma once

#include "framework/CWnd.h"

class CDataExchange;

class FWK_API CDialog : public CWnd
{
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // -1 when the template cannot be found or the dialog cannot be created.
    virtual INT_PTR DoModal();
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    void EndDialog(int result);

    // TRUE: from the controls into the fields; FALSE: into the controls.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    BOOL PreTranslateMessage(MSG* msg) override;

    UINT m_nIDTemplate = 0;
    // The help context of the dialog; the template's number unless set otherwise.
    UINT m_nIDHelp = 0;
    CWnd* m_pParentWnd = nullptr;

protected:
    virtual void DoDataExchange(CDataExchange* dx);

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    const DLGTEMPLATE* FindTemplate(UINT templateId, HINSTANCE& module) const;
    HWND ParentHandle() const;

    bool m_bModal = false;
};
