// Runs one platform call so that a fault inside the platform (an access violation in a system
// library reading a damaged or unusual type library) ends the call instead of the host's process.
#pragma once

#include "BrowserApi.h"

#include <utility>

namespace obr
{
// Runs fn(context); false when it faulted, in which case fn did not return and whatever it was
// doing is abandoned. For calls into the platform only: no destructor of ours may be skipped.
OBR_API bool RunGuarded(void (*fn)(void* context), void* context);

// The same for a callable: GuardedCall([&] { hr = info->GetFuncDesc(i, &desc); }).
template <class F> bool GuardedCall(F&& call)
{
    return RunGuarded([](void* context) { (*static_cast<F*>(context))(); }, &call);
}
} // namespace obr
