// The browser dialog with a recording back-end: the order of its calls, the initial library,
// the choice of a text and the second showing.
#include "tests/browser/BrowserTestSupport.h"

using Log = std::vector<std::string>;

TEST_F(BrowserDialogTest, DrivesTheBackEndInOrderUpToTheFirstHistoryEntry)
{
    CBrowserDlg dialog(BROWSER_TYPELIB, nullptr, nullptr);
    EXPECT_EQ(Log{"construct"}, RecordingBackEnd::Log());
    RunModal(dialog, [&](CBrowserDlg& d) { EXPECT_EQ(1u, d.m_history[0].size()); });
    const Log expected = {"construct", "CreateImageList", "SetupDialog", "FillLibraries",
                          "OnLibraryChanged Alpha"};
    EXPECT_EQ(expected, RecordingBackEnd::Log());
    EXPECT_EQ((_HistoryItem{"Alpha", "Dictionary", ""}), dialog.m_history[0].front());
    EXPECT_NE(nullptr, dialog.m_pImageList);
}

TEST_F(BrowserDialogTest, InitialLibraryByNameInAnyLetterCase)
{
    struct Case
    {
        const char* initial;
        const char* selected;
    };
    const Case cases[] = {{"scripting", "Scripting"},
                          {"BETA", "Beta"},
                          {nullptr, "Alpha"},
                          {"", "Alpha"},
                          {"Inconnue", "Alpha"}};
    for (const Case& c : cases)
    {
        CBrowserDlg dialog(BROWSER_TYPELIB, nullptr, c.initial);
        RunModal(dialog, [&](CBrowserDlg& d)
                 { EXPECT_EQ(c.selected, SelectedLibrary(d)) << (c.initial ? c.initial : "(null)"); });
    }
}

TEST_F(BrowserDialogTest, DoubleClickChoosesOnlyWhenThereIsATextAndEnterWithNothingToCopyDoesNot)
{
    CBrowserDlg dialog(BROWSER_TYPELIB);
    INT_PTR result =
        RunModal(dialog,
                 [&](CBrowserDlg& d)
                 {
                     // Copy is disabled: the dialog manager turns Enter into IDOK.
                     d.SendMessage(WM_COMMAND, IDOK);
                     DoubleClick(d, IDC_MEMBERS_LIST);
                     EXPECT_TRUE(!d.IsEnded() && d.GetResultString().IsEmpty());
                     // Reselecting the selected library does nothing; a row outside
                     // the list is none.
                     const size_t calls = RecordingBackEnd::Log().size();
                     SelectLibrary(d, "Alpha");
                     EXPECT_EQ(calls, RecordingBackEnd::Log().size());
                     EXPECT_EQ(1u, d.m_history[0].size());
                     d.m_bRecordHistory = true;
                     EXPECT_EQ(0, d.m_pImpl->SelectListItem(d.m_pMembersList, -1, false));
                     EXPECT_EQ(0, d.m_pImpl->SelectListItem(d.m_pMembersList,
                                                            d.m_pMembersList->GetItemCount(), false));
                     EXPECT_TRUE(d.m_bRecordHistory);
                     Choose(d.m_pMembersList, "Count");
                     DoubleClick(d, IDC_MEMBERS_LIST);
                 });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("Count", dialog.GetResultString());
    result = RunModal(dialog,
                      [](CBrowserDlg& d)
                      {
                          Choose(d.m_pMembersList, "Item");
                          d.PostMessage(WM_KEYDOWN, VK_ESCAPE, 1);
                      });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ("", dialog.GetResultString());
}

TEST_F(BrowserDialogTest, ShownAgainOpensOnTheCurrentEntry)
{
    CBrowserDlg dialog(BROWSER_TYPELIB);
    RunModal(dialog,
             [](CBrowserDlg& d)
             {
                 Choose(d.m_pMembersList, "Add");
                 SelectLibrary(d, "Beta");
                 Choose(d.m_pClassesList, "File");
                 Choose(d.m_pMembersList, "Item");
                 Click(d, IDC_BACK);
             });
    RecordingBackEnd::Log().clear();
    RunModal(dialog,
             [&](CBrowserDlg& d)
             {
                 EXPECT_EQ("Beta", SelectedLibrary(d));
                 EXPECT_EQ("File", SelectedText(d.m_pClassesList));
                 EXPECT_EQ("", SelectedText(d.m_pMembersList));
                 EXPECT_TRUE(IsEnabled(d, IDC_BACK) && IsEnabled(d, IDC_FORWARD));
             });
    // The same object keeps its back-end: no second construction, the library reloaded once.
    const Log expected = {"CreateImageList", "SetupDialog", "FillLibraries", "OnLibraryChanged Beta"};
    EXPECT_EQ(expected, RecordingBackEnd::Log());
}

TEST_F(BrowserDialogTest, ATypeWithoutBackEndDoesNotOpen)
{
    CBrowserDlg dialog(static_cast<BROWSER_TYPE>(7));
    EXPECT_EQ(nullptr, dialog.m_pImpl);
    EXPECT_EQ(-1, dialog.DoModal());
}

TEST_F(BrowserDialogTest, CommandsGoToTheBackEnd)
{
    CBrowserDlg dialog(BROWSER_TYPELIB);
    RunModal(dialog,
             [](CBrowserDlg& d)
             {
                 RecordingBackEnd::Log().clear();
                 d.SendMessage(WM_COMMAND, ID_GROUPMEMBERS);
                 d.SendMessage(WM_COMMAND, ID_SHOWHIDDEN);
                 d.SendMessage(WM_COMMAND, ID_REFERENCES);
                 ClickLinkWord(d, 42);
                 // The same number from anyone else is not a link: DM_SETDEFID, or a record
                 // that does not come from the pane.
                 d.SendMessage(DM_SETDEFID, IDC_COPY, 0);
                 ClickLinkWord(d, 42, d.GetDlgItem(IDC_COPY)->m_hWnd);
                 d.GetDlgItem(IDC_SEARCH_TEXT)->SetWindowText("  Item ");
                 d.SendMessage(WM_COMMAND, IDC_SEARCH);
             });
    const Log expected = {"ToggleGroupMembers", "ToggleShowHidden", "EditReferences", "FollowLink 42",
                          "FindAll Item"};
    EXPECT_EQ(expected, RecordingBackEnd::Log());
}
