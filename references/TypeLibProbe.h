// Opening a type-library file the user picked, first in another process: a damaged file can make
// the platform's own loader fault or hang, and the host's process must not go with it.
#pragma once

#include "module/BrowserApi.h"
#include "framework/CString.h"

#include <windows.h>

enum class ProbeResult
{
    Sound,       // the file loads and every type and member reads cleanly
    NotALibrary, // the file does not load as a type library
    Faulted,     // the probing process crashed or hung
    NotProbed    // no process could be started to probe it
};

// Loads the file and walks every type and member in a process of the system's rundll32 running
// this module's ProbeTypeLibrary entry point, and waits for it at most timeoutMs.
OBR_API ProbeResult ProbeTypeLibraryFile(const CString& path, DWORD timeoutMs = 15000);

// The entry point run by rundll32: the command line is the file's path. The process exits with a
// code of its own for a sound library and another for a file that is no type library; a fault
// ends it otherwise.
extern "C" OBR_API void CALLBACK ProbeTypeLibraryW(HWND, HINSTANCE, LPWSTR path, int);
