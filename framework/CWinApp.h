// CWinApp: the application object of a host program: its instance, main window, help file and
// message loop.
#pragma once

#include "framework/CString.h"
#include "framework/FrameworkApi.h"

#include <windows.h>

class CWnd;

class FWK_API CWinApp
{
public:
    // The one application object of the process registers itself here.
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    // Runs the message loop until WM_QUIT; returns the quit code.
    virtual int Run();
    virtual int ExitInstance();

    // Shows a topic of the application's help file with the main window as owner; does nothing
    // for an application without one (the platform would report a file with no name). An HTML
    // Help file (".chm") opens through HTML Help: a context by the file's map, else the page named
    // after the context ("6051.htm"); any other command opens its default topic.
    virtual void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);
    // Whether the application's help file is an HTML Help file, which has a page per context.
    bool HasHtmlHelpFile() const;

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
    CString m_strAppName;
    CString m_strHelpFilePath;
    int m_nExitCode = 0;
};

FWK_API CWinApp* AfxGetApp();
FWK_API CWnd* AfxGetMainWnd();
// The program's entry: InitInstance, then Run when it succeeded, then ExitInstance.
FWK_API int AfxWinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show);
