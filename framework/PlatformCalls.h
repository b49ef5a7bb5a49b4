// The platform calls that open something outside the process: help viewers, message boxes and
// the file-open dialog. Everything in the framework and the module makes them through Platform(),
// so a test can replace them to observe a request and answer it without a viewer or a person.
#pragma once

#include "framework/FrameworkApi.h"

#include <windows.h>
#include <commdlg.h>

namespace fwk
{
// The ANSI entry point of the HTML Help control, as a module resolves it at run time.
typedef HWND(WINAPI* HtmlHelpEntry)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);

class FWK_API PlatformCalls
{
public:
    virtual ~PlatformCalls();
    virtual BOOL WinHelp(HWND owner, LPCSTR helpFile, UINT command, ULONG_PTR data);
    virtual HWND HtmlHelp(HtmlHelpEntry entry, HWND caller, LPCSTR file, UINT command, DWORD_PTR data);
    virtual int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
    virtual BOOL GetOpenFileName(OPENFILENAMEA* request);
    virtual BOOL GetSaveFileName(OPENFILENAMEA* request);
};

// The calls in force: the real ones unless a test has put others in place.
FWK_API PlatformCalls& Platform();
// Puts calls in place (not owned) and returns the previous ones; null restores the real calls.
FWK_API PlatformCalls* SetPlatform(PlatformCalls* calls);
} // namespace fwk
