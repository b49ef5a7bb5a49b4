// The order of items in the browser's lists: by kind first when members are grouped, then by name
// (byte order, so upper-case letters come before lower-case ones).
#pragma once

#include "module/BrowserApi.h"

#include <windows.h>

class CTLibItem;

struct OBR_API CTLibItemLess
{
    explicit CTLibItemLess(bool groupByKind) : m_bGroupByKind(groupByKind) {}
    bool operator()(CTLibItem* a, CTLibItem* b) const;

    bool m_bGroupByKind;
};

// The list-view sort callback: the two items' data are CTLibItem pointers, sortParam points to a
// CTLibItemLess. Returns -1 when the first comes first, else 1 (never 0).
OBR_API int CALLBACK CompareLibItems(LPARAM item1, LPARAM item2, LPARAM sortParam);
