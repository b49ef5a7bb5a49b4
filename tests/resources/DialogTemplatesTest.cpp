// The two dialog templates of the module, compared with their intended layout control by control.
#include "tests/support/DialogTemplate.h"
#include "tests/resources/ModuleResources.h"
#include "resources/resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

using obrtest::DialogItem;
using obrtest::DialogTemplate;

namespace
{
bool SameClass(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

void ExpectItems(const std::vector<DialogItem>& expected, const std::vector<DialogItem>& actual)
{
    ASSERT_EQ(expected.size(), actual.size());
    for (size_t i = 0; i < expected.size(); ++i)
    {
        const DialogItem& want = expected[i];
        const DialogItem& got = actual[i];
        SCOPED_TRACE("control " + std::to_string(i) + " (id " + std::to_string(want.id) + ")");
        EXPECT_EQ(want.id, got.id);
        EXPECT_TRUE(SameClass(want.className, got.className)) << want.className << " != " << got.className;
        EXPECT_EQ(want.text, got.text);
        EXPECT_EQ(want.x, got.x);
        EXPECT_EQ(want.y, got.y);
        EXPECT_EQ(want.cx, got.cx);
        EXPECT_EQ(want.cy, got.cy);
        EXPECT_EQ(want.style, got.style) << std::hex << "0x" << want.style << " != 0x" << got.style;
    }
}

const DWORD kChild = WS_CHILD | WS_VISIBLE;
const DWORD kListStyle = kChild | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                         LVS_SHAREIMAGELISTS | LVS_NOCOLUMNHEADER | LVS_ALIGNLEFT;

} // namespace

TEST(DialogTemplates, FrameCaptionAndFont)
{
    // The shell's dialog face, a TrueType face that grows with the display's scale; the browser a
    // sizing popup with a system menu (no minimise or maximise box), the references a fixed frame.
    const struct
    {
        int id;
        const char* caption;
        short cx, cy;
        DWORD style;
    } templates[] = {
        {IDD_BROWSER, "Explorateur d'Objets", 418, 284,
         DS_SHELLFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME},
        {IDD_REFERENCES, "Références", 298, 206,
         DS_SHELLFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU},
    };
    for (const auto& expected : templates)
    {
        DialogTemplate dialog;
        ASSERT_TRUE(obrtest::ReadDialogTemplate(obrtest::BrowserModule(), expected.id, dialog));
        EXPECT_EQ(expected.caption, dialog.caption);
        EXPECT_EQ("MS Shell Dlg 2", dialog.fontFace);
        EXPECT_EQ(8, dialog.pointSize);
        EXPECT_EQ(expected.cx, dialog.cx);
        EXPECT_EQ(expected.cy, dialog.cy);
        EXPECT_EQ(expected.style, dialog.style) << expected.caption;
    }
}

TEST(BrowserDialogTemplate, ControlsInTabOrder)
{
    DialogTemplate dialog;
    ASSERT_TRUE(obrtest::ReadDialogTemplate(obrtest::BrowserModule(), IDD_BROWSER, dialog));
    const DWORD iconButton = kChild | WS_DISABLED | WS_TABSTOP | BS_ICON;
    const DWORD label = kChild | SS_LEFT | SS_SUNKEN | SS_CENTERIMAGE;
    ExpectItems(
        {
            {IDC_LIB_COMBO, "ComboBox", "", 7, 7, 102, 65,
             kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_SORT},
            {IDC_CLASSES_LIST, "SysListView32", "List1", 4, 38, 128, 194, kListStyle},
            {IDC_MEMBERS_LIST, "SysListView32", "List3", 134, 38, 280, 194, kListStyle},
            {IDC_COPY, "Button", "Copier", 153, 7, 16, 13, iconButton | BS_DEFPUSHBUTTON},
            {IDC_FORWARD, "Button", "Button2", 131, 7, 16, 13, iconButton},
            {IDC_BACK, "Button", "Button1", 115, 7, 16, 13, iconButton},
            {IDC_CLASSES_LABEL, "Static", " Classes", 4, 26, 128, 11, label},
            {IDC_MEMBERS_LABEL, "Static", " Membre de <>", 134, 26, 280, 11, label},
            {IDC_DESCRIPTION, "RICHEDIT", "", 4, 234, 410, 48,
             kChild | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY},
            {IDC_SEARCH, "Button", "Rechercher", 279, 5, 52, 14, WS_CHILD | BS_PUSHBUTTON},
            {IDC_SEARCH_LABEL, "Static", "Rechercher :", 181, 6, 0, 0, kChild | SS_LEFT},
            {IDC_SEARCH_TEXT, "ComboBox", "", 181, 6, 87, 69,
             WS_CHILD | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL},
            {IDC_CLOSE_RESULTS, "Button", "×", 335, 5, 14, 14, WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON},
            {IDC_SEARCH_RESULTS, "SysListView32", "", 4, 26, 410, 60,
             WS_CHILD | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                 LVS_SHAREIMAGELISTS | LVS_OWNERDATA},
        },
        dialog.items);
}

TEST(ReferencesDialogTemplate, ControlsInTabOrder)
{
    DialogTemplate dialog;
    ASSERT_TRUE(obrtest::ReadDialogTemplate(obrtest::BrowserModule(), IDD_REFERENCES, dialog));
    const DWORD button = kChild | WS_TABSTOP | BS_PUSHBUTTON;
    ExpectItems(
        {
            {IDOK, "Button", "OK", 222, 18, 68, 14, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
            {IDCANCEL, "Button", "Annuler", 222, 36, 68, 14, button},
            {IDC_REF_LIST, "ListBox", "", 7, 18, 206, 104,
             kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY |
                 LBS_WANTKEYBOARDINPUT | LBS_NOINTEGRALHEIGHT},
            {-1, "Static", "Références disponibles :", 7, 7, 206, 8, kChild | SS_LEFT},
            {IDC_LIB_NAME, "Button", "Nom", 7, 128, 284, 71, kChild | BS_GROUPBOX},
            {IDC_LIB_DETAILS, "Edit", "", 14, 140, 270, 53,
             kChild | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY},
            {IDC_UP_BUTTON, "Button", "", 248, 78, 16, 14, button | BS_ICON},
            {IDC_DOWN_BUTTON, "Button", "", 248, 106, 16, 14, button | BS_ICON},
            {IDC_PRIORITY_LABEL, "Static", "Priorité", 222, 95, 68, 8, kChild | SS_CENTER},
            {IDC_BROWSE, "Button", "Parcourir", 222, 54, 68, 14, button},
        },
        dialog.items);
}
