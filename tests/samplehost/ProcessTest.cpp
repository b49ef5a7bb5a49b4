// The sample host as a program: its standard output and exit codes.
#include "TestPaths.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <string>

namespace
{
struct HostRun
{
    DWORD exitCode = 999;
    std::string output;
};

// Starts samplehost.exe with the arguments; `whileRunning` runs once its process is up.
HostRun RunHost(const std::string& arguments, void (*whileRunning)(DWORD processId) = nullptr)
{
    HostRun run;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readPipe = nullptr, writePipe = nullptr;
    CreatePipe(&readPipe, &writePipe, &inherit, 0);
    SetHandleInformation(readPipe, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writePipe;
    startup.hStdError = writePipe;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + obrtest::ModuleDirectory() + "\\samplehost.exe\" " + arguments;
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process))
        return run;
    CloseHandle(writePipe);
    if (whileRunning)
        whileRunning(process.dwProcessId);
    char buffer[512];
    DWORD read = 0;
    while (ReadFile(readPipe, buffer, sizeof buffer, &read, nullptr) && read)
        run.output.append(buffer, read);
    WaitForSingleObject(process.hProcess, 30000);
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(readPipe);
    return run;
}

struct Search
{
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindBrowserOf(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char caption[64] = {};
    GetWindowTextA(window, caption, sizeof caption);
    if (owner == search->processId && std::string(caption) == "Explorateur de Fonctions")
        search->found = window;
    return TRUE;
}

// The browser window of the process, once it is up (null after 15 s without it).
HWND WaitForBrowser(DWORD processId)
{
    Search search = {processId, nullptr};
    for (int attempt = 0; attempt < 300 && !search.found; ++attempt)
    {
        Sleep(50);
        EnumWindows(&FindBrowserOf, reinterpret_cast<LPARAM>(&search));
    }
    return search.found;
}

void CancelTheBrowser(DWORD processId)
{
    HWND browser = WaitForBrowser(processId);
    ASSERT_NE(nullptr, browser);
    PostMessageA(browser, WM_COMMAND, IDCANCEL, 0);
}
// Double-clicks the first entry of the browser's members list, as a user would with the mouse.
void ChooseTheFirstEntry(DWORD processId)
{
    HWND browser = WaitForBrowser(processId);
    ASSERT_NE(nullptr, browser);
    Sleep(500); // the posted splitter drag and the first painting
    RECT list;
    GetWindowRect(GetDlgItem(browser, 1003), &list);
    SetForegroundWindow(browser);
    SetCursorPos(list.left + 30, list.top + 10);
    for (int click = 0; click < 2; ++click)
    {
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_MOUSE;
        input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, input, sizeof(INPUT));
        Sleep(30);
    }
}
} // namespace

TEST(SampleHostProgram, AChoiceIsPrintedAndExitsWithZero)
{
    // The first entry of the formula language's catalog, sorted by name, is the operator "-".
    HostRun run = RunHost("--browse 2", &ChooseTheFirstEntry);
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(" - \n", run.output);
}

TEST(SampleHostProgram, HelpListsTheOptions)
{
    HostRun run = RunHost("--help");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_NE(std::string::npos, run.output.find("--browse 0|1|2"));
    EXPECT_NE(std::string::npos, run.output.find("--project"));
}

TEST(SampleHostProgram, ABrowserClosedWithoutChoiceExitsWithOneAndPrintsNothing)
{
    HostRun run = RunHost("--browse 2", &CancelTheBrowser);
    EXPECT_EQ(1u, run.exitCode);
    EXPECT_EQ("", run.output);
}

TEST(SampleHostProgram, AnUnknownOptionIsExplained)
{
    HostRun run = RunHost("--nothing");
    EXPECT_EQ(2u, run.exitCode);
    EXPECT_NE(std::string::npos, run.output.find("--nothing"));
}
