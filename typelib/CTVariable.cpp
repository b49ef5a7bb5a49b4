#include "typelib/CTVariable.h"
#include "declaration/CTDSBuilder.h"
#include "typelib/PlatformGuard.h"
#include "typelib/ValueConversion.h"

CTVariable::CTVariable(VARDESC* desc, CTClass* owner, UINT index)
    : CTMember(owner, desc->memid), m_index(index), m_flags(desc->wVarFlags), m_varKind(desc->varkind)
{
    const VarDescHolder given(m_pTypeInfo.Get(), desc);
}

VARDESC* CTVariable::Descriptor() const
{
    if (!m_varDesc && m_pTypeInfo)
    {
        VARDESC* desc = nullptr;
        HRESULT hr = E_FAIL;
        ITypeInfo* info = m_pTypeInfo.Get();
        if (obr::GuardedCall([&] { hr = info->GetVarDesc(m_index, &desc); }) && SUCCEEDED(hr) && desc)
        {
            if (desc->memid == m_memid)
                m_varDesc.Attach(info, desc);
            else
                VarDescHolder(info, desc).Reset();
        }
    }
    return m_varDesc.Get();
}

CTVariable::~CTVariable() = default;

bool CTVariable::IsHidden()
{
    if (GetFlags() & VARFLAG_FHIDDEN)
        return true;
    return !m_strName.IsEmpty() && m_strName[0] == '_';
}

bool CTVariable::IsBrowsable()
{
    return !(GetFlags() & VARFLAG_FRESTRICTED);
}

void CTVariable::Describe(int language, CRTFBuilder& rtf)
{
    if (CTDSBuilder* builder = GetBuilder(language))
        builder->DescribeVariable(this, rtf);
}

CString CTVariable::GetKindName(int language)
{
    CTDSBuilder* builder = GetBuilder(language);
    return builder ? builder->GetVariableKindName(this) : CString();
}

CString CTVariable::GetDeclaration(int language)
{
    CTDSBuilder* builder = GetBuilder(language);
    return builder ? builder->GetVariableDeclaration(this) : CString();
}

bool CTVariable::GetConstValue(long& value) const
{
    const VARDESC* desc = GetVarKind() == VAR_CONST ? Descriptor() : nullptr;
    return desc && desc->lpvarValue && obr::VariantToLong(*desc->lpvarValue, value);
}

bool CTVariable::GetConstValue(CString& text) const
{
    const VARDESC* desc = GetVarKind() == VAR_CONST ? Descriptor() : nullptr;
    return desc && desc->lpvarValue && obr::VariantToText(*desc->lpvarValue, text);
}
