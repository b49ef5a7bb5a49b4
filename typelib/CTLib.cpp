#include "typelib/CTLib.h"
#include "typelib/PlatformGuard.h"
#include "typelib/CTClass.h"
#include "declaration/CTDSBuilder.h"

#include <string>

CTLib::CTLib(const GUID& guid, WORD major, WORD minor, LCID lcid)
{
    // A registered file damaged since it was installed can make the platform's loader fault: the
    // library is then left out. (A file the user picks was opened in the probe first.)
    ITypeLib* loaded = nullptr;
    if (FAILED(obr::Guarded([&] { return ::LoadRegTypeLib(guid, major, minor, lcid, &loaded); })) || !loaded)
        return;
    ComPtr<ITypeLib> lib;
    lib.Attach(loaded);
    TLIBATTR* attributes = nullptr;
    if (SUCCEEDED(obr::Guarded([&] { return lib->GetLibAttr(&attributes); })))
        m_libAttr.Attach(lib.Get(), attributes);
    Bstr name;
    if (SUCCEEDED(obr::Guarded(
            [&] { return lib->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr); })))
        m_strName = name.ToString();
    m_pTypeLib = lib;
}

CTLib::~CTLib()
{
    ClearClasses();
}

ITypeLib* CTLib::GetTypeLib() const
{
    ITypeLib* lib = m_pTypeLib.Get();
    if (lib)
        lib->AddRef();
    return lib;
}

CString CTLib::GetDescription()
{
    Bstr doc;
    if (!m_pTypeLib ||
        FAILED(obr::Guarded(
            [&] { return m_pTypeLib->GetDocumentation(MEMBERID_NIL, nullptr, &doc, nullptr, nullptr); })))
        return CString();
    return doc.ToString();
}

bool CTLib::IsHidden()
{
    return (GetLibFlags() & LIBFLAG_FHIDDEN) != 0;
}

bool CTLib::IsBrowsable()
{
    return (GetLibFlags() & (LIBFLAG_FRESTRICTED | LIBFLAG_FCONTROL)) == 0;
}

bool CTLib::GetHelpInfo(DWORD* helpContext, CString& helpFile)
{
    Bstr file;
    if (!m_pTypeLib ||
        FAILED(obr::Guarded(
            [&]
            { return m_pTypeLib->GetDocumentation(MEMBERID_NIL, nullptr, nullptr, helpContext, &file); })))
        return false;
    helpFile = file.ToString();
    return true;
}

void CTLib::Describe(int language, CRTFBuilder& rtf)
{
    if (CTDSBuilder* builder = GetBuilder(language))
        builder->DescribeLibrary(this, rtf);
}

CString CTLib::GetKindName(int language)
{
    CTDSBuilder* builder = GetBuilder(language);
    return builder ? builder->GetLibraryKindName(this) : CString();
}

CString CTLib::GetPath() const
{
    Bstr path;
    if (!m_libAttr || FAILED(::QueryPathOfRegTypeLib(m_libAttr->guid, m_libAttr->wMajorVerNum,
                                                     m_libAttr->wMinorVerNum, m_libAttr->lcid, &path)))
        return CString();
    return path.ToString();
}

int CTLib::GetClassCount()
{
    if (!m_bClassesLoaded)
        LoadClasses();
    return static_cast<int>(m_classes.size());
}

CTClass* CTLib::GetClass(int index)
{
    if (!m_bClassesLoaded)
        LoadClasses();
    return index >= 0 && index < static_cast<int>(m_classes.size())
               ? m_classes[static_cast<size_t>(index)].get()
               : nullptr;
}

void CTLib::ClearClasses()
{
    m_classesByName.clear();
    m_classes.clear();
    m_bClassesLoaded = false;
}

void CTLib::LoadClasses()
{
    ClearClasses();
    m_bClassesLoaded = true;
    if (!m_pTypeLib)
        return;
    const UINT count = m_pTypeLib->GetTypeInfoCount();
    m_classes.reserve(count);
    for (UINT i = 0; i < count; ++i)
    {
        // A type the platform cannot give is left out rather than built on nothing.
        ComPtr<ITypeInfo> info;
        if (FAILED(obr::Guarded([&] { return m_pTypeLib->GetTypeInfo(i, &info); })) || !info)
            continue;
        auto type = std::make_unique<CTClass>(info.Get(), this, 0);
        if (!type->IsValid())
            continue;
        m_classesByName.emplace(type->GetOwnName().GetString(), type.get()); // the first of a name stays
        m_classes.push_back(std::move(type));
    }
}

CTClass* CTLib::FindClass(const CString& name)
{
    if (!m_bClassesLoaded)
        LoadClasses();
    const auto found = m_classesByName.find(name.GetString());
    return found == m_classesByName.end() ? nullptr : found->second;
}

bool CTLib::IsName(const CString& name) const
{
    if (!m_pTypeLib)
        return false;
    // Each byte widened to one unit, as the library's own names are compared.
    std::wstring wide;
    for (int i = 0; i < name.GetLength(); ++i)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(name[i]));
    ULONG hash = ::LHashValOfNameSys(GetSysKind(), GetLcid(), wide.c_str());
    BOOL found = FALSE;
    if (FAILED(m_pTypeLib->IsName(wide.data(), hash, &found)))
        return false;
    return found != FALSE;
}

void CTLib::GetGlobalClasses(std::vector<CTLibItem*>& out)
{
    out.clear();
    for (int i = 0, count = GetClassCount(); i < count; ++i)
    {
        CTClass* type = GetClass(i);
        TYPEKIND kind = type->GetTypeKind();
        if (type->IsAppObject() || kind == TKIND_ENUM || kind == TKIND_MODULE || kind == TKIND_UNION)
            out.push_back(type);
    }
}
