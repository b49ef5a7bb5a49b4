// Runs the real browser dialog with the recording back-end and acts on it as a user would.
#pragma once

#include "tests/browser/RecordingBackEnd.h"
#include "resources/resource.h"

#include <functional>
#include <string>
#include <gtest/gtest.h>

class BrowserDialogTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the dialog modally; the script runs once the dialog is up, inside its modal loop. A
    // dialog the script leaves open is cancelled afterwards.
    INT_PTR RunModal(CBrowserDlg& dialog, std::function<void(CBrowserDlg&)> script);

    static void SelectLibrary(CBrowserDlg& dialog, const char* name);
    static void SelectClass(CBrowserDlg& dialog, const char* name);
    static void SelectMember(CBrowserDlg& dialog, const char* name);
    static void Click(CBrowserDlg& dialog, int buttonId);
    static void DoubleClick(CBrowserDlg& dialog, int listId, int row = -1);
    static CString SelectedLibrary(CBrowserDlg& dialog);
    static CString SelectedText(CListCtrl* list);
    static bool IsEnabled(CBrowserDlg& dialog, int id);
    // The plain text on the clipboard; "<closed>" when the clipboard cannot be opened.
    static std::string ClipboardText(HWND owner = nullptr);

private:
    BrowserImplFactory m_previousFactory = nullptr;
};
