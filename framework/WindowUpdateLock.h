// Freezes a window's drawing for a scope (LockWindowUpdate) and lets it go at the scope's end. The
// platform has one lock for the whole desktop and no count: a lock taken inside another (a class
// selected while a library changes) would end the outer one early. Locks taken inside another on
// the same thread nest here, and only the outermost locks and unlocks.
#pragma once

#include "framework/CWnd.h"

class FWK_API WindowUpdateLock
{
public:
    explicit WindowUpdateLock(CWnd& window);
    ~WindowUpdateLock();
    WindowUpdateLock(const WindowUpdateLock&) = delete;
    WindowUpdateLock& operator=(const WindowUpdateLock&) = delete;

    // How many locks are held on this thread (for tests).
    static int Depth();

private:
    bool m_bLocked = false;
};
