#include "tests/support/RichEditTestWindow.h"

#include <gtest/gtest.h>
#include "tests/support/MessagePump.h"

// clang-format off
BEGIN_MESSAGE_MAP(RichEditTestWindow, CWnd)
    ON_MESSAGE(RTFN_LINKCLICKED, OnLinkClicked)
END_MESSAGE_MAP()
// clang-format on

RichEditTestWindow::RichEditTestWindow() : m_richEdit(LoadLibraryA("riched32.dll"))
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "RichEditTestWindow";
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassA(&windowClass);
    CreateEx(0, "RichEditTestWindow", "Test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 300),
             nullptr, 0);
    HWND pane = CreateWindowExA(
        0, "RICHEDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 5,
        5, 480, 250, m_hWnd, reinterpret_cast<HMENU>(1007), GetModuleHandleA(nullptr), nullptr);
    if (!m_pane.SubclassWindow(pane))
        ADD_FAILURE() << "the rich edit pane could not be subclassed";
    m_pane.SetFont(CFont::FromHandle(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
}

RichEditTestWindow::~RichEditTestWindow()
{
    DestroyWindow();
    FreeLibrary(m_richEdit);
}

void RichEditTestWindow::Linger()
{
    m_pane.SetSel(0, 0);
    obrtest::LingerIfAsked();
}

CHARFORMAT2A RichEditTestWindow::FormatAt(long position)
{
    m_pane.SetSel(position, position + 1);
    CHARFORMAT2A format = {};
    m_pane.GetSelectionCharFormat(format);
    return format;
}

LRESULT RichEditTestWindow::OnLinkClicked(WPARAM wParam, LPARAM)
{
    m_clickedData.push_back(reinterpret_cast<RTFLinkClick*>(wParam)->dwData);
    return 0;
}
