#include "typelib/CTParameter.h"
#include "typelib/PlatformGuard.h"
#include "module/ComHolders.h"
#include "typelib/CTClass.h"
#include "declaration/CTDSBuilder.h"
#include "typelib/CTFunction.h"
#include "typelib/CTLib.h"
#include "typelib/ValueConversion.h"

#include <vector>

CTParameter::CTParameter(const ELEMDESC& elemDesc, CTFunction* function, int index)
    : m_elemDesc(elemDesc), m_pFunction(function), m_nIndex(index)
{
}

CTParameter::~CTParameter() = default;

CString CTParameter::GetName()
{
    return m_pFunction->GetNameAt(m_nIndex);
}

CString CTParameter::GetTypeName(int language)
{
    CTDSBuilder* builder = GetBuilder(language);
    if (!builder)
        return CString();
    // The builder takes over the reference it is given.
    return builder->GetTypeName(&m_elemDesc.tdesc, m_pFunction->GetTypeInfo());
}

const VARIANT* CTParameter::DefaultValue() const
{
    if (!HasDefaultValue() || !m_elemDesc.paramdesc.pparamdescex)
        return nullptr;
    return &m_elemDesc.paramdesc.pparamdescex->varDefaultValue;
}

bool CTParameter::GetDefaultValue(long& value) const
{
    const VARIANT* defaultValue = DefaultValue();
    return defaultValue && obr::VariantToLong(*defaultValue, value);
}

bool CTParameter::GetDefaultValue(CString& text) const
{
    const VARIANT* defaultValue = DefaultValue();
    return defaultValue && obr::VariantToText(*defaultValue, text);
}

CTClass* CTParameter::GetUserDefinedClass()
{
    if (!IsUserDefined())
        return nullptr;
    ComPtr<ITypeInfo> info;
    info.Attach(m_pFunction->GetTypeInfo());
    ComPtr<ITypeInfo> ref;
    Bstr name;
    if (!info ||
        FAILED(obr::Guarded([&] { return info->GetRefTypeInfo(m_elemDesc.tdesc.hreftype, &ref); })) || !ref ||
        FAILED(obr::Guarded(
            [&] { return ref->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr); })))
        return nullptr;
    return m_pFunction->GetClass()->GetLib()->FindClass(name.ToString());
}

CString CTParameter::GetDefaultValueText()
{
    if (!HasDefaultValue())
        return CString();
    if (!m_pDefaultText)
    {
        m_pDefaultText = std::make_unique<CString>();
        long value = 0;
        // The name of the enumeration's constant of that value, when it has one.
        if (IsUserDefined() && GetDefaultValue(value))
            if (CTClass* type = GetUserDefinedClass();
                type && !type->FindConstantName(value, *m_pDefaultText))
                m_pDefaultText->Empty();
        // A text default is written as Basic writes a string, so that a copied declaration compiles.
        if (m_pDefaultText->IsEmpty() && GetDefaultValue(*m_pDefaultText) && DefaultValue()->vt == VT_BSTR)
            *m_pDefaultText = obr::BasicStringLiteral(*m_pDefaultText);
    }
    return *m_pDefaultText;
}
