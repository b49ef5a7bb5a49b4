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
    Faulted,     // the probing process crashed, hung or ran out of memory
    NotProbed    // no process could be started to probe it
};

// The program that probes: objbrowser_probe.exe beside this module unless a host names another
// (an empty path brings the default back).
OBR_API void SetProbeProgram(const CString& path);
OBR_API CString ProbeProgram();

// Loads the file and walks every type and member in a process of the probe program, in a job that
// caps its memory and ends it with the host, and waits for it at most timeoutMs. The calling
// thread's windows keep painting meanwhile, under the wait cursor.
OBR_API ProbeResult ProbeTypeLibraryFile(const CString& path, DWORD timeoutMs = 15000);

// The probe program's whole work: walks the file as the host would and ends the process with a
// code of its own for a sound library and another for a file that is no type library; a fault
// ends it otherwise. Never returns.
extern "C" OBR_API void RunTypeLibraryProbe(const wchar_t* path);
