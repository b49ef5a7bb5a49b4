// The object browser on real libraries of the Wine prefix: the Scripting runtime, stdole, ADO
// (whose members the platform sometimes faults on) and MSHTML, the largest.
#include "typelib/CTClass.h"
#include "typelib/CTLib.h"
#include "tests/browser/TypeLibBrowserTestSupport.h"

#include <gmock/gmock.h>
#include <algorithm>

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::IsSupersetOf;
using ::testing::Not;

namespace
{
// Selects every class in turn and every member of it; returns the number of members described.
int DescribeEverything(CBrowserDlg& dialog)
{
    int described = 0;
    CListCtrl* classes = dialog.m_pClassesList;
    CListCtrl* members = dialog.m_pMembersList;
    for (int c = 0; c < classes->GetItemCount(); ++c)
    {
        classes->SetItemState(c, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        EXPECT_EQ(c, classes->GetNextItem(-1, LVNI_SELECTED));
        for (int m = 0; m < members->GetItemCount(); ++m)
        {
            members->SetItemState(m, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            if (!dialog.m_pDescription->GetWindowText().IsEmpty())
                ++described;
        }
    }
    return described;
}

// The row of the class with the most members of its own and of the types it implements, by the
// model's counts (cheaper than showing every class).
int LargestClassRow(CBrowserDlg& dialog)
{
    CListCtrl* classes = dialog.m_pClassesList;
    int largest = -1, most = -1;
    for (int c = 1; c < classes->GetItemCount(); ++c)
    {
        auto* type = dynamic_cast<CTClass*>(reinterpret_cast<CTLibItem*>(classes->GetItemData(c)));
        if (!type)
            continue;
        int count = type->GetFunctionCount() + type->GetVariableCount();
        for (int i = 0; i < type->GetImplTypeCount(); ++i)
            count += type->GetImplType(i)->GetFunctionCount() + type->GetImplType(i)->GetVariableCount();
        if (count > most)
        {
            most = count;
            largest = c;
        }
    }
    return largest;
}
} // namespace

TEST_F(TypeLibBrowserTest, RealLibrariesReadAsABasicProgrammerSeesThemUpToTheLargest)
{
    auto dialog = MakeBrowser({{kScriptingLibraryGuid, 1, 0},
                               {kStdoleLibraryGuid, 2, 0},
                               {kAdoLibraryGuid, 2, 8},
                               {kMshtmlLibraryGuid, 4, 0}});
    RunModal(*dialog,
             [](CBrowserDlg& d)
             {
                 SelectLibrary(d, "Scripting");
                 CListCtrl* classes = d.m_pClassesList;
                 CListCtrl* members = d.m_pMembersList;
                 // The enumerations' constants are globals.
                 EXPECT_THAT(Rows(members), IsSupersetOf({"ForReading", "ForAppending", "TristateTrue"}));
                 // Coclasses under their own names; their default interfaces not under theirs.
                 EXPECT_THAT(Rows(classes), IsSupersetOf({"Dictionary", "FileSystemObject", "TextStream"}));
                 EXPECT_THAT(Rows(classes), Not(Contains("IDictionary")));
                 EXPECT_THAT(Rows(classes), Not(Contains("IFileSystem3")));
                 Choose(classes, "Dictionary");
                 const int item = Row(members, "Item");
                 ASSERT_NE(-1, item);
                 EXPECT_EQ(1, OverlayOf(members, item));
                 EXPECT_EQ(0, OverlayOf(members, Row(members, "Add")));
                 Choose(members, "Item");
                 EXPECT_THAT(Description(d), HasSubstr("Item"));
                 EXPECT_THAT(Description(d), HasSubstr("Dictionary"));
                 Choose(classes, "FileSystemObject");
                 EXPECT_THAT(Rows(members),
                             IsSupersetOf({"Drives", "CreateTextFile", "OpenTextFile", "GetFolder"}));

                 SelectLibrary(d, "stdole");
                 EXPECT_THAT(Rows(classes), IsSupersetOf({"<globals>", "StdFont", "StdPicture"}));
                 EXPECT_GT(DescribeEverything(d), 20);

                 // ADO, whose members the platform sometimes faults on, when the prefix has it.
                 const std::vector<std::string> libraries = ComboEntries(d);
                 if (libraries.size() == 4)
                 {
                     ASSERT_NE(libraries.end(), std::find(libraries.begin(), libraries.end(), "ADODB"));
                     SelectLibrary(d, "ADODB");
                     EXPECT_THAT(Rows(classes), IsSupersetOf({"Connection", "Recordset", "Fields"}));
                     EXPECT_GT(DescribeEverything(d), 500);
                 }

                 // The largest library opens and its largest class is shown.
                 SelectLibrary(d, "MSHTML");
                 EXPECT_GT(classes->GetItemCount(), 200);
                 const int largest = LargestClassRow(d);
                 ASSERT_GT(largest, 0);
                 classes->SetItemState(largest, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
                 EXPECT_GT(members->GetItemCount(), 300);
                 members->SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
                 EXPECT_FALSE(Description(d).empty());
             });
}
