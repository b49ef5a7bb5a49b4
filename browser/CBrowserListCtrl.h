// CBrowserListCtrl: a list of a browser dialog. Its selection stays plainly visible when another
// control has the focus (in the system's inactive-caption colours, where the list's own grey is
// barely off white), and a list that has the focus but no focused row (an empty one, or one where
// nothing was chosen yet) shows a focus rectangle, so the keyboard never goes where the eye cannot
// follow it.
#pragma once

#include "module/BrowserApi.h"
#include "framework/Framework.h"

class OBR_API CBrowserListCtrl : public CListCtrl
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void OnCustomDraw(NMHDR* header, LRESULT* result);
    // The text colour of a row; the item data is the row's.
    virtual void ColourRow(DWORD_PTR itemData, NMLVCUSTOMDRAW& draw);
    DECLARE_MESSAGE_MAP()
};
