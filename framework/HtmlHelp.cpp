#include "framework/HtmlHelp.h"
#include "framework/PlatformCalls.h"

#include <cstring>

namespace
{
const char kHtmlHelpServerKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr WORD kHtmlHelpAOrdinal = 14;

HMODULE g_helpLibrary = nullptr;
fwk::HtmlHelpEntry g_entry = nullptr;
bool g_failed = false;

HMODULE LoadRegisteredHelpLibrary()
{
    char path[MAX_PATH] = "";
    DWORD size = sizeof path;
    if (::RegGetValueA(HKEY_CLASSES_ROOT, kHtmlHelpServerKey, nullptr, RRF_RT_REG_SZ, nullptr, path, &size) !=
            ERROR_SUCCESS ||
        !*path)
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

namespace fwk
{
HWND HtmlHelp(HWND caller, LPCSTR file, UINT command, DWORD_PTR data)
{
    if (!ResolveEntry())
        return nullptr;
    return Platform().HtmlHelp(g_entry, caller, file, command, data);
}

bool IsHtmlHelpFile(const char* path)
{
    const size_t length = path ? std::strlen(path) : 0;
    return length > 4 && ::lstrcmpiA(path + length - 4, ".chm") == 0;
}
} // namespace fwk
