#include "typelib/PlatformGuard.h"

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
} // namespace obr
