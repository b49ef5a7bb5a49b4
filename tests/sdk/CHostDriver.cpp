// Drives the C example host, built against the installed SDK, by real input: its browser opens
// beside its editor, a double-click on the first member chooses it, and the name lands in the
// editor (the same text the browser put on the clipboard). Exit code 0 when it did.
#include "tests/support/ChildProcess.h"
#include "tests/support/MessagePump.h"
#include "resources/resource.h"

#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include <string>

namespace
{
HWND FindVisible(const char* caption)
{
    HWND window = ::FindWindowA(nullptr, caption);
    return window && ::IsWindowVisible(window) ? window : nullptr;
}

std::string TextOf(HWND window)
{
    char text[256] = {};
    ::SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string ClipboardText()
{
    std::string text;
    if (!::OpenClipboard(nullptr))
        return text;
    if (HANDLE data = ::GetClipboardData(CF_TEXT))
        if (const char* locked = static_cast<const char*>(::GlobalLock(data)))
        {
            text = locked;
            ::GlobalUnlock(data);
        }
    ::CloseClipboard();
    return text;
}

int Fail(const char* what)
{
    std::printf("c_host: %s\n", what);
    return 1;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Fail("usage: c_host_driver PATH\\c_host.exe");
    obrtest::ChildProcess host(std::string("\"") + argv[1] + "\"");
    if (!host.Started())
        return Fail("the host did not start");
    HWND browser = nullptr, editorWindow = nullptr;
    if (!obrtest::WaitUntil(
            [&] { return (browser = FindVisible("Explorateur d'Objets - exemple C")) != nullptr; }, 20000) ||
        !obrtest::WaitUntil([&] { return (editorWindow = FindVisible("H\xF4te C")) != nullptr; }))
        return Fail("no browser beside the editor");
    HWND members = ::GetDlgItem(browser, IDC_MEMBERS_LIST);
    RECT last = {};
    int steady = 0;
    if (!obrtest::WaitUntil(
            [&]
            {
                RECT now = {};
                ::GetWindowRect(members, &now);
                steady = ::EqualRect(&now, &last) ? steady + 1 : 0;
                last = now;
                return ::SendMessageA(members, LVM_GETITEMCOUNT, 0, 0) > 0 && steady >= 10;
            }))
        return Fail("the browser lists no member");
    ::SetForegroundWindow(browser);
    obrtest::WaitUntil([&] { return ::GetForegroundWindow() == browser; });
    // A double-click on the first row, each event at its place.
    RECT list;
    ::GetWindowRect(members, &list);
    const LONG x = (list.left + 30) * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
    const LONG y = (list.top + 10) * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
    const DWORD flags[] = {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN,
                           MOUSEEVENTF_LEFTUP};
    for (DWORD flag : flags)
    {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dx = x;
        input.mi.dy = y;
        input.mi.dwFlags = flag | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
        ::SendInput(1, &input, sizeof input);
        ::Sleep(30);
    }
    HWND editor = ::GetDlgItem(editorWindow, 100);
    std::string pasted;
    obrtest::WaitUntil([&] { return !(pasted = TextOf(editor)).empty(); });
    const std::string chosen = ClipboardText();
    ::PostMessageA(editorWindow, WM_CLOSE, 0, 0);
    if (!host.Wait(10000) || host.ExitCode() != 0)
        return Fail("the host did not end cleanly");
    if (pasted.empty() || pasted != chosen)
        return Fail(("the editor holds \"" + pasted + "\", the clipboard \"" + chosen + "\"").c_str());
    std::printf("c_host: \"%s\" pasted into the editor\n", pasted.c_str());
    return 0;
}
