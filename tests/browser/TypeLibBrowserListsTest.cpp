// The object browser's libraries, classes and members lists on fixture libraries: the rows with
// their images and marks, the libraries the references give, and the two view options.
#include "typelib/CTLib.h"
#include "tests/support/PlatformRecorder.h"
#include "impl/ReferenceLoader.h"
#include "references/RegisteredTypeLibs.h"
#include "tests/support/TestPaths.h"
#include "tests/browser/TypeLibBrowserTestSupport.h"

#include <gmock/gmock.h>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsSupersetOf;
using ::testing::Not;

namespace
{
// Image indexes, in the order the back-end adds its icons.
enum
{
    kClassImage = 0,
    kEnumImage = 2,
    kPropertyImage = 3,
    kMethodImage = 4,
    kConstantImage = 6,
    kGlobalsImage = 7
};
} // namespace

// Which types and members are listed is the model's rule (TypeLibViewTest); the lists show them
// with their images and marks, sorted, hidden ones only on request.
TEST_F(TypeLibBrowserTest, ListedTypesAndMembersCarryTheirImagesAndTheDefaultMark)
{
    Register("BrowserOrderFixture.tlb");
    auto dialog = MakeBrowser({{kOrderFixtureGuid, 1, 0}});
    RunModal(*dialog,
             [](CBrowserDlg& d)
             {
                 EXPECT_THAT(Rows(d.m_pClassesList),
                             ElementsAre("<globals>", "Early", "Extra", "Identity", "Late", "Stone", "Tint"));
                 EXPECT_EQ(kGlobalsImage, ImageOf(d.m_pClassesList, 0));
                 Choose(d.m_pClassesList, "Early");
                 EXPECT_EQ(" Membres de 'Early'", d.m_strMembersLabel);
                 // Grouped: properties, methods, then variables.
                 EXPECT_THAT(Rows(d.m_pMembersList), ElementsAre("Size", "EarlyMethod", "ExtraCount"));
                 // The hidden default member carries the mark once hidden members are shown; the
                 // default source's does not.
                 Choose(d.m_pClassesList, "Late");
                 CListCtrl* members = d.m_pMembersList;
                 EXPECT_THAT(Rows(members), ElementsAre("LateMethod", "Fired", "Other"));
                 EXPECT_EQ(kMethodImage, ImageOf(members, 0));
                 d.SendMessage(WM_COMMAND, ID_SHOWHIDDEN);
                 EXPECT_THAT(Rows(members), ElementsAre("Current", "LateMethod", "Fired", "Other"));
                 EXPECT_EQ(1, OverlayOf(members, Row(members, "Current")));
                 EXPECT_EQ(0, OverlayOf(members, Row(members, "Fired")));
                 EXPECT_EQ("Late", SelectedText(d.m_pClassesList));
                 // An alias of another library's type has the class image.
                 EXPECT_EQ(kClassImage, ImageOf(d.m_pClassesList, Row(d.m_pClassesList, "Identity")));
             });
}

TEST_F(TypeLibBrowserTest, AliasesPropertiesDefaultMembersAndGroupingOfTheFixture)
{
    Register("BrowserFixture.tlb");
    auto dialog = MakeBrowser({{kBrowserFixtureGuid, 1, 0}});
    RunModal(*dialog,
             [](CBrowserDlg& d)
             {
                 CListCtrl* classes = d.m_pClassesList;
                 CListCtrl* members = d.m_pMembersList;
                 // It opens on "<globals>", whose default members carry the mark too.
                 EXPECT_EQ("<globals>", SelectedText(classes));
                 EXPECT_EQ(" Membres de '<globals>'", d.m_strMembersLabel);
                 EXPECT_EQ(1, OverlayOf(members, Row(members, "Name")));
                 // An alias of an enumeration has the enumeration's image; of a built-in type, a class's.
                 ASSERT_NE(-1, Row(classes, "Shade"));
                 EXPECT_EQ(kEnumImage, ImageOf(classes, Row(classes, "Shade")));
                 EXPECT_EQ(kClassImage, ImageOf(classes, Row(classes, "Length")));
                 // Hidden types are not listed until hidden members are shown.
                 EXPECT_THAT(Rows(classes), Not(Contains("_HiddenEvents")));
                 Choose(classes, "Shade");
                 EXPECT_EQ(kConstantImage, ImageOf(members, 0));

                 // Hidden members left out; the default member (Name) carries the overlay. Grouped:
                 // properties, methods, events, each sorted; ungrouped, by name alone.
                 Choose(classes, "Shape");
                 const auto grouped =
                     ElementsAre("Area", "Colour", "Key", "Name", "Forget", "Move", "Paint", "Show", "Moved");
                 EXPECT_THAT(Rows(members), grouped);
                 for (int row = 0; row < members->GetItemCount(); ++row)
                     EXPECT_EQ(members->GetItemText(row, 0) == "Name" ? 1 : 0, OverlayOf(members, row))
                         << members->GetItemText(row, 0).GetString();
                 EXPECT_EQ(kPropertyImage, ImageOf(members, Row(members, "Name")));
                 ASSERT_TRUE(d.m_bGroupMembers);
                 d.SendMessage(WM_COMMAND, ID_GROUPMEMBERS);
                 EXPECT_FALSE(d.m_bGroupMembers);
                 EXPECT_THAT(Rows(members), ElementsAre("Area", "Colour", "Forget", "Key", "Move", "Moved",
                                                        "Name", "Paint", "Show"));
                 d.SendMessage(WM_COMMAND, ID_GROUPMEMBERS);
                 EXPECT_THAT(Rows(members), grouped);

                 // Shown hidden: Reset joins in, and the hidden types are listed.
                 d.SendMessage(WM_COMMAND, ID_SHOWHIDDEN);
                 EXPECT_NE(-1, Row(members, "Reset"));
                 EXPECT_NE(-1, Row(classes, "_Visible"));
                 Choose(classes, "_HiddenEvents");
                 ASSERT_EQ("_HiddenEvents", SelectedText(classes));
                 // Hidden members off while a hidden class is selected: back to "<globals>".
                 d.SendMessage(WM_COMMAND, ID_SHOWHIDDEN);
                 EXPECT_EQ("<globals>", SelectedText(classes));
                 EXPECT_EQ(" Membres de '<globals>'", d.m_strMembersLabel);
                 EXPECT_THAT(Rows(members), IsSupersetOf({"colRed", "Name", "Move"}));
             });
}

TEST_F(TypeLibBrowserTest, OnlyTheReferencesThatLoadAreListedSortedByName)
{
    Register("BrowserFixture.tlb");
    const GUID unregistered = {0x11111111, 0x2222, 0x3333, {0x44, 0x44, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55}};
    // The fixture given twice is loaded once.
    auto dialog = MakeBrowser({{kScriptingLibraryGuid, 1, 0},
                               {unregistered, 1, 0},
                               {kBrowserFixtureGuid, 1, 0},
                               {kBrowserFixtureGuid, 1, 0}});
    RunModal(*dialog,
             [](CBrowserDlg& d)
             {
                 EXPECT_THAT(ComboEntries(d), ElementsAre("ObrFixture", "Scripting"));
                 auto* combo = static_cast<CComboBox*>(d.GetDlgItem(IDC_LIB_COMBO));
                 // Item data are indexes into the loaded libraries, in the order of the references.
                 EXPECT_EQ(1u, combo->GetItemData(0));
                 EXPECT_EQ(0u, combo->GetItemData(1));
                 ASSERT_EQ(2, BackEnd(d)->GetLibraryCount());
                 EXPECT_EQ("Scripting", BackEnd(d)->GetLibrary(0)->GetName());
                 SelectLibrary(d, "Scripting");
                 EXPECT_EQ("Scripting", BackEnd(d)->GetCurrentLibrary()->GetName());
                 EXPECT_NE(-1, Row(d.m_pClassesList, "Dictionary"));
                 EXPECT_EQ(" Membres de '<globals>'", d.m_strMembersLabel);
             });
}

TEST_F(TypeLibBrowserTest, NoLibraryAtAllIsToldAndEndsTheDialogAndTheNextShowingStartsAfresh)
{
    obrtest::PlatformRecorder platform;
    CBrowserDlg dialog(BROWSER_TYPELIB);
    ASSERT_NE(nullptr, dynamic_cast<CTypeLibBrowserImpl*>(dialog.m_pImpl));
    EXPECT_EQ(-1, dialog.DoModal());
    ASSERT_EQ(1u, platform.m_messages.size());
    EXPECT_EQ("Aucune bibliothèque n'a été chargée !", platform.m_messages[0]);
    EXPECT_TRUE(dialog.m_history[BROWSER_TYPELIB].empty());

    // The same object, now with a library: it opens on it, not on an empty entry.
    dialog.m_extensions.Add(kScriptingLibraryGuid, 1, 0);
    RunModal(dialog,
             [](CBrowserDlg& d)
             {
                 EXPECT_EQ("Scripting", SelectedLibrary(d));
                 EXPECT_EQ("<globals>", SelectedText(d.m_pClassesList));
                 EXPECT_NE(-1, Row(d.m_pClassesList, "Dictionary"));
             });
}

TEST_F(TypeLibBrowserTest, ShownAgainEachLibraryIsListedOnceAndReloadingTakesTheNewReferences)
{
    Register("BrowserFixture.tlb");
    auto dialog = MakeBrowser({{kBrowserFixtureGuid, 1, 0}, {kStdoleLibraryGuid, 2, 0}});
    RunModal(*dialog, [](CBrowserDlg& d) { Choose(d.m_pClassesList, "Shape"); });
    RunModal(*dialog,
             [](CBrowserDlg& d)
             {
                 EXPECT_THAT(ComboEntries(d), ElementsAre("ObrFixture", "stdole"));
                 EXPECT_EQ(2, BackEnd(d)->GetLibraryCount());
                 // It opens where the user left it.
                 EXPECT_EQ("Shape", SelectedText(d.m_pClassesList));
                 EXPECT_NE(-1, Row(d.m_pMembersList, "Move"));

                 d.m_extensions.Clear();
                 d.m_extensions.Add(kStdoleLibraryGuid, 2, 0);
                 d.m_extensions.Add(kScriptingLibraryGuid, 1, 0);
                 BackEnd(d)->ReloadLibraries();
                 EXPECT_THAT(ComboEntries(d), ElementsAre("Scripting", "stdole"));
                 EXPECT_EQ(0, d.m_pClassesList->GetItemCount());
                 EXPECT_EQ(0, d.m_pMembersList->GetItemCount());
                 static_cast<CComboBox*>(d.GetDlgItem(IDC_LIB_COMBO))->SetCurSel(1);
                 d.UpdateData(TRUE);
                 BackEnd(d)->OnLibraryChanged();
                 EXPECT_EQ("stdole", BackEnd(d)->GetCurrentLibrary()->GetName());
                 EXPECT_NE(-1, Row(d.m_pClassesList, "StdFont"));
                 EXPECT_EQ("<globals>", SelectedText(d.m_pClassesList));
             });
}

TEST_F(TypeLibBrowserTest, ALibraryRegisteredUnderOneLocaleOnlyStillLoads)
{
    Register("BrowserLocaleFixture.tlb");
    LCID registered = 0;
    ASSERT_TRUE(FirstRegisteredLocale(kLocaleFixtureGuid, 1, 0, registered));
    EXPECT_EQ(0x409u, registered);
    auto library = LoadReferencedLibrary(kLocaleFixtureGuid, 1, 0);
    ASSERT_NE(nullptr, library);
    EXPECT_EQ("ObrLocale", library->GetName());
    EXPECT_EQ(0x409u, library->GetLcid());
    const GUID unregistered = {0x11111111, 0x2222, 0x3333, {0x44, 0x44, 0x55, 0x55, 0x55, 0x55, 0x55, 0x56}};
    EXPECT_EQ(nullptr, LoadReferencedLibrary(unregistered, 1, 0));
    EXPECT_FALSE(FirstRegisteredLocale(unregistered, 1, 0, registered));
}
