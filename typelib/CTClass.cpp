#include "typelib/CTClass.h"
#include "declaration/CTDSBuilder.h"
#include "typelib/CTFunction.h"
#include "typelib/CTLib.h"
#include "typelib/CTVariable.h"
#include "typelib/PlatformGuard.h"
#include "module/TypeWalk.h"

namespace
{
long g_membersLeftOut = 0;
} // namespace

CTClass::CTClass(ITypeInfo* info, CTLib* lib, int implTypeFlags, const CTClass* implementer)
    : m_pLib(lib), m_pImplementer(implementer), m_implTypeFlags(implTypeFlags)
{
    m_pTypeInfo.Copy(info);
    TYPEATTR* attributes = nullptr;
    if (!info || FAILED(obr::Guarded([&] { return info->GetTypeAttr(&attributes); })) || !attributes)
        return;
    m_typeAttr.Attach(info, attributes);
    Bstr name;
    if (SUCCEEDED(obr::Guarded(
            [&] { return info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr); })))
        m_strName = name.ToString();
    m_bRepeated = RepeatsAnImplementer();
}

bool CTClass::RepeatsAnImplementer() const
{
    TypeWalk<Identity> path;
    int depth = 0;
    for (const CTClass* type = this; type; type = type->m_pImplementer)
        if (!path.Enter(type->GetIdentity(), depth++))
            return true;
    return false;
}

CTClass::Identity CTClass::GetIdentity() const
{
    const GUID guid = GetGuid();
    return {std::string(reinterpret_cast<const char*>(&guid), sizeof guid), m_strName.str()};
}

CTClass::~CTClass() = default;

int CTClass::GetImplTypeCount()
{
    LoadImplTypes();
    return static_cast<int>(m_implTypes.size());
}

CTClass* CTClass::GetImplType(int i)
{
    LoadImplTypes();
    return m_implTypes[static_cast<size_t>(i)].get();
}

void CTClass::LoadImplTypes()
{
    if (m_bImplTypesLoaded || !m_typeAttr || m_bRepeated)
        return;
    m_bImplTypesLoaded = true;
    // A damaged library can claim thousands of implemented types; no sound type has more than a few.
    const int count = m_typeAttr->cImplTypes < kMostImplTypes ? m_typeAttr->cImplTypes : kMostImplTypes;
    m_implTypes.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
    {
        // A base the platform cannot resolve (another library missing, say) is left out.
        HREFTYPE href = 0;
        ComPtr<ITypeInfo> ref;
        INT flags = 0;
        ITypeInfo* info = m_pTypeInfo.Get();
        if (FAILED(obr::Guarded([&] { return info->GetRefTypeOfImplType(static_cast<UINT>(i), &href); })) ||
            FAILED(obr::Guarded([&] { return info->GetRefTypeInfo(href, &ref); })) || !ref ||
            FAILED(obr::Guarded([&] { return info->GetImplTypeFlags(static_cast<UINT>(i), &flags); })))
            continue;
        // A type that repeats one it was reached through is left out: the walk ends there.
        std::unique_ptr<CTClass> type(new CTClass(ref.Get(), m_pLib, flags, this));
        if (type->IsValid() && !type->m_bRepeated)
            m_implTypes.push_back(std::move(type));
    }
}

void CTClass::LoadMembers()
{
    m_bMembersLoaded = true;
    ITypeInfo* info = m_pTypeInfo.Get();
    m_functions.reserve(m_typeAttr->cFuncs);
    for (UINT i = 0; i < m_typeAttr->cFuncs; ++i)
    {
        FUNCDESC* desc = nullptr;
        HRESULT hr = E_FAIL;
        if (obr::GuardedCall([&] { hr = info->GetFuncDesc(i, &desc); }) && SUCCEEDED(hr) && desc)
            m_functions.push_back(std::make_unique<CTFunction>(desc, this, i));
        else
            ++g_membersLeftOut;
    }
    m_variables.reserve(m_typeAttr->cVars);
    for (UINT i = 0; i < m_typeAttr->cVars; ++i)
    {
        VARDESC* desc = nullptr;
        HRESULT hr = E_FAIL;
        if (obr::GuardedCall([&] { hr = info->GetVarDesc(i, &desc); }) && SUCCEEDED(hr) && desc)
            m_variables.push_back(std::make_unique<CTVariable>(desc, this, i));
        else
            ++g_membersLeftOut;
    }
}

long CTClass::MembersLeftOut()
{
    return g_membersLeftOut;
}

int CTClass::GetKind()
{
    switch (GetTypeKind())
    {
    case TKIND_ENUM:
        return TLIB_KIND_ENUM;
    case TKIND_RECORD:
        return TLIB_KIND_RECORD;
    case TKIND_MODULE:
        return TLIB_KIND_MODULE;
    case TKIND_UNION:
        return TLIB_KIND_UNION;
    default:
        return TLIB_KIND_CLASS;
    }
}

CString CTClass::GetDescription()
{
    ComPtr<ITypeLib> lib;
    UINT index = 0;
    Bstr doc;
    if (FAILED(obr::Guarded([&] { return m_pTypeInfo->GetContainingTypeLib(&lib, &index); })) || !lib ||
        FAILED(obr::Guarded(
            [&] { return lib->GetDocumentation(static_cast<INT>(index), nullptr, &doc, nullptr, nullptr); })))
        return CString();
    return doc.ToString();
}

CString CTClass::GetName()
{
    return m_strDisplayName.IsEmpty() ? m_strName : m_strDisplayName;
}

bool CTClass::IsHidden()
{
    if (GetTypeFlags() & TYPEFLAG_FHIDDEN)
        return true;
    CString name = GetName();
    return !name.IsEmpty() && name[0] == '_';
}

bool CTClass::IsBrowsable()
{
    if (GetTypeFlags() & TYPEFLAG_FRESTRICTED)
        return false;
    return !IsEqualGUID(GetGuid(), IID_IUnknown);
}

bool CTClass::GetHelpInfo(DWORD* helpContext, CString& helpFile)
{
    Bstr file;
    if (FAILED(obr::Guarded(
            [&]
            { return m_pTypeInfo->GetDocumentation(MEMBERID_NIL, nullptr, nullptr, helpContext, &file); })))
        return false;
    helpFile = file.ToString();
    return true;
}

void CTClass::Describe(int language, CRTFBuilder& rtf)
{
    if (CTDSBuilder* builder = GetBuilder(language))
        builder->DescribeClass(this, rtf);
}

CString CTClass::GetKindName(int language)
{
    CTDSBuilder* builder = GetBuilder(language);
    return builder ? builder->GetClassKindName(this) : CString();
}

ITypeInfo* CTClass::GetTypeInfo()
{
    ITypeInfo* info = m_pTypeInfo.Get();
    if (info)
        info->AddRef();
    return info;
}

WORD CTClass::GetTypeFlags()
{
    return m_typeAttr->wTypeFlags;
}

int CTClass::GetFunctionCount()
{
    if (!m_bMembersLoaded)
        LoadMembers();
    return static_cast<int>(m_functions.size());
}

int CTClass::GetVariableCount()
{
    if (!m_bMembersLoaded)
        LoadMembers();
    return static_cast<int>(m_variables.size());
}

CTFunction* CTClass::GetFunction(int i)
{
    if (!m_bMembersLoaded)
        LoadMembers();
    return i >= 0 && i < static_cast<int>(m_functions.size()) ? m_functions[static_cast<size_t>(i)].get()
                                                              : nullptr;
}

CTVariable* CTClass::GetVariable(int i)
{
    if (!m_bMembersLoaded)
        LoadMembers();
    return i >= 0 && i < static_cast<int>(m_variables.size()) ? m_variables[static_cast<size_t>(i)].get()
                                                              : nullptr;
}

CTFunction* CTClass::FindFunction(MEMBERID id, int invokeKindMask)
{
    for (int i = 0, count = GetFunctionCount(); i < count; ++i)
    {
        CTFunction* function = GetFunction(i);
        if (function->GetMemberId() == id && (function->GetInvokeKind() & invokeKindMask))
            return function;
    }
    return nullptr;
}

int CTClass::CountFunctions(MEMBERID id)
{
    int found = 0;
    for (int i = 0, count = GetFunctionCount(); i < count; ++i)
        if (GetFunction(i)->GetMemberId() == id)
            ++found;
    return found;
}

bool CTClass::FindConstantName(long value, CString& name)
{
    for (int i = 0, count = GetVariableCount(); i < count; ++i)
    {
        CTVariable* variable = GetVariable(i);
        long constant = 0;
        if (variable->GetConstValue(constant) && constant == value)
        {
            name = variable->GetName();
            return true;
        }
    }
    return false;
}

CString CTClass::GetAliasTypeName(int language)
{
    CTDSBuilder* builder = GetBuilder(language);
    if (!IsAlias() || !builder)
        return CString();
    // The builder takes over the reference it is given.
    return builder->GetTypeName(&m_typeAttr->tdescAlias, GetTypeInfo());
}

CTClass* CTClass::GetAliasTarget()
{
    if (!IsAlias() || m_typeAttr->tdescAlias.vt != VT_USERDEFINED)
        return nullptr;
    ComPtr<ITypeInfo> ref;
    ComPtr<ITypeLib> refLib;
    UINT index = 0;
    if (FAILED(obr::Guarded(
            [&] { return m_pTypeInfo->GetRefTypeInfo(m_typeAttr->tdescAlias.hreftype, &ref); })) ||
        !ref || FAILED(obr::Guarded([&] { return ref->GetContainingTypeLib(&refLib, &index); })) || !refLib)
        return nullptr;
    ComPtr<ITypeLib> ownLib;
    ownLib.Attach(m_pLib->GetTypeLib());
    if (refLib.Get() != ownLib.Get())
        return nullptr;
    // The library's classes follow its type order, less any it could not read: find the one at
    // the target's index.
    for (int i = 0, count = m_pLib->GetClassCount(); i < count; ++i)
    {
        CTClass* type = m_pLib->GetClass(i);
        ComPtr<ITypeLib> candidateLib;
        UINT candidateIndex = 0;
        if (SUCCEEDED(type->m_pTypeInfo->GetContainingTypeLib(&candidateLib, &candidateIndex)) &&
            candidateIndex == index)
            return type;
    }
    return nullptr;
}

CString CTClass::SetDisplayName(const CString& name)
{
    CString previous = m_strDisplayName;
    m_strDisplayName = name;
    return previous;
}
