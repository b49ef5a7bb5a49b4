// Libraries, their types, the item order and the "<globals>" aggregate.
#include "host/ctrl/CRTFBuilder.h"
#include "typelib/CTLibItemAggregate.h"
#include "typelib/LibItemOrder.h"
#include "tests/support/ModelTestSupport.h"

#include <algorithm>
#include <gmock/gmock.h>

TEST_F(ModelTest, ARegisteredLibraryLoadsWithItsAttributesAndTypes)
{
    CTLib& lib = Fixture();
    ASSERT_TRUE(lib.IsLoaded());
    EXPECT_EQ("ObrFixture", lib.GetName());
    EXPECT_EQ("Object browser test fixture", lib.GetDescription());
    EXPECT_EQ(TLIB_KIND_LIBRARY, lib.GetKind());
    EXPECT_TRUE(IsEqualGUID(kBrowserFixtureGuid, lib.GetGuid()));
    EXPECT_EQ(1, lib.GetMajorVersion());
    EXPECT_EQ(0, lib.GetMinorVersion());
    EXPECT_THAT(lib.GetPath().str(), ::testing::HasSubstr("BrowserFixture.tlb"));
    EXPECT_TRUE(lib.IsBrowsable());
    EXPECT_FALSE(lib.IsHidden());
    EXPECT_EQ(11, lib.GetClassCount());
    EXPECT_EQ("GetLibraryKindName", lib.GetKindName(0));
    CRTFBuilder rtf;
    lib.Describe(0, rtf);
    EXPECT_EQ(std::vector<std::string>{"DescribeLibrary"}, m_builder.m_calls);
}

TEST_F(ModelTest, AnUnregisteredLibraryStaysUnloaded)
{
    const GUID nowhere = {0x0fcc0bd5, 0xf7c6, 0x40f9, {0xbc, 0xbe, 0x7e, 0xc8, 0xc2, 0x1b, 0x35, 0x92}};
    CTLib lib(nowhere, 1, 0, 0);
    EXPECT_FALSE(lib.IsLoaded());
    EXPECT_EQ("", lib.GetName());
    EXPECT_EQ(0, lib.GetClassCount());
    EXPECT_EQ("", lib.GetPath());
    std::vector<CTLibItem*> globals = {&lib};
    lib.GetGlobalClasses(globals);
    EXPECT_TRUE(globals.empty());
}

TEST_F(ModelTest, FindsClassesByTheirOwnNameAndNamesInTheLibrary)
{
    CTLib& lib = Fixture();
    CTClass* shape = lib.FindClass("Shape");
    ASSERT_NE(nullptr, shape);
    shape->SetDisplayName("Forme");
    EXPECT_EQ("Forme", shape->GetName());
    EXPECT_EQ(shape, lib.FindClass("Shape"));
    EXPECT_EQ(nullptr, lib.FindClass("Forme"));
    EXPECT_EQ(nullptr, lib.FindClass("shape"));
    EXPECT_EQ("Forme", shape->SetDisplayName(""));
    EXPECT_EQ("Shape", shape->GetName());

    EXPECT_TRUE(lib.IsName("IShape"));
    EXPECT_TRUE(lib.IsName("Move"));
    EXPECT_FALSE(lib.IsName("Nowhere"));
}

TEST_F(ModelTest, GlobalClassesAreAppObjectsEnumerationsModulesAndUnions)
{
    std::vector<CTLibItem*> globals;
    Fixture().GetGlobalClasses(globals);
    EXPECT_EQ((std::vector<std::string>{"Colour", "Number", "Application"}), Names(globals));
}

TEST(LibItemOrder, KindFirstWhenGroupedThenBytesOfTheName)
{
    CTLibItemAggregate<CTLibItem*> upper("Zeta"), lower("alpha"), same("Zeta");
    CTLibItemLess byName(false);
    EXPECT_TRUE(byName(&upper, &lower)); // 'Z' < 'a' in byte order
    EXPECT_FALSE(byName(&lower, &upper));
    CTLibItemLess grouped(true);
    EXPECT_TRUE(grouped(&upper, &lower)); // same kind: names decide
    EXPECT_EQ(-1, CompareLibItems(reinterpret_cast<LPARAM>(&upper), reinterpret_cast<LPARAM>(&lower),
                                  reinterpret_cast<LPARAM>(&byName)));
    EXPECT_EQ(1, CompareLibItems(reinterpret_cast<LPARAM>(&upper), reinterpret_cast<LPARAM>(&same),
                                 reinterpret_cast<LPARAM>(&byName)));
}

TEST_F(ModelTest, GroupingPutsPropertiesBeforeMethods)
{
    CTClass* shape = ClassNamed(Fixture(), "IShape");
    CTFunction* move = FunctionNamed(shape, "Move", INVOKE_FUNC);        // a method
    CTFunction* area = FunctionNamed(shape, "Area", INVOKE_PROPERTYGET); // a property
    ASSERT_TRUE(move && area);
    EXPECT_TRUE(CTLibItemLess(false)(area, move)); // "Area" < "Move" anyway
    CTFunction* name = FunctionNamed(shape, "Name", INVOKE_PROPERTYGET);
    EXPECT_TRUE(CTLibItemLess(false)(move, name));
    EXPECT_TRUE(CTLibItemLess(true)(name, move)); // property 7 before method 8
}

TEST(LibItemAggregate, IsTheGlobalsEntry)
{
    CTLibItemAggregate<CTLibItem*> globals("<globals>");
    EXPECT_EQ(TLIB_KIND_GLOBALS, globals.GetKind());
    EXPECT_FALSE(globals.IsHidden());
    EXPECT_TRUE(globals.IsBrowsable());
    DWORD context = 77;
    CString file("inchangé");
    EXPECT_FALSE(globals.GetHelpInfo(&context, file));
    EXPECT_EQ(77u, context);
    EXPECT_EQ("inchangé", file);
    CRTFBuilder rtf;
    globals.Describe(0, rtf);
    EXPECT_THAT(rtf.GetRTF().str(), ::testing::HasSubstr("<globals>"));
}

TEST_F(ModelTest, OneBuilderPerLanguageAndNoneForOtherCodes)
{
    EXPECT_EQ(&m_builder, GetBuilder(0));
    EXPECT_EQ(GetBuilder(0), GetBuilder(0));
    EXPECT_EQ(nullptr, GetBuilder(1));
    EXPECT_EQ(nullptr, GetBuilder(-1));
    // Items ask the builder of the language they are given and write nothing without one.
    CTClass* shape = ClassNamed(Fixture(), "IShape");
    CRTFBuilder rtf;
    shape->Describe(1, rtf);
    EXPECT_EQ("", shape->GetKindName(1));
    EXPECT_TRUE(m_builder.m_calls.empty());
    shape->Describe(0, rtf);
    EXPECT_EQ(std::vector<std::string>{"DescribeClass"}, m_builder.m_calls);
}
