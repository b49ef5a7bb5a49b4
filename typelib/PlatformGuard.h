// Runs one platform call so that a fault inside the platform (an access violation in a system
// library reading a damaged or unusual type library) ends the call instead of the host's process.
#pragma once

#include "module/BrowserApi.h"

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
} // namespace obr
