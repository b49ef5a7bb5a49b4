#include "references/RegisteredTypeLibs.h"
#include "module/ModuleServices.h"
#include "module/WinHolders.h"
#include "resources/resource.h"

#include <oleauto.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mbstring.h>
#include <string>
#include <vector>

namespace
{
// The platform keys a path is registered under, the running build's own first.
#ifdef _WIN64
const char* const kPlatformKeys[] = {"win64", "win32", "win16"};
#else
const char* const kPlatformKeys[] = {"win32", "win16"};
#endif

// "2.0" or "1.a": hexadecimal major and minor; no minor when there is no ".".
void ParseVersion(const std::string& text, WORD& major, WORD& minor)
{
    major = static_cast<WORD>(std::strtoul(text.c_str(), nullptr, 16));
    const size_t dot = text.find('.');
    minor =
        dot == std::string::npos ? 0 : static_cast<WORD>(std::strtoul(text.c_str() + dot + 1, nullptr, 16));
}

// The platform keys of a locale key that this build reads, in order of preference.
bool IsOurPlatform(const std::string& name)
{
    for (const char* platform : kPlatformKeys)
        if (_stricmp(platform, name.c_str()) == 0)
            return true;
    return false;
}

CString Joined(const std::vector<std::string>& names)
{
    CString text;
    for (const std::string& name : names)
        text += (text.IsEmpty() ? "" : ", ") + CString(name);
    return text;
}

CString Formatted(UINT id, const CString& argument)
{
    CString text;
    text.Format(szGetStringObr(id), argument.GetString());
    return text;
}

// The path under the version's first locale key, and that locale; false when the locale key or
// every platform key fails to open. A version without a locale key has no path.
bool ReadLocaleAndPath(const RegistryKey& version, TLVLibId& entry)
{
    for (const std::string& name : version.SubkeyNames())
    {
        if (name.empty() || !IsAllHex(name.c_str()))
            continue;
        entry.lcid = static_cast<LCID>(std::strtol(name.c_str(), nullptr, 16) & 0xFFFF);
        RegistryKey locale;
        if (!locale.Open(version.Get(), name.c_str()))
            return false;
        for (const char* platformName : kPlatformKeys)
        {
            RegistryKey platform;
            if (platform.Open(locale.Get(), platformName))
                return platform.ReadDefault(entry.strPath);
        }
        return false;
    }
    return true;
}

// Appends the entry of one version key; false when a step failed (nothing is appended then).
bool ReadVersion(HKEY library, const GUID& guid, const std::string& versionName, TypeLibTable& table)
{
    RegistryKey version;
    CString description;
    if (!version.Open(library, versionName.c_str()) || !version.ReadDefault(description))
        return false;
    TLVLibId entry = {};
    entry.guid = guid;
    ParseVersion(versionName, entry.wMajor, entry.wMinor);
    entry.strName = description + " (" + versionName.c_str() + ")";
    if (!ReadLocaleAndPath(version, entry))
        return false;
    // A version without a description is not offered.
    if (!description.IsEmpty())
        table.push_back(entry);
    return true;
}
} // namespace

bool EnumRegisteredTypeLibs(TypeLibTable& table)
{
    table.clear();
    RegistryKey typeLibs;
    if (!typeLibs.Open(HKEY_CLASSES_ROOT, "TypeLib"))
        return false;
    bool complete = true;
    for (const std::string& guidName : typeLibs.SubkeyNames())
    {
        RegistryKey library;
        GUID guid = {};
        if (!library.Open(typeLibs.Get(), guidName.c_str()) || !ParseGuidText(guidName.c_str(), guid))
        {
            complete = false;
            continue;
        }
        for (const std::string& versionName : library.SubkeyNames())
            complete = ReadVersion(library.Get(), guid, versionName, table) && complete;
    }
    return complete;
}

void SortByName(TypeLibTable& table)
{
    std::stable_sort(table.begin(), table.end(),
                     [](const TLVLibId& a, const TLVLibId& b)
                     {
                         return _mbsicmp(reinterpret_cast<const unsigned char*>(a.strName.GetString()),
                                         reinterpret_cast<const unsigned char*>(b.strName.GetString())) < 0;
                     });
}

bool RegisteredFileExists(const CString& path)
{
    const bool absolute = path.GetLength() > 2 && (path[1] == ':' || (path[0] == '\\' && path[1] == '\\'));
    if (!absolute || ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES)
        return true;
    // "C:\\folder\\module.dll\\2": the library is the module's second type-library resource.
    const int separator = path.ReverseFind('\\');
    if (separator <= 0 || separator + 1 >= path.GetLength())
        return false;
    for (int i = separator + 1; i < path.GetLength(); ++i)
        if (path[i] < '0' || path[i] > '9')
            return false;
    return ::GetFileAttributesA(path.Left(separator)) != INVALID_FILE_ATTRIBUTES;
}

bool StandsFor(const TLVLibId& entry, const TLVLibId& reference)
{
    return entry == reference && entry.SameVersion(reference) && RegisteredFileExists(entry.strPath);
}

const TLVLibId* FindRegistered(const TypeLibTable& table, const TLVLibId& reference)
{
    for (const TLVLibId& entry : table)
        if (StandsFor(entry, reference))
            return &entry;
    return nullptr;
}

CString WhyMissing(const TLVLibId& reference)
{
    RegistryKey library;
    const std::string libraryKey = std::string("TypeLib\\") + GuidText(reference.guid).GetString();
    if (!library.Open(HKEY_CLASSES_ROOT, libraryKey.c_str()))
        return strGetStringObr(IDS_MISSING_NOT_REGISTERED);
    // Only the versions the walk offers count: those with a description.
    std::vector<std::string> versions;
    std::string sameVersion;
    for (const std::string& name : library.SubkeyNames())
    {
        RegistryKey version;
        CString description;
        if (!version.Open(library.Get(), name.c_str()) || !version.ReadDefault(description) ||
            description.IsEmpty())
            continue;
        WORD major = 0, minor = 0;
        ParseVersion(name, major, minor);
        if (major == reference.wMajor && minor == reference.wMinor)
            sameVersion = name;
        else
            versions.push_back(name);
    }
    if (sameVersion.empty())
        return versions.empty() ? strGetStringObr(IDS_MISSING_NOT_REGISTERED)
                                : Formatted(IDS_MISSING_OTHER_VERSION, Joined(versions));
    RegistryKey version;
    if (!version.Open(library.Get(), sameVersion.c_str()))
        return strGetStringObr(IDS_MISSING_NOT_REGISTERED);
    // The locale of the reference's language, else the first, as the walk takes it.
    std::string localeName;
    for (const std::string& name : version.SubkeyNames())
    {
        if (name.empty() || !IsAllHex(name.c_str()))
            continue;
        const LCID lcid = static_cast<LCID>(std::strtoul(name.c_str(), nullptr, 16));
        if (localeName.empty() || LANGIDFROMLCID(lcid) == LANGIDFROMLCID(reference.lcid))
            localeName = name;
    }
    RegistryKey locale;
    if (localeName.empty() || !locale.Open(version.Get(), localeName.c_str()))
        return strGetStringObr(IDS_MISSING_NOT_REGISTERED);
    std::vector<std::string> otherPlatforms;
    CString path;
    bool ours = false;
    for (const char* platformName : kPlatformKeys)
    {
        RegistryKey platform;
        if (platform.Open(locale.Get(), platformName))
        {
            ours = platform.ReadDefault(path);
            break;
        }
    }
    if (!ours)
    {
        for (const std::string& name : locale.SubkeyNames())
            if (!IsOurPlatform(name))
                otherPlatforms.push_back(name);
        return otherPlatforms.empty() ? strGetStringObr(IDS_MISSING_NOT_REGISTERED)
                                      : Formatted(IDS_MISSING_OTHER_PLATFORM, Joined(otherPlatforms));
    }
    if (!RegisteredFileExists(path))
        return Formatted(IDS_MISSING_FILE_NOT_FOUND, path);
    return Formatted(IDS_MISSING_OTHER_LANGUAGE,
                     LanguageName(static_cast<LCID>(std::strtoul(localeName.c_str(), nullptr, 16))));
}

CString LanguageName(LCID lcid)
{
    const DWORD language = LANGIDFROMLCID(lcid);
    if (language == 0)
        return strGetStringObr(IDS_STANDARD_LANGUAGE);
    char name[255] = {};
    ::VerLanguageNameA(language, name, sizeof name);
    return name;
}

bool FirstRegisteredLocale(const GUID& guid, WORD major, WORD minor, LCID& lcid)
{
    char version[16];
    std::snprintf(version, sizeof version, "\\%x.%x", major, minor);
    RegistryKey key;
    if (!key.Open(HKEY_CLASSES_ROOT, (std::string("TypeLib\\") + GuidText(guid).str() + version).c_str()))
        return false;
    // Locale keys are hexadecimal numbers; FLAGS and HELPDIR sit beside them.
    for (const std::string& name : key.SubkeyNames())
        if (!name.empty() && IsAllHex(name.c_str()))
        {
            lcid = static_cast<LCID>(std::strtoul(name.c_str(), nullptr, 16));
            return true;
        }
    return false;
}
