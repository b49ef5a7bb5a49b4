// CComboBox: a combo box with a list of strings, each with an item data word.
#pragma once

#include "framework/CWnd.h"

class FWK_API CComboBox : public CWnd
{
public:
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, index)); }
    int AddString(LPCSTR text)
    {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    int InsertString(int index, LPCSTR text)
    {
        return static_cast<int>(SendMessage(CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(int index) { return static_cast<int>(SendMessage(CB_DELETESTRING, index)); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int GetLBTextLen(int index) const { return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, index)); }
    void GetLBText(int index, CString& text) const;
    // The whole text of an entry, letter case ignored; -1 when none matches.
    int FindStringExact(int start, LPCSTR text) const
    {
        return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, start, reinterpret_cast<LPARAM>(text)));
    }
    // The first entry that begins with the text, letter case ignored; -1 when none does.
    int FindString(int start, LPCSTR text) const
    {
        return static_cast<int>(SendMessage(CB_FINDSTRING, start, reinterpret_cast<LPARAM>(text)));
    }
    int SelectString(int start, LPCSTR text)
    {
        return static_cast<int>(SendMessage(CB_SELECTSTRING, start, reinterpret_cast<LPARAM>(text)));
    }
    int SetItemData(int index, DWORD_PTR data)
    {
        return static_cast<int>(SendMessage(CB_SETITEMDATA, index, static_cast<LPARAM>(data)));
    }
    DWORD_PTR GetItemData(int index) const
    {
        return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, index));
    }
};
