// Runs a modal dialog with a script that acts on it from inside its modal loop, as a user would.
// Header only: the suites that use it link the framework.
#pragma once

#include <windows.h>
#include <functional>
#include <utility>

namespace obrtest
{
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

// The script runs once the dialog's loop is up; a dialog it leaves open is cancelled afterwards.
template <class Dialog> INT_PTR RunModal(Dialog& dialog, std::function<void()> script)
{
    PendingScript() = [&dialog, script]()
    {
        script();
        if (dialog.m_hWnd)
            dialog.PostMessage(WM_COMMAND, IDCANCEL);
    };
    ::SetTimer(nullptr, 0, 1, &RunPendingScript);
    return dialog.DoModal();
}
} // namespace obrtest
