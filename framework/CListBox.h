// CListBox: a list box of strings with item data; owner-drawn list boxes draw their items in
// DrawItem, which the parent hands back to the control.
#pragma once

#include "framework/CWnd.h"

class FWK_API CListBox : public CWnd
{
public:
    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(LB_SETCURSEL, index)); }
    int GetCaretIndex() const { return static_cast<int>(SendMessage(LB_GETCARETINDEX)); }
    int AddString(LPCSTR text)
    {
        return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    int InsertString(int index, LPCSTR text)
    {
        return static_cast<int>(SendMessage(LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(int index) { return static_cast<int>(SendMessage(LB_DELETESTRING, index)); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int GetTextLen(int index) const { return static_cast<int>(SendMessage(LB_GETTEXTLEN, index)); }
    void GetText(int index, CString& text) const;
    int SetItemData(int index, DWORD_PTR data)
    {
        return static_cast<int>(SendMessage(LB_SETITEMDATA, index, static_cast<LPARAM>(data)));
    }
    DWORD_PTR GetItemData(int index) const
    {
        return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, index));
    }
    // The next entry after start (wrapping) that begins with the text, letter case ignored, made the
    // selection; -1 when none does. No selection-change notification is sent.
    int SelectString(int start, LPCSTR text)
    {
        return static_cast<int>(SendMessage(LB_SELECTSTRING, start, reinterpret_cast<LPARAM>(text)));
    }
    int FindString(int start, LPCSTR text) const
    {
        return static_cast<int>(SendMessage(LB_FINDSTRING, start, reinterpret_cast<LPARAM>(text)));
    }
    int FindStringExact(int start, LPCSTR text) const
    {
        return static_cast<int>(SendMessage(LB_FINDSTRINGEXACT, start, reinterpret_cast<LPARAM>(text)));
    }
    int GetItemRect(int index, LPRECT rect) const
    {
        return static_cast<int>(SendMessage(LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(rect)));
    }
    int SetItemHeight(int index, UINT height)
    {
        return static_cast<int>(SendMessage(LB_SETITEMHEIGHT, index, height));
    }
    int GetItemHeight(int index) const { return static_cast<int>(SendMessage(LB_GETITEMHEIGHT, index)); }
    // The item under a client point, and whether the point lies outside every item.
    UINT ItemFromPoint(CPoint point, BOOL& outside) const;

    // Owner-draw callbacks; the defaults do nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT draw);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT measure);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT compare);
    virtual void DeleteItem(LPDELETEITEMSTRUCT remove);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
