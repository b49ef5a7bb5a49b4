#include "tests/support/MessagePump.h"

#include <windows.h>
#include <cstdlib>

namespace obrtest
{
void LingerIfAsked()
{
    const char* linger = std::getenv("OBR_TEST_LINGER_MS");
    if (!linger)
        return;
    const DWORD end = ::GetTickCount() + static_cast<DWORD>(std::atoi(linger));
    while (::GetTickCount() < end)
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(20);
    }
}
} // namespace obrtest
