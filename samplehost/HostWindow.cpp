#include "samplehost/HostWindow.h"
#include "browser/CModelessBrowserDlg.h"
#include "references/CReferencesDialog.h"
#include "samplehost/HostCommands.h"
#include "samplehost/SampleHostResource.h"
#include "resources/resource.h"
#include "framework/DisplayScale.h"

#include <shlwapi.h>
#include <algorithm>

namespace
{
const char kWindowClass[] = "ObjectBrowserSampleHost";
constexpr int kEditorId = 100;

// Beside the host's window, right of it or else left of it, where the work area has room; otherwise
// as far right as the work area allows, over the editor's right side.
void PlaceBeside(CWnd& browser, CWnd& host)
{
    CRect hostRect, browserRect, work;
    host.GetWindowRect(&hostRect);
    browser.GetWindowRect(&browserRect);
    if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
        work.SetRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    int left = hostRect.right;
    if (left + browserRect.Width() > work.right)
        left = hostRect.left - browserRect.Width() >= work.left ? hostRect.left - browserRect.Width()
                                                                : work.right - browserRect.Width();
    browser.SetWindowPos(nullptr, std::max(static_cast<int>(work.left), left), hostRect.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
// A rectangle in pixels at 96 dots per inch, at the screen's scale.
CRect ScaledRect(int left, int top, int right, int bottom)
{
    const int dpi = fwk::DpiOf(nullptr);
    return CRect(fwk::ScaleForDpi(left, dpi), fwk::ScaleForDpi(top, dpi), fwk::ScaleForDpi(right, dpi),
                 fwk::ScaleForDpi(bottom, dpi));
}
} // namespace

// clang-format off
BEGIN_MESSAGE_MAP(HostWindow, CWnd)
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_COMMAND(ID_PASTE_COMMAND, OnPaste)
    ON_COMMAND(ID_TOOLS_OBJECT_BROWSER, OnObjectBrowser)
    ON_COMMAND(ID_TOOLS_MACRO_FUNCTIONS, OnMacroFunctions)
    ON_COMMAND(ID_TOOLS_FORMULA_FUNCTIONS, OnFormulaFunctions)
    ON_COMMAND(ID_FILE_EXIT, OnExit)
    ON_COMMAND(ID_HELP_ABOUT, OnAbout)
    ON_COMMAND(ID_TOOLS_REFERENCES, OnReferences)
    ON_COMMAND(ID_EDIT_REFERENCES, OnReferences)
END_MESSAGE_MAP()
// clang-format on

HostWindow::HostWindow() = default;

HostWindow::~HostWindow() = default;

BOOL HostWindow::Create(bool show, MacroProject* project, const CString& projectPath)
{
    m_pProject = project;
    m_projectPath = projectPath;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = AfxGetInstanceHandle();
    windowClass.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512) /* IDC_ARROW */);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    ::RegisterClassA(&windowClass);

    m_menu.LoadMenu(IDR_HOST_MENU);
    m_accelerators = ::LoadAcceleratorsA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_HOST_ACCELERATORS));
    if (!CreateEx(0, kWindowClass, "Hôte d'exemple - éditeur de macros",
                  WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, ScaledRect(20, 20, 720, 520), nullptr,
                  reinterpret_cast<UINT_PTR>(m_menu.m_hMenu)))
        return FALSE;
    CRect client;
    GetClientRect(&client);
    m_editor.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "",
                      WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                          ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
                      client, this, kEditorId);
    m_editorFont.CreatePointFont(100, "Courier New");
    m_editor.SetFont(&m_editorFont);
    m_editor.SetWindowText("Sub Main\r\n    \r\nEnd Sub\r\n");
    m_editor.SetSel(14, 14);
    if (show)
    {
        ShowWindow(SW_SHOW);
        UpdateWindow();
    }
    return TRUE;
}

BOOL HostWindow::PreTranslateMessage(MSG* msg)
{
    return m_accelerators && ::TranslateAcceleratorA(m_hWnd, m_accelerators, msg);
}

void HostWindow::OnSize(UINT, int cx, int cy)
{
    if (m_editor.IsWindow())
        m_editor.MoveWindow(0, 0, cx, cy);
}

void HostWindow::OnSetFocus(CWnd*)
{
    if (m_editor.IsWindow())
        m_editor.SetFocus();
}

bool HostWindow::BrowseAndInsert(BROWSER_TYPE type)
{
    CString chosen;
    const TypeLibraryExtensions references = m_pProject ? ReferencesOf(*m_pProject) : TypeLibraryExtensions();
    const _HistoryItem start = m_startSelection;
    const CString search = m_startSearch;
    SetStartSelection(_HistoryItem());
    if (RunBrowser(type, this, chosen, references, start, search) != 0)
        return false;
    m_editor.ReplaceSel(chosen, TRUE);
    m_editor.SetFocus();
    return true;
}

CModelessBrowserDlg* HostWindow::ShowObjectBrowser()
{
    if (!m_pBrowser)
    {
        const TypeLibraryExtensions references =
            m_pProject ? ReferencesOf(*m_pProject) : TypeLibraryExtensions();
        const CString suffix =
            m_projectPath.IsEmpty() ? CString() : CString(::PathFindFileNameA(m_projectPath));
        m_pBrowser = new CModelessBrowserDlg(BROWSER_TYPELIB, &references, &m_pBrowser,
                                             suffix.IsEmpty() ? nullptr : suffix.GetString(), this);
        // A browser that cannot open goes by itself; one that has no window at all is ours to free.
        if (m_pBrowser && !m_pBrowser->m_hWnd)
        {
            delete m_pBrowser;
            m_pBrowser = nullptr;
        }
        if (!m_pBrowser)
            return nullptr;
        // Beside the editor, unless it opened where the user last left it.
        if (!m_pBrowser->RestoredPlacement())
            PlaceBeside(*m_pBrowser, *this);
        if (!m_startSelection.strLibrary.IsEmpty() && m_pBrowser->SelectHistoryItem(m_startSelection))
            m_pBrowser->AddCurrentSelectionToHistory();
        if (!m_startSearch.IsEmpty())
            m_pBrowser->RunSearch(m_startSearch);
        SetStartSelection(_HistoryItem());
    }
    m_pBrowser->ShowWindow(SW_SHOW);
    ::SetForegroundWindow(m_pBrowser->m_hWnd);
    return m_pBrowser;
}

void HostWindow::OnObjectBrowser()
{
    ShowObjectBrowser();
}

void HostWindow::OnPaste()
{
    m_editor.Paste();
}

void HostWindow::OnDestroy()
{
    // The browser is the host's to end with it; its slot reads null afterwards.
    if (m_pBrowser)
        m_pBrowser->DestroyWindow();
    CWnd::OnDestroy();
}

void HostWindow::OnMacroFunctions()
{
    BrowseAndInsert(BROWSER_CATALOG1);
}

void HostWindow::OnFormulaFunctions()
{
    BrowseAndInsert(BROWSER_CATALOG2);
}

void HostWindow::OnExit()
{
    DestroyWindow();
}

void HostWindow::OnClose()
{
    DestroyWindow();
}

void HostWindow::OnAbout()
{
    fwk::Platform().MessageBox(m_hWnd,
                               "Hôte d'exemple de l'explorateur d'objets.\nF2 : explorateur d'objets ; "
                               "Ctrl+F2 : fonctions des macros ; Maj+F2 : fonctions des formules.",
                               "À propos", MB_OK | MB_ICONINFORMATION);
}

bool HostWindow::EditReferences()
{
    // One references dialog at a time: a second one on the same list would have its changes
    // undone by the first one's OK. The browser, which can ask for one, waits meanwhile.
    if (!m_pProject || m_bEditingReferences)
        return false;
    m_bEditingReferences = true;
    if (m_pBrowser)
        m_pBrowser->EnableWindow(FALSE);
    CReferencesDialog dialog(&m_pProject->m_references, this);
    const bool confirmed = dialog.DoModal() == IDOK;
    if (m_pBrowser)
        m_pBrowser->EnableWindow(TRUE);
    m_bEditingReferences = false;
    if (!confirmed)
        return false;
    CString kept;
    if (!m_projectPath.IsEmpty() && !m_pProject->Save(m_projectPath, &kept))
        fwk::Platform().MessageBox(m_hWnd, "Le projet n'a pas pu être enregistré : " + m_projectPath,
                                   "Références", MB_OK | MB_ICONWARNING);
    else if (!kept.IsEmpty())
        fwk::Platform().MessageBox(m_hWnd,
                                   "Le projet endommagé a été remplacé ; une copie de l'ancien fichier est "
                                   "gardée ici : " +
                                       kept,
                                   "Références", MB_OK | MB_ICONINFORMATION);
    if (m_pBrowser)
        m_pBrowser->UpdateReferences(ReferencesOf(*m_pProject));
    return true;
}

void HostWindow::OnReferences()
{
    EditReferences();
}

void HostWindow::PostNcDestroy()
{
    // The main window going ends the program.
    if (AfxGetMainWnd() == this)
        ::PostQuitMessage(0);
}
