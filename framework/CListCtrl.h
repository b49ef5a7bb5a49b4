// CListCtrl: the list-view control, used here in report view with one column.
#pragma once

#include "framework/CWnd.h"

#include <commctrl.h>

class CImageList;

class FWK_API CListCtrl : public CWnd
{
public:
    // Columns
    int InsertColumn(int column, LPCSTR heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    // width may be LVSCW_AUTOSIZE or LVSCW_AUTOSIZE_USEHEADER.
    BOOL SetColumnWidth(int column, int width)
    {
        return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, column, width));
    }

    // Items
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    // The number of rows of a list that holds no data of its own (LVS_OWNERDATA).
    void SetItemCount(int count, DWORD flags = 0) { SendMessage(LVM_SETITEMCOUNT, count, flags); }
    int InsertItem(const LVITEMA* item)
    {
        return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(item)));
    }
    int InsertItem(int index, LPCSTR text) { return InsertItem(LVIF_TEXT, index, text, 0, 0, 0, 0); }
    int InsertItem(int index, LPCSTR text, int image)
    {
        return InsertItem(LVIF_TEXT | LVIF_IMAGE, index, text, 0, 0, image, 0);
    }
    int InsertItem(UINT mask, int index, LPCSTR text, UINT state, UINT stateMask, int image, LPARAM data);
    BOOL SetItem(const LVITEMA* item)
    {
        return static_cast<BOOL>(SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(item)));
    }
    BOOL GetItem(LVITEMA* item) const
    {
        return static_cast<BOOL>(SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(item)));
    }
    BOOL SetItemText(int index, int subItem, LPCSTR text);
    CString GetItemText(int index, int subItem) const;
    BOOL SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;
    BOOL SetItemState(int index, UINT state, UINT mask);
    UINT GetItemState(int index, UINT mask) const
    {
        return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, index, mask));
    }
    BOOL DeleteItem(int index) { return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, index)); }
    BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }

    // Search and selection
    int GetNextItem(int start, int flags) const
    {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, start, flags));
    }
    int FindItem(LVFINDINFOA* find, int start = -1) const
    {
        return static_cast<int>(SendMessage(LVM_FINDITEMA, start, reinterpret_cast<LPARAM>(find)));
    }
    // The first item from the start whose whole text equals the text, letter case ignored; -1 when none.
    int FindItemText(const char* text) const;
    BOOL EnsureVisible(int index, BOOL partialOk)
    {
        return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, index, partialOk));
    }
    BOOL GetItemRect(int index, LPRECT rect, UINT code) const;

    // Sorting: the callback compares the item data of two items.
    BOOL SortItems(PFNLVCOMPARE compare, DWORD_PTR data)
    {
        return static_cast<BOOL>(SendMessage(LVM_SORTITEMS, data, reinterpret_cast<LPARAM>(compare)));
    }

    // Image lists (LVSIL_SMALL, LVSIL_NORMAL, LVSIL_STATE); returns the previous list's handle.
    HIMAGELIST SetImageList(CImageList* list, int which);
    DWORD SetExtendedStyle(DWORD style)
    {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style));
    }
};
