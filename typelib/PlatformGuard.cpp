#include "PlatformGuard.h"

#include <windows.h>

namespace obr
{
namespace
{
// The guarded call's starting point. Everything runs on the user-interface thread and guarded
// calls do not nest, so one state serves.
struct GuardState
{
    CONTEXT context;
    volatile LONG armed;
    volatile LONG faulted;
};
GuardState g_state;

bool IsPlatformFault(DWORD code)
{
    return code == EXCEPTION_ACCESS_VIOLATION || code == EXCEPTION_ILLEGAL_INSTRUCTION ||
           code == EXCEPTION_PRIV_INSTRUCTION || code == EXCEPTION_INT_DIVIDE_BY_ZERO ||
           code == EXCEPTION_STACK_OVERFLOW || code == EXCEPTION_ARRAY_BOUNDS_EXCEEDED ||
           code == EXCEPTION_DATATYPE_MISALIGNMENT || code == EXCEPTION_IN_PAGE_ERROR;
}

// Returns execution to the point where the guarded call was about to start, marked as faulted.
LONG CALLBACK ReturnToGuard(EXCEPTION_POINTERS* exception)
{
    if (!g_state.armed || !IsPlatformFault(exception->ExceptionRecord->ExceptionCode))
        return EXCEPTION_CONTINUE_SEARCH;
    g_state.armed = 0;
    g_state.faulted = 1;
    *exception->ContextRecord = g_state.context;
    return EXCEPTION_CONTINUE_EXECUTION;
}
} // namespace

bool RunGuarded(void (*fn)(void* context), void* context)
{
    PVOID handler = ::AddVectoredExceptionHandler(1, &ReturnToGuard);
    g_state.faulted = 0;
    g_state.armed = 0;
    // A fault resumes here, with the registers as they are now and g_state.faulted set.
    ::RtlCaptureContext(&g_state.context);
    if (!g_state.faulted)
    {
        g_state.armed = 1;
        fn(context);
        g_state.armed = 0;
    }
    if (handler)
        ::RemoveVectoredExceptionHandler(handler);
    return !g_state.faulted;
}
} // namespace obr
