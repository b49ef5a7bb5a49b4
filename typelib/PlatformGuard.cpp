#include "typelib/PlatformGuard.h"
#include "module/WinHolders.h"

#include <windows.h>

namespace obr
{
namespace
{
// The starting point of the guarded call running on this thread. Each thread has its own, so a
// fault on another thread is never taken for one of ours: that thread's own handling sees it.
struct GuardState
{
    CONTEXT context;
    volatile LONG armed;
    volatile LONG faulted;
};
thread_local GuardState t_state;

// Faults of code reading bad data, and the breakpoint with which Wine's type-library loader gives up
// on a damaged file. A stack overflow is not among them: recursion is bounded in the module, and
// once the stack's guard page is spent, resuming would not be safe.
bool IsPlatformFault(DWORD code)
{
    return code == EXCEPTION_ACCESS_VIOLATION || code == EXCEPTION_BREAKPOINT ||
           code == EXCEPTION_ILLEGAL_INSTRUCTION || code == EXCEPTION_PRIV_INSTRUCTION ||
           code == EXCEPTION_INT_DIVIDE_BY_ZERO || code == EXCEPTION_ARRAY_BOUNDS_EXCEEDED ||
           code == EXCEPTION_DATATYPE_MISALIGNMENT || code == EXCEPTION_IN_PAGE_ERROR;
}

// Returns execution to the point where this thread's guarded call was about to start, marked as
// faulted.
LONG CALLBACK ReturnToGuard(EXCEPTION_POINTERS* exception)
{
    GuardState& state = t_state;
    if (!state.armed || !IsPlatformFault(exception->ExceptionRecord->ExceptionCode))
        return EXCEPTION_CONTINUE_SEARCH;
    state.armed = 0;
    state.faulted = 1;
    *exception->ContextRecord = state.context;
    return EXCEPTION_CONTINUE_EXECUTION;
}
} // namespace

bool RunGuarded(void (*fn)(void* context), void* context)
{
    GuardState& state = t_state;
    // Installed only while the call runs.
    PVOID handler = ::AddVectoredExceptionHandler(1, &ReturnToGuard);
    state.faulted = 0;
    state.armed = 0;
    // A fault resumes here, with the registers as they are now and the state marked faulted.
    ::RtlCaptureContext(&state.context);
    if (!state.faulted)
    {
        state.armed = 1;
        fn(context);
        state.armed = 0;
    }
    if (handler)
        ::RemoveVectoredExceptionHandler(handler);
    return !state.faulted;
}

namespace
{
// The exit code of an isolated thread that a fault ended.
constexpr DWORD kEndedByFault = 0xFA17;
// Room for the platform's own recursion on a large library.
constexpr SIZE_T kIsolatedStack = 4 << 20;

struct IsolatedStart
{
    std::shared_ptr<IsolatedWork> work;
    HMODULE pin; // keeps this module loaded while the thread runs its code
};
thread_local IsolatedStart* t_isolated = nullptr;

// A fault on an isolated thread ends that thread. Nothing of the thread's is touched on the way
// out, not even its heap blocks: the fault may have left them half-written. The handler stays
// registered and the module pinned, since nothing unregisters them any more.
LONG CALLBACK EndIsolatedThread(EXCEPTION_POINTERS* exception)
{
    const DWORD code = exception->ExceptionRecord->ExceptionCode;
    if (!t_isolated || !(IsPlatformFault(code) || code == EXCEPTION_STACK_OVERFLOW))
        return EXCEPTION_CONTINUE_SEARCH;
    t_isolated = nullptr;
    ::ExitThread(kEndedByFault);
}

DWORD WINAPI RunIsolatedThread(void* parameter)
{
    IsolatedStart* start = static_cast<IsolatedStart*>(parameter);
    const HMODULE pin = start->pin;
    if (PVOID handler = ::AddVectoredExceptionHandler(1, &EndIsolatedThread))
    {
        t_isolated = start;
        start->work->Run();
        t_isolated = nullptr;
        ::RemoveVectoredExceptionHandler(handler);
        delete start;
        ::FreeLibraryAndExitThread(pin, 0);
    }
    delete start;
    ::FreeLibraryAndExitThread(pin, kEndedByFault);
}

} // namespace

IsolatedEnd RunIsolated(const std::shared_ptr<IsolatedWork>& work, unsigned long timeLimitMs)
{
    HMODULE pin = nullptr;
    if (!::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                              reinterpret_cast<LPCWSTR>(&RunIsolatedThread), &pin))
        return IsolatedEnd::NotStarted;
    auto* start = new IsolatedStart{work, pin};
    const KernelHandle thread(::CreateThread(nullptr, kIsolatedStack, &RunIsolatedThread, start,
                                             STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr));
    if (!thread)
    {
        delete start;
        ::FreeLibrary(pin);
        return IsolatedEnd::NotStarted;
    }
    const bool ended = ::WaitForSingleObject(thread.Get(), timeLimitMs) == WAIT_OBJECT_0;
    DWORD exitCode = 0;
    ::GetExitCodeThread(thread.Get(), &exitCode);
    if (!ended)
        return IsolatedEnd::TimedOut;
    return exitCode == kEndedByFault ? IsolatedEnd::Faulted : IsolatedEnd::Finished;
}
} // namespace obr
