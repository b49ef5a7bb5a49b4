// Runs the real browser dialog with the module's own type-library back-end on registered fixture
// libraries and real libraries of the prefix, and reads what its lists show.
#pragma once

#include "tests/browser/BrowserTestSupport.h"
#include "impl/CTypeLibBrowserImpl.h"
#include "tests/support/KnownLibraries.h"
#include "tests/support/RegisteredTypeLib.h"

#include <memory>
#include <string>
#include <vector>

class TypeLibBrowserTest : public BrowserDialogTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Registers a fixture of the build for the rest of the test.
    void Register(const char* fixture);
    struct Reference
    {
        GUID guid;
        WORD major;
        WORD minor;
    };
    // A dialog of the object browser referring to the libraries, in that order.
    static std::unique_ptr<CBrowserDlg> MakeBrowser(std::initializer_list<Reference> references);

    static CTypeLibBrowserImpl* BackEnd(CBrowserDlg& dialog);
    static std::vector<std::string> ComboEntries(CBrowserDlg& dialog);
    static int ImageOf(CListCtrl* list, int row);
    static int OverlayOf(CListCtrl* list, int row);
    // The text of the description pane.
    static std::string Description(CBrowserDlg& dialog);

private:
    std::vector<std::unique_ptr<obrtest::RegisteredTypeLib>> m_registered;
    bool m_comStarted = false;
};
