// Drives the C example host, built against the installed SDK, by real input: its browser opens
// beside its editor, a double-click on the first member chooses it, and the name lands in the
// editor (the same text the browser put on the clipboard). Exit code 0 when it did.
#include "tests/support/ChildProcess.h"
#include "tests/support/MessagePump.h"
#include "tests/support/RealInput.h"

#include <windows.h>
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
    if (!obrtest::WaitForMembers(browser))
        return Fail("the browser lists no member");
    obrtest::DoubleClickTheFirstMember(browser);
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
