// Types: kinds, flags, implemented types, display names, lookups and aliases.
#include "tests/support/ModelTestSupport.h"

TEST_F(ModelTest, CoclassImplementsItsDefaultAndSourceInterfaces)
{
    CTClass* shape = ClassNamed(Fixture(), "Shape");
    ASSERT_NE(nullptr, shape);
    EXPECT_TRUE(shape->IsCoClass());
    ASSERT_EQ(2, shape->GetImplTypeCount());
    EXPECT_EQ("IShape", shape->GetImplType(0)->GetName());
    EXPECT_EQ(IMPLTYPEFLAG_FDEFAULT, shape->GetImplType(0)->GetImplTypeFlags());
    EXPECT_EQ("ShapeEvents", shape->GetImplType(1)->GetName());
    EXPECT_EQ(IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE, shape->GetImplType(1)->GetImplTypeFlags());
    // The implemented types belong to the library of the class that reached them.
    EXPECT_EQ(&Fixture(), shape->GetImplType(1)->GetLib());
}

TEST_F(ModelTest, ADispatchInterfaceInheritsIDispatchThenIUnknown)
{
    CTClass* shape = ClassNamed(Fixture(), "IShape");
    ASSERT_NE(nullptr, shape);
    EXPECT_EQ(TKIND_DISPATCH, shape->GetTypeKind());
    ASSERT_EQ(1, shape->GetImplTypeCount());
    CTClass* dispatch = shape->GetImplType(0);
    EXPECT_EQ("IDispatch", dispatch->GetName());
    ASSERT_EQ(1, dispatch->GetImplTypeCount());
    CTClass* unknown = dispatch->GetImplType(0);
    EXPECT_EQ("IUnknown", unknown->GetName());
    EXPECT_FALSE(unknown->IsBrowsable());
    EXPECT_EQ(0, unknown->GetImplTypeCount());
}

TEST_F(ModelTest, KindsOfTypes)
{
    CTLib& lib = Fixture();
    const std::pair<const char*, int> kinds[] = {
        {"Colour", TLIB_KIND_ENUM},       {"Point", TLIB_KIND_RECORD}, {"Number", TLIB_KIND_UNION},
        {"IShape", TLIB_KIND_CLASS},      {"Shape", TLIB_KIND_CLASS},  {"Length", TLIB_KIND_CLASS},
        {"ShapeEvents", TLIB_KIND_CLASS},
    };
    for (const auto& [name, kind] : kinds)
    {
        CTClass* type = ClassNamed(lib, name);
        ASSERT_NE(nullptr, type) << name;
        EXPECT_EQ(kind, type->GetKind()) << name;
    }
    EXPECT_TRUE(ClassNamed(lib, "Application")->IsAppObject());
    EXPECT_FALSE(ClassNamed(lib, "Shape")->IsAppObject());
    EXPECT_EQ("A shape that can be moved and coloured", ClassNamed(lib, "IShape")->GetDescription());
    EXPECT_EQ("GetClassKindName", ClassNamed(lib, "IShape")->GetKindName(0));
}

TEST_F(ModelTest, LeadingUnderscoreHidesUnlessADisplayNameSaysOtherwise)
{
    CTLib& lib = Fixture();
    CTClass* flagged = ClassNamed(lib, "_HiddenEvents");
    CTClass* named = ClassNamed(lib, "_Visible");
    ASSERT_TRUE(flagged && named);
    EXPECT_TRUE(flagged->IsHidden());
    EXPECT_TRUE(named->IsHidden());
    named->SetDisplayName("Visible");
    EXPECT_FALSE(named->IsHidden());
    flagged->SetDisplayName("HiddenEvents");
    EXPECT_TRUE(flagged->IsHidden()); // the hidden flag stays
    EXPECT_FALSE(ClassNamed(lib, "IShape")->IsHidden());
}

TEST_F(ModelTest, FindFunctionByIdAndInvokeKind)
{
    CTClass* shape = ClassNamed(Fixture(), "IShape");
    const MEMBERID nameId = 0, areaId = 2;
    const int setters = INVOKE_PROPERTYPUT | INVOKE_PROPERTYPUTREF;
    CTFunction* setter = shape->FindFunction(nameId, setters);
    ASSERT_NE(nullptr, setter);
    EXPECT_EQ(INVOKE_PROPERTYPUT, setter->GetInvokeKind());
    EXPECT_EQ(nullptr, shape->FindFunction(areaId, setters));
    EXPECT_EQ(2, shape->CountFunctions(nameId));
    EXPECT_EQ(1, shape->CountFunctions(areaId));
    EXPECT_EQ(0, shape->CountFunctions(12345));
}

TEST_F(ModelTest, FindConstantNameTakesTheFirstOfEqualValues)
{
    CTClass* colour = ClassNamed(Fixture(), "Colour");
    CString name = "inchangé";
    EXPECT_TRUE(colour->FindConstantName(255, name));
    EXPECT_EQ("colBlue", name);
    EXPECT_TRUE(colour->FindConstantName(-2, name));
    EXPECT_EQ("colNone", name);
    name = "inchangé";
    EXPECT_FALSE(colour->FindConstantName(7, name));
    EXPECT_EQ("inchangé", name);
}

TEST_F(ModelTest, AliasesNameTheirTypeAndFindTheirTarget)
{
    CTLib& lib = Fixture();
    CTClass* shade = ClassNamed(lib, "Shade");
    CTClass* length = ClassNamed(lib, "Length");
    ASSERT_TRUE(shade && length);
    EXPECT_TRUE(shade->IsAlias());
    EXPECT_EQ(ClassNamed(lib, "Colour"), shade->GetAliasTarget());
    EXPECT_EQ(nullptr, length->GetAliasTarget()); // an alias of a built-in type
    EXPECT_EQ("vt3", length->GetAliasTypeName(0));
    EXPECT_EQ("vt29", shade->GetAliasTypeName(0));
    EXPECT_EQ("", ClassNamed(lib, "Colour")->GetAliasTypeName(0));
    EXPECT_EQ(nullptr, ClassNamed(lib, "Colour")->GetAliasTarget());
}
