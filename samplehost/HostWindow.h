// The sample host's main window: a macro editor with a menu that opens the object browser beside it
// on the project's references (modeless: what the user chooses is pasted at the editor's caret), the
// function browsers (modal: the chosen text is inserted at the caret) and the references dialog.
#pragma once

#include "framework/Framework.h"
#include "browser/BrowserTypes.h"
#include "samplehost/MacroProject.h"

class CModelessBrowserDlg;

class HostWindow : public CWnd
{
public:
    HostWindow();
    ~HostWindow() override;

    // Creates the window, shown or not. The project, not owned, gives the object browser its
    // references (none without a project); the references the user chooses are saved to its path.
    BOOL Create(bool show, MacroProject* project = nullptr, const CString& projectPath = CString());
    CEdit& Editor() { return m_editor; }
    // Opens the browser of the type and inserts the chosen text at the caret; false when none was chosen.
    bool BrowseAndInsert(BROWSER_TYPE type);
    // Lets the user choose the project's references and saves the project when confirmed; false
    // when cancelled, without a project, or while the references dialog is open already (the
    // modeless browser is disabled meanwhile).
    bool EditReferences();
    // Shows the modeless object browser beside the window, creating it the first time; null when
    // it cannot open.
    CModelessBrowserDlg* ShowObjectBrowser();
    CModelessBrowserDlg* ObjectBrowser() const { return m_pBrowser; }
    // Where the next browser opens and what it searches (once).
    void SetStartSelection(const _HistoryItem& start, const CString& search = CString())
    {
        m_startSelection = start;
        m_startSearch = search;
    }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void OnSize(UINT type, int cx, int cy);
    void OnSetFocus(CWnd* oldWindow);
    void OnClose();
    void OnDestroy();
    void OnPaste();
    void OnObjectBrowser();
    void OnMacroFunctions();
    void OnFormulaFunctions();
    void OnExit();
    void OnAbout();
    void OnReferences();
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

private:
    CEdit m_editor;
    CFont m_editorFont;
    CMenu m_menu;
    HACCEL m_accelerators = nullptr;
    MacroProject* m_pProject = nullptr;
    // The modeless object browser; it empties this slot itself when its window goes.
    CModelessBrowserDlg* m_pBrowser = nullptr;
    CString m_projectPath;
    bool m_bEditingReferences = false;
    _HistoryItem m_startSelection;
    CString m_startSearch;
};
