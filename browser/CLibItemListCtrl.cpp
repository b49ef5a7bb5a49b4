#include "browser/CLibItemListCtrl.h"
#include "typelib/CTLibItem.h"

// clang-format off
BEGIN_MESSAGE_MAP(CLibItemListCtrl, CListCtrl)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
END_MESSAGE_MAP()
// clang-format on

int CLibItemListCtrl::FindItem(CString text)
{
    return FindItemText(text);
}

CString CLibItemListCtrl::GetSelectedText()
{
    int selected = GetNextItem(-1, LVNI_SELECTED);
    return selected == -1 ? CString() : GetItemText(selected, 0);
}

void CLibItemListCtrl::OnCustomDraw(NMHDR* header, LRESULT* result)
{
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
    switch (draw->nmcd.dwDrawStage)
    {
    case CDDS_PREPAINT:
        *result = CDRF_NOTIFYITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT:
        *result = CDRF_NOTIFYSUBITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
    {
        auto* item = reinterpret_cast<CTLibItem*>(draw->nmcd.lItemlParam);
        if (item && item->IsHidden())
            draw->clrText = kHiddenTextColor;
        *result = CDRF_DODEFAULT;
        break;
    }
    default:
        *result = CDRF_DODEFAULT;
        break;
    }
}
