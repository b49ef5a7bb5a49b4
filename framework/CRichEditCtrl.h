// CRichEditCtrl: a rich edit control (the window class "RICHEDIT" of riched32, or a later one).
#pragma once

#include "framework/CWnd.h"

#include <richedit.h>

class FWK_API CRichEditCtrl : public CWnd
{
public:
    DWORD GetEventMask() const { return static_cast<DWORD>(SendMessage(EM_GETEVENTMASK)); }
    DWORD SetEventMask(DWORD mask) { return static_cast<DWORD>(SendMessage(EM_SETEVENTMASK, 0, mask)); }
    void SetSel(long start, long end);
    void GetSel(CHARRANGE& range) const { SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range)); }
    CString GetSelText() const;
    void ReplaceSel(LPCSTR text, BOOL canUndo = FALSE)
    {
        SendMessage(EM_REPLACESEL, canUndo, reinterpret_cast<LPARAM>(text));
    }
    // Characters from first to last (exclusive), in the control's own positions.
    CString GetTextRange(long first, long last) const;
    long GetTextLength() const { return static_cast<long>(SendMessage(WM_GETTEXTLENGTH)); }
    // Streams text or RTF (SF_TEXT, SF_RTF) into the control; returns the number of bytes read.
    long StreamIn(int format, EDITSTREAM& stream)
    {
        return static_cast<long>(SendMessage(EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream)));
    }
    BOOL SetSelectionCharFormat(CHARFORMAT2A& format);
    DWORD GetSelectionCharFormat(CHARFORMAT2A& format) const;
    CPoint PosFromChar(long position) const;
};
