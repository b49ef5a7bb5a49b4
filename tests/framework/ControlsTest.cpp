// The control classes on real controls of a modeless test dialog.
#include "tests/framework/TestDialog.h"
#include "framework/WindowUpdateLock.h"

#include <gtest/gtest.h>

namespace
{
class ControlsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX init = {sizeof init, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&init);
        ASSERT_TRUE(m_dialog.Create(IDD_TEST_DIALOG));
        m_dialog.ShowWindow(SW_SHOW);
    }
    void TearDown() override { m_dialog.DestroyWindow(); }

    TestDialog m_dialog;
};

int CALLBACK CompareData(LPARAM a, LPARAM b, LPARAM)
{
    return static_cast<int>(a - b);
}
} // namespace

TEST_F(ControlsTest, CheckListKeepsStatePerItemThroughInsertsAndDeletes)
{
    CCheckListBox& list = m_dialog.m_checkList;
    list.AddString(" Alpha");
    list.AddString(" Gamma");
    list.SetItemData(0, 100);
    list.SetItemData(1, 300);
    list.SetCheck(1, 1);
    list.Enable(0, FALSE);

    list.InsertString(1, " Beta");
    list.SetItemData(1, 200);
    ASSERT_EQ(3, list.GetCount());
    EXPECT_EQ(100u, list.GetItemData(0));
    EXPECT_EQ(200u, list.GetItemData(1));
    EXPECT_EQ(300u, list.GetItemData(2));
    EXPECT_EQ(0, list.GetCheck(0));
    EXPECT_EQ(0, list.GetCheck(1));
    EXPECT_EQ(1, list.GetCheck(2));
    EXPECT_FALSE(list.IsEnabled(0));
    EXPECT_TRUE(list.IsEnabled(1));

    list.DeleteString(0);
    ASSERT_EQ(2, list.GetCount());
    EXPECT_EQ(200u, list.GetItemData(0));
    EXPECT_EQ(1, list.GetCheck(1));
    EXPECT_TRUE(list.IsEnabled(0));
    EXPECT_EQ(-1, list.GetCheck(5));
    // Plain list-box messages see the caller's data too.
    EXPECT_EQ(300, list.SendMessage(LB_GETITEMDATA, 1));
    list.ResetContent();
    EXPECT_EQ(0, list.GetCount());
}

TEST_F(ControlsTest, CheckListTogglesOnTheBoxAndTheSpaceBar)
{
    CCheckListBox& list = m_dialog.m_checkList;
    list.AddString(" Un");
    list.AddString(" Deux");
    list.Enable(1, FALSE);
    CRect first;
    list.GetItemRect(0, &first);
    const int middle = (first.top + first.bottom) / 2;

    // A click on the box toggles and tells the parent; a click on the text only selects.
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, middle));
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(6, middle));
    EXPECT_EQ(1, list.GetCheck(0));
    EXPECT_EQ(1u, m_dialog.m_lastCheckChange);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, middle));
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(60, middle));
    EXPECT_EQ(1, list.GetCheck(0));
    EXPECT_EQ(0, list.GetCurSel());

    list.SetFocus();
    list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(0, list.GetCheck(0));

    // A disabled item keeps its check.
    list.SetCurSel(1);
    list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(0, list.GetCheck(1));
    EXPECT_EQ(2u, m_dialog.m_lastCheckChange);
}

TEST_F(ControlsTest, ListControlItemsDataSearchAndSort)
{
    CListCtrl& list = m_dialog.m_list;
    list.InsertColumn(0, "");
    const char* names[] = {"Gamma", "Alpha", "Beta"};
    for (int i = 0; i < 3; ++i)
    {
        int index = list.InsertItem(i, names[i]);
        list.SetItemData(index, static_cast<DWORD_PTR>(30 - 10 * i));
    }
    EXPECT_EQ(3, list.GetItemCount());
    EXPECT_EQ("Alpha", list.GetItemText(1, 0));
    EXPECT_EQ(20u, list.GetItemData(1));

    LVFINDINFOA find = {};
    find.flags = LVFI_STRING;
    find.psz = "beta";
    EXPECT_EQ(2, list.FindItem(&find));
    find.psz = "Bet";
    EXPECT_EQ(-1, list.FindItem(&find));

    ASSERT_TRUE(list.SortItems(&CompareData, 0));
    EXPECT_EQ("Beta", list.GetItemText(0, 0));
    EXPECT_EQ("Gamma", list.GetItemText(2, 0));

    EXPECT_EQ(-1, list.GetNextItem(-1, LVNI_SELECTED));
    list.SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(2, list.GetNextItem(-1, LVNI_SELECTED));
    EXPECT_EQ(CString(std::string(300, 'x')),
              (list.SetItemText(0, 0, std::string(300, 'x').c_str()), list.GetItemText(0, 0)));
}

TEST_F(ControlsTest, ComboBoxFindsWholeTextsIgnoringCase)
{
    auto* combo = static_cast<CComboBox*>(m_dialog.GetDlgItem(IDC_TEST_COMBO));
    combo->AddString("Scripting");
    combo->AddString("stdole");
    EXPECT_EQ(1, combo->FindStringExact(-1, "STDOLE"));
    EXPECT_EQ(-1, combo->FindStringExact(-1, "std"));
    CString text;
    combo->GetLBText(0, text);
    EXPECT_EQ("Scripting", text);
}

TEST_F(ControlsTest, MenuItemsAreCheckedAndGreyedByCommand)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 10, "&Copier");
    menu.AppendMenu(MF_STRING, 11, "Membres du &Groupe");
    menu.CheckMenuItem(11, MF_BYCOMMAND | MF_CHECKED);
    menu.EnableMenuItem(10, MF_BYCOMMAND | MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(11, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(menu.GetMenuState(10, MF_BYCOMMAND) & MF_GRAYED);
    CString text;
    menu.GetMenuString(1, text, MF_BYPOSITION);
    EXPECT_EQ("Membres du &Groupe", text);
}

TEST_F(ControlsTest, AWindowUpdateLockInsideAnotherKeepsTheOuterOneUntilItEnds)
{
    // The platform holds one lock at a time: locking another window tells whether one is held.
    HWND other =
        CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    auto anotherLockTakes = [other]
    {
        const bool taken = LockWindowUpdate(other) != FALSE;
        if (taken)
            LockWindowUpdate(nullptr);
        return taken;
    };
    {
        WindowUpdateLock outer(m_dialog);
        {
            WindowUpdateLock inner(m_dialog);
            EXPECT_EQ(2, WindowUpdateLock::Depth());
        }
        EXPECT_FALSE(anotherLockTakes()) << "the inner lock ended the outer one";
    }
    EXPECT_EQ(0, WindowUpdateLock::Depth());
    EXPECT_TRUE(anotherLockTakes());
    DestroyWindow(other);
}
