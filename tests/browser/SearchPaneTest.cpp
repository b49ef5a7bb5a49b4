// The search row and the pane of hits: ranking over every loaded library, going to a hit, the
// keys of the search, the layout with the pane, and copying a declaration.
#include "impl/CTypeLibBrowserImpl.h"
#include "tests/support/ModalScript.h"
#include "tests/support/RealInput.h"
#include "tests/browser/TypeLibBrowserTestSupport.h"

#include <gmock/gmock.h>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

namespace
{
std::string Hit(const SearchHit& hit)
{
    std::string text = hit.item.strLibrary.str() + "." + hit.item.strClass.str();
    if (!hit.item.strMember.IsEmpty())
        text += "." + hit.item.strMember.str();
    return text + (hit.hidden ? "!" : "");
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

class SearchPaneTest : public TypeLibBrowserTest
{
protected:
    void SetUp() override
    {
        TypeLibBrowserTest::SetUp();
        Register("BrowserSearchFixture.tlb");
        m_dialog = MakeBrowser({{kSearchFixtureGuid, 1, 0}, {kScriptingLibraryGuid, 1, 0}});
    }
    std::unique_ptr<CBrowserDlg> m_dialog;
};
} // namespace

TEST_F(SearchPaneTest, RanksWholeNamesThenBeginningsThenWordsThenPartsCurrentLibraryFirst)
{
    RunModal(*m_dialog,
             [&](CBrowserDlg& d)
             {
                 SelectLibrary(d, "ObrSearch");
                 SearchFor(d, "item");
                 // The never-shown member is not offered, a hidden one is marked; within a rank, the
                 // library's type order.
                 EXPECT_THAT(HitsOf(d, "ObrSearch"),
                             ElementsAre("ObrSearch.IShelf.Item", "ObrSearch.IShelf.Items",
                                         "ObrSearch.ItemKind", "ObrSearch.ItemKind.itemSmall",
                                         "ObrSearch.ItemKind.itemLarge", "ObrSearch.IShelf.SelectedItem",
                                         "ObrSearch.IShelf.last_item", "ObrSearch.IShelf.HiddenItem!",
                                         "ObrSearch.IShelf.Sitemap"));
                 // Scripting's whole names come after the current library's, and before its beginnings.
                 const std::vector<std::string> all = HitsOf(d);
                 const auto at = [&](const char* hit)
                 { return std::find(all.begin(), all.end(), hit) - all.begin(); };
                 EXPECT_LT(at("ObrSearch.IShelf.Item"), at("Scripting.Dictionary.Item"));
                 EXPECT_LT(at("Scripting.Dictionary.Item"), at("ObrSearch.IShelf.Items"));
                 EXPECT_LT(at("ObrSearch.IShelf.Sitemap"), static_cast<std::ptrdiff_t>(all.size()));
                 SearchFor(d, "ITEM");
                 EXPECT_EQ(all, HitsOf(d));
                 SearchFor(d, "crate");
                 EXPECT_THAT(HitsOf(d), ElementsAre("ObrSearch.ICrate!"));
                 // IDrawer is listed as reached from Cabinet, whose non-default interface it is:
                 // every type the classes list shows is found, with its members.
                 ASSERT_NE(-1, Row(d.m_pClassesList, "IDrawer"));
                 SearchFor(d, "IDrawer");
                 EXPECT_THAT(HitsOf(d), ElementsAre("ObrSearch.IDrawer"));
                 SearchFor(d, "OpenDrawer");
                 EXPECT_THAT(HitsOf(d), ElementsAre("ObrSearch.IDrawer.OpenDrawer"));
             });
}

TEST_F(SearchPaneTest, NothingFoundShowsALineSayingSoAcrossThePaneAndTheBoxKeepsTheSearchesThatFound)
{
    RunModal(*m_dialog,
             [&](CBrowserDlg& d)
             {
                 EXPECT_FALSE(d.SearchPane().IsShown() || (d.SearchPane().GetStyle() & WS_VISIBLE));
                 SearchFor(d, "  zzzz ");
                 EXPECT_TRUE(d.SearchPane().IsShown() && (d.SearchPane().GetStyle() & WS_VISIBLE));
                 EXPECT_THAT(d.SearchPane().GetHits(), IsEmpty());
                 ASSERT_EQ(1, d.SearchPane().GetItemCount());
                 const char* line = "Aucun r\xE9sultat pour \xAB zzzz \xBB.";
                 EXPECT_EQ(line, d.SearchPane().GetItemText(0, 0).str());
                 // The line is not cut by the first column.
                 const LRESULT width =
                     d.SearchPane().SendMessage(LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(line));
                 EXPECT_GT(d.SearchPane().SendMessage(LVM_GETCOLUMNWIDTH, 0), width + 8);
                 // Choosing that line leads nowhere.
                 const _HistoryItem before = d.m_history[0].front();
                 d.SearchPane().SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
                 EXPECT_EQ(before, d.m_history[0].front());

                 // The box keeps the searches that found something, the latest first, each once.
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
    auto box = [&] { return static_cast<CComboBox*>(m_dialog->GetDlgItem(IDC_SEARCH_TEXT)); };
    obrtest::RunModalSteps(
        *m_dialog, {[&]
                    {
                        for (const char* query : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "l", "m", "n"})
                            SearchFor(*m_dialog, query);
                        EXPECT_EQ(10, box()->GetCount());
                        CString latest;
                        box()->GetLBText(0, latest);
                        EXPECT_EQ("n", latest);
                        ShowInFront(*m_dialog);
                        box()->SetWindowText("");
                        box()->SetFocus();
                        // Typed key by key, wider than the box at this size.
                        for (char c : std::string("idomprocessinginstruction"))
                            obrtest::PressKeys({static_cast<WORD>(c - 'a' + 'A')});
                    },
                    [&] { EXPECT_EQ("idomprocessinginstruction", box()->GetWindowText().str()); }});
}

TEST_F(SearchPaneTest, AHitSelectsLibraryClassAndMemberAsOneHistoryEntryAndBackReturns)
{
    RunModal(*m_dialog,
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
                 EXPECT_EQ(d.SearchPane().m_hWnd, ::GetFocus());

                 d.SendMessage(WM_COMMAND, IDC_BACK);
                 EXPECT_EQ("ObrSearch", SelectedLibrary(d).str());
                 EXPECT_EQ("IShelf", SelectedText(d.m_pClassesList).str());

                 // A hit on a hidden member shows hidden members first.
                 EXPECT_FALSE(d.m_bShowHidden);
                 SearchFor(d, "hiddenitem");
                 ChooseHit(d, "ObrSearch.IShelf.HiddenItem!");
                 EXPECT_TRUE(d.m_bShowHidden);
                 EXPECT_EQ("HiddenItem", SelectedText(d.m_pMembersList).str());
             });
}

TEST_F(SearchPaneTest, CtrlFFocusesTheBoxEnterSearchesEscapeInThePaneClosesIt)
{
    CBrowserDlg& d = *m_dialog;
    HWND box = nullptr;
    obrtest::RunModalSteps(
        d, {[&]
            {
                // Keys go to the active window: the dialog shows and takes the keyboard.
                ShowInFront(d);
                box = ::GetWindow(d.GetDlgItem(IDC_SEARCH_TEXT)->m_hWnd, GW_CHILD);
                d.m_pMembersList->SetFocus();
            },
            [&]
            {
                EXPECT_EQ(d.m_pMembersList->m_hWnd, ::GetFocus());
                obrtest::PressKeys({VK_CONTROL, 'F'});
            },
            [&]
            {
                EXPECT_EQ(box, ::GetFocus());
                d.GetDlgItem(IDC_SEARCH_TEXT)->SetWindowText("exists");
                obrtest::PressKeys({VK_RETURN});
            },
            [&]
            {
                EXPECT_TRUE(d.SearchPane().IsShown());
                EXPECT_EQ("Scripting.Dictionary.Exists", HitsOf(d).empty() ? "" : HitsOf(d).front());
                d.SearchPane().SetFocus();
                obrtest::PressKeys({VK_ESCAPE});
            },
            [&]
            {
                EXPECT_FALSE(d.SearchPane().IsShown() || (d.SearchPane().GetStyle() & WS_VISIBLE));
                EXPECT_TRUE(d.m_hWnd && d.IsWindowVisible())
                    << "Escape in the pane closes the pane, not the browser";
            }});
}

TEST_F(SearchPaneTest, ThePaneSitsBetweenTheSearchRowAndTheListsAtEverySize)
{
    RunModal(*m_dialog,
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
                 Drag(d, hSplitter, CPoint(hSplitter.x, hSplitter.y - 20));
                 EXPECT_NEAR(members.bottom - 20, RectOf(d, IDC_MEMBERS_LIST).bottom, 2);
                 const CPoint vSplitter = d.m_rcVSplitter.CenterPoint();
                 Drag(d, vSplitter, CPoint(vSplitter.x + 30, vSplitter.y));
                 EXPECT_NEAR(members.left + 30, RectOf(d, IDC_MEMBERS_LIST).left, 2);
                 // Closed, the pane gives its room back to the lists.
                 d.SendMessage(WM_COMMAND, IDC_CLOSE_RESULTS);
                 EXPECT_FALSE(d.GetDlgItem(IDC_CLOSE_RESULTS)->GetStyle() & WS_VISIBLE);
                 EXPECT_LE(RectOf(d, IDC_CLASSES_LIST).top, listsTopWithPane - 60);
             });
}

TEST_F(SearchPaneTest, CopyDeclarationCopiesTheMembersOrTheClassesDeclaration)
{
    RunModal(*m_dialog,
             [&](CBrowserDlg& d)
             {
                 ASSERT_TRUE(d.SelectHistoryItem({"Scripting", "", ""}));
                 EXPECT_TRUE(MenuState(d, ID_COPY_DECLARATION) & MF_GRAYED);
                 Choose(d.m_pClassesList, "Dictionary");
                 Choose(d.m_pMembersList, "Exists");
                 EXPECT_FALSE(MenuState(d, ID_COPY_DECLARATION) & MF_GRAYED);
                 d.SendMessage(WM_COMMAND, ID_COPY_DECLARATION);
                 EXPECT_EQ("Function Exists(Key As Variant) As Boolean", ClipboardText());
                 Choose(d.m_pClassesList, "Dictionary");
                 d.SendMessage(WM_COMMAND, ID_COPY_DECLARATION);
                 EXPECT_EQ("Class Dictionary", ClipboardText());
             });
}

TEST_F(SearchPaneTest, ADoubleClickOnAHitChoosesItsName)
{
    const INT_PTR result =
        RunModal(*m_dialog,
                 [&](CBrowserDlg& d)
                 {
                     SearchFor(d, "exists");
                     ChooseHit(d, "Scripting.Dictionary.Exists");
                     DoubleClick(d, IDC_SEARCH_RESULTS, d.SearchPane().GetNextItem(-1, LVNI_SELECTED));
                 });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("Exists", m_dialog->GetResultString().str());
}

TEST_F(SearchPaneTest, ClickingTheHitThatIsStillSelectedGoesToItAgain)
{
    CBrowserDlg& d = *m_dialog;
    obrtest::RunModalSteps(d, {[&]
                               {
                                   ShowInFront(d);
                                   SearchFor(d, "exists");
                                   d.SearchPane().SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED,
                                                               LVIS_SELECTED | LVIS_FOCUSED);
                                   Choose(d.m_pMembersList, "Add");
                                   CRect row;
                                   d.SearchPane().GetItemRect(0, &row, LVIR_BOUNDS);
                                   d.SearchPane().ClientToScreen(&row);
                                   obrtest::ClickWithTheMouse(POINT{row.left + 20, row.CenterPoint().y});
                               },
                               [&] { EXPECT_EQ("Exists", SelectedText(d.m_pMembersList).str()); }});
}

TEST_F(SearchPaneTest, TheContextMenuAsksAboutUsesAsTheTypedQuestionsDo)
{
    Register("BrowserUsageFixture.tlb");
    auto dialog = MakeBrowser({{kUsageFixtureGuid, 1, 0}, {kStdoleLibraryGuid, 2, 0}});
    RunModal(*dialog,
             [&](CBrowserDlg& d)
             {
                 Choose(d.m_pClassesList, "Thing");
                 EXPECT_FALSE(MenuState(d, ID_FIND_IMPLEMENTING) & MF_GRAYED);
                 CString menuText;
                 d.m_pImpl->GetContextMenu()->GetMenuString(ID_FIND_RETURNING, menuText, MF_BYCOMMAND);
                 EXPECT_EQ("Membres qui &renvoient « Thing »", menuText);
                 d.SendMessage(WM_COMMAND, ID_FIND_RETURNING);
                 const std::vector<std::string> returning = HitsOf(d);
                 EXPECT_THAT(returning,
                             ElementsAre("ObrUsage.Maker.MakeThing", "ObrUsage.Maker.MakeReference",
                                         "ObrUsage.Maker.Current"));
                 EXPECT_EQ("As Thing", d.GetDlgItem(IDC_SEARCH_TEXT)->GetWindowText());
                 SearchFor(d, "as THING");
                 EXPECT_EQ(returning, HitsOf(d));
                 SearchFor(d, "(thing)");
                 EXPECT_THAT(HitsOf(d), ElementsAre("ObrUsage.Maker.UseThing"));
                 Choose(d.m_pClassesList, "One");
                 d.SendMessage(WM_COMMAND, ID_FIND_IMPLEMENTING);
                 EXPECT_THAT(HitsOf(d), ElementsAre("ObrUsage.IDerived", "ObrUsage.Two"));
                 d.SendMessage(WM_COMMAND, ID_SHOWHIDDEN);
                 SearchFor(d, "As Thing");
                 EXPECT_THAT(HitsOf(d), Contains("ObrUsage.Maker.SecretThing!"));
                 // Another library's type: stdole's StdFont stands for Font, which the fixture returns.
                 SearchFor(d, "As StdFont");
                 EXPECT_THAT(HitsOf(d), ElementsAre("ObrUsage.Maker.TitleFont"));
                 // An enumeration is implemented by nothing.
                 SelectLibrary(d, "stdole");
                 Choose(d.m_pClassesList, "OLE_TRISTATE");
                 EXPECT_TRUE(MenuState(d, ID_FIND_IMPLEMENTING) & MF_GRAYED);
             });
}
