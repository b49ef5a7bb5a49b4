// TLVLibId: identity and display data of one type library, exchanged between the host and the
// module. Two records are the same library when their GUID and language are equal: the registry
// walk keeps a locale's language (its low 16 bits) and a library's attributes give the whole
// locale, sort order included, so only the language is compared.
#pragma once

#include "framework/CString.h"

#include <windows.h>

struct TLVLibId
{
    GUID guid;
    WORD wMajor;
    WORD wMinor;
    LCID lcid;
    CString strName; // description and version, e.g. "Microsoft Scripting Runtime (1.0)"
    CString strPath; // full path of the library file

    bool operator==(const TLVLibId& other) const
    {
        return IsEqualGUID(guid, other.guid) && LANGIDFROMLCID(lcid) == LANGIDFROMLCID(other.lcid);
    }
    bool SameVersion(const TLVLibId& other) const { return wMajor == other.wMajor && wMinor == other.wMinor; }
    bool operator!=(const TLVLibId& other) const { return !(*this == other); }
};
