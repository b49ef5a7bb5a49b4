// The search row and the pane of hits: ranking over every loaded library, going to a hit, the
// keys of the search, the layout with the pane, and copying a declaration.
#include "impl/CTypeLibBrowserImpl.h"
#include "tests/support/ModalScript.h"
#include "tests/browser/TypeLibBrowserTestSupport.h"

#include <gmock/gmock.h>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

namespace
{
const GUID kSearchFixtureGuid = {
    0xe1f20314, 0x2536, 0x4748, {0x9a, 0x5b, 0x6c, 0x7d, 0x8e, 0x9f, 0xa0, 0xb1}};

// Types the text in the search box and presses the search button.
void SearchFor(CBrowserDlg& dialog, const char* text)
{
    dialog.GetDlgItem(IDC_SEARCH_TEXT)->SetWindowText(text);
    dialog.SendMessage(WM_COMMAND, IDC_SEARCH);
}

std::string Hit(const SearchHit& hit)
{
    std::string text = hit.item.strLibrary.str() + "." + hit.item.strClass.str();
    if (!hit.item.strMember.IsEmpty())
        text += "." + hit.item.strMember.str();
    return text;
}

std::vector<std::string> HitsOf(CBrowserDlg& dialog, const char* library = nullptr)
{
    std::vector<std::string> hits;
    for (const SearchHit& hit : dialog.SearchPane().GetHits())
        if (!library || hit.item.strLibrary == library)
            hits.push_back(Hit(hit));
    return hits;
}

// Selects the pane's row of the hit, as a click on it would.
void ChooseHit(CBrowserDlg& dialog, const std::string& hit)
{
    const std::vector<std::string> hits = HitsOf(dialog);
    const auto found = std::find(hits.begin(), hits.end(), hit);
    ASSERT_NE(hits.end(), found) << hit;
    const int row = static_cast<int>(found - hits.begin());
    dialog.SearchPane().SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

CRect RectOf(CBrowserDlg& dialog, int id)
{
    CRect rect;
    dialog.GetDlgItem(id)->GetWindowRect(&rect);
    dialog.ScreenToClient(&rect);
    return rect;
}

HWND Focus()
{
    return ::GetFocus();
}

class SearchPaneTest : public TypeLibBrowserTest
{
protected:
    void SetUp() override
    {
        TypeLibBrowserTest::SetUp();
        Register("BrowserSearchFixture.tlb");
    }
    static std::unique_ptr<CBrowserDlg> MakeSearchBrowser()
    {
        return MakeBrowser({{kSearchFixtureGuid, 1, 0}, {kScriptingLibraryGuid, 1, 0}});
    }
};
} // namespace

TEST_F(SearchPaneTest, RanksWholeNamesThenBeginningsThenWordsThenPartsCurrentLibraryFirst)
{
    auto dialog = MakeSearchBrowser();
    std::vector<std::string> fixtureHits, capitalHits, allHits, crateHits;
    std::vector<bool> hidden;
    RunModal(*dialog,
             [&](CBrowserDlg& d)
             {
                 SelectLibrary(d, "ObrSearch");
                 SearchFor(d, "item");
                 fixtureHits = HitsOf(d, "ObrSearch");
                 allHits = HitsOf(d);
                 for (const SearchHit& hit : d.SearchPane().GetHits())
                     if (hit.item.strLibrary == "ObrSearch")
                         hidden.push_back(hit.hidden);
                 SearchFor(d, "ITEM");
                 capitalHits = HitsOf(d);
                 SearchFor(d, "crate");
                 crateHits = HitsOf(d);
                 ASSERT_EQ(1u, d.SearchPane().GetHits().size());
                 EXPECT_TRUE(d.SearchPane().GetHits()[0].hidden);
             });
    // The never-shown member is not offered; within a rank, the library's type order.
    EXPECT_THAT(fixtureHits,
                ElementsAre("ObrSearch.IShelf.Item", "ObrSearch.IShelf.Items", "ObrSearch.ItemKind",
                            "ObrSearch.ItemKind.itemSmall", "ObrSearch.ItemKind.itemLarge",
                            "ObrSearch.IShelf.SelectedItem", "ObrSearch.IShelf.last_item",
                            "ObrSearch.IShelf.HiddenItem", "ObrSearch.IShelf.Sitemap"));
    EXPECT_THAT(hidden, ElementsAre(false, false, false, false, false, false, false, true, false));
    // Scripting's whole names come after the current library's, and before its beginnings.
    const auto at = [&](const char* hit)
    { return std::find(allHits.begin(), allHits.end(), hit) - allHits.begin(); };
    EXPECT_LT(at("ObrSearch.IShelf.Item"), at("Scripting.Dictionary.Item"));
    EXPECT_LT(at("Scripting.Dictionary.Item"), at("ObrSearch.IShelf.Items"));
    EXPECT_LT(at("ObrSearch.IShelf.Sitemap"), static_cast<std::ptrdiff_t>(allHits.size()));
    EXPECT_EQ(allHits, capitalHits);
    EXPECT_THAT(crateHits, ElementsAre("ObrSearch.ICrate"));
}

TEST_F(SearchPaneTest, EveryTypeTheClassesListShowsIsFoundWithItsMembers)
{
    // IDrawer is listed as reached from Cabinet, whose non-default interface it is.
    auto dialog = MakeSearchBrowser();
    std::vector<std::string> drawerHits, openHits;
    RunModal(*dialog,
             [&](CBrowserDlg& d)
             {
                 SelectLibrary(d, "ObrSearch");
                 ASSERT_NE(-1, Row(d.m_pClassesList, "IDrawer"));
                 SearchFor(d, "IDrawer");
                 drawerHits = HitsOf(d);
                 SearchFor(d, "OpenDrawer");
                 openHits = HitsOf(d);
             });
    EXPECT_THAT(drawerHits, ElementsAre("ObrSearch.IDrawer"));
    EXPECT_THAT(openHits, ElementsAre("ObrSearch.IDrawer.OpenDrawer"));
}

TEST_F(SearchPaneTest, NothingFoundShowsALineSayingSoAcrossThePaneAndTheBoxKeepsTheSearchesThatFound)
{
    auto dialog = MakeSearchBrowser();
    RunModal(
        *dialog,
        [&](CBrowserDlg& d)
        {
            EXPECT_FALSE(d.SearchPane().IsShown());
            EXPECT_FALSE(d.SearchPane().GetStyle() & WS_VISIBLE);
            SearchFor(d, "  zzzz ");
            EXPECT_TRUE(d.SearchPane().IsShown());
            EXPECT_TRUE(d.SearchPane().GetStyle() & WS_VISIBLE);
            EXPECT_THAT(d.SearchPane().GetHits(), IsEmpty());
            ASSERT_EQ(1, d.SearchPane().GetItemCount());
            EXPECT_EQ("Aucun r\xE9sultat pour \xAB zzzz \xBB.", d.SearchPane().GetItemText(0, 0).str());
            // The line is not cut by the first column.
            const int lineWidth = static_cast<int>(d.SearchPane().SendMessage(
                LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>("Aucun r\xE9sultat pour \xAB zzzz \xBB.")));
            EXPECT_GT(d.SearchPane().SendMessage(LVM_GETCOLUMNWIDTH, 0), lineWidth + 8);
            // Choosing that line leads nowhere.
            const _HistoryItem before = d.m_history[0].front();
            d.SearchPane().SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
            EXPECT_EQ(before, d.m_history[0].front());

            // The box keeps the searches that found something, the latest first, each once, ten at most.
            SearchFor(d, "ZZZZ");
            SearchFor(d, "shelf");
            SearchFor(d, "item");
            auto* box = static_cast<CComboBox*>(d.GetDlgItem(IDC_SEARCH_TEXT));
            ASSERT_EQ(2, box->GetCount());
            CString latest;
            box->GetLBText(0, latest);
            EXPECT_EQ("item", latest);
            EXPECT_EQ("ObrSearch", d.SearchPane().GetItemText(0, 0).str());
            EXPECT_EQ("IShelf", d.SearchPane().GetItemText(0, 1).str());
            EXPECT_EQ("Item", d.SearchPane().GetItemText(0, 2).str());
        });
}

TEST_F(SearchPaneTest, TheBoxKeepsTenSearchesAndAQueryLongerThanItWhole)
{
    auto dialog = MakeSearchBrowser();
    std::string typed;
    int remembered = 0;
    CString latest;
    auto box = [&] { return static_cast<CComboBox*>(dialog->GetDlgItem(IDC_SEARCH_TEXT)); };
    obrtest::RunModalSteps(
        *dialog, {[&]
                  {
                      for (const char* query : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "l", "m", "n"})
                          SearchFor(*dialog, query);
                      remembered = box()->GetCount();
                      box()->GetLBText(0, latest);
                      dialog->ShowWindow(SW_SHOW);
                      ::SetForegroundWindow(dialog->m_hWnd);
                      box()->SetWindowText("");
                      box()->SetFocus();
                      // Typed key by key, wider than the box at this size.
                      for (char c : std::string("idomprocessinginstruction"))
                          obrtest::PressKeys({static_cast<WORD>(c - 'a' + 'A')});
                  },
                  [&] { typed = box()->GetWindowText().str(); }});
    EXPECT_EQ(10, remembered);
    EXPECT_EQ("n", latest);
    EXPECT_EQ("idomprocessinginstruction", typed);
}

TEST_F(SearchPaneTest, AHitSelectsLibraryClassAndMemberAsOneHistoryEntryAndBackReturns)
{
    auto dialog = MakeSearchBrowser();
    RunModal(*dialog,
             [&](CBrowserDlg& d)
             {
                 SelectLibrary(d, "ObrSearch");
                 Choose(d.m_pClassesList, "IShelf");
                 const size_t entries = d.m_history[0].size();
                 SearchFor(d, "exists");
                 ChooseHit(d, "Scripting.Dictionary.Exists");
                 EXPECT_EQ("Scripting", SelectedLibrary(d).str());
                 EXPECT_EQ("Dictionary", SelectedText(d.m_pClassesList).str());
                 EXPECT_EQ("Exists", SelectedText(d.m_pMembersList).str());
                 EXPECT_THAT(Description(d), HasSubstr("Function Exists(Key As Variant) As Boolean"));
                 EXPECT_EQ(entries + 1, d.m_history[0].size());
                 EXPECT_EQ(d.SearchPane().m_hWnd, Focus());

                 d.SendMessage(WM_COMMAND, IDC_BACK);
                 EXPECT_EQ("ObrSearch", SelectedLibrary(d).str());
                 EXPECT_EQ("IShelf", SelectedText(d.m_pClassesList).str());
             });
}

TEST_F(SearchPaneTest, AHitOnAHiddenMemberShowsHiddenMembersFirst)
{
    auto dialog = MakeSearchBrowser();
    RunModal(*dialog,
             [&](CBrowserDlg& d)
             {
                 EXPECT_FALSE(d.m_bShowHidden);
                 SearchFor(d, "hiddenitem");
                 ChooseHit(d, "ObrSearch.IShelf.HiddenItem");
                 EXPECT_TRUE(d.m_bShowHidden);
                 EXPECT_EQ("HiddenItem", SelectedText(d.m_pMembersList).str());
             });
}

TEST_F(SearchPaneTest, CtrlFFocusesTheBoxEnterSearchesEscapeInThePaneClosesIt)
{
    auto dialog = MakeSearchBrowser();
    HWND box = nullptr;
    bool shown = false, closed = false, dialogOpen = false;
    std::string firstHit;
    obrtest::RunModalSteps(*dialog, {[&]
                                     {
                                         // Keys go to the active window: the dialog shows and takes the
                                         // keyboard first.
                                         dialog->ShowWindow(SW_SHOW);
                                         ::SetForegroundWindow(dialog->m_hWnd);
                                         box = ::GetWindow(dialog->GetDlgItem(IDC_SEARCH_TEXT)->m_hWnd,
                                                           GW_CHILD);
                                         dialog->m_pMembersList->SetFocus();
                                     },
                                     [&]
                                     {
                                         EXPECT_EQ(dialog->m_pMembersList->m_hWnd, Focus());
                                         obrtest::PressKeys({VK_CONTROL, 'F'});
                                     },
                                     [&]
                                     {
                                         EXPECT_EQ(box, Focus());
                                         dialog->GetDlgItem(IDC_SEARCH_TEXT)->SetWindowText("exists");
                                         obrtest::PressKeys({VK_RETURN});
                                     },
                                     [&]
                                     {
                                         shown = dialog->SearchPane().IsShown();
                                         if (!dialog->SearchPane().GetHits().empty())
                                             firstHit = Hit(dialog->SearchPane().GetHits().front());
                                         dialog->SearchPane().SetFocus();
                                         obrtest::PressKeys({VK_ESCAPE});
                                     },
                                     [&]
                                     {
                                         closed = !dialog->SearchPane().IsShown() &&
                                                  !(dialog->SearchPane().GetStyle() & WS_VISIBLE);
                                         dialogOpen = dialog->m_hWnd && dialog->IsWindowVisible();
                                     }});
    EXPECT_TRUE(shown);
    EXPECT_EQ("Scripting.Dictionary.Exists", firstHit);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(dialogOpen) << "Escape in the pane closes the pane, not the browser";
}

TEST_F(SearchPaneTest, ThePaneSitsBetweenTheSearchRowAndTheListsAtEverySize)
{
    auto dialog = MakeSearchBrowser();
    RunModal(*dialog,
             [&](CBrowserDlg& d)
             {
                 SearchFor(d, "item");
                 const int listsTopWithPane = RectOf(d, IDC_CLASSES_LIST).top;
                 for (const CSize size : {CSize(0, 0), CSize(900, 700), CSize(420, 330)})
                 {
                     if (size.cx)
                         d.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
                     SCOPED_TRACE(size.cx);
                     CRect client;
                     d.GetClientRect(&client);
                     const CRect box = RectOf(d, IDC_SEARCH_TEXT), pane = RectOf(d, IDC_SEARCH_RESULTS);
                     const CRect classes = RectOf(d, IDC_CLASSES_LIST), members = RectOf(d, IDC_MEMBERS_LIST);
                     const CRect description = RectOf(d, IDC_DESCRIPTION);
                     EXPECT_GT(box.left, RectOf(d, IDC_COPY).right);
                     EXPECT_LT(box.bottom, pane.top);
                     EXPECT_LT(pane.bottom, RectOf(d, IDC_CLASSES_LABEL).top);
                     EXPECT_GE(pane.Height(), 60);
                     EXPECT_LE(pane.right, client.right);
                     EXPECT_EQ(classes.top, members.top);
                     EXPECT_GT(classes.Height(), 0);
                     EXPECT_LE(classes.bottom, description.top);
                     EXPECT_LE(description.bottom, client.bottom);
                 }
                 // Both splitters still move the lists.
                 const CRect members = RectOf(d, IDC_MEMBERS_LIST);
                 const CPoint hSplitter = d.m_rcHSplitter.CenterPoint();
                 d.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(hSplitter.x, hSplitter.y));
                 d.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(hSplitter.x, hSplitter.y - 20));
                 d.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(hSplitter.x, hSplitter.y - 20));
                 EXPECT_NEAR(members.bottom - 20, RectOf(d, IDC_MEMBERS_LIST).bottom, 2);
                 const CPoint vSplitter = d.m_rcVSplitter.CenterPoint();
                 d.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(vSplitter.x, vSplitter.y));
                 d.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(vSplitter.x + 30, vSplitter.y));
                 d.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(vSplitter.x + 30, vSplitter.y));
                 EXPECT_NEAR(members.left + 30, RectOf(d, IDC_MEMBERS_LIST).left, 2);
                 // Closed, the pane gives its room back to the lists.
                 d.SendMessage(WM_COMMAND, IDC_CLOSE_RESULTS);
                 EXPECT_FALSE(d.GetDlgItem(IDC_CLOSE_RESULTS)->GetStyle() & WS_VISIBLE);
                 EXPECT_LE(RectOf(d, IDC_CLASSES_LIST).top, listsTopWithPane - 60);
             });
}

TEST_F(SearchPaneTest, CopyDeclarationCopiesTheMembersOrTheClassesDeclaration)
{
    auto dialog = MakeSearchBrowser();
    std::string member, type;
    UINT stateWithout = 0, stateWith = 0;
    RunModal(*dialog,
             [&](CBrowserDlg& d)
             {
                 CMenu* popup = BackEnd(d)->GetContextMenu();
                 auto state = [&]
                 {
                     d.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup->m_hMenu), 0);
                     return GetMenuState(popup->m_hMenu, ID_COPY_DECLARATION, MF_BYCOMMAND);
                 };
                 ASSERT_TRUE(d.SelectHistoryItem({"Scripting", "", ""}));
                 stateWithout = state();
                 Choose(d.m_pClassesList, "Dictionary");
                 Choose(d.m_pMembersList, "Exists");
                 stateWith = state();
                 d.SendMessage(WM_COMMAND, ID_COPY_DECLARATION);
                 member = ClipboardText();
                 Choose(d.m_pClassesList, "Dictionary");
                 d.SendMessage(WM_COMMAND, ID_COPY_DECLARATION);
                 type = ClipboardText();
             });
    EXPECT_TRUE(stateWithout & MF_GRAYED);
    EXPECT_FALSE(stateWith & MF_GRAYED);
    EXPECT_EQ("Function Exists(Key As Variant) As Boolean", member);
    EXPECT_EQ("Class Dictionary", type);
}

TEST_F(SearchPaneTest, ADoubleClickOnAHitChoosesItsName)
{
    auto dialog = MakeSearchBrowser();
    const INT_PTR result =
        RunModal(*dialog,
                 [&](CBrowserDlg& d)
                 {
                     SearchFor(d, "exists");
                     ChooseHit(d, "Scripting.Dictionary.Exists");
                     DoubleClick(d, IDC_SEARCH_RESULTS, d.SearchPane().GetNextItem(-1, LVNI_SELECTED));
                 });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("Exists", dialog->GetResultString().str());
}

TEST_F(SearchPaneTest, ClickingTheHitThatIsStillSelectedGoesToItAgain)
{
    auto dialog = MakeSearchBrowser();
    std::string before, after;
    obrtest::RunModalSteps(
        *dialog,
        {[&]
         {
             dialog->ShowWindow(SW_SHOW);
             ::SetForegroundWindow(dialog->m_hWnd);
             SearchFor(*dialog, "exists");
             dialog->SearchPane().SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
             Choose(dialog->m_pMembersList, "Add");
             before = SelectedText(dialog->m_pMembersList).str();
             CRect row;
             dialog->SearchPane().GetItemRect(0, &row, LVIR_BOUNDS);
             dialog->SearchPane().ClientToScreen(&row);
             INPUT click[3] = {};
             const DWORD flags[3] = {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
             for (int i = 0; i < 3; ++i)
             {
                 click[i].type = INPUT_MOUSE;
                 click[i].mi.dx = (row.left + 20) * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
                 click[i].mi.dy = (row.top + row.bottom) / 2 * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
                 click[i].mi.dwFlags = flags[i] | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
             }
             SendInput(3, click, sizeof(INPUT));
         },
         [&] { after = SelectedText(dialog->m_pMembersList).str(); }});
    EXPECT_EQ("Add", before);
    EXPECT_EQ("Exists", after);
}

TEST_F(SearchPaneTest, TheContextMenuAsksAboutUsesAsTheTypedQuestionsDo)
{
    Register("BrowserUsageFixture.tlb");
    const GUID usageFixture = {0x5a6b7c8d, 0x9e0f, 0x4a1b, {0x8c, 0x2d, 0x3e, 0x4f, 0x5a, 0x6b, 0x7c, 0x8d}};
    auto dialog = MakeBrowser({{usageFixture, 1, 0}, {kStdoleLibraryGuid, 2, 0}});
    std::vector<std::string> returning, typedReturning, taking, implementing, withHidden, font;
    CString menuText, boxText;
    UINT implementState = 0, enumState = 0;
    RunModal(*dialog,
             [&](CBrowserDlg& d)
             {
                 Choose(d.m_pClassesList, "Thing");
                 CMenu* popup = BackEnd(d)->GetContextMenu();
                 d.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup->m_hMenu), 0);
                 popup->GetMenuString(ID_FIND_RETURNING, menuText, MF_BYCOMMAND);
                 implementState = popup->GetMenuState(ID_FIND_IMPLEMENTING, MF_BYCOMMAND);
                 d.SendMessage(WM_COMMAND, ID_FIND_RETURNING);
                 returning = HitsOf(d);
                 boxText = d.GetDlgItem(IDC_SEARCH_TEXT)->GetWindowText();
                 SearchFor(d, "as THING");
                 typedReturning = HitsOf(d);
                 SearchFor(d, "(thing)");
                 taking = HitsOf(d);
                 Choose(d.m_pClassesList, "One");
                 d.SendMessage(WM_COMMAND, ID_FIND_IMPLEMENTING);
                 implementing = HitsOf(d);
                 d.SendMessage(WM_COMMAND, ID_SHOWHIDDEN);
                 SearchFor(d, "As Thing");
                 withHidden = HitsOf(d);
                 // Another library's type: stdole's StdFont stands for Font, which the fixture returns.
                 SearchFor(d, "As StdFont");
                 font = HitsOf(d);
                 // An enumeration is implemented by nothing.
                 SelectLibrary(d, "stdole");
                 Choose(d.m_pClassesList, "OLE_TRISTATE");
                 d.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup->m_hMenu), 0);
                 enumState = popup->GetMenuState(ID_FIND_IMPLEMENTING, MF_BYCOMMAND);
             });
    EXPECT_EQ("Membres qui &renvoient « Thing »", menuText);
    EXPECT_FALSE(implementState & MF_GRAYED);
    EXPECT_TRUE(enumState & MF_GRAYED);
    EXPECT_EQ("As Thing", boxText);
    EXPECT_THAT(returning, ElementsAre("ObrUsage.Maker.MakeThing", "ObrUsage.Maker.MakeReference",
                                       "ObrUsage.Maker.Current"));
    EXPECT_EQ(returning, typedReturning);
    EXPECT_THAT(taking, ElementsAre("ObrUsage.Maker.UseThing"));
    EXPECT_THAT(implementing, ElementsAre("ObrUsage.IDerived", "ObrUsage.Two"));
    EXPECT_THAT(withHidden, Contains("ObrUsage.Maker.SecretThing"));
    EXPECT_THAT(font, ElementsAre("ObrUsage.Maker.TitleFont"));
}
