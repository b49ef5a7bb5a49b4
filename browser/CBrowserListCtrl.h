// CBrowserListCtrl: a list of a browser dialog. Its selection stays plainly visible when another
// control has the focus (in the system's inactive-caption colours, where the list's own grey is
// barely off white), and an empty list that has the focus shows a focus rectangle, so the keyboard
// never goes where the eye cannot follow it.
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
