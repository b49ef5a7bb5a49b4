#include "framework/PlatformCalls.h"

namespace fwk
{
namespace
{
PlatformCalls g_realCalls;
PlatformCalls* g_calls = &g_realCalls;
} // namespace

PlatformCalls::~PlatformCalls() = default;

BOOL PlatformCalls::WinHelp(HWND owner, LPCSTR helpFile, UINT command, ULONG_PTR data)
{
    return ::WinHelpA(owner, helpFile, command, data);
}

HWND PlatformCalls::HtmlHelp(HtmlHelpEntry entry, HWND caller, LPCSTR file, UINT command, DWORD_PTR data)
{
    return entry ? entry(caller, file, command, data) : nullptr;
}

int PlatformCalls::MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    return ::MessageBoxA(owner, text, caption, type);
}

BOOL PlatformCalls::GetOpenFileName(OPENFILENAMEA* request)
{
    return ::GetOpenFileNameA(request);
}

BOOL PlatformCalls::GetSaveFileName(OPENFILENAMEA* request)
{
    return ::GetSaveFileNameA(request);
}

PlatformCalls& Platform()
{
    return *g_calls;
}

PlatformCalls* SetPlatform(PlatformCalls* calls)
{
    PlatformCalls* previous = g_calls;
    g_calls = calls ? calls : &g_realCalls;
    return previous;
}
} // namespace fwk
