// The listing rules on the fixture libraries, without a window: which types a library shows and
// under which names, the member rows of a type and of "<globals>", and what a type declares.
#include "tests/support/ModelTestSupport.h"
#include "typelib/TypeLibView.h"

#include <gmock/gmock.h>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsSupersetOf;
using ::testing::Not;
using ::testing::UnorderedElementsAreArray;

namespace
{
std::vector<std::string> MembersOf(CTLib& library, const char* name)
{
    CTClass* type = ShownClass(library, name);
    return type ? Names(TypeLibView::MembersOf(type)) : std::vector<std::string>();
}
} // namespace

TEST_F(ModelTest, ACoclassStandsForItsDefaultInterfacesAndAnAliasForTheTypeItNames)
{
    CTLib& library = Fixture("BrowserOrderFixture.tlb", kOrderFixtureGuid);
    ASSERT_TRUE(library.IsLoaded());
    // Whichever comes first of a coclass and its default interface, the coclass's name is listed
    // once; the interfaces' own names are not. Two aliases of one enumeration list it once, under
    // the last alias's name; an alias of another library's type is listed as itself.
    const std::vector<std::string> ungrouped = Names(TypeLibView::ShownClasses(&library, false));
    EXPECT_THAT(ungrouped, ElementsAre("Early", "Extra", "Identity", "Late", "Stone", "Tint"));
    EXPECT_THAT(Names(TypeLibView::ShownClasses(&library, true)), UnorderedElementsAreArray(ungrouped));
    EXPECT_EQ(TLIB_KIND_ENUM, ShownClass(library, "Tint")->GetKind());
    EXPECT_EQ(TLIB_KIND_CLASS, ShownClass(library, "Identity")->GetKind());

    // Functions of the default interface (inherited first), then the variables of every interface:
    // the non-default one gives its variable only. A default source gives the coclass's events.
    EXPECT_THAT(MembersOf(library, "Early"), ElementsAre("EarlyMethod", "Size", "ExtraCount"));
    EXPECT_THAT(MembersOf(library, "Late"), ElementsAre("LateMethod", "Current", "Fired", "Other"));

    // The index's order: the same types, each where the library declares it.
    const std::vector<CTClass*> inTypeOrder = TypeLibView::ShownClassesInTypeOrder(&library);
    EXPECT_THAT(Names(inTypeOrder), UnorderedElementsAreArray(ungrouped));
    std::vector<int> declaredAt;
    for (CTClass* type : inTypeOrder)
        for (int i = 0; i < library.GetClassCount(); ++i)
            if (library.GetClass(i)->GetIdentity() == type->GetIdentity())
                declaredAt.push_back(i);
    ASSERT_EQ(inTypeOrder.size(), declaredAt.size());
    EXPECT_TRUE(std::is_sorted(declaredAt.begin(), declaredAt.end()));
}

TEST_F(ModelTest, ATypeGivesOneRowPerPropertyWithHiddenMembersAndWithoutRestrictedOnes)
{
    CTLib& library = Fixture();
    const std::vector<std::string> shown = Names(TypeLibView::ShownClasses(&library, true));
    // The enumeration reached through an alias of the same library: once, under the alias's name.
    EXPECT_THAT(shown, IsSupersetOf({"Shade", "Length", "Shape", "_HiddenEvents", "_Visible"}));
    EXPECT_THAT(shown, Not(Contains("Colour")));
    EXPECT_EQ(TLIB_KIND_ENUM, ShownClass(library, "Shade")->GetKind());
    EXPECT_THAT(MembersOf(library, "Shade"),
                ElementsAre("colRed", "colGreen", "colBlue", "colNone", "colCrimson"));

    // IShape: get+put one row, put only one row, put+putref without get none; hidden ones are
    // rows (the lists leave them out), restricted ones and _NewEnum are not; then the events.
    EXPECT_THAT(MembersOf(library, "Shape"), ElementsAre("Name", "Colour", "Area", "Move", "Paint", "Reset",
                                                         "Key", "Show", "Forget", "Moved"));
    EXPECT_THAT(MembersOf(library, "_HiddenEvents"), ElementsAre("Changed"));

    // "<globals>": the application object's members, the enumeration's constants, the union's fields.
    EXPECT_THAT(Names(TypeLibView::GlobalsOf(&library)),
                IsSupersetOf({"Area", "Name", "Move", "colRed", "colBlue", "whole", "real"}));

    // A coclass declares what its default interfaces declare: the search finds them under its name.
    EXPECT_EQ(MembersOf(library, "Shape"), Names(TypeLibView::DeclaredBy(ShownClass(library, "Shape"))));
}
