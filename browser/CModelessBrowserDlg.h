// CModelessBrowserDlg: the browser that stays open beside the host's window. A chosen text goes to
// the clipboard and the paste command to the owner window; Escape only hides the window. The
// object lives on the heap and deletes itself once its window is destroyed, setting the host's
// slot to null.
#pragma once

#include "browser/CBrowserDlg.h"

// The framework's standard paste command, posted to the owner window.
constexpr UINT ID_PASTE_COMMAND = 0xE125;

class OBR_API CModelessBrowserDlg : public CBrowserDlg
{
public:
    // Creates the window at once, hidden. extensions, suffix and initialLibrary may be null; the
    // suffix is added to the caption after " - ". instance is the host's slot for this object.
    CModelessBrowserDlg(BROWSER_TYPE type, const TypeLibraryExtensions* extensions,
                        CModelessBrowserDlg** instance, const char* suffix, CWnd* parent,
                        const char* initialLibrary = nullptr);
    ~CModelessBrowserDlg() override;

    // Takes new references while the window stays open: reloads the libraries, drops the history
    // entries whose library went, and shows the current entry again (or the first library).
    void UpdateReferences(const TypeLibraryExtensions& extensions);

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void PostNcDestroy() override;
    void OnDblclkList(NMHDR* header, LRESULT* result);
    void OnCopyButton();
    LRESULT OnCannotOpen(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void PasteIntoOwner();

    CModelessBrowserDlg** m_ppInstance;
    CString m_strTitleSuffix;
};
