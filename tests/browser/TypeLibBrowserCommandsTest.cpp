// The object browser's commands on fixture libraries: what Copy and a double-click deliver, the
// Copy button and the context menu, links of the description, help and the name search.
#include "typelib/CTClass.h"
#include "typelib/CTLib.h"
#include "tests/support/ModalScript.h"
#include "tests/support/PlatformRecorder.h"
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

// What F1 over a control of the dialog asks.
void PressF1Over(CBrowserDlg& dialog, int controlId)
{
    HELPINFO info = {};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = controlId;
    info.hItemHandle = dialog.GetDlgItem(controlId)->m_hWnd;
    dialog.SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

UINT MenuState(CMenu* popup, UINT command)
{
    return GetMenuState(popup->m_hMenu, command, MF_BYCOMMAND);
}
} // namespace

TEST_F(TypeLibBrowserTest, CopyTakesThePaneThatHadTheFocusBeforeTheButton)
{
    Register("BrowserFixture.tlb");
    auto dialog = MakeBrowser({{kBrowserFixtureGuid, 1, 0}});
    std::string copied;
    const INT_PTR result = RunModal(*dialog,
                                    [&](CBrowserDlg& d)
                                    {
                                        Choose(d.m_pClassesList, "Shape");
                                        Choose(d.m_pMembersList, "Move");
                                        d.GetDlgItem(IDC_COPY)->SetFocus();
                                        Click(d, IDC_COPY);
                                        copied = ClipboardText();
                                    });
    EXPECT_EQ("Move", copied);
    // A click copies; only Enter on the button also ends the dialog.
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ("", dialog->GetResultString());
}

TEST_F(TypeLibBrowserTest, GlobalsCannotBeCopiedButADoubleClickReturnsThem)
{
    Register("BrowserFixture.tlb");
    auto dialog = MakeBrowser({{kBrowserFixtureGuid, 1, 0}});
    bool copyEnabled = true;
    UINT copyItem = 0, groupItem = 0, hiddenItem = 0;
    const INT_PTR result =
        RunModal(*dialog,
                 [&](CBrowserDlg& d)
                 {
                     d.m_pClassesList->SetFocus();
                     ASSERT_EQ("<globals>", SelectedText(d.m_pClassesList));
                     copyEnabled = IsEnabled(d, IDC_COPY);
                     CMenu* popup = BackEnd(d)->GetContextMenu();
                     d.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup->m_hMenu), 0);
                     copyItem = MenuState(popup, ID_COPY);
                     groupItem = MenuState(popup, ID_GROUPMEMBERS);
                     hiddenItem = MenuState(popup, ID_SHOWHIDDEN);
                     DoubleClick(d, IDC_CLASSES_LIST);
                 });
    EXPECT_FALSE(copyEnabled);
    EXPECT_TRUE(copyItem & MF_GRAYED);
    EXPECT_TRUE(groupItem & MF_CHECKED);
    EXPECT_FALSE(hiddenItem & MF_CHECKED);
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("<globals>", dialog->GetResultString());
}

TEST_F(TypeLibBrowserTest, SelectingDescriptionTextEnablesCopyAtOnce)
{
    Register("BrowserFixture.tlb");
    auto dialog = MakeBrowser({{kBrowserFixtureGuid, 1, 0}});
    bool beforeSelection = true, afterSelection = false, memberSelected = false;
    std::string copied;
    RunModal(*dialog,
             [&](CBrowserDlg& d)
             {
                 Choose(d.m_pClassesList, "Shape");
                 Choose(d.m_pMembersList, "Move");
                 d.m_pMembersList->SendMessage(WM_LBUTTONUP); // the click that ends a selection
                 NMHDR click = {d.m_pMembersList->m_hWnd, IDC_MEMBERS_LIST, static_cast<UINT>(NM_CLICK)};
                 d.SendMessage(WM_NOTIFY, IDC_MEMBERS_LIST, reinterpret_cast<LPARAM>(&click));
                 memberSelected = IsEnabled(d, IDC_COPY);
                 d.m_pDescription->SetFocus();
                 d.m_pDescription->SetSel(0, 0);
                 beforeSelection = IsEnabled(d, IDC_COPY);
                 d.m_pDescription->SetSel(0, 3);
                 afterSelection = IsEnabled(d, IDC_COPY);
                 Click(d, IDC_COPY);
                 copied = ClipboardText();
             });
    EXPECT_TRUE(memberSelected);
    EXPECT_FALSE(beforeSelection);
    EXPECT_TRUE(afterSelection);
    EXPECT_EQ("Sub", copied);
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
                 RTFLinkClick click = {0, reinterpret_cast<DWORD_PTR>(dictionary)};
                 ENLINK link = {};
                 link.nmhdr.hwndFrom = d.m_pDescription->m_hWnd;
                 link.nmhdr.code = EN_LINK;
                 d.SendMessage(RTFN_LINKCLICKED, reinterpret_cast<WPARAM>(&click),
                               reinterpret_cast<LPARAM>(&link));
                 EXPECT_EQ("Point", SelectedText(d.m_pClassesList));
                 EXPECT_EQ("ObrFixture", SelectedLibrary(d));
                 EXPECT_EQ(entries, d.m_history[BROWSER_TYPELIB].size());

                 // A link to a member leads nowhere.
                 Choose(d.m_pClassesList, "Shape");
                 Choose(d.m_pMembersList, "Move");
                 click.dwData =
                     d.m_pMembersList->GetItemData(d.m_pMembersList->GetNextItem(-1, LVNI_SELECTED));
                 EXPECT_EQ(1, d.SendMessage(RTFN_LINKCLICKED, reinterpret_cast<WPARAM>(&click),
                                            reinterpret_cast<LPARAM>(&link)));
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
    std::vector<_HistoryItem> extra, nothing;
    RunModal(*dialog,
             [&](CBrowserDlg& d)
             {
                 BackEnd(d)->Search("EXTRA", &extra);
                 BackEnd(d)->Search("zzz", &nothing);
             });
    auto entry = [](const char* type, const char* member) { return _HistoryItem{"ObrOrder", type, member}; };
    EXPECT_THAT(extra,
                ElementsAre(entry("Extra", ""), entry("Extra", "ExtraMethod"), entry("Extra", "ExtraCount")));
    EXPECT_THAT(nothing, IsEmpty());
}

TEST_F(TypeLibBrowserTest, CtrlCCopiesFromAListAndAltArrowsGoBackAndForwardKeepingTheFocus)
{
    auto dialog = MakeBrowser({{kScriptingLibraryGuid, 1, 0}});
    std::string copied, insertCopied, afterBack, afterForward;
    bool stillOpen = false, focusKept = false;
    obrtest::RunModalSteps(*dialog, {[&]
                                     {
                                         dialog->ShowWindow(SW_SHOW);
                                         ::SetForegroundWindow(dialog->m_hWnd);
                                         Choose(dialog->m_pClassesList, "Dictionary");
                                         Choose(dialog->m_pMembersList, "Exists");
                                         dialog->m_pMembersList->SetFocus();
                                         obrtest::PressKeys({VK_CONTROL, 'C'});
                                     },
                                     [&]
                                     {
                                         copied = ClipboardText(dialog->m_hWnd);
                                         stillOpen = dialog->m_hWnd && dialog->IsWindowVisible();
                                         Choose(dialog->m_pMembersList, "Add");
                                         dialog->m_pMembersList->SetFocus();
                                         obrtest::PressKeys({VK_CONTROL, VK_INSERT});
                                     },
                                     [&]
                                     {
                                         insertCopied = ClipboardText(dialog->m_hWnd);
                                         obrtest::PressKeys({VK_MENU, VK_LEFT});
                                     },
                                     [&]
                                     {
                                         afterBack = SelectedText(dialog->m_pMembersList).str();
                                         focusKept = ::GetFocus() == dialog->m_pMembersList->m_hWnd;
                                         obrtest::PressKeys({VK_MENU, VK_RIGHT});
                                     },
                                     [&] { afterForward = SelectedText(dialog->m_pMembersList).str(); }});
    EXPECT_EQ("Exists", copied);
    EXPECT_TRUE(stillOpen) << "Ctrl+C copies; it does not choose";
    EXPECT_EQ("Add", insertCopied);
    EXPECT_EQ("Exists", afterBack);
    EXPECT_TRUE(focusKept);
    EXPECT_EQ("Add", afterForward);
}

namespace
{
BOOL CALLBACK FindVisibleMenu(HWND window, LPARAM found)
{
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "#32768" && IsWindowVisible(window))
        *reinterpret_cast<HWND*>(found) = window;
    return TRUE;
}
} // namespace

TEST_F(TypeLibBrowserTest, TheContextMenuFromTheKeyboardOpensAtTheSelectedRow)
{
    auto dialog = MakeBrowser({{kScriptingLibraryGuid, 1, 0}});
    CRect row, menu;
    obrtest::RunModalSteps(*dialog, {[&]
                                     {
                                         dialog->ShowWindow(SW_SHOW);
                                         ::SetForegroundWindow(dialog->m_hWnd);
                                         Choose(dialog->m_pClassesList, "Dictionary");
                                         Choose(dialog->m_pMembersList, "Exists");
                                         CListCtrl* members = dialog->m_pMembersList;
                                         members->SetFocus();
                                         members->GetItemRect(members->GetNextItem(-1, LVNI_SELECTED), &row,
                                                              LVIR_LABEL);
                                         members->ClientToScreen(&row);
                                         obrtest::PressKeys({VK_SHIFT, VK_F10});
                                     },
                                     [&]
                                     {
                                         HWND found = nullptr;
                                         EnumWindows(&FindVisibleMenu, reinterpret_cast<LPARAM>(&found));
                                         if (found)
                                             ::GetWindowRect(found, &menu);
                                         obrtest::PressKeys({VK_ESCAPE});
                                     }});
    ASSERT_FALSE(menu.IsRectEmpty()) << "no context menu opened";
    EXPECT_NEAR(row.left, menu.left, 2);
    EXPECT_NEAR(row.bottom, menu.top, 2);
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
    std::vector<int> visited, links;
    int linkCount = 0, focusedLink = -1;
    CString selected, followed, memberAfter = "unread";
    std::deque<std::function<void()>> steps = {[&]
                                               {
                                                   dialog->ShowWindow(SW_SHOW);
                                                   ::SetForegroundWindow(dialog->m_hWnd);
                                                   Choose(dialog->m_pClassesList, "FileSystemObject");
                                                   Choose(dialog->m_pMembersList, "GetFolder");
                                                   dialog->GetDlgItem(IDC_LIB_COMBO)->SetFocus();
                                                   obrtest::PressKeys({VK_TAB});
                                               }};
    // Once round the dialog from the combo: its stops, the description's three links, the combo.
    // (Copy follows the focused pane: from the Back button there is nothing to copy.)
    for (int press = 0; press < 9; ++press)
        steps.push_back(
            [&]
            {
                visited.push_back(FocusedControl(dialog->m_hWnd));
                links.push_back(dialog->m_pDescription->GetFocusedLink());
                obrtest::PressKeys({VK_TAB});
            });
    // From the members list into the description, on to its second link and back to the first,
    // which Enter follows. (The combo's focus shows the library's description, with no link.)
    steps.push_back(
        [&]
        {
            dialog->m_pMembersList->SetFocus();
            obrtest::PressKeys({VK_TAB});
        });
    steps.push_back([&] { obrtest::PressKeys({VK_TAB}); });
    steps.push_back([&] { obrtest::PressKeys({VK_SHIFT, VK_TAB}); });
    steps.push_back(
        [&]
        {
            linkCount = dialog->m_pDescription->GetLinkCount();
            focusedLink = dialog->m_pDescription->GetFocusedLink();
            selected = dialog->m_pDescription->GetSelText();
            obrtest::PressKeys({VK_RETURN});
        });
    steps.push_back(
        [&]
        {
            followed = SelectedText(dialog->m_pClassesList);
            memberAfter = SelectedText(dialog->m_pMembersList);
        });
    obrtest::RunModalSteps(*dialog, steps);

    const std::vector<int> expected = {IDC_BACK,         IDC_SEARCH_TEXT,  IDC_SEARCH,
                                       IDC_CLASSES_LIST, IDC_MEMBERS_LIST, IDC_DESCRIPTION,
                                       IDC_DESCRIPTION,  IDC_DESCRIPTION,  IDC_LIB_COMBO};
    EXPECT_EQ(expected, visited);
    EXPECT_EQ((std::vector<int>{-1, -1, -1, -1, -1, 0, 1, 2, -1}), links);
    EXPECT_EQ(3, linkCount);
    EXPECT_EQ(0, focusedLink);
    EXPECT_EQ(selected, followed) << "Enter on the selected link goes where a click would";
    EXPECT_EQ("", memberAfter);
}

TEST_F(TypeLibBrowserTest, WhereTheKeyboardIsCanBeSeenAndTheIconButtonsHaveNames)
{
    auto dialog = MakeBrowser({{kScriptingLibraryGuid, 1, 0}});
    COLORREF inactiveSelection = 0;
    bool emptyListFramed = false;
    CString back, copy;
    obrtest::RunModalSteps(
        *dialog, {[&]
                  {
                      dialog->ShowWindow(SW_SHOW);
                      ::SetForegroundWindow(dialog->m_hWnd);
                      Choose(dialog->m_pClassesList, "Dictionary");
                      Choose(dialog->m_pMembersList, "Exists");
                      dialog->m_pClassesList->SetFocus();
                  },
                  [&]
                  {
                      CListCtrl* members = dialog->m_pMembersList;
                      CRect row;
                      members->GetItemRect(members->GetNextItem(-1, LVNI_SELECTED), &row, LVIR_LABEL);
                      HDC dc = ::GetDC(members->m_hWnd);
                      inactiveSelection = ::GetPixel(dc, row.left + 1, row.top + 1);
                      ::ReleaseDC(members->m_hWnd, dc);
                      members->DeleteAllItems();
                      members->SetFocus();
                  },
                  [&]
                  {
                      HWND members = dialog->m_pMembersList->m_hWnd;
                      HDC dc = ::GetDC(members);
                      for (int x = 1; x < 6; ++x)
                          emptyListFramed =
                              emptyListFramed || ::GetPixel(dc, x, 1) != ::GetSysColor(COLOR_WINDOW);
                      ::ReleaseDC(members, dc);
                      dialog->GetDlgItemText(IDC_BACK, back);
                      dialog->GetDlgItemText(IDC_COPY, copy);
                  }});
    EXPECT_EQ(::GetSysColor(COLOR_INACTIVECAPTION), inactiveSelection);
    EXPECT_TRUE(emptyListFramed) << "an empty list with the focus shows a focus rectangle";
    EXPECT_EQ("Précédent", back);
    EXPECT_EQ("Copier dans le Presse-papiers", copy);
}
