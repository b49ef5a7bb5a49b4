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
