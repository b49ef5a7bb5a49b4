#include "framework/CCheckListBox.h"
#include "framework/Gdi.h"

namespace
{
constexpr int kBoxMargin = 2;
} // namespace

CCheckListBox::~CCheckListBox()
{
    FreeStates();
}

CCheckListBox::ItemState* CCheckListBox::StateOf(int index) const
{
    if (!m_hWnd || index < 0 || index >= GetCount())
        return nullptr;
    // The list's own data word holds the item's state; the caller's data lives inside it.
    LRESULT raw =
        const_cast<CCheckListBox*>(this)->DefWindowProc(LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    return raw == LB_ERR ? nullptr : reinterpret_cast<ItemState*>(raw);
}

void CCheckListBox::FreeStates()
{
    if (!m_hWnd)
        return;
    for (int i = 0, count = GetCount(); i < count; ++i)
    {
        delete StateOf(i);
        DefWindowProc(LB_SETITEMDATA, static_cast<WPARAM>(i), 0);
    }
}

int CCheckListBox::GetCheck(int index) const
{
    const ItemState* state = StateOf(index);
    return state ? state->check : -1;
}

void CCheckListBox::SetCheck(int index, int check)
{
    if (ItemState* state = StateOf(index))
    {
        state->check = check;
        CRect item;
        if (GetItemRect(index, &item) != LB_ERR)
            InvalidateRect(&item, FALSE);
    }
}

BOOL CCheckListBox::IsEnabled(int index) const
{
    const ItemState* state = StateOf(index);
    return state && state->enabled;
}

void CCheckListBox::Enable(int index, BOOL enabled)
{
    if (ItemState* state = StateOf(index))
    {
        state->enabled = enabled != FALSE;
        CRect item;
        if (GetItemRect(index, &item) != LB_ERR)
            InvalidateRect(&item, FALSE);
    }
}

void CCheckListBox::ToggleCheck(int index)
{
    ItemState* state = StateOf(index);
    if (!state || !state->enabled)
        return;
    SetCheck(index, state->check ? 0 : 1);
    if (HWND parent = ::GetParent(m_hWnd))
        ::SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE),
                       reinterpret_cast<LPARAM>(m_hWnd));
}

int CCheckListBox::CheckBoxSize() const
{
    return 13;
}

void CCheckListBox::UpdateItemHeight()
{
    CClientDC dc(const_cast<CCheckListBox*>(this));
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
    if (font)
        dc.SelectObject(font);
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc, &metrics);
    int height = metrics.tmHeight + 2;
    if (height < CheckBoxSize() + 2)
        height = CheckBoxSize() + 2;
    SetItemHeight(0, static_cast<UINT>(height));
}

void CCheckListBox::PreSubclassWindow()
{
    UpdateItemHeight();
}

void CCheckListBox::MeasureItem(LPMEASUREITEMSTRUCT measure)
{
    measure->itemHeight = static_cast<UINT>(GetItemHeight(0));
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT draw)
{
    CDC* dc = CDC::FromHandle(draw->hDC);
    CRect item(draw->rcItem);
    if (static_cast<int>(draw->itemID) < 0)
    {
        if (draw->itemState & ODS_FOCUS)
            ::DrawFocusRect(*dc, &item);
        return;
    }
    const ItemState* state = reinterpret_cast<const ItemState*>(draw->itemData);
    const bool checked = state && state->check;
    const bool enabled = !state || state->enabled;
    const bool selected = (draw->itemState & ODS_SELECTED) != 0;

    CRect box(item.left + kBoxMargin, item.top + (item.Height() - CheckBoxSize()) / 2,
              item.left + kBoxMargin + CheckBoxSize(), 0);
    box.bottom = box.top + CheckBoxSize();
    CRect textArea(box.right + kBoxMargin, item.top, item.right, item.bottom);

    dc->FillSolidRect(CRect(item.left, item.top, textArea.left, item.bottom), ::GetSysColor(COLOR_WINDOW));
    dc->DrawFrameControl(&box, DFC_BUTTON,
                         DFCS_BUTTONCHECK | DFCS_FLAT | (checked ? DFCS_CHECKED : 0) |
                             (enabled ? 0 : DFCS_INACTIVE));

    COLORREF background = ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    COLORREF foreground = ::GetSysColor(!enabled   ? COLOR_GRAYTEXT
                                        : selected ? COLOR_HIGHLIGHTTEXT
                                                   : COLOR_WINDOWTEXT);
    dc->FillSolidRect(&textArea, background);
    CString text;
    GetText(static_cast<int>(draw->itemID), text);
    COLORREF oldText = dc->SetTextColor(foreground);
    int oldMode = dc->SetBkMode(TRANSPARENT);
    dc->DrawText(text, &textArea, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    dc->SetBkMode(oldMode);
    dc->SetTextColor(oldText);
    if (draw->itemState & ODS_FOCUS)
        ::DrawFocusRect(*dc, &textArea);
}

LRESULT CCheckListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    {
        LRESULT index = DefWindowProc(message, wParam, lParam);
        if (index >= 0)
            DefWindowProc(LB_SETITEMDATA, static_cast<WPARAM>(index),
                          reinterpret_cast<LPARAM>(new ItemState));
        return index;
    }
    case LB_DELETESTRING:
        delete StateOf(static_cast<int>(wParam));
        DefWindowProc(LB_SETITEMDATA, wParam, 0);
        return DefWindowProc(message, wParam, lParam);
    case LB_RESETCONTENT:
        FreeStates();
        return DefWindowProc(message, wParam, lParam);
    case LB_SETITEMDATA:
        if (ItemState* state = StateOf(static_cast<int>(wParam)))
        {
            state->data = static_cast<DWORD_PTR>(lParam);
            return 0;
        }
        return LB_ERR;
    case LB_GETITEMDATA:
        if (const ItemState* state = StateOf(static_cast<int>(wParam)))
            return static_cast<LRESULT>(state->data);
        return LB_ERR;
    case WM_DESTROY:
        FreeStates();
        break;
    case WM_SETFONT:
    {
        LRESULT result = DefWindowProc(message, wParam, lParam);
        UpdateItemHeight();
        return result;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    {
        CPoint point(lParam);
        BOOL outside = TRUE;
        int index = static_cast<int>(ItemFromPoint(point, outside));
        if (!outside && point.x >= kBoxMargin && point.x < kBoxMargin + CheckBoxSize())
            ToggleCheck(index);
        break;
    }
    case WM_KEYDOWN:
        if (wParam == VK_SPACE)
        {
            int index = GetCaretIndex();
            if (index < 0)
                index = GetCurSel();
            ToggleCheck(index);
            return 0;
        }
        break;
    default:
        break;
    }
    return CListBox::WindowProc(message, wParam, lParam);
}
