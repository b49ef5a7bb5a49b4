#include "browser/CLibItemListCtrl.h"
#include "typelib/CTLibItem.h"

int CLibItemListCtrl::FindItem(CString text)
{
    return FindItemText(text);
}

CString CLibItemListCtrl::GetSelectedText()
{
    int selected = GetNextItem(-1, LVNI_SELECTED);
    return selected == -1 ? CString() : GetItemText(selected, 0);
}

void CLibItemListCtrl::ColourRow(DWORD_PTR itemData, NMLVCUSTOMDRAW& draw)
{
    auto* item = reinterpret_cast<CTLibItem*>(itemData);
    if (item && item->IsHidden())
        draw.clrText = kHiddenTextColor;
}
