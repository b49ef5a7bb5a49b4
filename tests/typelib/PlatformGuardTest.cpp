// The guard around platform calls: it ends a call that faults, and takes no fault of another thread.
#include "typelib/PlatformGuard.h"

#include <windows.h>
#include <gtest/gtest.h>

namespace
{
void Fault()
{
    *static_cast<volatile int*>(nullptr) = 1;
}

DWORD WINAPI FaultInItsOwnGuardedCall(LPVOID result)
{
    *static_cast<bool*>(result) = obr::GuardedCall([] { Fault(); });
    return 0;
}
} // namespace

TEST(PlatformGuard, AFaultEndsTheCallAndTheCallerGoesOn)
{
    bool after = false;
    EXPECT_FALSE(obr::GuardedCall([&] {
        Fault();
        after = true;
    }));
    EXPECT_FALSE(after);
    EXPECT_TRUE(obr::GuardedCall([] {}));
    EXPECT_EQ(static_cast<long>(E_UNEXPECTED), obr::Guarded([] {
        Fault();
        return S_OK;
    }));
    EXPECT_EQ(S_FALSE, obr::Guarded([] { return S_FALSE; }));
}

TEST(PlatformGuard, AFaultOnAnotherThreadIsThatThreadsOwn)
{
    // While this thread's guarded call runs, another thread faults inside a guarded call of its
    // own: each call learns of its own fault only, and both threads go on.
    bool otherCallSucceeded = true;
    const bool ownCallSucceeded = obr::GuardedCall(
        [&]
        {
            HANDLE thread = CreateThread(nullptr, 0, &FaultInItsOwnGuardedCall, &otherCallSucceeded, 0, nullptr);
            WaitForSingleObject(thread, 10000);
            CloseHandle(thread);
        });
    EXPECT_TRUE(ownCallSucceeded);
    EXPECT_FALSE(otherCallSucceeded);
}
