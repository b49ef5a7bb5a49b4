// Modal and modeless runs of a framework dialog, driven by the messages a user would cause.
#include "tests/framework/TestDialog.h"
#include "tests/support/ThreadWindows.h"

#include <gtest/gtest.h>

namespace
{
struct CommonControls
{
    CommonControls()
    {
        INITCOMMONCONTROLSEX init = {sizeof init, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&init);
    }
};

void PostKey(HWND window, UINT key)
{
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}
} // namespace

TEST(ModalDialog, ReturnsWhatEndDialogWasGivenEnterPressesTheDefaultButtonEscapeAndTheCloseBoxCancel)
{
    CommonControls controls;
    TestDialog go, enter, escape, closeBox;
    go.m_onInit = [](TestDialog& d) { d.PostMessage(WM_COMMAND, IDC_TEST_GO); };
    EXPECT_EQ(42, go.DoModal());
    EXPECT_EQ(1, go.m_goCount);
    EXPECT_EQ(nullptr, go.m_hWnd);
    enter.m_onInit = [](TestDialog& d) { PostKey(d.GetDlgItem(IDC_TEST_EDIT)->m_hWnd, VK_RETURN); };
    EXPECT_EQ(42, enter.DoModal());
    EXPECT_EQ(1, enter.m_goCount);
    escape.m_onInit = [](TestDialog& d) { PostKey(d.GetDlgItem(IDC_TEST_EDIT)->m_hWnd, VK_ESCAPE); };
    EXPECT_EQ(IDCANCEL, escape.DoModal());
    closeBox.m_onInit = [](TestDialog& d) { d.PostMessage(WM_SYSCOMMAND, SC_CLOSE); };
    EXPECT_EQ(IDCANCEL, closeBox.DoModal());
    EXPECT_EQ(0, closeBox.m_goCount);
}

TEST(ModalDialog, UpdateDataMovesValuesBothWays)
{
    CommonControls controls;
    TestDialog dialog;
    dialog.m_text = "départ";
    CString shown;
    dialog.m_onInit = [&shown](TestDialog& d)
    {
        d.GetDlgItemText(IDC_TEST_EDIT, shown);
        auto* combo = static_cast<CComboBox*>(d.GetDlgItem(IDC_TEST_COMBO));
        combo->AddString("un");
        combo->AddString("deux");
        d.SetDlgItemText(IDC_TEST_EDIT, "arrivée");
        combo->SetCurSel(1);
        d.UpdateData(TRUE);
        d.EndDialog(IDOK);
    };
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ("départ", shown);
    EXPECT_EQ("arrivée", dialog.m_text);
    EXPECT_EQ(1, dialog.m_comboIndex);
}

TEST(ModelessDialog, ReflectedCustomDrawReachesTheControlNotTheParent)
{
    CommonControls controls;
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG));
    dialog.m_list.InsertColumn(0, "");
    dialog.m_list.InsertItem(0, "un");
    dialog.m_list.InsertItem(1, "deux");
    dialog.ShowWindow(SW_SHOW);
    dialog.m_list.RedrawWindow();
    EXPECT_GT(dialog.m_list.m_customDraws, 0);
    EXPECT_EQ(0, dialog.m_parentCustomDraws);
    dialog.DestroyWindow();
    EXPECT_EQ(nullptr, dialog.m_hWnd);
    EXPECT_EQ(nullptr, dialog.m_list.m_hWnd);
}

TEST(ModelessDialog, ToolTipsAskTheDialogForTheirText)
{
    CommonControls controls;
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG));
    ASSERT_TRUE(dialog.EnableToolTips(TRUE));
    const HWND toolTip = obrtest::FindThreadWindow(TOOLTIPS_CLASSA);
    ASSERT_NE(nullptr, toolTip);

    auto textOf = [&](int id)
    {
        char text[80] = {};
        TTTOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = dialog.m_hWnd;
        tool.uId = reinterpret_cast<UINT_PTR>(dialog.GetDlgItem(id)->m_hWnd);
        tool.lpszText = text;
        SendMessageA(toolTip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
        return std::string(text);
    };
    EXPECT_EQ("Aller là", textOf(IDC_TEST_GO));
    EXPECT_EQ("", textOf(IDC_TEST_EDIT));
    dialog.DestroyWindow();
}

TEST(ModelessDialog, ToolTipsForSomeChildrenLeaveTheOthersAlone)
{
    CommonControls controls;
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG));
    HWND list = dialog.GetDlgItem(IDC_TEST_LIST)->m_hWnd;
    const LONG_PTR listProcedure = GetWindowLongPtrA(list, GWLP_WNDPROC);
    ASSERT_TRUE(dialog.EnableToolTipsFor({IDC_TEST_GO}));
    const HWND toolTip = obrtest::FindThreadWindow(TOOLTIPS_CLASSA);
    ASSERT_NE(nullptr, toolTip);
    EXPECT_EQ(1, SendMessageA(toolTip, TTM_GETTOOLCOUNT, 0, 0));
    // A child without a tip keeps its own procedure: nothing stands between it and its messages.
    EXPECT_EQ(listProcedure, GetWindowLongPtrA(list, GWLP_WNDPROC));
    dialog.DestroyWindow();
}
