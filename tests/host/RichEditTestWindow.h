// A top-level window holding one description pane (a "RICHEDIT" control of riched32), recording
// the link clicks the pane reports.
#pragma once

#include "CRichEditCtrlEx.h"

#include <vector>

class RichEditTestWindow : public CWnd
{
public:
    RichEditTestWindow();
    ~RichEditTestWindow() override;

    CRichEditCtrlEx m_pane;
    std::vector<DWORD_PTR> m_clickedData;

    // The format of the character at a position of the pane.
    CHARFORMAT2A FormatAt(long position);

protected:
    LRESULT OnLinkClicked(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    HMODULE m_richEdit;
};
