// The type-library list control: grey rows for hidden items, searches, and the module's helpers.
#include "tests/browser/BrowserTestSupport.h"
#include "browser/CLibItemListCtrl.h"
#include "module/ModuleServices.h"

namespace
{
// Sends the custom-draw notification the list would send for one stage of one row.
NMLVCUSTOMDRAW CustomDraw(CBrowserDlg& d, DWORD stage, int row, LRESULT& result)
{
    NMLVCUSTOMDRAW draw = {};
    draw.nmcd.hdr.hwndFrom = d.m_pMembersList->m_hWnd;
    draw.nmcd.hdr.idFrom = IDC_MEMBERS_LIST;
    draw.nmcd.hdr.code = NM_CUSTOMDRAW;
    draw.nmcd.dwDrawStage = stage;
    draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
    draw.nmcd.lItemlParam = row < 0 ? 0 : static_cast<LPARAM>(d.m_pMembersList->GetItemData(row));
    draw.clrText = CLR_DEFAULT;
    result = d.SendMessage(WM_NOTIFY, IDC_MEMBERS_LIST, reinterpret_cast<LPARAM>(&draw));
    return draw;
}
} // namespace

TEST_F(BrowserDialogTest, HiddenItemsAreDrawnGreyInEveryCellAndTheListFindsWholeTexts)
{
    CBrowserDlg dialog(BROWSER_TYPELIB);
    RunModal(dialog,
             [](CBrowserDlg& d)
             {
                 LRESULT result = 0;
                 CustomDraw(d, CDDS_PREPAINT, -1, result);
                 EXPECT_EQ(CDRF_NOTIFYITEMDRAW, result);
                 CustomDraw(d, CDDS_ITEMPREPAINT, 0, result);
                 EXPECT_EQ(CDRF_NOTIFYSUBITEMDRAW, result);

                 NMLVCUSTOMDRAW hidden = CustomDraw(d, CDDS_ITEMPREPAINT | CDDS_SUBITEM, 0, result);
                 EXPECT_EQ(CDRF_DODEFAULT, result);
                 EXPECT_EQ(COLORREF(0x848284), hidden.clrText);
                 NMLVCUSTOMDRAW visible = CustomDraw(d, CDDS_ITEMPREPAINT | CDDS_SUBITEM, 1, result);
                 EXPECT_EQ(COLORREF(CLR_DEFAULT), visible.clrText);
                 CustomDraw(d, CDDS_POSTPAINT, -1, result);
                 EXPECT_EQ(CDRF_DODEFAULT, result);

                 // The list finds whole texts in any letter case and reads the selection.
                 auto* members = static_cast<CLibItemListCtrl*>(d.m_pMembersList);
                 EXPECT_EQ("", members->GetSelectedText());
                 EXPECT_EQ(1, members->FindItem("COUNT"));
                 EXPECT_EQ(-1, members->FindItem("Cou"));
                 Choose(d.m_pMembersList, "Item");
                 EXPECT_EQ("Item", members->GetSelectedText());
             });
}

TEST(ModuleServices, IsAllHexStringLoadersAndTheResourceChainTheModuleJoins)
{
    EXPECT_TRUE(IsAllHex(""));
    EXPECT_TRUE(IsAllHex("0409"));
    EXPECT_TRUE(IsAllHex("1A"));
    EXPECT_TRUE(IsAllHex("ff"));
    EXPECT_FALSE(IsAllHex("win32"));
    EXPECT_FALSE(IsAllHex("12 "));
    EXPECT_STREQ("Précédent", szGetStringObr(IDS_TIP_BACK));
    EXPECT_EQ("Guide : ", strGetStringObr(IDS_GUID));
    // The module's dialog, menu and strings are found without naming the module.
    CString text;
    EXPECT_TRUE(text.LoadString(IDS_TIP_COPY));
    EXPECT_EQ("Copier dans le Presse-papiers", text);
    CMenu menu;
    EXPECT_TRUE(menu.LoadMenu(IDR_CONTEXT_MENU));
    EXPECT_NE(nullptr, AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_BROWSER), MAKEINTRESOURCEA(5)));
}
