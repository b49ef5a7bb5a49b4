// Runs the real browser dialog with the recording back-end and acts on it as a user would.
#pragma once

#include "tests/browser/RecordingBackEnd.h"
#include "resources/resource.h"

#include <functional>
#include <string>
#include <vector>
#include <gtest/gtest.h>

// A settings key of the test's own below HKEY_CURRENT_USER, named to the browsers for the test's
// time: absent at the start, deleted with all it holds at the end, and the browsers then remember
// nothing again.
class ScopedSettingsKey
{
public:
    explicit ScopedSettingsKey(bool nameIt = true);
    ~ScopedSettingsKey();
    ScopedSettingsKey(const ScopedSettingsKey&) = delete;
    ScopedSettingsKey& operator=(const ScopedSettingsKey&) = delete;

    const std::string& Name() const { return m_name; }
    // The key of a browser type's settings, opened for reading and writing; null when absent.
    HKEY OpenType(const char* typeName) const;
    bool Exists() const;

private:
    std::string m_name;
};

class BrowserDialogTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the dialog modally; the script runs once the dialog is up, inside its modal loop. A
    // dialog the script leaves open is cancelled afterwards.
    INT_PTR RunModal(CBrowserDlg& dialog, std::function<void(CBrowserDlg&)> script);

    static void SelectLibrary(CBrowserDlg& dialog, const char* name);
    static void Click(CBrowserDlg& dialog, int buttonId);
    static void DoubleClick(CBrowserDlg& dialog, int listId, int row = -1);
    static CString SelectedLibrary(CBrowserDlg& dialog);
    static CString SelectedText(CListCtrl* list);
    static bool IsEnabled(CBrowserDlg& dialog, int id);
    // The plain text on the clipboard; "<closed>" when the clipboard cannot be opened.
    static std::string ClipboardText(HWND owner = nullptr);
    static void PutOnClipboard(HWND owner, const char* text);

    // The texts of a list's first column, and the row of a text (-1 when it has none).
    static std::vector<std::string> Rows(CListCtrl* list);
    static int Row(CListCtrl* list, const char* text);
    // Selects the row as a click would (the list's notifications run) and gives it the focus.
    static void Choose(CListCtrl* list, const char* text);
    // A control's rectangle in the dialog's client area.
    static CRect RectOf(CBrowserDlg& dialog, int id);
    // A drag with the left button, in client coordinates.
    static void Drag(CBrowserDlg& dialog, CPoint from, CPoint to);
    // Types the text in the search box and presses the search button.
    static void SearchFor(CBrowserDlg& dialog, const char* text);
    // The state of a command in the context menu, as it opens now.
    static UINT MenuState(CBrowserDlg& dialog, UINT command);
    // What F1 over a control of the dialog asks.
    static void PressF1Over(CBrowserDlg& dialog, int controlId);
    // The dialog on the screen with the keyboard, for steps that give real input.
    static void ShowInFront(CBrowserDlg& dialog);
    // Enter held down (a command that came from it) or let go.
    static void HoldEnter(bool down);
    // A click on a description link whose data word is `word`, as the pane (or `from`) reports it;
    // what the dialog answers.
    static LRESULT ClickLinkWord(CBrowserDlg& dialog, DWORD_PTR word, HWND from = nullptr);

private:
    BrowserImplFactory m_previousFactory = nullptr;
};
