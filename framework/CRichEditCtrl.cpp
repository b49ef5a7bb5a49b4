#include "framework/CRichEditCtrl.h"

void CRichEditCtrl::SetSel(long start, long end)
{
    CHARRANGE range = {start, end};
    SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

CString CRichEditCtrl::GetSelText() const
{
    CHARRANGE range = {};
    GetSel(range);
    // The selection may hold two bytes per position (a line end read as CR LF).
    int room = 2 * (range.cpMax - range.cpMin) + 2;
    CString text;
    long length =
        static_cast<long>(SendMessage(EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(text.GetBuffer(room))));
    text.ReleaseBuffer(length >= 0 && length < room ? length : -1);
    return text;
}

CString CRichEditCtrl::GetTextRange(long first, long last) const
{
    if (last < first)
        return CString();
    int room = 2 * (last - first) + 2;
    CString text;
    TEXTRANGEA range = {{first, last}, text.GetBuffer(room)};
    long length = static_cast<long>(SendMessage(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range)));
    text.ReleaseBuffer(length >= 0 && length < room ? length : -1);
    return text;
}

BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMAT2A& format)
{
    format.cbSize = sizeof format;
    return static_cast<BOOL>(SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format)));
}

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT2A& format) const
{
    format.cbSize = sizeof format;
    return static_cast<DWORD>(
        SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format)));
}

CPoint CRichEditCtrl::PosFromChar(long position) const
{
    POINTL at = {};
    SendMessage(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), position);
    return CPoint(at.x, at.y);
}
