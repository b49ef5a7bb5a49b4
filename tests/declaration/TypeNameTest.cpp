// Basic names of Automation types, and the escaped description.
#include "declaration/CTDSVBBuilder.h"
#include "tests/support/ModelTestSupport.h"

namespace
{
CString NameOf(VARTYPE vt)
{
    TYPEDESC type = {};
    type.vt = vt;
    return CTDSVBBuilder().GetTypeName(&type, nullptr);
}
} // namespace

TEST(BasicTypeNames, SimpleTypesByTheWholeVartype)
{
    const std::pair<VARTYPE, const char*> names[] = {
        {VT_EMPTY, "VT_EMPTY"},
        {VT_I2, "Integer"},
        {VT_I4, "Long"},
        {VT_R4, "Single"},
        {VT_R8, "Double"},
        {VT_CY, "Currency"},
        {VT_DATE, "Date"},
        {VT_BSTR, "String"},
        {VT_DISPATCH, "Object"},
        {VT_ERROR, "VT_ERROR"},
        {VT_BOOL, "Boolean"},
        {VT_VARIANT, "Variant"},
        {VT_UNKNOWN, "Object"},
        {VT_DECIMAL, "Object"},
        {VT_I1, "Byte"},
        {VT_UI1, "Byte"},
        {VT_UI2, "Integer"},
        {VT_UI4, "Long"},
        {VT_INT, "Long"},
        {VT_UINT, "Long"},
        {VT_VOID, ""},
        {VT_HRESULT, "VT_HRESULT"},
        {VT_CARRAY, "Array"},
        {VT_LPSTR, "String"},
        {VT_RECORD, "Object"},
        {VT_CLSID, "VT_CLSID"},
        {VT_ARRAY, "Array"},
        {VT_VECTOR, "Array"},
        {VT_RESERVED, "VT_RESERVED"},
        {VT_I8, "unknown type"},
        {VT_UI8, "unknown type"},
        {15, "unknown type"},
        {VT_ARRAY | VT_I4, "unknown type"},
        {VT_BYREF | VT_BSTR, "unknown type"},
        {0x1001, "unknown type"},
    };
    for (const auto& [vt, name] : names)
        EXPECT_EQ(name, NameOf(vt)) << "vt " << vt;
}

TEST(BasicTypeNames, PointersAndSafeArrays)
{
    TYPEDESC bstr = {};
    bstr.vt = VT_BSTR;
    TYPEDESC inner = {};
    inner.vt = VT_PTR;
    inner.lptdesc = &bstr;
    TYPEDESC outer = {};
    outer.vt = VT_PTR;
    outer.lptdesc = &inner;
    CTDSVBBuilder builder;
    EXPECT_EQ("String", builder.GetTypeName(&outer, nullptr));
    TYPEDESC variant = {};
    variant.vt = VT_VARIANT;
    TYPEDESC array = {};
    array.vt = VT_SAFEARRAY;
    array.lptdesc = &variant;
    EXPECT_EQ("Variant()", builder.GetTypeName(&array, nullptr));
}

TEST_F(ModelTest, UserTypesAreNamedThroughTheirContextWhichIsReleased)
{
    CTClass* shade = ClassNamed(Fixture(), "Shade");
    ITypeInfo* context = shade->GetTypeInfo();
    context->AddRef();
    const ULONG before = context->Release();

    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(S_OK, context->GetTypeAttr(&attributes));
    TYPEDESC user = attributes->tdescAlias; // VT_USERDEFINED: Colour
    TYPEDESC array = {};
    array.vt = VT_SAFEARRAY;
    TYPEDESC pointer = {};
    pointer.vt = VT_PTR;
    pointer.lptdesc = &user;
    array.lptdesc = &pointer;
    CTDSVBBuilder builder;
    context->AddRef();
    EXPECT_EQ("Colour", builder.GetTypeName(&user, context));
    context->AddRef();
    EXPECT_EQ("Colour()", builder.GetTypeName(&array, context));
    TYPEDESC nowhere = {};
    nowhere.vt = VT_USERDEFINED;
    nowhere.hreftype = 0x7777777;
    context->AddRef();
    EXPECT_EQ("unknown type", builder.GetTypeName(&nowhere, context));
    context->ReleaseTypeAttr(attributes);
    // Each call released the reference it was given: the count is where it was.
    context->AddRef();
    EXPECT_EQ(before, context->Release());
    context->Release();
}

TEST(EscapedDescription, EveryByteAsLowerCaseHex)
{
    EXPECT_EQ("\\'61\\'3b\\'62", obr::EscapedDescription("a;b"));
    EXPECT_EQ("\\'41\\'0a\\'e9", obr::EscapedDescription("A\né"));
    EXPECT_EQ("", obr::EscapedDescription(""));
}
