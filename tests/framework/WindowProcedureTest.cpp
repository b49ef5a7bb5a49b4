// Window procedures are the boundary to the platform: a C++ exception thrown by a handler stops
// there, and the message is answered as the default procedure would.
#include "framework/Framework.h"

#include <gtest/gtest.h>
#include <new>

namespace
{
class ThrowingWindow : public CWnd
{
public:
    int m_nTimers = 0;

protected:
    void OnTimer(UINT_PTR)
    {
        ++m_nTimers;
        throw std::bad_alloc();
    }
    DECLARE_MESSAGE_MAP()
};

// clang-format off
BEGIN_MESSAGE_MAP(ThrowingWindow, CWnd)
    ON_WM_TIMER()
END_MESSAGE_MAP()
// clang-format on
} // namespace

TEST(WindowProcedure, AnExceptionThrownByAHandlerStopsAtTheBoundary)
{
    ThrowingWindow window;
    ASSERT_TRUE(window.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    EXPECT_EQ(0, window.SendMessage(WM_TIMER, 1));
    EXPECT_EQ(1, window.m_nTimers);
    // The window still works afterwards.
    EXPECT_EQ(0, window.SendMessage(WM_TIMER, 2));
    EXPECT_EQ(2, window.m_nTimers);
    window.DestroyWindow();
}
