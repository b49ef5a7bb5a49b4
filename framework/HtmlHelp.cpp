#include "impl/HtmlHelpEntry.h"
#include "framework/PlatformCalls.h"
#include "module/WinHolders.h"

namespace
{
const char kHtmlHelpServerKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr WORD kHtmlHelpAOrdinal = 14;

HMODULE g_helpLibrary = nullptr;
fwk::HtmlHelpEntry g_entry = nullptr;
bool g_failed = false;

HMODULE LoadRegisteredHelpLibrary()
{
    RegistryKey key;
    CString path;
    if (!key.Open(HKEY_CLASSES_ROOT, kHtmlHelpServerKey) || !key.ReadDefault(path) || path.IsEmpty())
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
