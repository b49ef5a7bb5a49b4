// The navigation history of the browser dialog: Back, Forward, limits and cleaning.
#include "tests/browser/BrowserTestSupport.h"

TEST_F(BrowserDialogTest, BackAndForwardRestoreLibraryClassAndMember)
{
    CBrowserDlg dialog(BROWSER_TYPELIB);
    RunModal(dialog,
             [](CBrowserDlg& d)
             {
                 Choose(d.m_pMembersList, "Count"); // Alpha Dictionary Count
                 SelectLibrary(d, "Beta");          // Beta Dictionary
                 Choose(d.m_pClassesList, "File");  // Beta File
                 Choose(d.m_pMembersList, "Item");  // Beta File Item
                 EXPECT_EQ(5u, d.m_history[0].size());
                 EXPECT_TRUE(IsEnabled(d, IDC_BACK));
                 EXPECT_FALSE(IsEnabled(d, IDC_FORWARD));

                 Click(d, IDC_BACK);
                 Click(d, IDC_BACK);
                 Click(d, IDC_BACK);
                 EXPECT_EQ("Alpha", SelectedLibrary(d));
                 EXPECT_EQ("Dictionary", SelectedText(d.m_pClassesList));
                 EXPECT_EQ("Count", SelectedText(d.m_pMembersList));
                 EXPECT_EQ(d.m_pMembersList->m_hWnd, ::GetFocus());
                 EXPECT_TRUE(IsEnabled(d, IDC_BACK));
                 EXPECT_TRUE(IsEnabled(d, IDC_FORWARD));

                 Click(d, IDC_FORWARD);
                 EXPECT_EQ("Beta", SelectedLibrary(d));
                 EXPECT_EQ("Dictionary", SelectedText(d.m_pClassesList));
                 EXPECT_EQ("", SelectedText(d.m_pMembersList));
                 EXPECT_EQ(d.m_pClassesList->m_hWnd, ::GetFocus());

                 // A new selection after Back drops what Forward could reach.
                 Choose(d.m_pMembersList, "Add");
                 EXPECT_FALSE(IsEnabled(d, IDC_FORWARD));
                 EXPECT_EQ(4u, d.m_history[0].size());
                 EXPECT_EQ("Add", d.m_history[0].front().strMember);
             });
}

TEST_F(BrowserDialogTest, HistoryKeepsAHundredEntriesAndNoFrontDuplicate)
{
    CBrowserDlg dialog(BROWSER_TYPELIB);
    RunModal(dialog,
             [](CBrowserDlg& d)
             {
                 EXPECT_FALSE(IsEnabled(d, IDC_BACK));
                 EXPECT_FALSE(IsEnabled(d, IDC_FORWARD));
                 d.AddCurrentSelectionToHistory();
                 EXPECT_EQ(1u, d.m_history[0].size());

                 // Every distinct selection becomes the front entry; note each one as it comes.
                 std::vector<_HistoryItem> added = {d.m_history[0].front()};
                 auto note = [&]()
                 {
                     if (!(d.m_history[0].front() == added.back()))
                         added.push_back(d.m_history[0].front());
                 };
                 for (int i = 0; i < 110; ++i)
                 {
                     Choose(d.m_pClassesList, RecordingBackEnd::kClasses[i % 3]);
                     note();
                     Choose(d.m_pMembersList, RecordingBackEnd::kMembers[(i / 3) % 3]);
                     note();
                 }
                 ASSERT_GT(added.size(), 101u);
                 ASSERT_EQ(100u, d.m_history[0].size());
                 for (size_t i = 0; i < 100; ++i)
                     EXPECT_TRUE(d.m_history[0][i] == added[added.size() - 1 - i]) << i;
             });
}

TEST_F(BrowserDialogTest, CleanHistoryKeepsTheNearestOlderSurvivor)
{
    CBrowserDlg dialog(BROWSER_TYPELIB);
    RunModal(dialog,
             [](CBrowserDlg& d)
             {
                 Choose(d.m_pMembersList, "Count"); // Alpha Dictionary Count
                 SelectLibrary(d, "Beta");          // Beta Dictionary
                 Choose(d.m_pMembersList, "Item");  // Beta Dictionary Item
                 SelectLibrary(d, "Scripting");     // Scripting Dictionary
                 Click(d, IDC_BACK);                // current: Beta Dictionary Item
                 auto* combo = static_cast<CComboBox*>(d.GetDlgItem(IDC_LIB_COMBO));
                 combo->DeleteString(combo->FindStringExact(-1, "Beta"));
                 d.CleanHistory();

                 ASSERT_EQ(3u, d.m_history[0].size());
                 EXPECT_EQ("Scripting", d.m_history[0][0].strLibrary);
                 const _HistoryItem& current = d.m_history[0][d.m_current[0]];
                 EXPECT_EQ("Alpha", current.strLibrary);
                 EXPECT_EQ("Count", current.strMember);
                 EXPECT_TRUE(IsEnabled(d, IDC_BACK));
                 EXPECT_TRUE(IsEnabled(d, IDC_FORWARD));

                 // Nothing older survives: the oldest surviving entry becomes current.
                 combo->DeleteString(combo->FindStringExact(-1, "Alpha"));
                 d.CleanHistory();
                 ASSERT_EQ(1u, d.m_history[0].size());
                 EXPECT_EQ(0u, d.m_current[0]);
                 EXPECT_FALSE(IsEnabled(d, IDC_BACK));
             });
}

TEST_F(BrowserDialogTest, EntriesWithEmptyNamesDeselectAndMoveTheFocus)
{
    CBrowserDlg dialog(BROWSER_TYPELIB);
    RunModal(dialog,
             [](CBrowserDlg& d)
             {
                 Choose(d.m_pMembersList, "Count");
                 EXPECT_TRUE(d.SelectHistoryItem({"Alpha", "Drive", ""}));
                 EXPECT_EQ("Drive", SelectedText(d.m_pClassesList));
                 EXPECT_EQ("", SelectedText(d.m_pMembersList));
                 EXPECT_EQ(d.m_pClassesList->m_hWnd, ::GetFocus());

                 EXPECT_TRUE(d.SelectHistoryItem({"Alpha", "", ""}));
                 EXPECT_EQ("", SelectedText(d.m_pClassesList));
                 EXPECT_EQ(d.GetDlgItem(IDC_LIB_COMBO)->m_hWnd,
                           ::GetParent(::GetFocus()) == d.m_hWnd ? ::GetFocus() : ::GetParent(::GetFocus()));

                 EXPECT_FALSE(d.SelectHistoryItem({"Ailleurs", "Drive", "Count"}));
             });
}
