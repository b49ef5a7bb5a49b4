// The sample host's main window: a macro editor with a menu that opens the function browsers and
// inserts the chosen text at the editor's caret.
#pragma once

#include "Framework.h"
#include "BrowserTypes.h"
#include "MacroProject.h"

class HostWindow : public CWnd
{
public:
    HostWindow();
    ~HostWindow() override;

    // Creates the window, shown or not.
    BOOL Create(bool show);
    CEdit& Editor() { return m_editor; }
    // Opens the browser of the type and inserts the chosen text at the caret; false when none was chosen.
    bool BrowseAndInsert(BROWSER_TYPE type);

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void OnSize(UINT type, int cx, int cy);
    void OnSetFocus(CWnd* oldWindow);
    void OnClose();
    void OnMacroFunctions();
    void OnFormulaFunctions();
    void OnExit();
    void OnAbout();
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

private:
    CEdit m_editor;
    CFont m_editorFont;
    CMenu m_menu;
    HACCEL m_accelerators = nullptr;
};
