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

void DoubleClickTheFirstMember(HWND browser)
{
    WaitForForeground(browser);
    RECT list;
    ::GetWindowRect(::GetDlgItem(browser, IDC_MEMBERS_LIST), &list);
    const LONG x = (list.left + 30) * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
    const LONG y = (list.top + 10) * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
    for (DWORD flag : {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN,
                       MOUSEEVENTF_LEFTUP})
    {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dx = x;
        input.mi.dy = y;
        input.mi.dwFlags = flag | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
        ::SendInput(1, &input, sizeof input);
        ::Sleep(30);
    }
}
} // namespace obrtest
