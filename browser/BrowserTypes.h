// The kinds of browser and the record of one history entry.
#pragma once

#include "framework/CString.h"

// Which browser a dialog shows; also the index of its history.
enum BROWSER_TYPE
{
    BROWSER_TYPELIB = 0,  // COM type libraries
    BROWSER_CATALOG1 = 1, // the macro language's function catalog
    BROWSER_CATALOG2 = 2  // the formula language's function catalog
};

constexpr int BROWSER_TYPE_COUNT = 3;

// One entry of the navigation history, and one search hit: the names shown in the library combo,
// the classes list and the members list, each empty when nothing was selected there.
struct _HistoryItem
{
    CString strLibrary;
    CString strClass;
    CString strMember;

    bool operator==(const _HistoryItem& other) const
    {
        return strLibrary == other.strLibrary && strClass == other.strClass && strMember == other.strMember;
    }
};

// One hit of the search pane: where it leads, its icon in the browser's image list, and whether
// hidden members must be shown to reach it.
struct SearchHit
{
    _HistoryItem item;
    int image = -1;
    bool hidden = false;
};
