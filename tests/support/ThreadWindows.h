// The top-level windows of the test's own thread: a tool tip a dialog made, a popup menu it opened.
#pragma once

#include <windows.h>
#include <functional>

namespace obrtest
{
namespace detail
{
struct WindowSearch
{
    const char* className;
    const std::function<bool(HWND)>* accept;
    HWND found;
};

inline BOOL CALLBACK TakeWindowOfClass(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<WindowSearch*>(context);
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    if (::lstrcmpiA(name, search->className) == 0 && (!*search->accept || (*search->accept)(window)))
        search->found = window;
    return TRUE;
}
} // namespace detail

// The last top-level window of this thread of the class that `accept` takes (any, without it);
// null when there is none.
inline HWND FindThreadWindow(const char* className, const std::function<bool(HWND)>& accept = nullptr)
{
    detail::WindowSearch search = {className, &accept, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &detail::TakeWindowOfClass,
                        reinterpret_cast<LPARAM>(&search));
    return search.found;
}
} // namespace obrtest
