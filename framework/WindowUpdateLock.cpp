#include "framework/WindowUpdateLock.h"

namespace
{
thread_local int t_depth = 0;
} // namespace

WindowUpdateLock::WindowUpdateLock(CWnd& window)
{
    if (t_depth++ == 0)
        m_bLocked = window.LockWindowUpdate() != FALSE;
}

WindowUpdateLock::~WindowUpdateLock()
{
    if (--t_depth == 0 && m_bLocked)
        CWnd::UnlockWindowUpdate();
}

int WindowUpdateLock::Depth()
{
    return t_depth;
}
