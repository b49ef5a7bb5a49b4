#include "tests/support/ChildProcess.h"

namespace obrtest
{
ChildProcess::ChildProcess(std::string commandLine, const std::string& folder, bool captureOutput)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    KernelHandle writeEnd;
    if (captureOutput)
    {
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        HANDLE read = nullptr, write = nullptr;
        if (!::CreatePipe(&read, &write, &inherit, 0))
            return;
        m_outputPipe.Attach(read);
        writeEnd.Attach(write);
        ::SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = startup.hStdError = write;
    }
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, captureOutput, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &process))
        return;
    m_process.Attach(process.hProcess);
    m_thread.Attach(process.hThread);
    m_id = process.dwProcessId;
}

ChildProcess::~ChildProcess()
{
    Terminate();
}

bool ChildProcess::Wait(DWORD timeoutMs)
{
    if (!m_process)
        return false;
    // The pipe ends when the child does (its write end was closed here as it started).
    char buffer[512];
    DWORD read = 0;
    while (m_outputPipe && ::ReadFile(m_outputPipe.Get(), buffer, sizeof buffer, &read, nullptr) && read)
        m_output.append(buffer, read);
    return ::WaitForSingleObject(m_process.Get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD ChildProcess::ExitCode() const
{
    DWORD code = 999;
    if (!m_process || !::GetExitCodeProcess(m_process.Get(), &code) || code == STILL_ACTIVE)
        return 999;
    return code;
}

void ChildProcess::Terminate()
{
    if (m_process && ::WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT)
    {
        ::TerminateProcess(m_process.Get(), 1);
        ::WaitForSingleObject(m_process.Get(), 5000);
    }
}
} // namespace obrtest
