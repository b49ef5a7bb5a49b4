#include "tests/support/MessagePump.h"

#include <cstdlib>

namespace obrtest
{
namespace
{
bool Poll(const std::function<bool()>& condition, DWORD timeoutMs, bool pump)
{
    const DWORD start = ::GetTickCount();
    for (;;)
    {
        if (pump)
            PumpPending();
        if (condition())
            return true;
        if (::GetTickCount() - start >= timeoutMs)
            return false;
        ::Sleep(10);
    }
}
} // namespace

void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void PumpFor(DWORD milliseconds)
{
    Poll([] { return false; }, milliseconds, true);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    return Poll(condition, timeoutMs, true);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    return Poll(condition, timeoutMs, false);
}

void LingerIfAsked()
{
    if (const char* linger = std::getenv("OBR_TEST_LINGER_MS"))
        PumpFor(static_cast<DWORD>(std::atoi(linger)));
}
} // namespace obrtest
