#include "SampleHostApp.h"
#include "HostCommands.h"
#include "SampleHostResource.h"

#include <commctrl.h>
#include <cstring>

namespace
{
void WriteOut(const char* text)
{
    DWORD written = 0;
    HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (out && out != INVALID_HANDLE_VALUE)
        ::WriteFile(out, text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
}
} // namespace

SampleHostApp::SampleHostApp() : CWinApp("Hôte d'exemple") {}

BOOL SampleHostApp::InitInstance()
{
    ::CoInitialize(nullptr);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    // The browser's description pane is of the class riched32 registers.
    ::LoadLibraryA("riched32.dll");

    HostOptions options = ParseCommandLine(__argc, __argv);
    if (options.help || !options.error.IsEmpty())
    {
        if (!options.error.IsEmpty())
            WriteOut(options.error + "\n");
        WriteOut(UsageText());
        m_nExitCode = options.help ? 0 : 2;
        return FALSE;
    }
    if (options.browse)
    {
        CString chosen;
        m_nExitCode = RunBrowser(static_cast<BROWSER_TYPE>(options.browse), nullptr, chosen);
        if (m_nExitCode == 0)
            WriteOut(chosen + "\n");
        return FALSE;
    }

    m_projectPath = options.project.IsEmpty() ? DefaultProjectPath() : options.project;
    CString problem;
    if (!m_project.Load(m_projectPath, problem))
        fwk::Platform().MessageBox(nullptr, problem, m_strAppName, MB_OK | MB_ICONWARNING);
    m_project.Save(m_projectPath);

    if (!m_window.Create(true))
        return FALSE;
    m_pMainWnd = &m_window;
    if (options.startBrowser)
        m_window.PostMessage(WM_COMMAND, options.startBrowser == 1 ? ID_TOOLS_MACRO_FUNCTIONS
                                                                   : ID_TOOLS_FORMULA_FUNCTIONS);
    return TRUE;
}

int SampleHostApp::ExitInstance()
{
    ::CoUninitialize();
    return m_nExitCode;
}
