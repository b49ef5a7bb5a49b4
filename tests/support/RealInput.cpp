#include "tests/support/RealInput.h"
#include "tests/support/MessagePump.h"
#include "resources/resource.h"

#include <commctrl.h>

namespace obrtest
{
bool WaitForForeground(HWND window)
{
    ::SetForegroundWindow(window);
    return WaitUntil([window] { return ::GetForegroundWindow() == window; });
}

bool WaitForMembers(HWND browser)
{
    HWND members = ::GetDlgItem(browser, IDC_MEMBERS_LIST);
    RECT last = {};
    int steady = 0;
    return WaitUntil(
        [&]
        {
            RECT now = {};
            ::GetWindowRect(members, &now);
            steady = ::EqualRect(&now, &last) ? steady + 1 : 0;
            last = now;
            return ::SendMessageA(members, LVM_GETITEMCOUNT, 0, 0) > 0 && steady >= 10;
        });
}

namespace
{
// A mouse event at a point of the screen.
void SendMouse(POINT at, DWORD flag)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = at.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = at.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flag | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    ::SendInput(1, &input, sizeof input);
    ::Sleep(30);
}
} // namespace

void DoubleClickTheFirstMember(HWND browser)
{
    WaitForForeground(browser);
    RECT list;
    ::GetWindowRect(::GetDlgItem(browser, IDC_MEMBERS_LIST), &list);
    const POINT at = {list.left + 30, list.top + 10};
    for (DWORD flag : {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN,
                       MOUSEEVENTF_LEFTUP})
        SendMouse(at, flag);
}

void MoveTheMouseTo(POINT at)
{
    SendMouse(at, MOUSEEVENTF_MOVE);
}

void ClickWithTheMouse(POINT at)
{
    for (DWORD flag : {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP})
        SendMouse(at, flag);
}

void DragWithTheMouse(POINT from, POINT to)
{
    SendMouse(from, MOUSEEVENTF_MOVE);
    SendMouse(from, MOUSEEVENTF_LEFTDOWN);
    // In steps, as a hand moves: the window manager's loop follows the pointer.
    for (int step = 1; step <= 5; ++step)
        SendMouse(POINT{from.x + (to.x - from.x) * step / 5, from.y + (to.y - from.y) * step / 5},
                  MOUSEEVENTF_MOVE);
    SendMouse(to, MOUSEEVENTF_LEFTUP);
    ::Sleep(200);
}
} // namespace obrtest
