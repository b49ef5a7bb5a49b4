#include "typelib/ValueConversion.h"
#include "module/ComHolders.h"

namespace obr
{
bool VariantToLong(const VARIANT& value, long& result)
{
    Variant converted;
    if (FAILED(::VariantChangeType(&converted, const_cast<VARIANT*>(&value), 0, VT_I4)))
        return false;
    result = converted.Get().lVal;
    return true;
}

bool VariantToText(const VARIANT& value, CString& result)
{
    Variant converted;
    if (FAILED(::VariantChangeType(&converted, const_cast<VARIANT*>(&value),
                                   VARIANT_ALPHABOOL | VARIANT_LOCALBOOL, VT_BSTR)))
        return false;
    BSTR text = converted.Get().bstrVal;
    result = CString::FromWide(text, static_cast<int>(::SysStringLen(text)));
    return true;
}

CString BasicStringLiteral(const CString& text)
{
    CString literal("\"");
    for (int i = 0; i < text.GetLength(); ++i)
        literal += text[i] == '"' ? CString("\"\"") : CString(text[i]);
    return literal + "\"";
}
} // namespace obr
