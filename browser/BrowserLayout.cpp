// The browser dialog's layout: resizing, the two splitters between its panes (dragged with a grey
// bar) and the minimised icon.
#include "browser/CBrowserDlg.h"
#include "impl/CBrowserImpl.h"
#include "resources/resource.h"

#include <algorithm>
#include <memory>

namespace
{
// Layout constants, in pixels of the client area at 96 dots per inch: scaled to the dialog's.
constexpr int kMargin = 7;
constexpr int kLabelTop = 40;
constexpr int kLabelHeight = 18;
constexpr int kListTop = 58;
constexpr int kLowestDescriptionTop = 60;
// The least room of the lists and of the description when the window is made small.
constexpr int kLeastListHeight = 48;
constexpr int kLeastDescriptionHeight = 32;
constexpr int kSplitterGap = 2;
constexpr int kMembersRoom = 32;
constexpr int kHitMargin = 5;
constexpr int kSideDragLimit = 9;
constexpr int kTopDragLimit = 85;
// The search pane takes a third of the room above the description, and at least this much.
constexpr int kLeastPaneHeight = 60;
constexpr int kPaneGap = 4;
// Gaps of the search row, in dialog units: after Copy, after the box, after the button.
constexpr int kGapAfterCopy = 12;
constexpr int kGapAfterBox = 11;
constexpr int kGapAfterButton = 4;
constexpr int kBottomDragLimit = 14;
constexpr int kStripThickness = 6;
constexpr COLORREF kBarColor = 0xC0C0C0;

// Drag states: which splitter, and whether the bar has been drawn yet.
constexpr int kDragVertical = 1;
constexpr int kDragHorizontal = 2;
constexpr int kDragNoBarYet = 4;

// Shared by every browser of the process: the last bar drawn and the screen strip under it.
CRect g_lastBar;
std::unique_ptr<CBitmap> g_stripUnderBar;

CRect ClientRectOf(CWnd* dialog, CWnd* control)
{
    CRect rect;
    control->GetWindowRect(&rect);
    dialog->ScreenToClient(&rect);
    return rect;
}
} // namespace

void CBrowserDlg::SetSplitterRectangles()
{
    CWnd* classes = GetDlgItem(IDC_CLASSES_LIST);
    CWnd* members = GetDlgItem(IDC_MEMBERS_LIST);
    CWnd* description = GetDlgItem(IDC_DESCRIPTION);
    if (!classes || !members || !description)
        return;
    CRect classesRect = ClientRectOf(this, classes);
    CRect membersRect = ClientRectOf(this, members);
    CRect descriptionRect = ClientRectOf(this, description);
    m_rcVSplitter.SetRect(classesRect.right, classesRect.top, membersRect.left, membersRect.bottom);
    m_rcHSplitter.SetRect(descriptionRect.left, classesRect.bottom, descriptionRect.right,
                          descriptionRect.top);
}

void CBrowserDlg::OnSize(UINT type, int cx, int cy)
{
    CKivDialog::OnSize(type, cx, cy);
    if (!m_pClassesList || !m_pClassesList->IsWindow())
        return;
    if (cx - m_rcVSplitter.right - Scaled(kMembersRoom) < 0)
        m_rcVSplitter.OffsetRect(cx - m_rcVSplitter.right - Scaled(kMembersRoom), 0);
    const int margin = Scaled(kMargin);
    const int gap = Scaled(kSplitterGap);
    const int labelTop = Scaled(kLabelTop);
    CWnd* description = GetDlgItem(IDC_DESCRIPTION);
    CRect descriptionRect = ClientRectOf(this, description);
    // The search pane, when shown, pushes the labels and the lists down.
    const int leastShift = m_searchPane.IsShown() ? Scaled(kLeastPaneHeight) + Scaled(kPaneGap) : 0;
    int top = cy - margin - descriptionRect.Height();
    if (top < Scaled(kLowestDescriptionTop) + leastShift)
        top = Scaled(kLowestDescriptionTop) + leastShift;
    // In a small window the description gives way before the lists.
    const int leastTop = Scaled(kListTop) + leastShift + Scaled(kLeastListHeight) + gap;
    if (top < leastTop && cy - margin - leastTop >= Scaled(kLeastDescriptionHeight))
        top = leastTop;
    int shift = 0;
    if (m_searchPane.IsShown())
    {
        // As tall as its rows need, within a third of the room above the description.
        const int third = std::max(Scaled(kLeastPaneHeight), (top - labelTop) / 3);
        const int paneHeight = std::clamp(m_searchPane.HeightNeeded(), Scaled(kLeastPaneHeight), third);
        m_searchPane.Place(margin, labelTop, cx - 2 * margin, paneHeight);
        shift = paneHeight + Scaled(kPaneGap);
    }
    m_nListsShift = shift;
    m_rcHSplitter.bottom = top;
    m_rcHSplitter.top = top - gap;

    const CRect& v = m_rcVSplitter;
    const int listTop = Scaled(kListTop) + shift;
    const int listHeight = std::max(0, top - gap - listTop);
    if (CWnd* label = GetDlgItem(IDC_CLASSES_LABEL))
        label->MoveWindow(margin, labelTop + shift, v.left - margin, Scaled(kLabelHeight));
    if (CWnd* label = GetDlgItem(IDC_MEMBERS_LABEL))
        label->MoveWindow(v.right, labelTop + shift, cx - margin - v.right, Scaled(kLabelHeight));
    m_pClassesList->MoveWindow(margin, listTop, v.left - margin, listHeight);
    m_pMembersList->MoveWindow(v.right, listTop, cx - margin - v.right, listHeight);
    description->MoveWindow(margin, top, cx - 2 * margin, cy - margin - top);
    SetSplitterRectangles();
    // Moved panes repaint themselves, but not what they uncovered in each other (a label left
    // over a list's rows, a description left blank): everything is drawn anew.
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CBrowserDlg::PlaceSearchRow()
{
    CWnd* copy = GetDlgItem(IDC_COPY);
    if (!copy)
        return;
    CRect gaps(kGapAfterCopy, kGapAfterBox, kGapAfterButton, 0);
    ::MapDialogRect(m_hWnd, &gaps);
    int left = ClientRectOf(this, copy).right + gaps.left;
    const int gapAfter[] = {gaps.top, gaps.right, 0};
    const int ids[] = {IDC_SEARCH_TEXT, IDC_SEARCH, IDC_CLOSE_RESULTS};
    for (int i = 0; i < 3; ++i)
    {
        CWnd* control = GetDlgItem(ids[i]);
        if (!control)
            continue;
        const CRect rect = ClientRectOf(this, control);
        // Moved only: a combo box's window is shorter than the list it drops.
        control->SetWindowPos(nullptr, left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        left += rect.Width() + gapAfter[i];
    }
    // A window too narrow for its top row (the formula functions' is given a width that predates
    // the search row) grows to fit it.
    CRect client, window;
    GetClientRect(&client);
    const int missing = left + Scaled(kMargin) - client.Width();
    if (missing > 0)
    {
        GetWindowRect(&window);
        SetWindowPos(nullptr, 0, 0, window.Width() + missing, window.Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

int CBrowserDlg::TopRowRight()
{
    int right = 0;
    for (int id :
         {IDC_LIB_COMBO, IDC_BACK, IDC_FORWARD, IDC_COPY, IDC_SEARCH_TEXT, IDC_SEARCH, IDC_CLOSE_RESULTS})
        if (CWnd* control = GetDlgItem(id); control && (control->GetStyle() & WS_VISIBLE))
            right = std::max(right, static_cast<int>(ClientRectOf(this, control).right));
    return right;
}

LRESULT CBrowserDlg::OnGetMinMaxInfo(WPARAM, LPARAM lParam)
{
    // Small enough to tuck away, large enough that the top row, both lists and the description
    // stay whole and usable.
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    if (!m_pClassesList || !m_pClassesList->IsWindow())
        return Default();
    const CSize least = LeastWindowSize();
    info->ptMinTrackSize.x = std::max<LONG>(info->ptMinTrackSize.x, least.cx);
    info->ptMinTrackSize.y = std::max<LONG>(info->ptMinTrackSize.y, least.cy);
    return 0;
}

CSize CBrowserDlg::LeastWindowSize()
{
    const int paneRoom = m_searchPane.IsShown() ? Scaled(kLeastPaneHeight) + Scaled(kPaneGap) : 0;
    CRect least(0, 0, TopRowRight() + Scaled(kMargin),
                Scaled(kListTop) + paneRoom + Scaled(kLeastListHeight) + Scaled(kSplitterGap) +
                    Scaled(kLeastDescriptionHeight) + Scaled(kMargin));
    ::AdjustWindowRectEx(&least, GetStyle(), FALSE, GetExStyle());
    return CSize(least.Width(), least.Height());
}

void CBrowserDlg::PlaceSplitters(int classesShare, int descriptionShare)
{
    CRect client;
    GetClientRect(&client);
    if ((classesShare <= 0 && descriptionShare <= 0) || client.Width() <= 0 || client.Height() <= 0)
        return;
    if (classesShare > 0)
    {
        // Within the limits a drag has; the layout keeps room for the members list.
        const int width = m_rcVSplitter.Width();
        const int left =
            std::clamp(::MulDiv(client.Width(), classesShare, BrowserSettings::kShareScale),
                       Scaled(kSideDragLimit), std::max(Scaled(kSideDragLimit), client.Width() - width));
        m_rcVSplitter.left = left;
        m_rcVSplitter.right = left + width;
    }
    CWnd* description = GetDlgItem(IDC_DESCRIPTION);
    if (descriptionShare > 0 && description)
    {
        // The layout keeps the description's height; it gives way where the lists need room.
        const int top = ::MulDiv(client.Height(), descriptionShare, BrowserSettings::kShareScale);
        const CRect rect = ClientRectOf(this, description);
        description->MoveWindow(rect.left, top, rect.Width(),
                                std::max(0, client.Height() - Scaled(kMargin) - top), FALSE);
    }
    Relayout();
}

void CBrowserDlg::Relayout()
{
    CRect client;
    GetClientRect(&client);
    // Every pane moves: drawn once at the end rather than by each move.
    SendMessage(WM_SETREDRAW, FALSE);
    OnSize(SIZE_RESTORED, client.Width(), client.Height());
    SendMessage(WM_SETREDRAW, TRUE);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

CRect CBrowserDlg::VerticalHitRect() const
{
    CRect hit(m_rcVSplitter);
    hit.InflateRect(Scaled(kHitMargin), 0);
    return hit;
}

CRect CBrowserDlg::HorizontalHitRect() const
{
    CRect hit(m_rcHSplitter);
    hit.InflateRect(0, Scaled(kHitMargin));
    return hit;
}

CPoint CBrowserDlg::ClampToDragLimits(CPoint point) const
{
    CRect window;
    GetWindowRect(&window);
    ScreenToClient(&window);
    point.x = std::max(point.x, window.left + Scaled(kSideDragLimit));
    point.x = std::min(point.x, window.right - Scaled(kSideDragLimit));
    // The search pane moves the lists down, and the limit with them.
    point.y = std::max(point.y, window.top + Scaled(kTopDragLimit) + m_nListsShift);
    point.y = std::min(point.y, window.bottom - Scaled(kBottomDragLimit));
    return point;
}

void CBrowserDlg::OnLButtonDown(UINT flags, CPoint point)
{
    if (VerticalHitRect().PtInRect(point))
    {
        SetCapture();
        m_nSplitterDrag = kDragVertical | kDragNoBarYet;
    }
    // Where both hit, the horizontal splitter wins.
    if (HorizontalHitRect().PtInRect(point))
    {
        SetCapture();
        m_nSplitterDrag = kDragHorizontal | kDragNoBarYet;
    }
    CKivDialog::OnLButtonDown(flags, point);
}

void CBrowserDlg::OnMouseMove(UINT flags, CPoint point)
{
    if (!(flags & MK_LBUTTON) || m_nSplitterDrag == 0)
    {
        if (VerticalHitRect().PtInRect(point))
        {
            ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32644) /* IDC_SIZEWE */));
            SetCapture();
        }
        else if (HorizontalHitRect().PtInRect(point))
        {
            ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32645) /* IDC_SIZENS */));
            SetCapture();
        }
        else
        {
            ::ReleaseCapture();
        }
        CKivDialog::OnMouseMove(flags, point);
        return;
    }

    const CPoint at = ClampToDragLimits(point);
    // The bar is as wide as the gap between the panes; the strip under it is kept a little wider.
    const int half = std::max(1, Scaled(kSplitterGap) / 2);
    const int strip = Scaled(kStripThickness);
    CClientDC screen(this);
    CDC memory;
    memory.CreateCompatibleDC(&screen);
    const bool firstBar = (m_nSplitterDrag & kDragNoBarYet) != 0;
    if (!g_stripUnderBar)
        g_stripUnderBar = std::make_unique<CBitmap>();
    if (m_nSplitterDrag & kDragVertical)
    {
        // Put back what the last bar covered, then keep what the new one will cover.
        if (!firstBar)
        {
            memory.SelectObject(g_stripUnderBar.get());
            screen.BitBlt(g_lastBar.left + half - strip / 2, g_lastBar.top, strip, g_lastBar.Height(),
                          &memory, 0, 0, SRCCOPY);
        }
        g_lastBar.SetRect(at.x - half, m_rcVSplitter.top, at.x + half, m_rcVSplitter.bottom);
        if (firstBar)
        {
            m_nSplitterDrag = kDragVertical;
            g_stripUnderBar->CreateCompatibleBitmap(&screen, strip, g_lastBar.Height());
        }
        memory.SelectObject(g_stripUnderBar.get());
        memory.BitBlt(0, 0, strip, g_lastBar.Height(), &screen, at.x - strip / 2, g_lastBar.top, SRCCOPY);
    }
    else
    {
        if (!firstBar)
        {
            memory.SelectObject(g_stripUnderBar.get());
            screen.BitBlt(g_lastBar.left, g_lastBar.top + half - strip / 2, g_lastBar.Width(), strip, &memory,
                          0, 0, SRCCOPY);
        }
        g_lastBar.SetRect(m_rcHSplitter.left, at.y - half, m_rcHSplitter.right, at.y + half);
        if (firstBar)
        {
            m_nSplitterDrag = kDragHorizontal;
            g_stripUnderBar->CreateCompatibleBitmap(&screen, g_lastBar.Width(), strip);
        }
        memory.SelectObject(g_stripUnderBar.get());
        memory.BitBlt(0, 0, g_lastBar.Width(), strip, &screen, g_lastBar.left, at.y - strip / 2, SRCCOPY);
    }
    CPen pen(PS_SOLID, 2 * half, kBarColor);
    screen.SelectObject(&pen);
    screen.SelectStockObject(NULL_BRUSH);
    screen.Rectangle(&g_lastBar);
    CKivDialog::OnMouseMove(flags, at);
}

void CBrowserDlg::OnLButtonUp(UINT flags, CPoint point)
{
    if (m_nSplitterDrag == 0)
    {
        CKivDialog::OnLButtonUp(flags, point);
        return;
    }
    const CPoint at = ClampToDragLimits(point);
    const int half = std::max(1, Scaled(kSplitterGap) / 2);
    CRect classes = ClientRectOf(this, m_pClassesList);
    CRect members = ClientRectOf(this, m_pMembersList);
    if (m_nSplitterDrag & kDragVertical)
    {
        if (CWnd* label = GetDlgItem(IDC_CLASSES_LABEL))
        {
            CRect rect = ClientRectOf(this, label);
            label->MoveWindow(rect.left, rect.top, at.x - half - rect.left, rect.Height(), FALSE);
        }
        if (CWnd* label = GetDlgItem(IDC_MEMBERS_LABEL))
        {
            CRect rect = ClientRectOf(this, label);
            label->MoveWindow(at.x + half, rect.top, rect.right - (at.x + half), rect.Height(), FALSE);
        }
        m_pClassesList->MoveWindow(classes.left, classes.top, at.x - half - classes.left, classes.Height(),
                                   FALSE);
        m_pMembersList->MoveWindow(at.x + half, members.top, members.right - (at.x + half), members.Height(),
                                   FALSE);
    }
    else
    {
        CWnd* description = GetDlgItem(IDC_DESCRIPTION);
        CRect rect = ClientRectOf(this, description);
        description->MoveWindow(rect.left, at.y + half, rect.Width(), rect.bottom - (at.y + half), FALSE);
        m_pClassesList->MoveWindow(classes.left, classes.top, classes.Width(), at.y - half - classes.top,
                                   FALSE);
        m_pMembersList->MoveWindow(members.left, members.top, members.Width(), at.y - half - members.top,
                                   FALSE);
    }
    // One repaint shows the new layout and takes the bar away; without a bar (a drag posted by the
    // program, say) the next paint is soon enough.
    Invalidate(TRUE);
    if (!(m_nSplitterDrag & kDragNoBarYet))
        UpdateWindow();
    ::ReleaseCapture();
    m_nSplitterDrag = 0;
    SetSplitterRectangles();
    CKivDialog::OnLButtonUp(flags, at);
}

void CBrowserDlg::OnPaint()
{
    if (!IsIconic())
    {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    CRect client;
    GetClientRect(&client);
    int x = (client.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CBrowserDlg::OnQueryDragIcon()
{
    return reinterpret_cast<HCURSOR>(m_hIcon);
}
