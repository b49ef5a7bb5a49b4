// The dialog under the mouse and the keyboard: the pane remembered as focused, the Copy button as
// the focus moves, help routed by the focused pane, and a tool tip shown by the mouse resting on a
// button. (The splitters are tested at every scale with the scaling.)
#include "tests/browser/TypeLibBrowserTestSupport.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ModalScript.h"
#include "tests/support/PlatformRecorder.h"
#include "tests/support/RealInput.h"
#include "tests/support/ThreadWindows.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;

TEST_F(BrowserDialogTest, TheFocusedPaneIsRememberedBeforeTheBackEndHearsOfItAndRoutesHelp)
{
    CBrowserDlg dialog(BROWSER_TYPELIB);
    obrtest::PlatformRecorder platform;
    RecordingBackEnd* backEnd = nullptr;
    RunModal(dialog,
             [&](CBrowserDlg& d)
             {
                 backEnd = static_cast<RecordingBackEnd*>(d.m_pImpl);
                 backEnd->m_focusSeen.clear();
                 backEnd->m_helpControls.clear();
                 for (CWnd* pane :
                      {d.GetDlgItem(IDC_LIB_COMBO), static_cast<CWnd*>(d.m_pClassesList),
                       static_cast<CWnd*>(d.m_pMembersList), static_cast<CWnd*>(d.m_pDescription)})
                 {
                     pane->SetFocus();
                     d.SendMessage(WM_COMMAND, ID_HELP_ITEM);
                 }
             });
    ASSERT_NE(nullptr, backEnd);
    EXPECT_THAT(backEnd->m_focusSeen, ElementsAre("none", "classes", "members", "description"));
    // The description has no help of its own: the back-end is not asked.
    EXPECT_THAT(backEnd->m_helpControls, ElementsAre(IDC_LIB_COMBO, IDC_CLASSES_LIST, IDC_MEMBERS_LIST));
}

TEST_F(TypeLibBrowserTest, TheCopyButtonFollowsTheFocusedPaneAndTheClicks)
{
    auto dialog = MakeBrowser({{kScriptingLibraryGuid, 1, 0}});
    RunModal(*dialog,
             [](CBrowserDlg& d)
             {
                 auto copyEnabled = [&] { return IsEnabled(d, IDC_COPY); };
                 Choose(d.m_pClassesList, "Dictionary");
                 EXPECT_TRUE(copyEnabled());
                 Choose(d.m_pClassesList, "<globals>");
                 EXPECT_FALSE(copyEnabled());
                 Choose(d.m_pClassesList, "Dictionary");
                 Choose(d.m_pMembersList, "CompareMode");
                 EXPECT_TRUE(copyEnabled());
                 d.GetDlgItem(IDC_LIB_COMBO)->SetFocus();
                 EXPECT_FALSE(copyEnabled());
                 d.m_pDescription->SetFocus();
                 d.m_pDescription->SetSel(0, 0);
                 EXPECT_FALSE(copyEnabled());

                 // A click on the members list decides again, even where the focus does not move.
                 d.m_pMembersList->SetFocus();
                 EXPECT_TRUE(copyEnabled());
                 d.m_pMembersList->SetItemState(-1, 0, LVIS_SELECTED);
                 NMITEMACTIVATE click = {};
                 click.hdr = {d.m_pMembersList->m_hWnd, IDC_MEMBERS_LIST, UINT(NM_CLICK)};
                 click.iItem = -1;
                 d.SendMessage(WM_NOTIFY, IDC_MEMBERS_LIST, reinterpret_cast<LPARAM>(&click));
                 EXPECT_FALSE(copyEnabled());
             });
}

TEST_F(BrowserDialogTest, AToolTipShowsWhenTheMouseRestsOnAButton)
{
    CBrowserDlg dialog(BROWSER_TYPELIB);
    obrtest::RunModalSteps(
        dialog,
        {[&] { ShowInFront(dialog); },
         [&]
         {
             // The mouse moves onto the search button, as a hand would move it.
             const CPoint centre = RectOf(dialog, IDC_SEARCH).CenterPoint();
             POINT at = {centre.x, centre.y};
             ::ClientToScreen(dialog.m_hWnd, &at);
             obrtest::MoveTheMouseTo(at);
             obrtest::MoveTheMouseTo(POINT{at.x + 2, at.y});
         },
         [&]
         {
             // The tip shows after the hover delay: up to 5 s on a loaded machine.
             HWND tip = nullptr;
             obrtest::PumpUntil(
                 [&]
                 { return (tip = obrtest::FindThreadWindow(TOOLTIPS_CLASSA, ::IsWindowVisible)) != nullptr; },
                 5000);
             ASSERT_NE(nullptr, tip) << "no tool tip appeared";
             EXPECT_EQ("Rechercher (Ctrl+F)", CWnd::FromHandle(tip)->GetWindowText());
         }});
}
