// The start mark of a test program: the Wine wrapper that runs it (cmake/wine/run.in) names a file
// in OBR_START_MARK, and the program creates it first thing. A failure without the file is Wine's
// failing to start the program, not the program's own.
#pragma once

#include <windows.h>

namespace obrtest
{
inline void MarkProgramStarted()
{
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetEnvironmentVariableW(L"OBR_START_MARK", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    const HANDLE file =
        ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        ::CloseHandle(file);
}
} // namespace obrtest
