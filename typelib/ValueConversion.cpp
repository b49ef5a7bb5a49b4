#include "ValueConversion.h"
#include "ComHolders.h"

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
    int wide = static_cast<int>(::SysStringLen(converted.Get().bstrVal));
    int length =
        ::WideCharToMultiByte(CP_ACP, 0, converted.Get().bstrVal, wide, nullptr, 0, nullptr, nullptr);
    ::WideCharToMultiByte(CP_ACP, 0, converted.Get().bstrVal, wide, result.GetBuffer(length + 1), length,
                          nullptr, nullptr);
    result.ReleaseBuffer(length);
    return true;
}
} // namespace obr
