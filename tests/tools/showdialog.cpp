// Shows one dialog template of objbrowser.dll with the icons the dialogs put on their buttons:
//     showdialog.exe [dialog-id]        (default 6049, the browser)
// The dialog has no behaviour; Escape or the close box ends the program.
#include <windows.h>
#include <commctrl.h>
#include <cstdlib>

#include "resources/resource.h"

namespace
{
HMODULE g_module;

void SetButtonIcon(HWND dialog, int buttonId, int iconId)
{
    HANDLE icon = LoadImageA(g_module, MAKEINTRESOURCEA(iconId), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR);
    SendDlgItemMessageA(dialog, buttonId, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

INT_PTR CALLBACK PreviewProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message)
    {
    case WM_INITDIALOG:
        SetButtonIcon(dialog, IDC_BACK, IDI_BACK);
        SetButtonIcon(dialog, IDC_FORWARD, IDI_FORWARD);
        SetButtonIcon(dialog, IDC_COPY, IDI_COPY);
        SetButtonIcon(dialog, IDC_UP_BUTTON, IDI_UP_ARROW);
        SetButtonIcon(dialog, IDC_DOWN_BUTTON, IDI_DOWN_ARROW);
        SendMessageA(dialog, WM_SETICON, ICON_SMALL,
                     reinterpret_cast<LPARAM>(LoadImageA(g_module, MAKEINTRESOURCEA(IDI_BROWSER), IMAGE_ICON,
                                                         16, 16, LR_DEFAULTCOLOR)));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK)
            EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}
} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    int dialogId = commandLine && *commandLine ? std::atoi(commandLine) : IDD_BROWSER;
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&init);
    // The browser template's description pane is of the window class that riched32 registers.
    LoadLibraryA("riched32.dll");
    g_module = LoadLibraryA("objbrowser.dll");
    if (!g_module)
    {
        MessageBoxA(nullptr, "objbrowser.dll cannot be loaded", "showdialog", MB_ICONERROR);
        return 2;
    }
    INT_PTR result = DialogBoxParamA(g_module, MAKEINTRESOURCEA(dialogId), nullptr, PreviewProc, 0);
    return result == -1 ? 1 : 0;
}
