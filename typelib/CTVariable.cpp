#include "typelib/CTVariable.h"
#include "declaration/CTDSBuilder.h"
#include "typelib/ValueConversion.h"

CTVariable::CTVariable(VARDESC* desc, CTClass* owner)
    : CTMember(owner, desc->memid), m_varDesc(m_pTypeInfo.Get(), desc)
{
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
    return GetVarKind() == VAR_CONST && m_varDesc->lpvarValue &&
           obr::VariantToLong(*m_varDesc->lpvarValue, value);
}

bool CTVariable::GetConstValue(CString& text) const
{
    return GetVarKind() == VAR_CONST && m_varDesc->lpvarValue &&
           obr::VariantToText(*m_varDesc->lpvarValue, text);
}
