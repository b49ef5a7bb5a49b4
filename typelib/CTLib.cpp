#include "typelib/CTLib.h"
#include "typelib/PlatformGuard.h"
#include "typelib/CTClass.h"
#include "declaration/CTDSBuilder.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace
{
// How long the loading of one registered library may take before it is given up: a sound library
// of the largest kind loads in well under a second.
constexpr unsigned long kLoadTimeLimitMs = 3000;

// One loading of a registered library, on a thread of its own: a file damaged since it was
// installed can make the platform's loader overrun its stack, or loop without end.
// (A file the user picks was opened in the probe first.)
class RegisteredLoad : public obr::IsolatedWork
{
public:
    RegisteredLoad(const GUID& guid, WORD major, WORD minor, LCID lcid)
        : m_guid(guid), m_major(major), m_minor(minor), m_lcid(lcid)
    {
    }
    ~RegisteredLoad() override
    {
        if (m_library)
            m_library->Release();
    }
    void Run() override
    {
        if (FAILED(::LoadRegTypeLib(m_guid, m_major, m_minor, m_lcid, &m_library)))
            m_library = nullptr;
    }
    ITypeLib* Take() { return std::exchange(m_library, nullptr); }

private:
    GUID m_guid;
    WORD m_major, m_minor;
    LCID m_lcid;
    ITypeLib* m_library = nullptr;
};

// The libraries whose loading ran past the limit: each try would leave one more thread looping, so
// none is tried again, in any locale, before the host starts anew.
struct LibraryVersion
{
    GUID guid;
    WORD major, minor;
};
SRWLOCK g_givenUpLock = SRWLOCK_INIT;
std::vector<LibraryVersion> g_givenUp;

bool IsGivenUp(const GUID& guid, WORD major, WORD minor)
{
    ::AcquireSRWLockShared(&g_givenUpLock);
    const bool givenUp = std::any_of(g_givenUp.begin(), g_givenUp.end(),
                                     [&](const LibraryVersion& library) {
                                         return IsEqualGUID(library.guid, guid) && library.major == major &&
                                                library.minor == minor;
                                     });
    ::ReleaseSRWLockShared(&g_givenUpLock);
    return givenUp;
}

ITypeLib* LoadRegistered(const GUID& guid, WORD major, WORD minor, LCID lcid)
{
    if (IsGivenUp(guid, major, minor))
        return nullptr;
    auto load = std::make_shared<RegisteredLoad>(guid, major, minor, lcid);
    switch (obr::RunIsolated(load, kLoadTimeLimitMs))
    {
    case obr::IsolatedEnd::Finished:
        return load->Take();
    case obr::IsolatedEnd::TimedOut:
        ::AcquireSRWLockExclusive(&g_givenUpLock);
        g_givenUp.push_back({guid, major, minor});
        ::ReleaseSRWLockExclusive(&g_givenUpLock);
        return nullptr;
    default:
        return nullptr;
    }
}
} // namespace

CTLib::CTLib(const GUID& guid, WORD major, WORD minor, LCID lcid)
{
    // A library that cannot be loaded is left out.
    ITypeLib* loaded = LoadRegistered(guid, major, minor, lcid);
    if (!loaded)
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
    // The types and the attributes first, so that the library's last reference is the one let go
    // here: the platform frees a library as its last reference goes, and freeing a damaged one can
    // fault (custom data that point nowhere). That fault ends the release, not the host; the
    // library's memory is then left as it is.
    ClearClasses();
    m_libAttr.Reset();
    if (ITypeLib* library = m_pTypeLib.Detach())
        static_cast<void>(obr::GuardedCall([library] { library->Release(); }));
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
