// The guard around platform calls: it ends a call that faults, and takes no fault of another thread;
// an isolated call survives even a call that destroys its own stack, or never returns.
#include "typelib/PlatformGuard.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <memory>

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
// Writes over everything above its own frame, as a damaged file makes the platform's loader do,
// then returns into what it wrote.
void OverrunTheStack()
{
    volatile char buffer[16];
    volatile char* byte = buffer;
    for (int i = 0; i < (64 << 10); ++i)
        byte[i] = 0x41;
}

struct Work : obr::IsolatedWork
{
    enum Kind
    {
        Answer,
        Overrun,
        Loop
    } kind;
    volatile LONG* released; // a loop runs until this is set
    int answer = 0;
    std::shared_ptr<int> watch = std::make_shared<int>(); // tells when the work is destroyed
    Work(Kind k, volatile LONG* release) : kind(k), released(release) {}
    void Run() override
    {
        if (kind == Overrun)
            OverrunTheStack();
        while (kind == Loop && !*released)
            Sleep(1);
        answer = 42;
    }
};
} // namespace

TEST(PlatformGuard, AnIsolatedCallEndsWhateverItsWorkDoes)
{
    volatile LONG released = 0;
    auto answer = std::make_shared<Work>(Work::Answer, &released);
    auto overrun = std::make_shared<Work>(Work::Overrun, &released);
    auto loop = std::make_shared<Work>(Work::Loop, &released);
    EXPECT_EQ(obr::IsolatedEnd::Finished, obr::RunIsolated(answer, 10000));
    EXPECT_EQ(42, answer->answer);
    EXPECT_EQ(obr::IsolatedEnd::Faulted, obr::RunIsolated(overrun, 10000));
    EXPECT_EQ(obr::IsolatedEnd::TimedOut, obr::RunIsolated(loop, 50));

    // The work left running is the thread's own: dropped here, it lives until its Run returns.
    std::weak_ptr<int> loopAlive = loop->watch;
    loop.reset();
    EXPECT_FALSE(loopAlive.expired());
    released = 1;
    for (int wait = 0; wait < 1000 && !loopAlive.expired(); ++wait)
        Sleep(10);
    EXPECT_TRUE(loopAlive.expired());
}

TEST(PlatformGuard, AFaultEndsTheCallAndTheCallerGoesOn)
{
    bool after = false;
    EXPECT_FALSE(obr::GuardedCall(
        [&]
        {
            Fault();
            after = true;
        }));
    EXPECT_FALSE(after);
    EXPECT_TRUE(obr::GuardedCall([] {}));
    EXPECT_EQ(static_cast<long>(E_UNEXPECTED), obr::Guarded(
                                                   []
                                                   {
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
            HANDLE thread =
                CreateThread(nullptr, 0, &FaultInItsOwnGuardedCall, &otherCallSucceeded, 0, nullptr);
            WaitForSingleObject(thread, 10000);
            CloseHandle(thread);
        });
    EXPECT_TRUE(ownCallSucceeded);
    EXPECT_FALSE(otherCallSucceeded);
}
