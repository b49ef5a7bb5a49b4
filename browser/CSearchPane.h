// CSearchPane: the browser dialog's search. The search row (the box, its button and the pane's
// close button) finds names through the back-end; the pane, the results list under the row, shows
// the hits, best first, until closed, and going to a hit selects it in the dialog's lists. The
// dialog owns the pane, lays it out and hands it the row's commands and keys.
#pragma once

#include "module/BrowserApi.h"
#include "browser/BrowserTypes.h"
#include "browser/BrowserSettings.h"
#include "browser/CBrowserListCtrl.h"

#include <vector>

class CBrowserDlg;

class OBR_API CSearchPane : public CBrowserListCtrl
{
public:
    // How many searches the box's list keeps: as many as a browser remembers between showings.
    static constexpr int kMostRememberedSearches = static_cast<int>(BrowserSettings::kMostSearches);

    explicit CSearchPane(CBrowserDlg& dialog) : m_dialog(dialog) {}

    // Takes the dialog's results list and shows the search row, at each showing of the dialog;
    // false when the dialog's template has no results list (the row then stays hidden).
    bool Attach();
    bool IsShown() const { return m_bShown; }
    const std::vector<SearchHit>& GetHits() const { return m_hits; }
    // Searches the box's text, as the search button does.
    void Search();
    // Puts the text in the box and searches, as the user would.
    void Run(const CString& text);
    void Close();
    // The box's list of searches, newest first; setting it replaces the list (at most the
    // remembered number, empty texts left out).
    std::vector<CString> RememberedSearches();
    void SetRememberedSearches(const std::vector<CString>& searches);
    // Ctrl+F, and Enter and Escape in the search row and pane; true when the key was the search's.
    bool HandleKey(const MSG& msg);

    // The height the hits would take, the header and borders included.
    int HeightNeeded();
    // Moves the pane and shares its width among its columns.
    void Place(int left, int top, int width, int height);

protected:
    void OnGetDispInfo(NMHDR* header, LRESULT* result);
    void OnItemChanged(NMHDR* header, LRESULT* result);
    void OnClick(NMHDR* header, LRESULT* result);
    void OnDoubleClick(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()

private:
    // The columns: library, class and member share the width; or category and element. The line
    // that says nothing was found has it all.
    void SizeColumns();
    void GoToHit(size_t index);
    CComboBox* Box();
    CWnd* CloseButton();

    CBrowserDlg& m_dialog;
    std::vector<SearchHit> m_hits;
    CString m_strNoHits;
    bool m_bShown = false;
};
