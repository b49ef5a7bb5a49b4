#include "typelib/CTMember.h"
#include "typelib/PlatformGuard.h"
#include "typelib/CTClass.h"

CTMember::CTMember(CTClass* owner, MEMBERID memid, UINT index)
    : m_pClass(owner), m_memid(memid), m_index(index)
{
    m_pTypeInfo.Attach(owner->GetTypeInfo());
    Bstr name;
    if (m_pTypeInfo &&
        SUCCEEDED(obr::Guarded(
            [&] { return m_pTypeInfo->GetDocumentation(memid, &name, nullptr, nullptr, nullptr); })))
        m_strName = name.ToString();
}

CTMember::~CTMember() = default;

ITypeInfo* CTMember::GetTypeInfo() const
{
    ITypeInfo* info = m_pTypeInfo.Get();
    if (info)
        info->AddRef();
    return info;
}

CString CTMember::GetDescription()
{
    Bstr doc;
    if (FAILED(obr::Guarded(
            [&] { return m_pTypeInfo->GetDocumentation(m_memid, nullptr, &doc, nullptr, nullptr); })))
        return CString();
    return doc.ToString();
}

bool CTMember::GetHelpInfo(DWORD* helpContext, CString& helpFile)
{
    Bstr file;
    if (FAILED(obr::Guarded(
            [&] { return m_pTypeInfo->GetDocumentation(m_memid, nullptr, nullptr, helpContext, &file); })))
        return false;
    helpFile = file.ToString();
    return true;
}
