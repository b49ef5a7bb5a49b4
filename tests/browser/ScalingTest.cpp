// Every dialog whole at the display's scale: run at 96 dots per inch with the rest of the suite,
// and again by ctest in prefixes at 120, 144 and 192. Each dialog, once laid out, has every visible
// control inside its client area, no two of them overlapping (a group box holds its controls),
// every text of a button or a label within its control, and images of the size the scale calls
// for.
#include "tests/browser/TypeLibBrowserTestSupport.h"
#include "tests/support/ModalScript.h"
#include "tests/support/PlatformRecorder.h"
#include "references/CReferencesDialog.h"
#include "framework/DisplayScale.h"

#include <gmock/gmock.h>
#include <algorithm>
#include <cstdio>
#include <list>
#include <string>
#include <vector>

namespace
{
struct Control
{
    HWND window;
    CRect rect; // in the dialog's client area
    std::string name;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM context)
{
    auto* controls = reinterpret_cast<std::vector<Control>*>(context);
    HWND dialog = ::GetParent(window);
    CRect rect;
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    char text[128] = {};
    ::GetWindowTextA(window, text, sizeof text);
    // A control of no size shows nothing (the search box's label is for screen readers only).
    if (::IsWindowVisible(window) && !rect.IsRectEmpty())
        controls->push_back({window, rect, std::to_string(::GetDlgCtrlID(window)) + " \"" + text + "\""});
    return TRUE;
}

bool IsGroupBox(HWND window)
{
    char className[32] = {};
    ::GetClassNameA(window, className, sizeof className);
    return lstrcmpiA(className, "Button") == 0 && (::GetWindowLongA(window, GWL_STYLE) & 0xF) == BS_GROUPBOX;
}

// Whether the control's text, in its own font, fits its client area (buttons and labels only).
bool TextFits(HWND window, std::string& why)
{
    char className[32] = {};
    ::GetClassNameA(window, className, sizeof className);
    const LONG style = ::GetWindowLongA(window, GWL_STYLE);
    const bool button = lstrcmpiA(className, "Button") == 0 && !(style & (BS_ICON | BS_BITMAP)) &&
                        (style & 0xF) != BS_GROUPBOX;
    const bool label = lstrcmpiA(className, "Static") == 0;
    char text[128] = {};
    ::GetWindowTextA(window, text, sizeof text);
    if (!(button || label) || !*text)
        return true;
    HDC dc = ::GetDC(window);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0)));
    SIZE extent = {};
    ::GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
    ::SelectObject(dc, old);
    ::ReleaseDC(window, dc);
    CRect client;
    ::GetClientRect(window, &client);
    why = std::to_string(extent.cx) + " by " + std::to_string(extent.cy) + " in " +
          std::to_string(client.Width()) + " by " + std::to_string(client.Height());
    return extent.cx <= client.Width() && extent.cy <= client.Height();
}

// Everything the test checks of a dialog on the screen; names the faults.
std::vector<std::string> FaultsOf(HWND dialog)
{
    std::vector<std::string> faults;
    std::vector<Control> controls;
    ::EnumChildWindows(dialog, &CollectChild, reinterpret_cast<LPARAM>(&controls));
    CRect client;
    ::GetClientRect(dialog, &client);
    for (size_t i = 0; i < controls.size(); ++i)
    {
        const Control& control = controls[i];
        if (::GetParent(control.window) != dialog)
            continue;
        RECT inside;
        if (!::IntersectRect(&inside, &control.rect, &client) || !::EqualRect(&inside, &control.rect))
            faults.push_back(control.name + " is not inside the client area");
        std::string why;
        if (!TextFits(control.window, why))
            faults.push_back(control.name + "'s text does not fit: " + why);
        for (size_t j = i + 1; j < controls.size(); ++j)
        {
            RECT overlap;
            if (::GetParent(controls[j].window) == dialog && !IsGroupBox(control.window) &&
                !IsGroupBox(controls[j].window) &&
                ::IntersectRect(&overlap, &control.rect, &controls[j].rect))
                faults.push_back(control.name + " overlaps " + controls[j].name);
        }
    }
    return faults;
}

int IconSizeOf(CImageList* images)
{
    int cx = 0, cy = 0;
    return images && ::ImageList_GetIconSize(images->GetSafeHandle(), &cx, &cy) && cx == cy ? cx : 0;
}
} // namespace

class Scaling : public TypeLibBrowserTest
{
protected:
    static int Dpi() { return fwk::DpiOf(nullptr); }
};

TEST_F(Scaling, TheSplittersMoveWithinTheirScaledLimits)
{
    auto dialog = MakeBrowser({{kScriptingLibraryGuid, 1, 0}});
    RunModal(*dialog,
             [](CBrowserDlg& d)
             {
                 // The panes meet half the gap either side of the pointer.
                 const int half = std::max(1, d.Scaled(2) / 2);
                 const CPoint gap = d.m_rcHSplitter.CenterPoint();
                 const int dragged = gap.y - d.Scaled(40);
                 Drag(d, gap, CPoint(gap.x, dragged));
                 EXPECT_EQ(dragged + half, RectOf(d, IDC_DESCRIPTION).top);
                 EXPECT_EQ(dragged - half, RectOf(d, IDC_CLASSES_LIST).bottom);
                 EXPECT_EQ(dragged - half, RectOf(d, IDC_MEMBERS_LIST).bottom);

                 // Not above 85 pixels below the window's top edge, nor below 14 above its bottom
                 // (at 96 dots per inch).
                 CRect window;
                 d.GetWindowRect(&window);
                 d.ScreenToClient(&window);
                 Drag(d, d.m_rcHSplitter.CenterPoint(), CPoint(gap.x, window.top));
                 EXPECT_EQ(window.top + d.Scaled(85) + half, RectOf(d, IDC_DESCRIPTION).top);
                 Drag(d, d.m_rcHSplitter.CenterPoint(), CPoint(gap.x, window.bottom + 100));
                 EXPECT_EQ(window.bottom - d.Scaled(14) + half, RectOf(d, IDC_DESCRIPTION).top);
                 EXPECT_EQ(window.bottom - d.Scaled(14) - half, RectOf(d, IDC_CLASSES_LIST).bottom);

                 // Shrinking the width pulls the vertical splitter left, keeping the scaled room.
                 d.SetWindowPos(nullptr, 0, 0, d.Scaled(700), d.Scaled(500), SWP_NOMOVE | SWP_NOZORDER);
                 const CPoint vGap = d.m_rcVSplitter.CenterPoint();
                 Drag(d, vGap, CPoint(d.Scaled(600), vGap.y));
                 ASSERT_EQ(d.Scaled(600) + half, RectOf(d, IDC_MEMBERS_LIST).left);
                 d.SetWindowPos(nullptr, 0, 0, d.Scaled(400), d.Scaled(500), SWP_NOMOVE | SWP_NOZORDER);
                 CRect client;
                 d.GetClientRect(&client);
                 const CRect members = RectOf(d, IDC_MEMBERS_LIST);
                 // The members keep 32 pixels at least, up to the margin of 7 (at 96 dots per inch).
                 EXPECT_EQ(client.right - d.Scaled(32), members.left);
                 EXPECT_EQ(client.right - d.Scaled(7), members.right);
                 EXPECT_LT(RectOf(d, IDC_CLASSES_LIST).right, members.left);
                 EXPECT_EQ(members.left, RectOf(d, IDC_MEMBERS_LABEL).left);
             });
}

TEST_F(Scaling, EveryBrowserIsWholeWithItsSearchPaneOpenOrShut)
{
    for (BROWSER_TYPE type : {BROWSER_TYPELIB, BROWSER_CATALOG1, BROWSER_CATALOG2})
    {
        auto dialog = type == BROWSER_TYPELIB ? MakeBrowser({{kScriptingLibraryGuid, 1, 0}})
                                              : std::make_unique<CBrowserDlg>(type);
        std::vector<std::string> shut, open;
        int iconSize = 0, dpi = 0;
        CRect window;
        obrtest::RunModalSteps(*dialog, {[&]
                                         {
                                             dialog->ShowWindow(SW_SHOW);
                                             dpi = dialog->GetDpi();
                                             iconSize = IconSizeOf(dialog->m_pImageList);
                                             dialog->GetWindowRect(&window);
                                             shut = FaultsOf(dialog->m_hWnd);
                                             dialog->RunSearch("a");
                                         },
                                         [&] { open = FaultsOf(dialog->m_hWnd); }});
        std::printf("browser %d at %d dpi: %d by %d pixels\n", type, dpi, window.Width(), window.Height());
        EXPECT_EQ(Dpi(), dpi) << "browser " << type;
        EXPECT_EQ(::MulDiv(16, Dpi(), 96), iconSize) << "browser " << type;
        EXPECT_THAT(shut, ::testing::IsEmpty()) << "browser " << type << " at " << Dpi() << " dpi";
        EXPECT_THAT(open, ::testing::IsEmpty()) << "browser " << type << " at " << Dpi() << " dpi, searching";
    }
}

TEST_F(Scaling, TheReferencesDialogIsWhole)
{
    std::list<TLVLibId> references;
    CReferencesDialog dialog(&references);
    std::vector<std::string> faults;
    obrtest::RunModal(dialog, [&] { faults = FaultsOf(dialog.m_hWnd); });
    EXPECT_THAT(faults, ::testing::IsEmpty()) << "at " << Dpi() << " dpi";
}

namespace
{
// The dialog's client area as the screen shows it.
std::vector<COLORREF> Screenshot(HWND dialog)
{
    CRect client;
    ::GetClientRect(dialog, &client);
    ::MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = client.Width();
    info.bmiHeader.biHeight = -client.Height(); // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, client.Width(), client.Height(), screen, client.left, client.top, SRCCOPY);
    ::GdiFlush();
    const auto* pixels = static_cast<const COLORREF*>(bits);
    std::vector<COLORREF> shot(pixels, pixels + client.Width() * client.Height());
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return shot;
}

// The share of the client area that a full repaint changes: what a resize left unpainted.
double StaleShare(HWND dialog)
{
    const std::vector<COLORREF> before = Screenshot(dialog);
    ::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const std::vector<COLORREF> after = Screenshot(dialog);
    if (before.size() != after.size() || before.empty())
        return 1.0;
    size_t changed = 0;
    for (size_t i = 0; i < before.size(); ++i)
        changed += before[i] != after[i];
    return static_cast<double>(changed) / static_cast<double>(before.size());
}
} // namespace

TEST_F(Scaling, AResizeByAnyEdgeRepaintsEverythingAndTheLeastSizeKeepsTheBrowserWhole)
{
    auto dialog = MakeBrowser({{kScriptingLibraryGuid, 1, 0}});
    double afterBottom = 1, afterLeft = 1, afterRight = 1;
    std::vector<std::string> least;
    auto grow = [&](int left, int right, int bottom)
    {
        CRect window;
        dialog->GetWindowRect(&window);
        dialog->SetWindowPos(nullptr, window.left - left, window.top, window.Width() + left + right,
                             window.Height() + bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    };
    obrtest::RunModalSteps(
        *dialog, {[&]
                  {
                      dialog->ShowWindow(SW_SHOW);
                      dialog->SetWindowPos(nullptr, dialog->Scaled(100), 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
                      dialog->RunSearch("Item");
                  },
                  [&] { grow(0, 0, dialog->Scaled(60)); },
                  [&]
                  {
                      afterBottom = StaleShare(dialog->m_hWnd);
                      grow(dialog->Scaled(40), 0, 0);
                  },
                  [&]
                  {
                      afterLeft = StaleShare(dialog->m_hWnd);
                      grow(0, -dialog->Scaled(80), 0);
                  },
                  [&]
                  {
                      afterRight = StaleShare(dialog->m_hWnd);
                      MINMAXINFO limits = {};
                      dialog->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
                      dialog->SetWindowPos(nullptr, 0, 0, limits.ptMinTrackSize.x, limits.ptMinTrackSize.y,
                                           SWP_NOMOVE | SWP_NOZORDER);
                  },
                  [&] { least = FaultsOf(dialog->m_hWnd); }});
    // A caret may blink meanwhile: a hundredth of the area is room enough for it.
    EXPECT_LT(afterBottom, 0.01) << "after a resize by the bottom edge";
    EXPECT_LT(afterLeft, 0.01) << "after a resize by the left edge";
    EXPECT_LT(afterRight, 0.01) << "after a resize by the right edge";
    EXPECT_THAT(least, ::testing::IsEmpty()) << "at the least size, at " << Dpi() << " dpi";
}
