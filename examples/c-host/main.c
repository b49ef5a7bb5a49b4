/* A host of the object browser written in plain C against the installed SDK's C interface: an
 * editor window, the modeless object browser beside it on stdole and the Scripting runtime, the
 * browser's choice pasted at the caret, and the references dialog from the menu. */
#include "objbrowser.h"

#include <commctrl.h>

#define ID_EDITOR 100
#define ID_REFERENCES 200
#define ID_SHOW_BROWSER 201
#define ID_PASTE 0xE125 /* the standard paste command the browser posts to its owner */

static OBR_LIBRARY g_libraries[8];
static size_t g_libraryCount;
static OBR_BROWSER* g_browser;
static HWND g_editor;

static void AddLibrary(REFGUID guid, WORD major, WORD minor)
{
    if (g_libraryCount < sizeof g_libraries / sizeof g_libraries[0])
    {
        g_libraries[g_libraryCount].guid = *guid;
        g_libraries[g_libraryCount].major = major;
        g_libraries[g_libraryCount].minor = minor;
        ++g_libraryCount;
    }
}

/* The references dialog on the libraries the browser shows; confirmed, they replace them. */
static void EditReferences(HWND window)
{
    OBR_REFERENCE current[8];
    OBR_REFERENCE* chosen = NULL;
    size_t count = 0, i;
    for (i = 0; i < g_libraryCount; ++i)
    {
        current[i].guid = g_libraries[i].guid;
        current[i].major = g_libraries[i].major;
        current[i].minor = g_libraries[i].minor;
        current[i].lcid = 0;
        current[i].name = "";
        current[i].path = "";
    }
    if (ObrEditReferences(window, current, g_libraryCount, &chosen, &count) != OBR_OK)
        return;
    g_libraryCount = 0;
    for (i = 0; i < count; ++i)
        AddLibrary(&chosen[i].guid, chosen[i].major, chosen[i].minor);
    ObrFreeReferences(chosen, count);
    if (g_browser)
        ObrUpdateBrowserLibraries(g_browser, g_libraries, g_libraryCount);
}

/* The browser to the right of the window, as tall as it. */
static void ShowBrowser(HWND window)
{
    RECT owner, browser;
    HWND browserWindow;
    if (!g_browser && ObrCreateBrowser(window, g_libraries, g_libraryCount, "exemple C", &g_browser) != OBR_OK)
        return;
    browserWindow = ObrBrowserWindow(g_browser);
    GetWindowRect(window, &owner);
    GetWindowRect(browserWindow, &browser);
    SetWindowPos(browserWindow, NULL, owner.right, owner.top, browser.right - browser.left, owner.bottom - owner.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ObrShowBrowser(g_browser, TRUE);
}

static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_CREATE:
        g_editor = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                                   WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                                   0, 0, 0, 0, window, (HMENU)ID_EDITOR, NULL, NULL);
        return 0;
    case WM_SIZE:
        MoveWindow(g_editor, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        SetFocus(g_editor);
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam))
        {
        case ID_PASTE:
            /* The browser put the chosen text on the clipboard. */
            SendMessageA(g_editor, WM_PASTE, 0, 0);
            SetForegroundWindow(window);
            return 0;
        case ID_REFERENCES:
            EditReferences(window);
            return 0;
        case ID_SHOW_BROWSER:
            ShowBrowser(window);
            return 0;
        }
        break;
    case WM_DESTROY:
        ObrDestroyBrowser(g_browser);
        g_browser = NULL;
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    static const GUID stdole = {0x00020430, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    static const GUID scripting = {0x420B2830, 0xE718, 0x11CF, {0x89, 0x3D, 0x00, 0xA0, 0xC9, 0x05, 0x42, 0x28}};
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    WNDCLASSA windowClass = {0};
    HMENU menu = CreateMenu(), tools = CreatePopupMenu();
    HWND window;
    MSG message;
    (void)previous;
    (void)commandLine;
    CoInitialize(NULL);
    InitCommonControlsEx(&controls);
    LoadLibraryA("riched32.dll");
    AddLibrary(&stdole, 2, 0);
    AddLibrary(&scripting, 1, 0);

    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(NULL, IDC_ARROW);
    windowClass.lpszClassName = "ObrCHost";
    RegisterClassA(&windowClass);
    AppendMenuA(tools, MF_STRING, ID_SHOW_BROWSER, "&Explorateur d'objets\tF2");
    AppendMenuA(tools, MF_STRING, ID_REFERENCES, "&R\xE9" "f\xE9" "rences...");
    AppendMenuA(menu, MF_POPUP, (UINT_PTR)tools, "&Outils");
    window = CreateWindowExA(0, "ObrCHost", "H\xF4te C", WS_OVERLAPPEDWINDOW, 40, 40, 420, 360, NULL, menu, instance,
                             NULL);
    ShowWindow(window, show);
    ShowBrowser(window);

    while (GetMessageA(&message, NULL, 0, 0) > 0)
    {
        if (ObrIsBrowserMessage(g_browser, &message))
            continue;
        if (message.message == WM_KEYDOWN && message.wParam == VK_F2)
        {
            ShowBrowser(window);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    CoUninitialize();
    return (int)message.wParam;
}
