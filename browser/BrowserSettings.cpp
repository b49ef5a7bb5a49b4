#include "browser/BrowserSettings.h"
#include "module/WinHolders.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace
{
// The layout of the stored placement; a larger number was written by a newer version.
constexpr DWORD kPlacementLayout = 1;
constexpr DWORD kLongestText = 1024;

struct StoredPlacement
{
    DWORD layout;
    LONG left, top, right, bottom;
    DWORD maximized;
};

const char* TypeKeyName(BROWSER_TYPE type)
{
    switch (type)
    {
    case BROWSER_TYPELIB:
        return "TypeLibraries";
    case BROWSER_CATALOG1:
        return "MacroFunctions";
    case BROWSER_CATALOG2:
        return "FormulaFunctions";
    }
    return nullptr;
}

std::string SubkeyOf(const char* key, BROWSER_TYPE type)
{
    const char* name = TypeKeyName(type);
    return key && *key && name ? std::string(key) + "\\" + name : std::string();
}

// A DWORD within [least, most], else `fallback`.
int ReadNumber(HKEY key, const char* name, int least, int most, int fallback)
{
    DWORD value = 0;
    DWORD size = sizeof value;
    if (::RegGetValueA(key, nullptr, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
        return fallback;
    return value >= static_cast<DWORD>(least) && value <= static_cast<DWORD>(most) ? static_cast<int>(value)
                                                                                   : fallback;
}

CString ReadText(HKEY key, const char* name)
{
    char text[kLongestText] = "";
    DWORD size = sizeof text;
    if (::RegGetValueA(key, nullptr, name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return CString();
    return CString(text);
}

// The non-empty strings of a list, at most `most` of them.
std::vector<CString> ReadList(HKEY key, const char* name, size_t most)
{
    std::vector<CString> list;
    DWORD size = 0;
    if (::RegGetValueA(key, nullptr, name, RRF_RT_REG_MULTI_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS ||
        size > most * kLongestText)
        return list;
    std::string buffer(size + 2, '\0');
    if (::RegGetValueA(key, nullptr, name, RRF_RT_REG_MULTI_SZ, nullptr, &buffer[0], &size) != ERROR_SUCCESS)
        return list;
    for (const char* entry = buffer.c_str(); *entry && list.size() < most; entry += std::strlen(entry) + 1)
        list.emplace_back(entry);
    return list;
}

bool ReadPlacement(HKEY key, BrowserSettings& settings)
{
    StoredPlacement stored = {};
    DWORD size = sizeof stored;
    if (::RegGetValueA(key, nullptr, "Placement", RRF_RT_REG_BINARY, nullptr, &stored, &size) !=
            ERROR_SUCCESS ||
        size != sizeof stored || stored.layout != kPlacementLayout || stored.right <= stored.left ||
        stored.bottom <= stored.top || stored.maximized > 1)
        return false;
    settings.window = {stored.left, stored.top, stored.right, stored.bottom};
    settings.maximized = stored.maximized != 0;
    return true;
}

bool WriteNumber(HKEY key, const char* name, int value)
{
    const DWORD number = static_cast<DWORD>(value);
    return ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number) ==
           ERROR_SUCCESS;
}

bool WriteText(HKEY key, const char* name, const CString& text)
{
    return ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.GetString()),
                            static_cast<DWORD>(text.GetLength() + 1)) == ERROR_SUCCESS;
}

bool WriteList(HKEY key, const char* name, const std::vector<CString>& list)
{
    std::string buffer;
    for (const CString& entry : list)
        if (!entry.IsEmpty())
            buffer.append(entry.GetString(), static_cast<size_t>(entry.GetLength()) + 1);
    buffer.push_back('\0');
    return ::RegSetValueExA(key, name, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(buffer.data()),
                            static_cast<DWORD>(buffer.size())) == ERROR_SUCCESS;
}
} // namespace

BrowserSettings BrowserSettings::Read(const char* key, BROWSER_TYPE type)
{
    BrowserSettings settings;
    const std::string subkey = SubkeyOf(key, type);
    RegistryKey stored;
    if (subkey.empty() || !stored.Open(HKEY_CURRENT_USER, subkey.c_str()))
        return settings;
    settings.hasPlacement = ReadPlacement(stored.Get(), settings);
    settings.classesShare = ReadNumber(stored.Get(), "ClassesSplitter", 1, kShareScale - 1, 0);
    settings.descriptionShare = ReadNumber(stored.Get(), "DescriptionSplitter", 1, kShareScale - 1, 0);
    settings.groupMembers = ReadNumber(stored.Get(), "GroupMembers", 0, 1, -1);
    settings.showHidden = ReadNumber(stored.Get(), "ShowHidden", 0, 1, -1);
    settings.selection.strLibrary = ReadText(stored.Get(), "Library");
    settings.selection.strClass = ReadText(stored.Get(), "Class");
    settings.selection.strMember = ReadText(stored.Get(), "Member");
    settings.searches = ReadList(stored.Get(), "Searches", kMostSearches);
    settings.recentEntries = ReadList(stored.Get(), "RecentEntries", kMostRecentEntries);
    return settings;
}

bool BrowserSettings::Write(const char* key, BROWSER_TYPE type) const
{
    const std::string subkey = SubkeyOf(key, type);
    RegistryKey stored;
    if (subkey.empty() || !stored.Create(HKEY_CURRENT_USER, subkey.c_str(), KEY_SET_VALUE))
        return false;
    HKEY target = stored.Get();
    bool written = true;
    if (hasPlacement)
    {
        const StoredPlacement placement = {kPlacementLayout, window.left,   window.top,
                                           window.right,     window.bottom, maximized ? 1u : 0u};
        written &=
            ::RegSetValueExA(target, "Placement", 0, REG_BINARY, reinterpret_cast<const BYTE*>(&placement),
                             sizeof placement) == ERROR_SUCCESS;
    }
    if (classesShare > 0)
        written &= WriteNumber(target, "ClassesSplitter", classesShare);
    if (descriptionShare > 0)
        written &= WriteNumber(target, "DescriptionSplitter", descriptionShare);
    if (groupMembers >= 0)
        written &= WriteNumber(target, "GroupMembers", groupMembers);
    if (showHidden >= 0)
        written &= WriteNumber(target, "ShowHidden", showHidden);
    written &= WriteText(target, "Library", selection.strLibrary);
    written &= WriteText(target, "Class", selection.strClass);
    written &= WriteText(target, "Member", selection.strMember);
    written &= WriteList(target, "Searches", searches);
    if (type != BROWSER_TYPELIB)
        written &= WriteList(target, "RecentEntries", recentEntries);
    return written;
}

void BrowserSettings::NoteChosenEntry(const CString& name)
{
    if (name.IsEmpty())
        return;
    recentEntries.erase(std::remove(recentEntries.begin(), recentEntries.end(), name), recentEntries.end());
    recentEntries.insert(recentEntries.begin(), name);
    if (recentEntries.size() > kMostRecentEntries)
        recentEntries.resize(kMostRecentEntries);
}

RECT PlaceOnAMonitor(const RECT& stored, SIZE least)
{
    HMONITOR monitor = ::MonitorFromRect(&stored, MONITOR_DEFAULTTONULL);
    if (!monitor)
        monitor = ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!::GetMonitorInfoA(monitor, &info))
        return stored;
    const RECT& area = info.rcWork;
    const LONG areaWidth = area.right - area.left;
    const LONG areaHeight = area.bottom - area.top;
    // The least size wins over the work area: a window too big to fit starts at its corner.
    const LONG width = std::max(least.cx, std::min(stored.right - stored.left, areaWidth));
    const LONG height = std::max(least.cy, std::min(stored.bottom - stored.top, areaHeight));
    const LONG left = std::max(area.left, std::min(stored.left, area.right - width));
    const LONG top = std::max(area.top, std::min(stored.top, area.bottom - height));
    return RECT{left, top, left + width, top + height};
}
