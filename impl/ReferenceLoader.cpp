#include "impl/ReferenceLoader.h"
#include "typelib/CTLib.h"
#include "references/RegisteredTypeLibs.h"

namespace
{
std::unique_ptr<CTLib> LoadWithLocale(const GUID& guid, WORD major, WORD minor, LCID lcid)
{
    auto library = std::make_unique<CTLib>(guid, major, minor, lcid);
    return library->IsLoaded() ? std::move(library) : nullptr;
}
} // namespace

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
