// A top-level window holding one description pane (a "RICHEDIT" control of riched32), recording
// the link clicks the pane reports.
#pragma once

#include "host/ctrl/CRichEditCtrlEx.h"

#include <vector>

class RichEditTestWindow : public CWnd
{
public:
    RichEditTestWindow();
    ~RichEditTestWindow() override;

    CRichEditCtrlEx m_pane;
    std::vector<DWORD_PTR> m_clickedData;

    // With OBR_TEST_LINGER_MS set, keeps the window up that long (answering its messages), so that
    // a person can look at it or take a screenshot.
    void Linger();

    // The format of the character at a position of the pane.
    CHARFORMAT2A FormatAt(long position);

protected:
    LRESULT OnLinkClicked(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    HMODULE m_richEdit;
};
