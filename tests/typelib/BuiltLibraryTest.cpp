// A library built at test time, for what widl cannot write: module constants, default values of an
// enumeration type, and types of other libraries aliased or implemented.
#include "tests/support/BuiltTypeLib.h"
#include "tests/support/Checked.h"
#include "tests/support/ModelTestSupport.h"

#include <memory>
#include <string>

namespace
{
using obrtest::BuiltTypeLib;

const GUID kBuiltGuid = {0x0fcc0bd5, 0xf7c6, 0x40f9, {0xbc, 0xbe, 0x02, 0x1b, 0x35, 0x92, 0x11, 0x22}};
const GUID kOtherGuid = {0x0fcc0bd5, 0xf7c6, 0x40f9, {0xbc, 0xbe, 0x02, 0x1b, 0x35, 0x92, 0x33, 0x44}};

VARIANT LongValue(long value)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

void AddConstant(ICreateTypeInfo* info, UINT index, const wchar_t* name, VARIANT value, VARTYPE type)
{
    VARDESC desc = {};
    desc.memid = static_cast<MEMBERID>(0x400 + index);
    desc.varkind = VAR_CONST;
    desc.lpvarValue = &value;
    desc.elemdescVar.tdesc.vt = type;
    OBR_CHECKED(info->AddVarDesc(index, &desc));
    OBR_CHECKED(info->SetVarName(index, const_cast<LPOLESTR>(name)));
}

// Mode (enum: ModeRead 1, ModeWrite 2), Constants (module: Answer 42, Below -3, Greeting "Salut"),
// IStore with Open(mode = 2) and Close(mode = 7), Dispatcher (an alias of stdole's IDispatch) and
// Remote (a coclass implementing IStore and IElsewhere of another library, whose file is deleted so
// that the reference cannot be resolved).
std::unique_ptr<BuiltTypeLib> BuildLibrary()
{
    auto library = std::make_unique<BuiltTypeLib>("obr-built.tlb", kBuiltGuid, L"BuiltLibrary");
    BuiltTypeLib other("obr-built-other.tlb", kOtherGuid, L"OtherLibrary");
    const ComPtr<ICreateTypeInfo> mode = library->AddType(L"Mode", TKIND_ENUM);
    const ComPtr<ICreateTypeInfo> constants = library->AddType(L"Constants", TKIND_MODULE);
    const ComPtr<ICreateTypeInfo> store = library->AddType(L"IStore", TKIND_INTERFACE);
    const ComPtr<ICreateTypeInfo> dispatcher = library->AddType(L"Dispatcher", TKIND_ALIAS);
    const ComPtr<ICreateTypeInfo> remote = library->AddType(L"Remote", TKIND_COCLASS);
    const ComPtr<ICreateTypeInfo> elsewhere = other.AddType(L"IElsewhere", TKIND_INTERFACE);
    if (!mode || !constants || !store || !dispatcher || !remote || !elsewhere)
        return library; // not registered: the failure is told
    AddConstant(mode.Get(), 0, L"ModeRead", LongValue(1), VT_I4);
    AddConstant(mode.Get(), 1, L"ModeWrite", LongValue(2), VT_I4);
    AddConstant(constants.Get(), 0, L"Answer", LongValue(42), VT_I4);
    AddConstant(constants.Get(), 1, L"Below", LongValue(-3), VT_I4);
    Variant greeting;
    (&greeting)->vt = VT_BSTR;
    (&greeting)->bstrVal = ::SysAllocString(L"Salut");
    AddConstant(constants.Get(), 2, L"Greeting", greeting.Get(), VT_BSTR);

    const HREFTYPE modeRef = library->Reference(store.Get(), library->InfoOf(mode.Get()).Get());
    const wchar_t* functionNames[2][2] = {{L"Open", L"mode"}, {L"Close", L"mode"}};
    const long defaults[2] = {2, 7};
    for (UINT i = 0; i < 2; ++i)
    {
        PARAMDESCEX defaultValue = {sizeof(PARAMDESCEX), LongValue(defaults[i])};
        ELEMDESC parameter = {};
        parameter.tdesc.vt = VT_USERDEFINED;
        parameter.tdesc.hreftype = modeRef;
        parameter.paramdesc.wParamFlags = PARAMFLAG_FIN | PARAMFLAG_FOPT | PARAMFLAG_FHASDEFAULT;
        parameter.paramdesc.pparamdescex = &defaultValue;
        FUNCDESC function = {};
        function.memid = static_cast<MEMBERID>(0x60020000 + i);
        function.funckind = FUNC_PUREVIRTUAL;
        function.invkind = INVOKE_FUNC;
        function.callconv = CC_STDCALL;
        function.cParams = 1;
        function.lprgelemdescParam = &parameter;
        function.elemdescFunc.tdesc.vt = VT_HRESULT;
        OBR_CHECKED(store->AddFuncDesc(i, &function));
        OBR_CHECKED(store->SetFuncAndParamNames(i, const_cast<LPOLESTR*>(functionNames[i]), 2));
    }
    ComPtr<ITypeLib> stdole;
    ComPtr<ITypeInfo> dispatchInfo;
    if (SUCCEEDED(::LoadRegTypeLib(kStdoleLibraryGuid, 2, 0, 0, &stdole)) &&
        SUCCEEDED(stdole->GetTypeInfoOfGuid(IID_IDispatch, &dispatchInfo)))
    {
        TYPEDESC alias = {};
        alias.vt = VT_USERDEFINED;
        alias.hreftype = library->Reference(dispatcher.Get(), dispatchInfo.Get());
        OBR_CHECKED(dispatcher->SetTypeDescAlias(&alias));
    }
    library->Implement(remote.Get(), store.Get(), IMPLTYPEFLAG_FDEFAULT, 0);
    library->Implement(remote.Get(), elsewhere.Get(), 0, 1);
    other.Save();
    ::DeleteFileA(other.Path().c_str());
    library->Register();
    return library;
}
} // namespace

class BuiltLibraryTest : public ModelTest
{
protected:
    void SetUp() override
    {
        ModelTest::SetUp();
        m_built = BuildLibrary();
        ASSERT_TRUE(m_built->IsRegistered());
        m_library = std::make_unique<CTLib>(kBuiltGuid, 1, 0, 0);
    }
    void TearDown() override
    {
        m_library.reset();
        m_built.reset();
        ModelTest::TearDown();
    }

    std::unique_ptr<BuiltTypeLib> m_built;
    std::unique_ptr<CTLib> m_library;
};

TEST_F(BuiltLibraryTest, ModuleConstantsOfSeveralKindsAndEnumerationDefaults)
{
    ASSERT_TRUE(m_library->IsLoaded());
    CTClass* constants = m_library->FindClass("Constants");
    ASSERT_NE(nullptr, constants);
    EXPECT_EQ(TLIB_KIND_MODULE, constants->GetKind());
    long value = 0;
    CString text;
    ASSERT_TRUE(VariableNamed(constants, "Answer")->GetConstValue(value));
    EXPECT_EQ(42, value);
    ASSERT_TRUE(VariableNamed(constants, "Below")->GetConstValue(text));
    EXPECT_EQ("-3", text);
    CTVariable* greeting = VariableNamed(constants, "Greeting");
    ASSERT_TRUE(greeting->GetConstValue(text));
    EXPECT_EQ("Salut", text);
    EXPECT_FALSE(greeting->GetConstValue(value));

    std::vector<CTLibItem*> globals;
    m_library->GetGlobalClasses(globals);
    EXPECT_EQ(2u, globals.size()); // the enumeration and the module

    // Enumeration defaults read as their constant.
    CTClass* store = m_library->FindClass("IStore");
    ASSERT_NE(nullptr, store);
    CTFunction* open = FunctionNamed(store, "Open", INVOKE_FUNC);
    CTFunction* close = FunctionNamed(store, "Close", INVOKE_FUNC);
    ASSERT_TRUE(open && close);
    CTParameter* openMode = open->GetParam(0);
    EXPECT_EQ("mode", openMode->GetName());
    EXPECT_EQ(m_library->FindClass("Mode"), openMode->GetUserDefinedClass());
    EXPECT_EQ("ModeWrite", openMode->GetDefaultValueText());
    // No constant has the value 7: the number itself.
    EXPECT_EQ("7", close->GetParam(0)->GetDefaultValueText());

    // The functions of a plain interface return their HRESULT.
    const ScopedBuilder basic(nullptr);
    EXPECT_EQ("Function Open([mode As Mode = ModeWrite]) As VT_HRESULT", open->GetDeclaration(0));
    EXPECT_EQ("Function Close([mode As Mode = 7]) As VT_HRESULT", close->GetDeclaration(0));
    EXPECT_EQ("Const Greeting = Salut", greeting->GetDeclaration(0));
    EXPECT_EQ("Const Answer = 42 (&H2A)", VariableNamed(constants, "Answer")->GetDeclaration(0));
}

TEST_F(BuiltLibraryTest, TypesOfOtherLibrariesAliasedOrImplemented)
{
    CTClass* dispatcher = m_library->FindClass("Dispatcher");
    ASSERT_NE(nullptr, dispatcher);
    EXPECT_TRUE(dispatcher->IsAlias());
    EXPECT_EQ(nullptr, dispatcher->GetAliasTarget());
    EXPECT_EQ("vt29", dispatcher->GetAliasTypeName(0));
    const ScopedBuilder basic(nullptr);
    EXPECT_EQ("IDispatch", dispatcher->GetAliasTypeName(0));

    // An implemented type that cannot be resolved is left out.
    CTClass* remote = m_library->FindClass("Remote");
    ASSERT_NE(nullptr, remote);
    ComPtr<ITypeInfo> info;
    info.Attach(remote->GetTypeInfo());
    TYPEATTR* lent = nullptr;
    ASSERT_EQ(S_OK, info->GetTypeAttr(&lent));
    const TypeAttrHolder attributes(info.Get(), lent);
    EXPECT_EQ(2, attributes->cImplTypes);
    ASSERT_EQ(1, remote->GetImplTypeCount());
    EXPECT_EQ("IStore", remote->GetImplType(0)->GetName());
}
