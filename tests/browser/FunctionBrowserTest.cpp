// The function-catalog browsers: the real dialog with the module's own back-end, driven by messages.
#include "tests/browser/BrowserTestSupport.h"
#include "browser/BrowserSettings.h"
#include "impl/CFunctionBrowserImpl.h"
#include "tests/support/PlatformRecorder.h"
#include "tests/support/ThreadWindows.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

namespace
{
class FunctionBrowserTest : public BrowserDialogTest
{
protected:
    void SetUp() override
    {
        BrowserDialogTest::SetUp();
        m_recording = SetBrowserImplFactory(nullptr); // the module's own back-ends
    }
    void TearDown() override
    {
        SetBrowserImplFactory(m_recording);
        BrowserDialogTest::TearDown();
    }
    BrowserImplFactory m_recording = nullptr;
};

} // namespace

TEST_F(FunctionBrowserTest, TheMacroLanguageCatalogOpensOnAllFunctions)
{
    CBrowserDlg dialog(BROWSER_CATALOG1);
    RunModal(dialog,
             [](CBrowserDlg& d)
             {
                 CListCtrl* members = d.m_pMembersList;
                 ASSERT_EQ(23, d.m_pClassesList->GetItemCount());
                 EXPECT_EQ("(Toutes les Fonctions)", d.m_pClassesList->GetItemText(0, 0));
                 EXPECT_EQ(0, d.m_pClassesList->GetNextItem(-1, LVNI_SELECTED));
                 ASSERT_EQ(417, members->GetItemCount());
                 for (int i = 1; i < members->GetItemCount(); ++i)
                     EXPECT_LE(lstrcmpiA(members->GetItemText(i - 1, 0), members->GetItemText(i, 0)), 0) << i;
                 CRect window;
                 d.GetWindowRect(&window);
                 EXPECT_EQ(CSize(475, 410), window.Size());
                 EXPECT_EQ("Explorateur de Fonctions", d.GetWindowText());
                 EXPECT_FALSE(d.GetDlgItem(IDC_LIB_COMBO)->IsWindowVisible() && d.IsWindowVisible());
                 EXPECT_EQ(7, RectOf(d, IDC_BACK).left);
                 EXPECT_EQ(RectOf(d, IDC_BACK).right, RectOf(d, IDC_FORWARD).left);
                 EXPECT_EQ(RectOf(d, IDC_FORWARD).right + 20, RectOf(d, IDC_COPY).left);
                 // The posted drag put the categories in the first two fifths.
                 EXPECT_EQ(2 * 475 / 5, d.m_rcVSplitter.left + 1);
             });
    // Shown again, the formula language's smaller catalog lists each category once.
    CBrowserDlg formula(BROWSER_CATALOG2);
    RunModal(formula, [](CBrowserDlg&) {});
    RunModal(formula,
             [](CBrowserDlg& d)
             {
                 EXPECT_EQ(7, d.m_pClassesList->GetItemCount());
                 Choose(d.m_pClassesList, "(Toutes les Fonctions)");
                 EXPECT_EQ(117, d.m_pMembersList->GetItemCount());
                 CRect window;
                 d.GetWindowRect(&window);
                 // 330 pixels wide would cut the search row: the window grows to fit it.
                 EXPECT_GT(window.Width(), 330);
                 EXPECT_EQ(300, window.Height());
                 EXPECT_EQ(132, d.m_rcVSplitter.left + 1);
                 EXPECT_EQ(131, RectOf(d, IDC_CLASSES_LIST).right);
                 EXPECT_EQ(133, RectOf(d, IDC_MEMBERS_LIST).left);
             });
}

TEST_F(FunctionBrowserTest, CopyWithTheMouseCopiesEnterAndADoubleClickChoose)
{
    CBrowserDlg dialog(BROWSER_CATALOG1);
    INT_PTR result = RunModal(dialog,
                              [&](CBrowserDlg& d)
                              {
                                  HoldEnter(false);
                                  Choose(d.m_pMembersList, "Mid");
                                  Click(d, IDC_COPY);
                                  EXPECT_EQ("Mid(", ClipboardText(d.m_hWnd));
                                  EXPECT_FALSE(d.IsEnded());

                                  // An operator without insert text copies nothing.
                                  PutOnClipboard(d.m_hWnd, "avant");
                                  Choose(d.m_pMembersList, "\\");
                                  Click(d, IDC_COPY);
                                  EXPECT_EQ("avant", ClipboardText(d.m_hWnd));

                                  Choose(d.m_pMembersList, "Abs");
                                  HoldEnter(true);
                                  Click(d, IDC_COPY);
                                  HoldEnter(false);
                              });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("Abs(", dialog.GetResultString());
    result = RunModal(dialog,
                      [](CBrowserDlg& d)
                      {
                          Choose(d.m_pMembersList, "Mid");
                          DoubleClick(d, IDC_MEMBERS_LIST);
                      });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("Mid(", dialog.GetResultString());
}

TEST_F(FunctionBrowserTest, CopyMenuItemFollowsTheFocusedListAndHelpTheEntry)
{
    obrtest::PlatformRecorder help;
    CWinApp app("Hôte");
    app.m_strHelpFilePath = "hote.hlp";
    CBrowserDlg dialog(BROWSER_CATALOG1);
    RunModal(dialog,
             [&](CBrowserDlg& d)
             {
                 Choose(d.m_pMembersList, "Abs");
                 d.m_pClassesList->SetFocus();
                 EXPECT_TRUE(MenuState(d, ID_COPY) & MF_GRAYED);
                 d.m_pMembersList->SetFocus();
                 EXPECT_FALSE(MenuState(d, ID_COPY) & MF_GRAYED);
                 EXPECT_TRUE(d.GetDlgItem(IDC_COPY)->IsWindowEnabled());

                 // F1 on an entry without a help number opens the dialog's topic.
                 PressF1Over(d, IDC_MEMBERS_LIST);
                 EXPECT_EQ("hote.hlp", help.m_helpFile);
                 EXPECT_EQ(UINT(HELP_CONTEXT), help.m_helpCommand);
                 EXPECT_EQ(6051u, help.m_helpData);
                 Choose(d.m_pMembersList, "MatAdd");
                 PressF1Over(d, IDC_MEMBERS_LIST);
                 EXPECT_EQ(10000u, help.m_helpData);

                 // An HTML Help file has the entry's own page: Mod is record 5823 here.
                 app.m_strHelpFilePath = "aide.chm";
                 help.m_htmlHelpWindow = ::GetDesktopWindow();
                 Choose(d.m_pMembersList, "Mod");
                 PressF1Over(d, IDC_MEMBERS_LIST);
                 PressF1Over(d, IDC_STATIC);
                 ASSERT_EQ(2u, help.m_htmlHelp.size());
                 EXPECT_EQ("aide.chm", help.m_htmlHelp[0].file);
                 EXPECT_EQ(CBrowserItem::kEntryHelpContextBase + 5823, help.m_htmlHelp[0].data);
                 EXPECT_EQ(6051u, help.m_htmlHelp[1].data);
             });
}

TEST_F(FunctionBrowserTest, ToolTipsOfTheIconButtons)
{
    CBrowserDlg dialog(BROWSER_CATALOG2);
    RunModal(dialog,
             [](CBrowserDlg& d)
             {
                 const HWND tip = obrtest::FindThreadWindow(
                     TOOLTIPS_CLASSA, [&](HWND window) { return ::GetWindow(window, GW_OWNER) == d.m_hWnd; });
                 ASSERT_NE(nullptr, tip);
                 auto request = [&](int id)
                 {
                     NMTTDISPINFOA info = {};
                     info.hdr.hwndFrom = tip;
                     info.hdr.idFrom = reinterpret_cast<UINT_PTR>(d.GetDlgItem(id)->m_hWnd);
                     info.hdr.code = TTN_NEEDTEXTA;
                     info.uFlags = TTF_IDISHWND;
                     // The tool tip reads the text from the request; nothing written means no tip.
                     d.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
                     return info.szText[0] ? std::string(info.szText) : std::string("<none>");
                 };
                 EXPECT_EQ("Précédent", request(IDC_BACK));
                 EXPECT_EQ("Suivant", request(IDC_FORWARD));
                 EXPECT_EQ("Copier dans le Presse-papiers", request(IDC_COPY));
                 EXPECT_EQ("<none>", request(IDC_CLASSES_LIST));
             });
}

TEST_F(FunctionBrowserTest, ResizingKeepsTheDescriptionHeightWhileItCanAndTheSplitterDrags)
{
    CBrowserDlg dialog(BROWSER_CATALOG2);
    RunModal(dialog,
             [](CBrowserDlg& d)
             {
                 // A press within 5 pixels of the gap starts a drag.
                 const CRect gap = d.m_rcVSplitter;
                 d.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(gap.left - 4, gap.top + 20));
                 EXPECT_EQ(5, d.m_nSplitterDrag);
                 d.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(180, gap.top + 20));
                 EXPECT_EQ(1, d.m_nSplitterDrag);
                 d.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(180, gap.top + 20));
                 EXPECT_EQ(0, d.m_nSplitterDrag);
                 EXPECT_EQ(179, RectOf(d, IDC_CLASSES_LIST).right);
                 EXPECT_EQ(181, RectOf(d, IDC_MEMBERS_LIST).left);
                 EXPECT_EQ(181, RectOf(d, IDC_MEMBERS_LABEL).left);
                 EXPECT_EQ(179, RectOf(d, IDC_CLASSES_LABEL).right);
                 // Past the right edge it stops 9 pixels inside the window.
                 CRect window;
                 d.GetWindowRect(&window);
                 d.ScreenToClient(&window);
                 Drag(d, CPoint(d.m_rcVSplitter.left, gap.top + 20),
                      CPoint(window.right + 100, gap.top + 20));
                 EXPECT_EQ(window.right - 9 - 1, RectOf(d, IDC_CLASSES_LIST).right);
                 // A press away from the gaps starts nothing.
                 d.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 20));
                 EXPECT_EQ(0, d.m_nSplitterDrag);
                 d.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(60, 20));

                 const int height = RectOf(d, IDC_DESCRIPTION).Height();
                 d.SetWindowPos(nullptr, 0, 0, 500, 450, SWP_NOMOVE | SWP_NOZORDER);
                 CRect client;
                 d.GetClientRect(&client);
                 CRect pane = RectOf(d, IDC_DESCRIPTION);
                 EXPECT_EQ(height, pane.Height());
                 EXPECT_EQ(client.bottom - 7, pane.bottom);
                 EXPECT_EQ(pane.top - 2, RectOf(d, IDC_CLASSES_LIST).bottom);
                 // Made smaller than it may be, the window stops at its least size: the lists keep 48
                 // pixels, the description 32.
                 d.SetWindowPos(nullptr, 0, 0, 500, 150, SWP_NOMOVE | SWP_NOZORDER);
                 EXPECT_EQ(58 + 48 + 2, RectOf(d, IDC_DESCRIPTION).top);
                 EXPECT_EQ(32, RectOf(d, IDC_DESCRIPTION).Height());
             });
}

TEST_F(FunctionBrowserTest, CategoriesReplaceTheEntriesAndEnterTheHistoryOnce)
{
    CBrowserDlg dialog(BROWSER_CATALOG1);
    RunModal(dialog,
             [](CBrowserDlg& d)
             {
                 const size_t before = d.m_history[1].size();
                 Choose(d.m_pClassesList, "Chaîne");
                 EXPECT_EQ(32, d.m_pMembersList->GetItemCount());
                 EXPECT_EQ(before + 1, d.m_history[1].size());
                 Choose(d.m_pClassesList, "DDE");
                 EXPECT_EQ(6, d.m_pMembersList->GetItemCount());
                 Click(d, IDC_BACK);
                 EXPECT_EQ(32, d.m_pMembersList->GetItemCount());
                 EXPECT_EQ(before + 2, d.m_history[1].size());
             });
}

TEST_F(FunctionBrowserTest, TheLastChosenEntriesComeBackNewestFirstInTheirOwnBrowser)
{
    ScopedSettingsKey key;
    CBrowserDlg first(BROWSER_CATALOG1);
    RunModal(first,
             [&](CBrowserDlg& d)
             {
                 // Nothing chosen yet: no such category.
                 EXPECT_EQ(-1, Row(d.m_pClassesList, "Dernières utilisées"));
                 for (const char* name : {"Abs", "Mod", "Sgn"})
                 {
                     Choose(d.m_pMembersList, name);
                     d.SendMessage(WM_COMMAND, ID_COPY);
                 }
             });
    CBrowserDlg second(BROWSER_CATALOG1);
    RunModal(second,
             [&](CBrowserDlg& d)
             {
                 // Second, under all the functions, which is still the one selected.
                 EXPECT_EQ(1, Row(d.m_pClassesList, "Dernières utilisées"));
                 EXPECT_EQ(0, d.m_pClassesList->GetNextItem(-1, LVNI_SELECTED));
                 Choose(d.m_pClassesList, "Dernières utilisées");
                 EXPECT_EQ((std::vector<std::string>{"Sgn", "Mod", "Abs"}), Rows(d.m_pMembersList));
                 // Chosen from there as from any category.
                 Choose(d.m_pMembersList, "Mod");
                 DoubleClick(d, IDC_MEMBERS_LIST);
             });
    EXPECT_EQ(" Mod ", second.GetResultString());
    EXPECT_THAT(BrowserSettings::Read(key.Name().c_str(), BROWSER_CATALOG1).recentEntries,
                ::testing::ElementsAre("Mod", "Sgn", "Abs"));
    CBrowserDlg formula(BROWSER_CATALOG2);
    RunModal(formula, [&](CBrowserDlg& d) { EXPECT_EQ(-1, Row(d.m_pClassesList, "Dernières utilisées")); });
}

// (The syntax's bold and italic runs are the description builder's, tested with it.)
TEST_F(FunctionBrowserTest, AnEntryIsDescribedWithItsSyntaxInEitherBrowser)
{
    for (BROWSER_TYPE type : {BROWSER_CATALOG1, BROWSER_CATALOG2})
    {
        CBrowserDlg dialog(type);
        RunModal(dialog,
                 [](CBrowserDlg& d)
                 {
                     Choose(d.m_pMembersList, "Mid");
                     EXPECT_THAT(d.m_pDescription->GetWindowText().str(),
                                 ::testing::StartsWith("Mid\r\n  Mid("));
                     EXPECT_TRUE(d.GetDlgItem(IDC_COPY)->IsWindowEnabled());
                 });
    }
}

TEST_F(FunctionBrowserTest, SearchIgnoresAccentsAndRanksNamesAboveDescriptions)
{
    CBrowserDlg dialog(BROWSER_CATALOG1);
    RunModal(dialog,
             [&](CBrowserDlg& d)
             {
                 auto search = [&](const char* text)
                 {
                     SearchFor(d, text);
                     std::vector<std::string> members;
                     for (const SearchHit& hit : d.SearchPane().GetHits())
                         members.push_back(hit.item.strMember.str());
                     return members;
                 };
                 EXPECT_TRUE(MenuState(d, ID_COPY_DECLARATION) & MF_GRAYED);
                 // "Division Entière" and "la division entière" are descriptions.
                 EXPECT_THAT(search("entiere"), ::testing::IsSupersetOf({"\\", "Mod"}));
                 const std::vector<std::string> fix = search("fix");
                 ASSERT_GE(fix.size(), 2u);
                 EXPECT_EQ("Fix", fix.front());
                 EXPECT_THAT(fix, ::testing::Contains("Option Base")); // "Fixe la borne..."
                 EXPECT_FALSE(d.SearchPane().GetItemText(0, 0).IsEmpty());
                 EXPECT_EQ("Fix", d.SearchPane().GetItemText(0, 1).str());
                 d.SearchPane().SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
                 EXPECT_EQ("Fix", SelectedText(d.m_pMembersList).str());
                 d.SendMessage(WM_COMMAND, ID_COPY_DECLARATION);
                 EXPECT_EQ("Fix(nombre)", ClipboardText(d.m_hWnd));
             });
}
