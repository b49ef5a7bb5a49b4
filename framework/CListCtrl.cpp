#include "framework/CListCtrl.h"
#include "framework/CImageList.h"

int CListCtrl::InsertColumn(int column, LPCSTR heading, int format, int width, int subItem)
{
    LVCOLUMNA info = {};
    info.mask = LVCF_FMT | LVCF_TEXT;
    info.fmt = format;
    info.pszText = const_cast<LPSTR>(heading);
    if (width != -1)
    {
        info.mask |= LVCF_WIDTH;
        info.cx = width;
    }
    if (subItem != -1)
    {
        info.mask |= LVCF_SUBITEM;
        info.iSubItem = subItem;
    }
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&info)));
}

int CListCtrl::InsertItem(UINT mask, int index, LPCSTR text, UINT state, UINT stateMask, int image,
                          LPARAM data)
{
    LVITEMA item = {};
    item.mask = mask;
    item.iItem = index;
    item.pszText = const_cast<LPSTR>(text);
    item.state = state;
    item.stateMask = stateMask;
    item.iImage = image;
    item.lParam = data;
    return InsertItem(&item);
}

int CListCtrl::FindItemText(const char* text) const
{
    LVFINDINFOA find = {};
    find.flags = LVFI_STRING;
    find.psz = text;
    return FindItem(&find, -1);
}

BOOL CListCtrl::SetItemText(int index, int subItem, LPCSTR text)
{
    LVITEMA item = {};
    item.iSubItem = subItem;
    item.pszText = const_cast<LPSTR>(text);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item)));
}

CString CListCtrl::GetItemText(int index, int subItem) const
{
    // The control copies at most the buffer's size: grow it until the text fits.
    CString text;
    for (int size = 256;; size *= 4)
    {
        LVITEMA item = {};
        item.iSubItem = subItem;
        item.cchTextMax = size;
        item.pszText = text.GetBuffer(size);
        int length = static_cast<int>(SendMessage(LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item)));
        if (length < size - 1 || size > (1 << 20))
        {
            text.ReleaseBuffer(length);
            return text;
        }
    }
}

BOOL CListCtrl::SetItemData(int index, DWORD_PTR data)
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    item.lParam = static_cast<LPARAM>(data);
    return SetItem(&item);
}

DWORD_PTR CListCtrl::GetItemData(int index) const
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    return GetItem(&item) ? static_cast<DWORD_PTR>(item.lParam) : 0;
}

BOOL CListCtrl::SetItemState(int index, UINT state, UINT mask)
{
    LVITEMA item = {};
    item.state = state;
    item.stateMask = mask;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item)));
}

BOOL CListCtrl::GetItemRect(int index, LPRECT rect, UINT code) const
{
    rect->left = static_cast<LONG>(code);
    return static_cast<BOOL>(SendMessage(LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(rect)));
}

HIMAGELIST CListCtrl::SetImageList(CImageList* list, int which)
{
    return reinterpret_cast<HIMAGELIST>(
        SendMessage(LVM_SETIMAGELIST, which, reinterpret_cast<LPARAM>(list ? list->m_hImageList : nullptr)));
}
