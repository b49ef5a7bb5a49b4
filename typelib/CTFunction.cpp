#include "typelib/CTFunction.h"
#include "typelib/PlatformGuard.h"
#include "typelib/CTClass.h"
#include "declaration/CTDSBuilder.h"
#include "typelib/CTParameter.h"

CTFunction::CTFunction(FUNCDESC* desc, CTClass* owner, UINT index)
    : CTMember(owner, desc->memid, index), m_flags(desc->wFuncFlags), m_paramCount(desc->cParams),
      m_invokeKind(desc->invkind), m_returnType(desc->elemdescFunc.tdesc.vt)
{
    const FuncDescHolder given(m_pTypeInfo.Get(), desc);
}

CTFunction::~CTFunction() = default;

int CTFunction::GetKind()
{
    if (IsEvent())
        return TLIB_KIND_EVENT;
    return IsProperty() ? TLIB_KIND_PROPERTY : TLIB_KIND_METHOD;
}

bool CTFunction::IsHidden()
{
    if (GetFlags() & FUNCFLAG_FHIDDEN)
        return true;
    return !m_strName.IsEmpty() && m_strName[0] == '_';
}

bool CTFunction::IsBrowsable()
{
    if (GetFlags() & FUNCFLAG_FRESTRICTED)
        return false;
    return m_memid != DISPID_NEWENUM;
}

void CTFunction::Describe(int language, CRTFBuilder& rtf)
{
    if (CTDSBuilder* builder = GetBuilder(language))
        builder->DescribeFunction(this, rtf);
}

CString CTFunction::GetKindName(int language)
{
    CTDSBuilder* builder = GetBuilder(language);
    return builder ? builder->GetFunctionKindName(this) : CString();
}

CString CTFunction::GetDeclaration(int language)
{
    CTDSBuilder* builder = GetBuilder(language);
    return builder ? builder->GetFunctionDeclaration(this) : CString();
}

CTParameter* CTFunction::GetParam(int i)
{
    if (!m_bParamsLoaded)
        LoadParams();
    return i >= 0 && i < static_cast<int>(m_params.size()) ? m_params[static_cast<size_t>(i)].get() : nullptr;
}

void CTFunction::LoadParams()
{
    m_bParamsLoaded = true;
    // The parameters point into the descriptor, which is kept from now on.
    const FUNCDESC* desc = LendAgain(m_funcDesc);
    if (!desc)
        return;
    // Never more than the descriptor read again holds.
    const int count = desc->cParams < GetParamCount() ? desc->cParams : GetParamCount();
    m_params.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        m_params.push_back(std::make_unique<CTParameter>(desc->lprgelemdescParam[i], this, i + 1));
}

CString CTFunction::GetNameAt(int i)
{
    if (!m_bNamesLoaded)
        LoadNames();
    return i >= 0 && i < static_cast<int>(m_names.size()) ? m_names[static_cast<size_t>(i)] : CString();
}

void CTFunction::LoadNames()
{
    m_bNamesLoaded = true;
    const UINT wanted = static_cast<UINT>(GetParamCount()) + 1;
    std::vector<BSTR> names(wanted, nullptr);
    UINT count = 0;
    if (FAILED(obr::Guarded([&] { return m_pTypeInfo->GetNames(m_memid, names.data(), wanted, &count); })))
        return;
    count = count < wanted ? count : wanted;
    m_names.reserve(count);
    for (UINT i = 0; i < count; ++i)
    {
        m_names.push_back(names[i] ? CString::FromWide(names[i], static_cast<int>(::SysStringLen(names[i])))
                                   : CString());
        ::SysFreeString(names[i]);
    }
}

bool CTFunction::IsEvent()
{
    return (GetFlags() & FUNCFLAG_FSOURCE) || (m_pClass->GetImplTypeFlags() & IMPLTYPEFLAG_FSOURCE);
}

CString CTFunction::GetReturnTypeName(int language)
{
    CTDSBuilder* builder = GetBuilder(language);
    if (!builder)
        return CString();
    FUNCDESC* desc = LendAgain(m_funcDesc);
    if (!desc)
        return CString();
    // The builder takes over the reference it is given.
    return builder->GetTypeName(&desc->elemdescFunc.tdesc, GetTypeInfo());
}

bool CTFunction::IsReadOnly()
{
    return IsPropertyGet() && !m_pClass->FindFunction(m_memid, INVOKE_PROPERTYPUT | INVOKE_PROPERTYPUTREF);
}

bool CTFunction::HasSeveralAccessors()
{
    return IsProperty() && m_pClass->CountFunctions(m_memid) > 1;
}
