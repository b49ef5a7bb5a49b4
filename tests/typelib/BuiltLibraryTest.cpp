// A library built at test time with ICreateTypeLib2, for what widl cannot write: module constants
// and default values of an enumeration type.
#include "tests/support/Checked.h"
#include "tests/support/ModelTestSupport.h"
#include "module/ComHolders.h"

#include <string>

namespace
{
// The platform of this build, which the library is built for and registered under.
const SYSKIND kSysKind = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;

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
    ASSERT_EQ(S_OK, info->AddVarDesc(index, &desc));
    ASSERT_EQ(S_OK, info->SetVarName(index, const_cast<LPOLESTR>(name)));
}

// The type information behind a type being built.
ComPtr<ITypeInfo> InfoOf(ICreateTypeInfo* type)
{
    ComPtr<ITypeInfo> info;
    OBR_CHECKED(type->QueryInterface(IID_ITypeInfo, reinterpret_cast<void**>(&info)));
    return info;
}

// Mode (enum: ModeRead 1, ModeWrite 2), Constants (module: Answer 42, Below -3, Greeting "Salut"),
// IStore with Open(mode = 2) and Close(mode = 7), Dispatcher (an alias of stdole's IDispatch) and
// Remote (a coclass implementing IStore and IElsewhere of another library, whose file is deleted so
// that the reference cannot be resolved).
std::string BuildLibrary()
{
    const std::string path = obrtest::TemporaryPath("obr-built.tlb");
    ComPtr<ICreateTypeLib2> library, other;
    if (FAILED(::CreateTypeLib2(kSysKind, obrtest::Widen(path).c_str(), &library)) ||
        FAILED(::CreateTypeLib2(kSysKind, obrtest::Widen(path + ".other.tlb").c_str(), &other)))
        return {};
    OBR_CHECKED(library->SetGuid(kBuiltGuid));
    OBR_CHECKED(library->SetName(const_cast<LPOLESTR>(L"BuiltLibrary")));
    OBR_CHECKED(library->SetVersion(1, 0));
    OBR_CHECKED(library->SetLcid(0));
    OBR_CHECKED(other->SetGuid(kOtherGuid));
    OBR_CHECKED(other->SetName(const_cast<LPOLESTR>(L"OtherLibrary")));
    OBR_CHECKED(other->SetVersion(1, 0));
    auto create = [](ICreateTypeLib2* in, const wchar_t* name, TYPEKIND kind)
    {
        ComPtr<ICreateTypeInfo> type;
        OBR_CHECKED(in->CreateTypeInfo(const_cast<LPOLESTR>(name), kind, &type));
        return type;
    };
    auto reference = [](ICreateTypeInfo* from, ITypeInfo* to)
    {
        HREFTYPE handle = 0;
        OBR_CHECKED(from->AddRefTypeInfo(to, &handle));
        return handle;
    };

    const ComPtr<ICreateTypeInfo> mode = create(library.Get(), L"Mode", TKIND_ENUM);
    AddConstant(mode.Get(), 0, L"ModeRead", LongValue(1), VT_I4);
    AddConstant(mode.Get(), 1, L"ModeWrite", LongValue(2), VT_I4);
    const ComPtr<ICreateTypeInfo> constants = create(library.Get(), L"Constants", TKIND_MODULE);
    AddConstant(constants.Get(), 0, L"Answer", LongValue(42), VT_I4);
    AddConstant(constants.Get(), 1, L"Below", LongValue(-3), VT_I4);
    Variant greeting;
    (&greeting)->vt = VT_BSTR;
    (&greeting)->bstrVal = ::SysAllocString(L"Salut");
    AddConstant(constants.Get(), 2, L"Greeting", greeting.Get(), VT_BSTR);

    const ComPtr<ICreateTypeInfo> store = create(library.Get(), L"IStore", TKIND_INTERFACE);
    const HREFTYPE modeRef = reference(store.Get(), InfoOf(mode.Get()).Get());
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
    // An alias of a type of another library.
    ComPtr<ITypeLib> stdole;
    ComPtr<ITypeInfo> dispatchInfo;
    if (SUCCEEDED(::LoadRegTypeLib({0x00020430, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}}, 2, 0, 0, &stdole)) &&
        SUCCEEDED(stdole->GetTypeInfoOfGuid(IID_IDispatch, &dispatchInfo)))
    {
        const ComPtr<ICreateTypeInfo> dispatcher = create(library.Get(), L"Dispatcher", TKIND_ALIAS);
        TYPEDESC alias = {};
        alias.vt = VT_USERDEFINED;
        alias.hreftype = reference(dispatcher.Get(), dispatchInfo.Get());
        OBR_CHECKED(dispatcher->SetTypeDescAlias(&alias));
    }
    // A coclass whose second interface lives in the library that will be gone.
    const ComPtr<ICreateTypeInfo> elsewhere = create(other.Get(), L"IElsewhere", TKIND_INTERFACE);
    const ComPtr<ICreateTypeInfo> remote = create(library.Get(), L"Remote", TKIND_COCLASS);
    OBR_CHECKED(remote->AddImplType(0, reference(remote.Get(), InfoOf(store.Get()).Get())));
    OBR_CHECKED(remote->SetImplTypeFlags(0, IMPLTYPEFLAG_FDEFAULT));
    OBR_CHECKED(remote->AddImplType(1, reference(remote.Get(), InfoOf(elsewhere.Get()).Get())));
    OBR_CHECKED(other->SaveAllChanges());
    ::DeleteFileA((path + ".other.tlb").c_str());
    return OBR_CHECKED(library->SaveAllChanges()) ? path : std::string();
}
} // namespace

class BuiltLibraryTest : public ModelTest
{
protected:
    void SetUp() override
    {
        ModelTest::SetUp();
        m_path = BuildLibrary();
        ASSERT_FALSE(m_path.empty());
        ASSERT_EQ(S_OK, ::LoadTypeLibEx(obrtest::Widen(m_path).c_str(), REGKIND_REGISTER, &m_registered));
        m_library = std::make_unique<CTLib>(kBuiltGuid, 1, 0, 0);
    }
    void TearDown() override
    {
        m_library.reset();
        if (m_registered)
        {
            ::UnRegisterTypeLib(kBuiltGuid, 1, 0, 0, kSysKind);
            m_registered->Release();
        }
        ::DeleteFileA(m_path.c_str());
        ModelTest::TearDown();
    }

    std::string m_path;
    ITypeLib* m_registered = nullptr;
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
    EXPECT_EQ("Function Open([mode As Mode = ModeWrite]) As VT_HRESULT",
              FunctionNamed(store, "Open", INVOKE_FUNC)->GetDeclaration(0));
    EXPECT_EQ("Function Close([mode As Mode = 7]) As VT_HRESULT",
              FunctionNamed(store, "Close", INVOKE_FUNC)->GetDeclaration(0));
    EXPECT_EQ("Const Greeting = Salut",
              VariableNamed(m_library->FindClass("Constants"), "Greeting")->GetDeclaration(0));
    EXPECT_EQ("Const Answer = 42 (&H2A)",
              VariableNamed(m_library->FindClass("Constants"), "Answer")->GetDeclaration(0));
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
