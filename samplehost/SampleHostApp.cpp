#include "samplehost/SampleHostApp.h"
#include "samplehost/HostCommands.h"
#include "samplehost/SampleHostResource.h"
#include "browser/CBrowserDlg.h"

#include <commctrl.h>
#include <cstring>
#include <string>

namespace
{
// A console is written wide, so that it shows every letter whatever its code page; a file or a pipe
// gets the program's ANSI text unchanged (scripts/run.sh converts it for a terminal).
void Write(DWORD stream, const char* text)
{
    DWORD written = 0;
    HANDLE out = ::GetStdHandle(stream);
    if (!out || out == INVALID_HANDLE_VALUE)
        return;
    DWORD mode = 0;
    const int length = static_cast<int>(std::strlen(text));
    if (::GetConsoleMode(out, &mode))
    {
        std::wstring wide(static_cast<size_t>(length), L'\0');
        wide.resize(static_cast<size_t>(::MultiByteToWideChar(CP_ACP, 0, text, length, &wide[0], length)));
        ::WriteConsoleW(out, wide.c_str(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    ::WriteFile(out, text, static_cast<DWORD>(length), &written, nullptr);
}

void WriteOut(const char* text)
{
    Write(STD_OUTPUT_HANDLE, text);
}

// Exit code of a command-line use on a project that could not be read whole.
constexpr int kDamagedProject = 3;
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
    if (options.version && options.error.IsEmpty())
    {
        WriteOut("samplehost " OBR_VERSION "\n");
        return FALSE;
    }
    if (options.help || !options.error.IsEmpty())
    {
        if (!options.error.IsEmpty())
            WriteOut(options.error + "\n");
        WriteOut(UsageText());
        m_nExitCode = options.help ? 0 : 2;
        return FALSE;
    }
    m_strHelpFilePath = HelpFilePath();
    CBrowserDlg::SetSettingsKey(options.settingsKey);
    m_projectPath = options.project.IsEmpty() ? DefaultProjectPath() : options.project;
    CString problem;
    bool saved = true;
    // The command-line uses only read the project: they never write its file, nor create one.
    const bool readOnly = options.listReferences || options.browse >= 0;
    const bool loaded = OpenProject(m_project, m_projectPath, !readOnly, problem, saved);
    if (readOnly && !loaded)
    {
        Write(STD_ERROR_HANDLE, problem + "\n");
        m_nExitCode = kDamagedProject;
    }
    if (options.listReferences)
    {
        WriteOut(ReferencesText(m_project));
        return FALSE;
    }
    if (options.browse >= 0 && loaded)
    {
        CString chosen;
        m_nExitCode = RunBrowser(static_cast<BROWSER_TYPE>(options.browse), nullptr, chosen,
                                 ReferencesOf(m_project), options.select, options.search);
        if (m_nExitCode == 0)
            WriteOut(chosen + "\n");
        return FALSE;
    }
    if (readOnly)
        return FALSE;
    if (!loaded)
        fwk::Platform().MessageBox(nullptr, problem, m_strAppName, MB_OK | MB_ICONWARNING);
    else if (!saved)
        fwk::Platform().MessageBox(nullptr, "Le projet n'a pas pu être enregistré : " + m_projectPath,
                                   m_strAppName, MB_OK | MB_ICONWARNING);

    if (!m_window.Create(true, &m_project, m_projectPath))
        return FALSE;
    m_pMainWnd = &m_window;
    m_window.SetStartSelection(options.select, options.search);
    const UINT startCommands[] = {ID_TOOLS_OBJECT_BROWSER, ID_TOOLS_MACRO_FUNCTIONS,
                                  ID_TOOLS_FORMULA_FUNCTIONS};
    if (options.startReferences)
        m_window.PostMessage(WM_COMMAND, ID_TOOLS_REFERENCES);
    else if (options.startBrowser >= 0)
        m_window.PostMessage(WM_COMMAND, startCommands[options.startBrowser]);
    return TRUE;
}

int SampleHostApp::ExitInstance()
{
    ::CoUninitialize();
    return m_nExitCode;
}
