// Basic names of Automation types.
#include "module/ComHolders.h"
#include "declaration/CTDSVBBuilder.h"
#include "typelib/PlatformGuard.h"

namespace
{
const char* SimpleTypeName(VARTYPE vt)
{
    switch (vt)
    {
    case VT_EMPTY:
        return "VT_EMPTY";
    case VT_NULL:
        return "VT_NULL";
    case VT_I2:
        return "Integer";
    case VT_I4:
        return "Long";
    case VT_R4:
        return "Single";
    case VT_R8:
        return "Double";
    case VT_CY:
        return "Currency";
    case VT_DATE:
        return "Date";
    case VT_BSTR:
        return "String";
    case VT_DISPATCH:
        return "Object";
    case VT_ERROR:
        return "VT_ERROR";
    case VT_BOOL:
        return "Boolean";
    case VT_VARIANT:
        return "Variant";
    case VT_UNKNOWN:
        return "Object";
    case VT_DECIMAL:
        return "Object";
    case VT_I1:
        return "Byte";
    case VT_UI1:
        return "Byte";
    case VT_UI2:
        return "Integer";
    case VT_UI4:
        return "Long";
    case VT_INT:
        return "Long";
    case VT_UINT:
        return "Long";
    case VT_VOID:
        return "";
    case VT_HRESULT:
        return "VT_HRESULT";
    case VT_CARRAY:
        return "Array";
    case VT_LPSTR:
        return "String";
    case VT_LPWSTR:
        return "String";
    case VT_RECORD:
        return "Object";
    case VT_FILETIME:
        return "VT_FILETIME";
    case VT_BLOB:
        return "VT_BLOB";
    case VT_STREAM:
        return "VT_STREAM";
    case VT_STORAGE:
        return "VT_STORAGE";
    case VT_STREAMED_OBJECT:
        return "VT_STREAMED_OBJECT";
    case VT_STORED_OBJECT:
        return "VT_STORED_OBJECT";
    case VT_BLOB_OBJECT:
        return "VT_BLOB_OBJECT";
    case VT_CF:
        return "VT_CF";
    case VT_CLSID:
        return "VT_CLSID";
    case VT_VECTOR:
        return "Array";
    case VT_ARRAY:
        return "Array";
    case VT_RESERVED:
        return "VT_RESERVED";
    default:
        return "unknown type";
    }
}

CString UserTypeName(const TYPEDESC* type, ITypeInfo* context)
{
    ComPtr<ITypeInfo> referenced;
    Bstr name;
    if (!context ||
        FAILED(obr::Guarded([&] { return context->GetRefTypeInfo(type->hreftype, &referenced); })) ||
        !referenced ||
        FAILED(obr::Guarded(
            [&] { return referenced->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr); })))
        return "unknown type";
    CString text = name.ToString();
    return text.IsEmpty() ? CString("unknown type") : text;
}
} // namespace

CString CTDSVBBuilder::GetTypeName(TYPEDESC* type, ITypeInfo* context)
{
    // The caller's reference to the context is ours to release.
    ComPtr<ITypeInfo> scope;
    scope.Attach(context);
    switch (type->vt)
    {
    case VT_PTR:
        if (context)
            context->AddRef();
        return GetTypeName(type->lptdesc, context);
    case VT_SAFEARRAY:
        if (context)
            context->AddRef();
        return GetTypeName(type->lptdesc, context) + "()";
    case VT_USERDEFINED:
        return UserTypeName(type, context);
    default:
        return SimpleTypeName(type->vt);
    }
}

namespace obr
{
CString EscapedDescription(const CString& text)
{
    static const char digits[] = "0123456789abcdef";
    CString escaped;
    char* out = escaped.GetBuffer(text.GetLength() * 4 + 1);
    for (int i = 0; i < text.GetLength(); ++i)
    {
        unsigned char byte = static_cast<unsigned char>(text[i]);
        *out++ = '\\';
        *out++ = '\'';
        *out++ = digits[byte >> 4];
        *out++ = digits[byte & 0xF];
    }
    escaped.ReleaseBuffer(text.GetLength() * 4);
    return escaped;
}
} // namespace obr
