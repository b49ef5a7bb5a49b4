// A program of the build run as a child process: started, waited for with a limit, its exit code
// and (when asked for) its standard output and error read; ended and its handles closed with the object.
#pragma once

#include "module/WinHolders.h"

#include <windows.h>
#include <string>

namespace obrtest
{
class ChildProcess
{
public:
    // Starts the command line in the folder (the caller's when empty); with captureOutput, the
    // child's standard output and error go to a pipe that Wait reads.
    ChildProcess(std::string commandLine, const std::string& folder = std::string(),
                 bool captureOutput = false);
    // Ends a child still running.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return static_cast<bool>(m_process); }
    DWORD Id() const { return m_id; }
    HANDLE Process() const { return m_process.Get(); }
    HANDLE Thread() const { return m_thread.Get(); }
    // Reads the output to its end (when captured) and waits for the child's end; false when it
    // did not end within the limit.
    bool Wait(DWORD timeoutMs);
    // The exit code once ended; 999 before, or when the child did not start.
    DWORD ExitCode() const;
    const std::string& Output() const { return m_output; }
    void Terminate();

private:
    KernelHandle m_process;
    KernelHandle m_thread;
    KernelHandle m_outputPipe;
    DWORD m_id = 0;
    std::string m_output;
};
} // namespace obrtest
