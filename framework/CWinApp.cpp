#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/HtmlHelp.h"
#include "framework/PlatformCalls.h"

namespace
{
CWinApp* g_app = nullptr;
} // namespace

CWinApp::CWinApp(const char* appName) : m_hInstance(GetModuleHandleA(nullptr)), m_strAppName(appName)
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
    {
        if (CWnd::WalkPreTranslateTree(&msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    m_nExitCode = static_cast<int>(msg.wParam);
    return ExitInstance();
}

int CWinApp::ExitInstance()
{
    return m_nExitCode;
}

void CWinApp::WinHelp(DWORD_PTR data, UINT command)
{
    if (m_strHelpFilePath.IsEmpty())
        return;
    HWND owner = m_pMainWnd ? m_pMainWnd->GetSafeHwnd() : nullptr;
    if (!HasHtmlHelpFile())
    {
        fwk::Platform().WinHelp(owner, m_strHelpFilePath, command, data);
        return;
    }
    if (command == HELP_CONTEXT)
    {
        if (::IsWindow(fwk::HtmlHelp(owner, m_strHelpFilePath, fwk::kHtmlHelpContext, data)))
            return;
        CString page;
        page.Format("%s::/%lu.htm", m_strHelpFilePath.GetString(), static_cast<unsigned long>(data));
        fwk::HtmlHelp(owner, page, fwk::kHtmlHelpDisplayTopic, 0);
    }
    else if (command == HELP_QUIT)
        fwk::HtmlHelp(nullptr, nullptr, fwk::kHtmlHelpCloseAll, 0);
    else
        fwk::HtmlHelp(owner, m_strHelpFilePath, fwk::kHtmlHelpDisplayTopic, 0);
}

bool CWinApp::HasHtmlHelpFile() const
{
    return fwk::IsHtmlHelpFile(m_strHelpFilePath);
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

int AfxWinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->m_hInstance = instance;
    if (!app->InitInstance())
        return app->ExitInstance();
    return app->Run();
}
