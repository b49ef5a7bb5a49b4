// Members and parameters: kinds, flags, accessors, constants, names and default values.
#include "tests/support/ModelTestSupport.h"
#include "module/ComHolders.h"

TEST_F(ModelTest, PropertyAccessorsReadOnlyAndSeveral)
{
    CTClass* shape = ClassNamed(Fixture(), "IShape");
    CTFunction* nameGet = FunctionNamed(shape, "Name", INVOKE_PROPERTYGET);
    CTFunction* namePut = FunctionNamed(shape, "Name", INVOKE_PROPERTYPUT);
    CTFunction* area = FunctionNamed(shape, "Area", INVOKE_PROPERTYGET);
    CTFunction* key = FunctionNamed(shape, "Key", INVOKE_PROPERTYPUT);
    CTFunction* ownerRef = FunctionNamed(shape, "Owner", INVOKE_PROPERTYPUTREF);
    ASSERT_TRUE(nameGet && namePut && area && key && ownerRef);
    EXPECT_FALSE(nameGet->IsReadOnly());
    EXPECT_TRUE(nameGet->HasSeveralAccessors());
    EXPECT_TRUE(namePut->HasSeveralAccessors());
    EXPECT_TRUE(area->IsReadOnly());
    EXPECT_FALSE(area->HasSeveralAccessors());
    EXPECT_FALSE(key->IsReadOnly()); // not a getter
    EXPECT_FALSE(key->HasSeveralAccessors());
    EXPECT_TRUE(ownerRef->IsPropertyPut());
    EXPECT_TRUE(ownerRef->HasSeveralAccessors());
    EXPECT_TRUE(nameGet->IsDefaultMember());
    EXPECT_FALSE(area->IsDefaultMember());
    EXPECT_EQ(TLIB_KIND_PROPERTY, area->GetKind());
    EXPECT_EQ("The shape's name", nameGet->GetDescription());
}

TEST_F(ModelTest, MethodsEventsAndFlags)
{
    CTLib& lib = Fixture();
    CTClass* shape = ClassNamed(lib, "IShape");
    CTFunction* move = FunctionNamed(shape, "Move", INVOKE_FUNC);
    CTFunction* forget = FunctionNamed(shape, "Forget", INVOKE_FUNC);
    ASSERT_TRUE(move && forget);
    EXPECT_EQ(TLIB_KIND_METHOD, move->GetKind());
    // In the dispatch view of a dual interface an HRESULT method returns nothing.
    EXPECT_FALSE(move->HasReturnValue());
    EXPECT_FALSE(forget->HasReturnValue());
    EXPECT_TRUE(FunctionNamed(shape, "Show", INVOKE_FUNC)->HasReturnValue());
    EXPECT_EQ("vt24", forget->GetReturnTypeName(0));
    EXPECT_TRUE(FunctionNamed(shape, "Reset", INVOKE_FUNC)->IsHidden());
    EXPECT_FALSE(FunctionNamed(shape, "Internal", INVOKE_FUNC)->IsBrowsable());
    CTFunction* newEnum = FunctionNamed(shape, "_NewEnum", INVOKE_PROPERTYGET);
    ASSERT_NE(nullptr, newEnum);
    EXPECT_FALSE(newEnum->IsBrowsable());
    EXPECT_TRUE(newEnum->IsHidden());
    EXPECT_TRUE(move->IsBrowsable());

    // The source interface's method is an event only when reached as the coclass's source.
    CTFunction* direct = FunctionNamed(ClassNamed(lib, "ShapeEvents"), "Moved", INVOKE_FUNC);
    CTFunction* throughCoclass =
        FunctionNamed(ClassNamed(lib, "Shape")->GetImplType(1), "Moved", INVOKE_FUNC);
    ASSERT_TRUE(direct && throughCoclass);
    EXPECT_EQ(TLIB_KIND_METHOD, direct->GetKind());
    EXPECT_EQ(TLIB_KIND_EVENT, throughCoclass->GetKind());
    EXPECT_EQ(throughCoclass->GetClass(), ClassNamed(lib, "Shape")->GetImplType(1));
}

TEST_F(ModelTest, ConstantsAsNumbersAndTexts)
{
    CTLib& lib = Fixture();
    CTClass* colour = ClassNamed(lib, "Colour");
    const std::pair<const char*, long> values[] = {
        {"colRed", 0}, {"colGreen", 15}, {"colBlue", 255}, {"colNone", -2}};
    for (const auto& [name, expected] : values)
    {
        CTVariable* constant = VariableNamed(colour, name);
        ASSERT_NE(nullptr, constant) << name;
        EXPECT_EQ(VAR_CONST, constant->GetVarKind());
        EXPECT_EQ(TLIB_KIND_VARIABLE, constant->GetKind());
        long value = 0;
        EXPECT_TRUE(constant->GetConstValue(value));
        EXPECT_EQ(expected, value);
        CString text;
        EXPECT_TRUE(constant->GetConstValue(text));
        EXPECT_EQ(std::to_string(expected), text.str());
    }
    // A dispatch property is no constant.
    CTVariable* count = VariableNamed(ClassNamed(lib, "_Visible"), "Count");
    ASSERT_NE(nullptr, count);
    EXPECT_EQ(VAR_DISPATCH, count->GetVarKind());
    long value = 99;
    CString text = "inchangé";
    EXPECT_FALSE(count->GetConstValue(value));
    EXPECT_FALSE(count->GetConstValue(text));
    EXPECT_EQ(99, value);
    EXPECT_EQ("GetVariableDeclaration", count->GetDeclaration(0));
}

TEST_F(ModelTest, ParameterNamesTypesAndDefaults)
{
    CTClass* shape = ClassNamed(Fixture(), "IShape");
    CTFunction* move = FunctionNamed(shape, "Move", INVOKE_FUNC);
    ASSERT_EQ(2, move->GetParamCount());
    CTParameter* dx = move->GetParam(0);
    CTParameter* dy = move->GetParam(1);
    EXPECT_EQ("dx", dx->GetName());
    EXPECT_EQ("dy", dy->GetName());
    EXPECT_TRUE(dx->IsUserDefined()); // Length, an alias
    EXPECT_FALSE(dx->IsOptional());
    EXPECT_FALSE(dx->HasDefaultValue());
    EXPECT_EQ("", dx->GetDefaultValueText());
    EXPECT_EQ(ClassNamed(Fixture(), "Length"), dx->GetUserDefinedClass());
    EXPECT_TRUE(dy->IsOptional());
    EXPECT_TRUE(dy->HasDefaultValue());
    EXPECT_EQ("0", dy->GetDefaultValueText());
    EXPECT_EQ("vt3", dy->GetTypeName(0));
    EXPECT_EQ(nullptr, dy->GetUserDefinedClass());

    // A setter's value has no name.
    CTFunction* namePut = FunctionNamed(shape, "Name", INVOKE_PROPERTYPUT);
    ASSERT_EQ(1, namePut->GetParamCount());
    EXPECT_EQ("", namePut->GetParam(0)->GetName());

    // A Boolean default reads as the user's language's word; an optional without default has none.
    CTFunction* show = FunctionNamed(shape, "Show", INVOKE_FUNC);
    ASSERT_EQ(2, show->GetParamCount());
    Bstr word;
    ASSERT_EQ(S_OK, VarBstrFromBool(VARIANT_TRUE, LOCALE_USER_DEFAULT, VAR_LOCALBOOL, &word));
    EXPECT_EQ(word.ToString(), show->GetParam(0)->GetDefaultValueText());
    EXPECT_NE("-1", show->GetParam(0)->GetDefaultValueText());
    EXPECT_TRUE(show->GetParam(1)->IsOptional());
    EXPECT_FALSE(show->GetParam(1)->HasDefaultValue());
    EXPECT_EQ(nullptr, show->GetParam(2));
}
