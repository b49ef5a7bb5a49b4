// The sample host's main window: a macro editor with a menu that opens the object browser on the
// project's references and the function browsers, and inserts the chosen text at the editor's caret.
#pragma once

#include "Framework.h"
#include "BrowserTypes.h"
#include "MacroProject.h"

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
    // when cancelled (or without a project).
    bool EditReferences();
    // Where the next browser opens (once).
    void SetStartSelection(const _HistoryItem& start) { m_startSelection = start; }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void OnSize(UINT type, int cx, int cy);
    void OnSetFocus(CWnd* oldWindow);
    void OnClose();
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
    CString m_projectPath;
    _HistoryItem m_startSelection;
};
