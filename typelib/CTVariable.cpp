#include "typelib/CTVariable.h"
#include "declaration/CTDSBuilder.h"
#include "typelib/ValueConversion.h"

CTVariable::CTVariable(VARDESC* desc, CTClass* owner, UINT index)
    : CTMember(owner, desc->memid, index), m_flags(desc->wVarFlags), m_varKind(desc->varkind)
{
    const VarDescHolder given(m_pTypeInfo.Get(), desc);
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
    const VARDESC* desc = GetVarKind() == VAR_CONST ? LendAgain(m_varDesc) : nullptr;
    return desc && desc->lpvarValue && obr::VariantToLong(*desc->lpvarValue, value);
}

bool CTVariable::GetConstValue(CString& text) const
{
    const VARDESC* desc = GetVarKind() == VAR_CONST ? LendAgain(m_varDesc) : nullptr;
    return desc && desc->lpvarValue && obr::VariantToText(*desc->lpvarValue, text);
}
