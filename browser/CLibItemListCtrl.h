// CLibItemListCtrl: the list control of the type-library browser. Each row's item data is the
// CTLibItem it shows; the rows of hidden items are drawn in grey.
#pragma once

#include "browser/CBrowserListCtrl.h"

class OBR_API CLibItemListCtrl : public CBrowserListCtrl
{
public:
    // Grey of the text of hidden items.
    static constexpr COLORREF kHiddenTextColor = 0x848284;

    // The first item whose whole text equals the text, letter case ignored; -1 when none does.
    int FindItem(CString text);
    using CListCtrl::FindItem;
    // The text of the first selected item, empty when none is selected.
    CString GetSelectedText();

protected:
    void ColourRow(DWORD_PTR itemData, NMLVCUSTOMDRAW& draw) override;
};
