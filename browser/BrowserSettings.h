// What a browser remembers of its user between showings, per browser type, under a key of
// HKEY_CURRENT_USER that the host names. Without a key nothing is read or written.
#pragma once

#include "module/BrowserApi.h"
#include "browser/BrowserTypes.h"
#include "framework/CString.h"

#include <windows.h>
#include <vector>

struct OBR_API BrowserSettings
{
    static constexpr size_t kMostSearches = 10;
    static constexpr size_t kMostRecentEntries = 10;
    // Splitter positions are stored in thousandths of the client area, so that they hold at
    // another window size or display scale.
    static constexpr int kShareScale = 1000;

    bool hasPlacement = false;
    RECT window = {}; // the restored (not maximised) window, in screen coordinates
    bool maximized = false;
    int classesShare = 0;     // the vertical splitter's left edge; 0 when none is stored
    int descriptionShare = 0; // the description's top; 0 when none is stored
    int groupMembers = -1;    // the type-library browser's options: -1 when none is stored
    int showHidden = -1;
    _HistoryItem selection;             // the last library, class and member
    std::vector<CString> searches;      // the search box's list, newest first
    std::vector<CString> recentEntries; // the function browsers' last chosen entries, newest first

    // Reads what is stored for the browser type. A value of the wrong type, out of range or of a
    // newer layout keeps its default; the others are still read.
    static BrowserSettings Read(const char* key, BROWSER_TYPE type);
    // Writes every setting for the browser type; false when the key cannot be written.
    bool Write(const char* key, BROWSER_TYPE type) const;

    // Puts a chosen entry first in the recent list, once, keeping the newest kMostRecentEntries.
    void NoteChosenEntry(const CString& name);
};

// Where a stored window goes now: on the monitor it mostly lies on, or the primary one when it
// lies on none (a monitor since removed), inside that monitor's work area, and at least `least`.
OBR_API RECT PlaceOnAMonitor(const RECT& stored, SIZE least);
