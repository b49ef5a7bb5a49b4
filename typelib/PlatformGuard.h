// Runs one platform call so that a fault inside the platform (an access violation in a system
// library reading a damaged or unusual type library) ends the call instead of the host's process.
#pragma once

#include "module/BrowserApi.h"

#include <memory>
#include <utility>

namespace obr
{
// Runs fn(context); false when it faulted, in which case fn did not return and whatever it was
// doing is abandoned. For calls into the platform only: no destructor of ours may be skipped.
[[nodiscard]] OBR_API bool RunGuarded(void (*fn)(void* context), void* context);

// The same for a callable: GuardedCall([&] { hr = info->GetFuncDesc(i, &desc); }).
template <class F> [[nodiscard]] bool GuardedCall(F&& call)
{
    return RunGuarded([](void* context) { (*static_cast<F*>(context))(); }, &call);
}

// A guarded platform call that returns an HRESULT: its result, or E_UNEXPECTED when it faulted.
//     if (FAILED(obr::Guarded([&] { return info->GetTypeAttr(&attributes); })))
template <class F> [[nodiscard]] long Guarded(F&& call)
{
    long hr = static_cast<long>(0x8000FFFFL); // E_UNEXPECTED
    if (!GuardedCall([&] { hr = call(); }))
        return static_cast<long>(0x8000FFFFL);
    return hr;
}

// A platform call that can harm the thread it runs on beyond what the guard above can mend (a
// damaged file that overruns the stack, a recursion that spends all of it) or never return (a loop
// inside the platform's loader) runs as an isolated work: on a thread of its own, waited for up to
// a time limit.
class IsolatedWork
{
public:
    virtual ~IsolatedWork() = default;
    // Runs on the isolated thread. Its results are read only when the call Finished; a work that
    // faulted is abandoned, and one still running past the limit is destroyed on its thread when
    // (if ever) Run returns.
    virtual void Run() = 0;
};

enum class IsolatedEnd
{
    Finished,
    Faulted,   // its thread was ended by a fault
    TimedOut,  // still running, left to itself: a thread cannot be ended safely from outside
    NotStarted // no thread could be made
};

OBR_API IsolatedEnd RunIsolated(const std::shared_ptr<IsolatedWork>& work, unsigned long timeLimitMs);
} // namespace obr
