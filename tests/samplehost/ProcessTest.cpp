// The sample host as a program: its standard output and exit codes.
#include "tests/support/ChildProcess.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ModalScript.h"
#include "tests/support/RealInput.h"
#include "tests/support/TestPaths.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <functional>
#include <string>

namespace
{
struct HostRun
{
    DWORD exitCode = 999;
    std::string output;
};

// Runs samplehost.exe with the arguments; `whileRunning` runs once its process is up.
HostRun RunHost(const std::string& arguments, void (*whileRunning)(DWORD processId) = nullptr)
{
    // Nothing remembered from one run to the next: each run starts as the test expects.
    obrtest::ChildProcess host("\"" + obrtest::ModuleDirectory() + "\\samplehost.exe\" --no-settings " +
                                   arguments,
                               std::string(), true);
    if (host.Started() && whileRunning)
        whileRunning(host.Id());
    host.Wait(30000);
    return {host.ExitCode(), host.Output()};
}

struct Search
{
    DWORD processId;
    const char* captionStart;
    HWND found;
};

BOOL CALLBACK FindWindowOf(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char caption[128] = {};
    GetWindowTextA(window, caption, sizeof caption);
    if (owner == search->processId && IsWindowVisible(window) &&
        std::string(caption).rfind(search->captionStart, 0) == 0)
        search->found = window;
    return TRUE;
}

// The visible top-level window of the process whose caption begins so, once it is up (null after
// 15 s without it).
HWND WaitForWindow(DWORD processId, const char* captionStart)
{
    Search search = {processId, captionStart, nullptr};
    obrtest::WaitUntil(
        [&]
        {
            EnumWindows(&FindWindowOf, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        15000);
    return search.found;
}

void CancelTheBrowser(DWORD processId)
{
    HWND browser = WaitForWindow(processId, "Explorateur de Fonctions");
    ASSERT_NE(nullptr, browser);
    PostMessageA(browser, WM_COMMAND, IDCANCEL, 0);
}
using obrtest::DoubleClickTheFirstMember;
using obrtest::PressKeys;
using obrtest::WaitForForeground;
using obrtest::WaitForMembers;

void ChooseTheFirstEntry(DWORD processId)
{
    HWND browser = WaitForWindow(processId, "Explorateur de Fonctions");
    ASSERT_NE(nullptr, browser);
    ASSERT_TRUE(WaitForMembers(browser));
    DoubleClickTheFirstMember(browser);
}

// The host's editor in front, F2, and the object browser up with its members listed.
bool OpenTheObjectBrowserWithF2(DWORD processId, HWND& host, HWND& browser)
{
    host = WaitForWindow(processId, "Hôte d'exemple");
    if (!host || !WaitForForeground(host))
        return false;
    PressKeys({VK_F2});
    browser = WaitForWindow(processId, "Explorateur d'Objets");
    return browser && WaitForMembers(browser) && WaitForForeground(browser);
}

// The text of the host's editor once `arrived` says it has come: up to 10 s on a loaded machine.
std::string EditorText(HWND host, const std::function<bool(const std::string&)>& arrived)
{
    char text[256] = {};
    obrtest::WaitUntil(
        [&]
        {
            SendMessageA(GetDlgItem(host, 100), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
            return arrived(text);
        });
    return text;
}

std::string g_editorText;

// F2 in the editor, a double-click on Dictionary's first member, and the editor's text read back.
void PasteFromTheObjectBrowser(DWORD processId)
{
    HWND host = nullptr, browser = nullptr;
    ASSERT_TRUE(OpenTheObjectBrowserWithF2(processId, host, browser));
    const std::string before = EditorText(host, [](const std::string&) { return true; });
    DoubleClickTheFirstMember(browser);
    // The name arrives when the host has handled the paste.
    g_editorText = EditorText(host, [&](const std::string& text) { return text != before; });
    obrtest::LingerIfAsked();
    PostMessageA(host, WM_CLOSE, 0, 0);
}

// The object browser of a first run, moved and resized with the mouse, and of a second run.
RECT g_leftAt, g_reopenedAt;

void MoveAndResizeTheObjectBrowser(DWORD processId)
{
    HWND host = nullptr, browser = nullptr;
    ASSERT_TRUE(OpenTheObjectBrowserWithF2(processId, host, browser));
    RECT place;
    GetWindowRect(browser, &place);
    const int caption = GetSystemMetrics(SM_CYCAPTION) / 2 + GetSystemMetrics(SM_CYFRAME);
    obrtest::DragWithTheMouse(POINT{place.left + 80, place.top + caption},
                              POINT{place.left + 20, place.top + caption + 40});
    GetWindowRect(browser, &place);
    // Smaller, so that it stays inside the screen (a window partly off it comes back pulled in).
    obrtest::DragWithTheMouse(POINT{place.right - 2, place.bottom - 2},
                              POINT{place.right - 70, place.bottom - 50});
    GetWindowRect(browser, &g_leftAt);
    PostMessageA(host, WM_CLOSE, 0, 0);
}

void ReopenTheObjectBrowser(DWORD processId)
{
    HWND host = nullptr, browser = nullptr;
    ASSERT_TRUE(OpenTheObjectBrowserWithF2(processId, host, browser));
    GetWindowRect(browser, &g_reopenedAt);
    PostMessageA(host, WM_CLOSE, 0, 0);
}
} // namespace

TEST(SampleHostProgram, TheObjectBrowserComesBackWhereTheUserLeftIt)
{
    obrtest::TemporaryFolder folder("obr-process-place");
    const std::string key = "Software\\ObjBrowserTests\\Host" + std::to_string(GetCurrentProcessId());
    RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
    const std::string arguments = "--settings " + key + " --project \"" + folder.File("projet.ini") + "\"";
    HostRun first = RunHost(arguments, &MoveAndResizeTheObjectBrowser);
    RunHost("--project \"" + folder.File("projet.ini") + "\"", &ReopenTheObjectBrowser); // remembers nothing
    const RECT beside = g_reopenedAt;
    HostRun second = RunHost(arguments, &ReopenTheObjectBrowser);
    RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
    EXPECT_EQ(0u, first.exitCode);
    EXPECT_EQ(0u, second.exitCode);
    // Moved and resized by the mouse, then found there again.
    EXPECT_FALSE(EqualRect(&beside, &g_leftAt));
    EXPECT_NE(beside.right - beside.left, g_leftAt.right - g_leftAt.left);
    EXPECT_TRUE(EqualRect(&g_leftAt, &g_reopenedAt))
        << g_leftAt.left << "," << g_leftAt.top << " " << g_leftAt.right << "," << g_leftAt.bottom << " / "
        << g_reopenedAt.left << "," << g_reopenedAt.top << " " << g_reopenedAt.right << ","
        << g_reopenedAt.bottom;
}

TEST(SampleHostProgram, AChoiceIsPrintedAndExitsWithZeroNoChoiceExitsWithOneAndPrintsNothing)
{
    // The first entry of the formula language's catalog, sorted by name, is the operator "-".
    HostRun run = RunHost("--browse 2", &ChooseTheFirstEntry);
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(" - \n", run.output);
    run = RunHost("--browse 2", &CancelTheBrowser);
    EXPECT_EQ(1u, run.exitCode);
    EXPECT_EQ("", run.output);
}

TEST(SampleHostProgram, F2AndADoubleClickPasteAMemberAtTheEditorsCaret)
{
    obrtest::TemporaryFolder folder("obr-process-coller");
    g_editorText.clear();
    HostRun run = RunHost("--project \"" + folder.File("projet.ini") + "\" --select Scripting.Dictionary",
                          &PasteFromTheObjectBrowser);
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ("Sub Main\r\n    CompareMode\r\nEnd Sub\r\n", g_editorText);
}

TEST(SampleHostProgram, HelpListsTheOptionsVersionPrintsTheVersionAndAnUnknownOptionIsExplained)
{
    HostRun run = RunHost("--help");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_NE(std::string::npos, run.output.find("--browse 0|1|2"));
    EXPECT_NE(std::string::npos, run.output.find("--project"));
    // Through a pipe the text comes in code page 1252, which scripts/run.sh converts for a terminal.
    EXPECT_NE(std::string::npos, run.output.find("l'\xE9"
                                                 "diteur"));
    run = RunHost("--version");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ("samplehost " OBR_VERSION "\n", run.output);
    run = RunHost("--nothing");
    EXPECT_EQ(2u, run.exitCode);
    EXPECT_NE(std::string::npos, run.output.find("--nothing"));
}

TEST(SampleHostProgram, ReadOnlyStartsNeverWriteTheProjectAndTellADamagedOne)
{
    obrtest::TemporaryFolder folder("obr-process-lecture");
    // A new project: listed with its defaults, and no file made.
    const std::string fresh = folder.File("nouveau.ini");
    HostRun run = RunHost("--list-references --project \"" + fresh + "\"");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_NE(std::string::npos,
              run.output.find("OLE Automation (2.0)\t{00020430-0000-0000-C000-000000000046}"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(fresh.c_str()));

    // A damaged one: what reads is listed (a library registered nowhere marked), the damage told on
    // standard error, the file left byte for byte.
    const std::string damaged = "[References]\r\nCount=3\r\n[Reference0]\r\nGuid={pas un guid}\r\n"
                                "[Reference1]\r\nGuid={12345678-0000-0000-0000-000000000001}\r\nMajor=1\r\n"
                                "Minor=0\r\nLcid=0\r\nName=Disparue (1.0)\r\nPath=\r\n";
    const std::string path = folder.Write("projet.ini", damaged);
    run = RunHost("--list-references --project \"" + path + "\"");
    EXPECT_EQ(3u, run.exitCode);
    EXPECT_NE(std::string::npos,
              run.output.find("MANQUANT : Disparue (1.0)\t{12345678-0000-0000-0000-000000000001}"));
    EXPECT_NE(std::string::npos,
              run.output.find("endommagé : ces parties n'ont pas pu être lues : Reference0, "
                              "Reference2."));
    run = RunHost("--browse 2 --project \"" + path + "\"");
    EXPECT_EQ(3u, run.exitCode);
    EXPECT_EQ(damaged, obrtest::ReadFileText(path));
}

namespace
{
std::string g_typed;
bool g_hostActive = false;

// F2, Escape (the browser hides), Alt+O R (the references dialog), Enter (confirmed), then a key:
// it reaches the editor.
void TypeAfterTheReferencesDialog(DWORD processId)
{
    HWND host = nullptr, browser = nullptr;
    ASSERT_TRUE(OpenTheObjectBrowserWithF2(processId, host, browser));
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(
        obrtest::WaitUntil([&] { return !IsWindowVisible(browser) && GetForegroundWindow() == host; }));
    PressKeys({VK_MENU, 'O'});
    // The menu opens (a platform that does not say so gets two seconds).
    const DWORD hostThread = GetWindowThreadProcessId(host, nullptr);
    obrtest::WaitUntil(
        [hostThread]
        {
            GUITHREADINFO info = {};
            info.cbSize = sizeof info;
            return GetGUIThreadInfo(hostThread, &info) && (info.flags & GUI_INMENUMODE);
        },
        2000);
    PressKeys({'R'});
    HWND references = WaitForWindow(processId, "Références");
    ASSERT_NE(nullptr, references);
    ASSERT_TRUE(obrtest::WaitUntil([&] { return GetForegroundWindow() == references; }));
    PressKeys({VK_RETURN});
    ASSERT_TRUE(obrtest::WaitUntil([&] { return !IsWindow(references) && GetForegroundWindow() == host; }));
    PressKeys({'X'});
    g_typed = EditorText(host, [](const std::string& text) { return text.find('x') != std::string::npos; });
    g_hostActive = GetForegroundWindow() == host;
    PostMessageA(host, WM_CLOSE, 0, 0);
}
} // namespace

TEST(SampleHostProgram, AfterTheReferencesDialogTheKeysGoToTheEditorNotToTheHiddenBrowser)
{
    obrtest::TemporaryFolder folder("obr-process-clavier");
    g_typed.clear();
    g_hostActive = false;
    HostRun run = RunHost("--project \"" + folder.File("projet.ini") + "\"", &TypeAfterTheReferencesDialog);
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_NE(std::string::npos, g_typed.find('x')) << g_typed;
    EXPECT_TRUE(g_hostActive);
}
