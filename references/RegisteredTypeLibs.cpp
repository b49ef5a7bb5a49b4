#include "references/RegisteredTypeLibs.h"
#include "module/ModuleServices.h"

#include <oleauto.h>
#include <algorithm>
#include <cstdlib>
#include <mbstring.h>
#include <string>
#include <vector>

namespace
{
constexpr DWORD kKeyNameBuffer = 128;

// The platform keys a path is registered under, the running build's own first.
#ifdef _WIN64
const char* const kPlatformKeys[] = {"win64", "win32", "win16"};
#else
const char* const kPlatformKeys[] = {"win32", "win16"};
#endif

// An open registry key, closed when it goes.
class Key
{
public:
    Key() = default;
    ~Key()
    {
        if (m_key)
            ::RegCloseKey(m_key);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    bool Open(HKEY parent, const char* name)
    {
        return ::RegOpenKeyExA(parent, name, 0, KEY_READ, &m_key) == ERROR_SUCCESS;
    }
    HKEY Get() const { return m_key; }

    // The names of the subkeys, in registry order. A name longer than the buffer is skipped so that
    // the names after it are still seen.
    std::vector<std::string> SubkeyNames() const
    {
        std::vector<std::string> names;
        char name[kKeyNameBuffer];
        for (DWORD index = 0;; ++index)
        {
            const LONG status = ::RegEnumKeyA(m_key, index, name, sizeof name);
            if (status == ERROR_MORE_DATA)
                continue;
            if (status != ERROR_SUCCESS)
                break;
            names.emplace_back(name);
        }
        return names;
    }

    // The default value of the key; false when it does not read.
    bool ReadDefault(CString& value) const
    {
        LONG size = 0;
        if (::RegQueryValueA(m_key, nullptr, nullptr, &size) != ERROR_SUCCESS || size < 0)
            return false;
        std::vector<char> buffer(static_cast<size_t>(size) + 1, '\0');
        LONG read = size + 1;
        if (::RegQueryValueA(m_key, nullptr, buffer.data(), &read) != ERROR_SUCCESS)
            return false;
        value = buffer.data();
        return true;
    }

private:
    HKEY m_key = nullptr;
};

// "2.0" or "1.a": hexadecimal major and minor; no minor when there is no ".".
void ParseVersion(const std::string& text, WORD& major, WORD& minor)
{
    major = static_cast<WORD>(std::strtoul(text.c_str(), nullptr, 16));
    const size_t dot = text.find('.');
    minor = dot == std::string::npos ? 0 : static_cast<WORD>(std::strtoul(text.c_str() + dot + 1, nullptr, 16));
}

bool ParseGuid(const std::string& text, GUID& guid)
{
    std::wstring wide(text.begin(), text.end());
    return SUCCEEDED(::IIDFromString(wide.c_str(), &guid));
}

// The path under the version's first locale key, and that locale; false when the locale key or
// every platform key fails to open. A version without a locale key has no path.
bool ReadLocaleAndPath(const Key& version, TLVLibId& entry)
{
    for (const std::string& name : version.SubkeyNames())
    {
        if (name.empty() || !IsAllHex(name.c_str()))
            continue;
        entry.lcid = static_cast<LCID>(std::strtol(name.c_str(), nullptr, 16) & 0xFFFF);
        Key locale;
        if (!locale.Open(version.Get(), name.c_str()))
            return false;
        for (const char* platformName : kPlatformKeys)
        {
            Key platform;
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
    Key version;
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
    Key typeLibs;
    if (!typeLibs.Open(HKEY_CLASSES_ROOT, "TypeLib"))
        return false;
    bool complete = true;
    for (const std::string& guidName : typeLibs.SubkeyNames())
    {
        Key library;
        GUID guid = {};
        if (!library.Open(typeLibs.Get(), guidName.c_str()) || !ParseGuid(guidName, guid))
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
