// The object browser's commands on fixture libraries: what Copy and a double-click deliver, the
// Copy button and the context menu, links of the description, help and the name search.
#include "typelib/CTClass.h"
#include "typelib/CTLib.h"
#include "tests/support/ModalScript.h"
#include "tests/support/PlatformRecorder.h"
#include "tests/support/ThreadWindows.h"
#include "tests/browser/TypeLibBrowserTestSupport.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace
{
// Clicks the description's link of that text, as the rich edit reports a click; false when the
// description has no such link.
bool ClickLink(CBrowserDlg& dialog, const char* text)
{
    CRichEditCtrlEx* pane = dialog.m_pDescription;
    for (int i = 0; i < pane->GetLinkCount(); ++i)
    {
        const CHARRANGE range = pane->GetLinkRange(i);
        pane->SetSel(range.cpMin, range.cpMax);
        const bool found = pane->GetSelText() == text;
        pane->SetSel(0, 0);
        if (!found)
            continue;
        ENLINK link = {};
        link.nmhdr.hwndFrom = pane->m_hWnd;
        link.nmhdr.idFrom = IDC_DESCRIPTION;
        link.nmhdr.code = EN_LINK;
        link.msg = WM_LBUTTONDOWN;
        link.chrg = range;
        dialog.SendMessage(WM_NOTIFY, IDC_DESCRIPTION, reinterpret_cast<LPARAM>(&link));
        return true;
    }
    return false;
}

} // namespace

TEST_F(TypeLibBrowserTest, CopyTakesThePaneThatHadTheFocusBeforeTheButtonOrTheDescriptionsSelection)
{
    Register("BrowserFixture.tlb");
    auto dialog = MakeBrowser({{kBrowserFixtureGuid, 1, 0}});
    const INT_PTR result =
        RunModal(*dialog,
                 [&](CBrowserDlg& d)
                 {
                     Choose(d.m_pClassesList, "Shape");
                     Choose(d.m_pMembersList, "Move");
                     d.GetDlgItem(IDC_COPY)->SetFocus();
                     Click(d, IDC_COPY);
                     EXPECT_EQ("Move", ClipboardText());

                     // The click that ends a selection in the list enables Copy.
                     d.m_pMembersList->SetFocus();
                     d.m_pMembersList->SendMessage(WM_LBUTTONUP);
                     NMHDR click = {d.m_pMembersList->m_hWnd, IDC_MEMBERS_LIST, static_cast<UINT>(NM_CLICK)};
                     d.SendMessage(WM_NOTIFY, IDC_MEMBERS_LIST, reinterpret_cast<LPARAM>(&click));
                     EXPECT_TRUE(IsEnabled(d, IDC_COPY));
                     // Selecting text of the description enables it at once.
                     d.m_pDescription->SetFocus();
                     d.m_pDescription->SetSel(0, 0);
                     EXPECT_FALSE(IsEnabled(d, IDC_COPY));
                     d.m_pDescription->SetSel(0, 3);
                     EXPECT_TRUE(IsEnabled(d, IDC_COPY));
                     Click(d, IDC_COPY);
                     EXPECT_EQ("Sub", ClipboardText());
                 });
    // A click copies; only Enter on the button also ends the dialog.
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ("", dialog->GetResultString());
}

TEST_F(TypeLibBrowserTest, GlobalsCannotBeCopiedButADoubleClickReturnsThem)
{
    Register("BrowserFixture.tlb");
    auto dialog = MakeBrowser({{kBrowserFixtureGuid, 1, 0}});
    const INT_PTR result = RunModal(*dialog,
                                    [&](CBrowserDlg& d)
                                    {
                                        d.m_pClassesList->SetFocus();
                                        ASSERT_EQ("<globals>", SelectedText(d.m_pClassesList));
                                        EXPECT_FALSE(IsEnabled(d, IDC_COPY));
                                        EXPECT_TRUE(MenuState(d, ID_COPY) & MF_GRAYED);
                                        EXPECT_TRUE(MenuState(d, ID_GROUPMEMBERS) & MF_CHECKED);
                                        EXPECT_FALSE(MenuState(d, ID_SHOWHIDDEN) & MF_CHECKED);
                                        DoubleClick(d, IDC_CLASSES_LIST);
                                    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("<globals>", dialog->GetResultString());
    // A reused browser starts without the earlier result.
    RunModal(*dialog, [](CBrowserDlg&) {});
    EXPECT_EQ("", dialog->GetResultString());
}

TEST_F(TypeLibBrowserTest, LinksLeadToTheirLibraryOrClassAndAreRecorded)
{
    Register("BrowserFixture.tlb");
    auto dialog = MakeBrowser({{kBrowserFixtureGuid, 1, 0}, {kStdoleLibraryGuid, 2, 0}});
    RunModal(*dialog,
             [](CBrowserDlg& d)
             {
                 Choose(d.m_pClassesList, "Shape");
                 Choose(d.m_pMembersList, "Move");
                 ASSERT_THAT(Description(d), HasSubstr("Length"));
                 // A type of the same library.
                 ASSERT_TRUE(ClickLink(d, "Length"));
                 EXPECT_EQ("Length", SelectedText(d.m_pClassesList));
                 EXPECT_EQ("", SelectedText(d.m_pMembersList));
                 const _HistoryItem length = d.m_history[BROWSER_TYPELIB].front();
                 EXPECT_EQ("ObrFixture", length.strLibrary);
                 EXPECT_EQ("Length", length.strClass);

                 // The library: its classes are no longer selected, and the entry says so.
                 ASSERT_TRUE(ClickLink(d, "ObrFixture"));
                 EXPECT_EQ("", SelectedText(d.m_pClassesList));
                 const _HistoryItem library = d.m_history[BROWSER_TYPELIB].front();
                 EXPECT_EQ("ObrFixture", library.strLibrary);
                 EXPECT_EQ("", library.strClass);

                 // A class whose library is not loaded: nothing moves, nothing is recorded.
                 CTLib elsewhere(kScriptingLibraryGuid, 1, 0, 0);
                 ASSERT_TRUE(elsewhere.IsLoaded());
                 CTClass* dictionary = elsewhere.FindClass("Dictionary");
                 ASSERT_NE(nullptr, dictionary);
                 Choose(d.m_pClassesList, "Point");
                 const size_t entries = d.m_history[BROWSER_TYPELIB].size();
                 ClickLinkWord(d, reinterpret_cast<DWORD_PTR>(dictionary));
                 EXPECT_EQ("Point", SelectedText(d.m_pClassesList));
                 EXPECT_EQ("ObrFixture", SelectedLibrary(d));
                 EXPECT_EQ(entries, d.m_history[BROWSER_TYPELIB].size());

                 // A link to a member leads nowhere.
                 Choose(d.m_pClassesList, "Shape");
                 Choose(d.m_pMembersList, "Move");
                 EXPECT_EQ(1, ClickLinkWord(d, d.m_pMembersList->GetItemData(
                                                   d.m_pMembersList->GetNextItem(-1, LVNI_SELECTED))));
                 EXPECT_EQ("Move", SelectedText(d.m_pMembersList));

                 // DM_SETDEFID shares the link message's number: it is no link.
                 d.SendMessage(DM_SETDEFID, IDC_COPY, 0);
                 EXPECT_EQ("Shape", SelectedText(d.m_pClassesList));
                 EXPECT_EQ("Move", SelectedText(d.m_pMembersList));
             });
}

TEST_F(TypeLibBrowserTest, HelpOpensTheLibrarysHelpFileOrFallsBackToTheApplications)
{
    Register("BrowserFixture.tlb");
    Register("BrowserOrderFixture.tlb");
    obrtest::PlatformRecorder platform;
    CWinApp app("Hôte");
    app.m_strHelpFilePath = "hote.hlp";
    auto dialog = MakeBrowser({{kBrowserFixtureGuid, 1, 0}, {kOrderFixtureGuid, 1, 0}});
    RunModal(*dialog,
             [&](CBrowserDlg& d)
             {
                 // No help file in the library: nothing opens at all.
                 SelectLibrary(d, "ObrFixture");
                 Choose(d.m_pClassesList, "Shape");
                 Choose(d.m_pMembersList, "Move");
                 PressF1Over(d, IDC_MEMBERS_LIST);
                 EXPECT_THAT(platform.m_htmlHelp, IsEmpty());
                 EXPECT_EQ(0, platform.m_helpRequests);

                 // A help file that opens neither by context nor as a topic: the application's help.
                 SelectLibrary(d, "ObrOrder");
                 PressF1Over(d, IDC_LIB_COMBO);
                 ASSERT_EQ(2u, platform.m_htmlHelp.size());
                 EXPECT_THAT(platform.m_htmlHelp[0].file, EndsWith("nowhere.chm"));
                 EXPECT_EQ(15u, platform.m_htmlHelp[0].command);
                 EXPECT_EQ(0u, platform.m_htmlHelp[0].data); // the library names no context
                 EXPECT_EQ(0u, platform.m_htmlHelp[1].command);
                 EXPECT_EQ(1, platform.m_helpRequests);
                 EXPECT_EQ("hote.hlp", platform.m_helpFile);
                 EXPECT_EQ(UINT(HELP_CONTEXT), platform.m_helpCommand);
                 EXPECT_EQ(6049u, platform.m_helpData);

                 // Opened by its context: no fall-back.
                 platform.m_htmlHelp.clear();
                 platform.m_htmlHelpWindow = d.m_hWnd;
                 Choose(d.m_pClassesList, "Early");
                 Choose(d.m_pMembersList, "EarlyMethod");
                 PressF1Over(d, IDC_MEMBERS_LIST);
                 ASSERT_EQ(1u, platform.m_htmlHelp.size());
                 EXPECT_EQ(12u, platform.m_htmlHelp[0].data);
                 EXPECT_EQ(1, platform.m_helpRequests);
             });
}

TEST_F(TypeLibBrowserTest, SearchFindsPartsOfNamesInAnyCaseInTypeOrder)
{
    Register("BrowserOrderFixture.tlb");
    auto dialog = MakeBrowser({{kOrderFixtureGuid, 1, 0}});
    RunModal(*dialog,
             [&](CBrowserDlg& d)
             {
                 std::vector<_HistoryItem> extra, nothing;
                 BackEnd(d)->Search("EXTRA", &extra);
                 BackEnd(d)->Search("zzz", &nothing);
                 auto entry = [](const char* type, const char* member) {
                     return _HistoryItem{"ObrOrder", type, member};
                 };
                 EXPECT_THAT(extra, ElementsAre(entry("Extra", ""), entry("Extra", "ExtraMethod"),
                                                entry("Extra", "ExtraCount")));
                 EXPECT_THAT(nothing, IsEmpty());
             });
}

TEST_F(TypeLibBrowserTest, CtrlCCopiesFromAListAndAltArrowsGoBackAndForwardKeepingTheFocus)
{
    auto dialog = MakeBrowser({{kScriptingLibraryGuid, 1, 0}});
    CBrowserDlg& d = *dialog;
    obrtest::RunModalSteps(d, {[&]
                               {
                                   ShowInFront(d);
                                   Choose(d.m_pClassesList, "Dictionary");
                                   Choose(d.m_pMembersList, "Exists");
                                   obrtest::PressKeys({VK_CONTROL, 'C'});
                               },
                               [&]
                               {
                                   EXPECT_EQ("Exists", ClipboardText(d.m_hWnd));
                                   EXPECT_TRUE(d.m_hWnd && d.IsWindowVisible())
                                       << "Ctrl+C copies; it does not choose";
                                   Choose(d.m_pMembersList, "Add");
                                   obrtest::PressKeys({VK_CONTROL, VK_INSERT});
                               },
                               [&]
                               {
                                   EXPECT_EQ("Add", ClipboardText(d.m_hWnd));
                                   obrtest::PressKeys({VK_MENU, VK_LEFT});
                               },
                               [&]
                               {
                                   EXPECT_EQ("Exists", SelectedText(d.m_pMembersList).str());
                                   EXPECT_EQ(d.m_pMembersList->m_hWnd, ::GetFocus());
                                   obrtest::PressKeys({VK_MENU, VK_RIGHT});
                               },
                               [&] { EXPECT_EQ("Add", SelectedText(d.m_pMembersList).str()); }});
}

TEST_F(TypeLibBrowserTest, TheContextMenuFromTheKeyboardOpensAtTheSelectedRow)
{
    auto dialog = MakeBrowser({{kScriptingLibraryGuid, 1, 0}});
    CListCtrl* members = dialog->m_pMembersList;
    CRect row;
    obrtest::RunModalSteps(
        *dialog, {[&]
                  {
                      ShowInFront(*dialog);
                      Choose(dialog->m_pClassesList, "Dictionary");
                      Choose(members, "Exists");
                      members->GetItemRect(members->GetNextItem(-1, LVNI_SELECTED), &row, LVIR_LABEL);
                      members->ClientToScreen(&row);
                      obrtest::PressKeys({VK_SHIFT, VK_F10});
                  },
                  [&]
                  {
                      const HWND found = obrtest::FindThreadWindow("#32768", ::IsWindowVisible);
                      CRect menu;
                      if (found)
                          ::GetWindowRect(found, &menu);
                      obrtest::PressKeys({VK_ESCAPE});
                      ASSERT_FALSE(menu.IsRectEmpty()) << "no context menu opened";
                      EXPECT_NEAR(row.left, menu.left, 2);
                      EXPECT_NEAR(row.bottom, menu.top, 2);
                  }});
}

namespace
{
// The control that has the focus, as the dialog knows it (the search box's edit is the box's).
int FocusedControl(HWND dialog)
{
    HWND focus = ::GetFocus();
    while (focus && ::GetParent(focus) != dialog)
        focus = ::GetParent(focus);
    return focus ? ::GetDlgCtrlID(focus) : 0;
}
} // namespace

TEST_F(TypeLibBrowserTest, TabGoesRoundAsTheEyeReadsAndEnterFollowsTheDescriptionsLinks)
{
    auto dialog = MakeBrowser({{kScriptingLibraryGuid, 1, 0}});
    CRichEditCtrlEx* description = dialog->m_pDescription;
    std::vector<std::pair<int, int>> visited; // the control and the description's focused link
    CString selected;
    auto press = [](std::initializer_list<WORD> keys) { return [keys] { obrtest::PressKeys(keys); }; };
    std::deque<std::function<void()>> steps = {[&]
                                               {
                                                   ShowInFront(*dialog);
                                                   Choose(dialog->m_pClassesList, "FileSystemObject");
                                                   Choose(dialog->m_pMembersList, "GetFolder");
                                                   dialog->GetDlgItem(IDC_LIB_COMBO)->SetFocus();
                                                   obrtest::PressKeys({VK_TAB});
                                               }};
    // Once round the dialog from the combo: its stops, the description's three links, the combo.
    // (Copy follows the focused pane: from the Back button there is nothing to copy.)
    for (int step = 0; step < 9; ++step)
        steps.push_back(
            [&]
            {
                visited.emplace_back(FocusedControl(dialog->m_hWnd), description->GetFocusedLink());
                obrtest::PressKeys({VK_TAB});
            });
    // From the members list into the description, on to its second link and back to the first,
    // which Enter follows as a click would. (The combo's focus shows the library's description.)
    steps.insert(steps.end(), {[&]
                               {
                                   dialog->m_pMembersList->SetFocus();
                                   obrtest::PressKeys({VK_TAB});
                               },
                               press({VK_TAB}), press({VK_SHIFT, VK_TAB}),
                               [&]
                               {
                                   EXPECT_EQ(3, description->GetLinkCount());
                                   EXPECT_EQ(0, description->GetFocusedLink());
                                   selected = description->GetSelText();
                                   obrtest::PressKeys({VK_RETURN});
                               },
                               [&]
                               {
                                   EXPECT_EQ(selected, SelectedText(dialog->m_pClassesList));
                                   EXPECT_EQ("", SelectedText(dialog->m_pMembersList));
                               }});
    obrtest::RunModalSteps(*dialog, steps);
    const std::vector<std::pair<int, int>> expected = {
        {IDC_BACK, -1},         {IDC_SEARCH_TEXT, -1},  {IDC_SEARCH, -1},
        {IDC_CLASSES_LIST, -1}, {IDC_MEMBERS_LIST, -1}, {IDC_DESCRIPTION, 0},
        {IDC_DESCRIPTION, 1},   {IDC_DESCRIPTION, 2},   {IDC_LIB_COMBO, -1}};
    EXPECT_EQ(expected, visited);
}

TEST_F(TypeLibBrowserTest, WhereTheKeyboardIsCanBeSeenAndTheIconButtonsHaveNames)
{
    auto dialog = MakeBrowser({{kScriptingLibraryGuid, 1, 0}});
    CListCtrl* members = dialog->m_pMembersList;
    // The colour at the first pixels of a row, or of the list's top left corner.
    auto pixel = [&](int x, int y)
    {
        HDC dc = ::GetDC(members->m_hWnd);
        const COLORREF colour = ::GetPixel(dc, x, y);
        ::ReleaseDC(members->m_hWnd, dc);
        return colour;
    };
    obrtest::RunModalSteps(
        *dialog, {[&]
                  {
                      ShowInFront(*dialog);
                      Choose(dialog->m_pClassesList, "Dictionary");
                      Choose(members, "Exists");
                      dialog->m_pClassesList->SetFocus();
                  },
                  [&]
                  {
                      CRect row;
                      members->GetItemRect(members->GetNextItem(-1, LVNI_SELECTED), &row, LVIR_LABEL);
                      EXPECT_EQ(::GetSysColor(COLOR_INACTIVECAPTION), pixel(row.left + 1, row.top + 1));
                      members->DeleteAllItems();
                      members->SetFocus();
                  },
                  [&]
                  {
                      bool framed = false;
                      for (int x = 1; x < 6; ++x)
                          framed = framed || pixel(x, 1) != ::GetSysColor(COLOR_WINDOW);
                      EXPECT_TRUE(framed) << "an empty list with the focus shows a focus rectangle";
                      EXPECT_EQ("Précédent", dialog->GetDlgItem(IDC_BACK)->GetWindowText());
                      EXPECT_EQ("Copier dans le Presse-papiers",
                                dialog->GetDlgItem(IDC_COPY)->GetWindowText());
                  }});
}
