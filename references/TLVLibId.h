// TLVLibId: identity and display data of one type library, exchanged between the host and the
// module. Two records are the same library when their GUID and locale are equal.
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
        return IsEqualGUID(guid, other.guid) && lcid == other.lcid;
    }
    bool operator!=(const TLVLibId& other) const { return !(*this == other); }
};
