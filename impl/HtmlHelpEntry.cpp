#include "impl/HtmlHelpEntry.h"
#include "framework/PlatformCalls.h"

namespace
{
const char kHtmlHelpServerKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr WORD kHtmlHelpAOrdinal = 14;

HMODULE g_helpLibrary = nullptr;
fwk::HtmlHelpEntry g_entry = nullptr;
bool g_failed = false;

HMODULE LoadRegisteredHelpLibrary()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, kHtmlHelpServerKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return nullptr;
    char path[260] = {};
    DWORD size = sizeof path - 1; // room for the terminator a stored value may lack
    DWORD type = 0;
    const LONG status =
        ::RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(path), &size);
    ::RegCloseKey(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ) || !path[0])
        return nullptr;
    return ::LoadLibraryA(path);
}

bool ResolveEntry()
{
    if (g_failed)
        return false;
    if (!g_helpLibrary)
        g_helpLibrary = LoadRegisteredHelpLibrary();
    if (!g_helpLibrary)
        g_helpLibrary = ::LoadLibraryA("hhctrl.ocx");
    if (g_helpLibrary && !g_entry)
        g_entry = reinterpret_cast<fwk::HtmlHelpEntry>(
            reinterpret_cast<void*>(::GetProcAddress(g_helpLibrary, MAKEINTRESOURCEA(kHtmlHelpAOrdinal))));
    g_failed = !g_entry;
    return g_entry != nullptr;
}
} // namespace

HWND ObrHtmlHelp(HWND caller, LPCSTR file, UINT command, DWORD_PTR data)
{
    if (!ResolveEntry())
        return nullptr;
    return fwk::Platform().HtmlHelp(g_entry, caller, file, command, data);
}
