// The type libraries registered on the machine, as the references dialog offers them.
#pragma once

#include "module/BrowserApi.h"
#include "references/TLVLibId.h"

#include <deque>

// The table of registered libraries. Appending keeps the addresses of the entries already there,
// which the references dialog's list items point to.
typedef std::deque<TLVLibId> TypeLibTable;

// Empties the table and appends one entry per registered version of a library with a description,
// in registry order. The walk goes on past a version it cannot read (it is left out); the result
// is false when anything could not be read, or when the "TypeLib" key does not open.
OBR_API bool EnumRegisteredTypeLibs(TypeLibTable& table);

// Orders the table by name, letter case ignored.
OBR_API void SortByName(TypeLibTable& table);

// The table entry a host's reference stands for: the same library and language in the same
// version, whose registered file is there; null when there is none.
OBR_API const TLVLibId* FindRegistered(const TypeLibTable& table, const TLVLibId& reference);
OBR_API bool StandsFor(const TLVLibId& entry, const TLVLibId& reference);

// Whether a registered path names a file that exists. A path with a resource index ("...\\2") is
// looked up without it; a path that is not absolute is left to the platform's search and counts as there.
OBR_API bool RegisteredFileExists(const CString& path);

// Why a reference stands for no registered library, read from the registry, the first that holds:
// not registered, registered only for a platform this build cannot load, registered in other
// versions, registered but its file is gone, or registered for another language.
OBR_API CString WhyMissing(const TLVLibId& reference);

// The first locale registered under HKEY_CLASSES_ROOT\TypeLib\{guid}\major.minor; false when the
// version is not registered or lists no locale.
[[nodiscard]] OBR_API bool FirstRegisteredLocale(const GUID& guid, WORD major, WORD minor, LCID& lcid);

// The name of a locale's language; "Standard" for the neutral one.
OBR_API CString LanguageName(LCID lcid);
