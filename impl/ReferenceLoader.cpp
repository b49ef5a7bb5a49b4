#include "impl/ReferenceLoader.h"
#include "typelib/CTLib.h"

#include <cstdio>
#include <cstdlib>

namespace
{
std::unique_ptr<CTLib> LoadWithLocale(const GUID& guid, WORD major, WORD minor, LCID lcid)
{
    auto library = std::make_unique<CTLib>(guid, major, minor, lcid);
    return library->IsLoaded() ? std::move(library) : nullptr;
}

// A locale key is a hexadecimal number; FLAGS and HELPDIR sit beside them.
bool ParseLocaleKey(const char* name, LCID& lcid)
{
    if (!*name)
        return false;
    char* end = nullptr;
    const unsigned long value = std::strtoul(name, &end, 16);
    if (*end != '\0')
        return false;
    lcid = static_cast<LCID>(value);
    return true;
}
} // namespace

bool FirstRegisteredLocale(const GUID& guid, WORD major, WORD minor, LCID& lcid)
{
    char path[96];
    std::snprintf(path, sizeof path, "TypeLib\\{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}\\%x.%x",
                  static_cast<unsigned long>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0],
                  guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5], guid.Data4[6],
                  guid.Data4[7], major, minor);
    HKEY version = nullptr;
    if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, path, 0, KEY_READ, &version) != ERROR_SUCCESS)
        return false;
    bool found = false;
    char name[256];
    for (DWORD index = 0; !found; ++index)
    {
        DWORD length = sizeof name;
        const LONG status =
            ::RegEnumKeyExA(version, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_MORE_DATA)
            continue; // a name too long for a locale
        if (status != ERROR_SUCCESS)
            break;
        found = ParseLocaleKey(name, lcid);
    }
    ::RegCloseKey(version);
    return found;
}

std::unique_ptr<CTLib> LoadReferencedLibrary(const GUID& guid, WORD major, WORD minor)
{
    if (auto library = LoadWithLocale(guid, major, minor, LOCALE_NEUTRAL))
        return library;
    const LCID user = ::GetUserDefaultLCID();
    if (user != LOCALE_NEUTRAL)
        if (auto library = LoadWithLocale(guid, major, minor, user))
            return library;
    LCID registered = 0;
    if (FirstRegisteredLocale(guid, major, minor, registered) && registered != LOCALE_NEUTRAL &&
        registered != user)
        return LoadWithLocale(guid, major, minor, registered);
    return nullptr;
}
