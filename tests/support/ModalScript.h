// Runs a modal dialog with a script that acts on it from inside its modal loop, as a user would.
// Header only: the suites that use it link the framework (and GoogleTest, to hear of steps left unrun).
#pragma once

#include <windows.h>
#ifdef OBR_WITH_GTEST
#include <gtest/gtest.h>
#endif
#include <deque>
#include <initializer_list>
#include <iterator>
#include <functional>
#include <utility>

namespace obrtest
{
// Inside a running test, a failure when the condition does not hold; nothing elsewhere (the
// benchmark and the robustness child drive dialogs too).
inline void ExpectInATest(bool holds, const char* what)
{
#ifdef OBR_WITH_GTEST
    if (::testing::UnitTest::GetInstance()->current_test_info())
    {
        EXPECT_TRUE(holds) << what;
    }
#else
    static_cast<void>(holds);
    static_cast<void>(what);
#endif
}

inline std::function<void()>& PendingScript()
{
    static std::function<void()> script;
    return script;
}

inline VOID CALLBACK RunPendingScript(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    std::function<void()> script = std::move(PendingScript());
    PendingScript() = nullptr;
    if (script)
        script();
}

// The script runs from the thread's next message loop (a modal dialog's, say) once it has
// nothing else to do, at the earliest after the delay; one script is pending at a time.
inline void RunSoon(std::function<void()> script, UINT delayMs = 1)
{
    PendingScript() = std::move(script);
    ::SetTimer(nullptr, 0, delayMs, &RunPendingScript);
}

// The script runs once the dialog's loop is up; a dialog it leaves open is cancelled afterwards.
template <class Dialog> INT_PTR RunModal(Dialog& dialog, std::function<void()> script)
{
    bool ran = false;
    RunSoon(
        [&dialog, &ran, script]()
        {
            ran = true;
            script();
            if (dialog.m_hWnd)
                dialog.PostMessage(WM_COMMAND, IDCANCEL);
        });
    const INT_PTR result = dialog.DoModal();
    PendingScript() = nullptr;
    ExpectInATest(ran, "the dialog ended before its script ran");
    return result;
}
inline std::deque<std::function<void()>>& PendingSteps()
{
    static std::deque<std::function<void()>> steps;
    return steps;
}

// A timer fires only when the loop has nothing else to do: the input and the messages a step
// caused are all handled before the next step runs.
inline VOID CALLBACK RunNextStep(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    if (PendingSteps().empty())
        return;
    std::function<void()> step = std::move(PendingSteps().front());
    PendingSteps().pop_front();
    step();
    ::SetTimer(nullptr, 0, 20, &RunNextStep);
}

// Runs the steps one after the other inside the dialog's own loop, which handles what each step
// typed or posted before the next one looks; a dialog the steps leave open is cancelled afterwards.
template <class Dialog> INT_PTR RunModalSteps(Dialog& dialog, std::deque<std::function<void()>> steps)
{
    steps.push_back(
        [&dialog]()
        {
            if (dialog.m_hWnd)
                dialog.PostMessage(WM_COMMAND, IDCANCEL);
        });
    PendingSteps() = std::move(steps);
    ::SetTimer(nullptr, 0, 1, &RunNextStep);
    const INT_PTR result = dialog.DoModal();
    // A dialog that ended early leaves steps, and what they would have checked, unrun.
    ExpectInATest(PendingSteps().size() <= 1, "the dialog ended before its steps ran");
    PendingSteps().clear();
    return result;
}

// Presses the keys in order and lets them go in reverse order, as real keyboard input.
inline void PressKeys(std::initializer_list<WORD> keys)
{
    auto send = [](WORD key, DWORD flags)
    {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = flags;
        ::SendInput(1, &input, sizeof input);
    };
    for (WORD key : keys)
        send(key, 0);
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
        send(*key, KEYEVENTF_KEYUP);
}
} // namespace obrtest
