// objbrowser_probe.exe "file": walks a type-library file as the host would and ends with the
// module's exit code for what it found. Run by the module, in a job of its own, never by a user.
#include "references/TypeLibProbe.h"

#include <windows.h>
#include <shellapi.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    RunTypeLibraryProbe(arguments && count > 1 ? arguments[1] : nullptr);
    return 0;
}
