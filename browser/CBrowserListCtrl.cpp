#include "browser/CBrowserListCtrl.h"

// clang-format off
BEGIN_MESSAGE_MAP(CBrowserListCtrl, CListCtrl)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
END_MESSAGE_MAP()
// clang-format on

void CBrowserListCtrl::ColourRow(DWORD_PTR, NMLVCUSTOMDRAW&) {}

void CBrowserListCtrl::OnCustomDraw(NMHDR* header, LRESULT* result)
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
        ColourRow(draw->nmcd.lItemlParam, *draw);
        if ((draw->nmcd.uItemState & CDIS_SELECTED) && ::GetFocus() != m_hWnd)
        {
            // Drawn as an unselected row in these colours.
            draw->nmcd.uItemState &= ~CDIS_SELECTED;
            draw->clrTextBk = ::GetSysColor(COLOR_INACTIVECAPTION);
            draw->clrText = ::GetSysColor(COLOR_INACTIVECAPTIONTEXT);
        }
        *result = CDRF_DODEFAULT;
        break;
    default:
        *result = CDRF_DODEFAULT;
        break;
    }
}

LRESULT CBrowserListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CListCtrl::WindowProc(message, wParam, lParam);
    switch (message)
    {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        // The selection changes colours, and a list without a focused row gains or loses its
        // rectangle.
        Invalidate();
        break;
    case WM_PAINT:
        // A list with the focus but no focused row (empty, or nothing chosen yet) shows it whole.
        if (::GetFocus() == m_hWnd && GetNextItem(-1, LVNI_FOCUSED) == -1)
        {
            CClientDC dc(this);
            CRect client;
            GetClientRect(&client);
            client.DeflateRect(1, 1);
            ::DrawFocusRect(dc, &client);
        }
        break;
    default:
        break;
    }
    return result;
}
