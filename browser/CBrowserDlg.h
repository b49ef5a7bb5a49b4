// CBrowserDlg: the browser dialog the host creates. It owns the controls, the navigation history,
// the layout and the commands, and hands every decision about content to its back-end.
#pragma once

#include "module/BrowserApi.h"
#include "browser/BrowserTypes.h"
#include "host/ctrl/CKivDialog.h"
#include "host/ctrl/CRichEditCtrlEx.h"
#include "host/util/TypeLibraryExtensions.h"
#include "browser/CBrowserListCtrl.h"
#include "browser/CSearchPane.h"
#include "browser/BrowserSettings.h"
#include "framework/DisplayScale.h"

#include <deque>
#include <vector>

class CBrowserImpl;

class OBR_API CBrowserDlg : public CKivDialog, public CGroupDialog
{
public:
    // parent may be null; initialLibrary, when given, names the library selected first.
    CBrowserDlg(BROWSER_TYPE type, CWnd* parent = nullptr, const char* initialLibrary = nullptr);
    ~CBrowserDlg() override;

    CString GetResultString() const { return m_strResult; }
    // The showing ended (chosen, cancelled, or nothing to show); a modeless browser is then hidden.
    bool IsEnded() const { return m_bEnded; }
    BROWSER_TYPE GetType() const { return m_type; }

    // History (the back-ends call these too).
    void AddCurrentSelectionToHistory();
    [[nodiscard]] bool SelectHistoryItem(const _HistoryItem& item);
    void CleanHistory();
    void UpdateHistoryButtons();

    // A size in pixels at 96 dots per inch, in pixels at the dialog's display scale.
    int Scaled(int pixelsAt96) const { return fwk::ScaleForDpi(pixelsAt96, m_nDpi); }
    int GetDpi() const { return m_nDpi; }

    // Fields the back-ends read and write directly. A host fills m_extensions before DoModal to
    // hand extra type libraries to the type-library browser.
    TypeLibraryExtensions m_extensions;
    CListCtrl* m_pMembersList = nullptr; // owned by the back-end
    CListCtrl* m_pClassesList = nullptr; // owned by the back-end
    CString m_strMembersLabel;
    CString m_strClassesLabel;
    int m_nLibIndex = 0;
    std::deque<_HistoryItem> m_history[BROWSER_TYPE_COUNT]; // newest first
    size_t m_current[BROWSER_TYPE_COUNT] = {};              // index of the current entry from the front
    bool m_bShowHidden = false;
    bool m_bGroupMembers = true;
    int m_nSplitterDrag = 0;
    BROWSER_TYPE m_type;
    CBrowserImpl* m_pImpl = nullptr;
    CString m_strResult;
    CString m_strInitialLibrary;
    CWnd* m_pFocusWnd = nullptr;
    HICON m_hIcon = nullptr;
    bool m_bRecordHistory = false;
    CRect m_rcHSplitter;
    CRect m_rcVSplitter;
    CImageList* m_pImageList = nullptr;
    CRichEditCtrlEx* m_pDescription = nullptr;
    int m_nDpi = 96;            // the display scale of the dialog's monitor, read at each showing
    std::vector<HICON> m_icons; // the buttons' and the window's, destroyed with the window

    // Puts the text on the clipboard as plain text, owned by the dialog.
    [[nodiscard]] bool CopyToClipboard(const CString& text);
    // The same for a command of the user's, who hears it when nothing could be copied.
    void CopyForUser(const CString& text);
    // Ends the dialog (a modeless one is only hidden); remembered until the next opening, so that a
    // modeless browser knows it could not open.
    void EndDialog(int result);
    void SetSplitterRectangles();

    // The key of HKEY_CURRENT_USER under which every browser of the process remembers its user
    // from one showing to the next new one: placement, splitters, options, selection, searches and
    // the function browsers' last chosen entries, per browser type. Empty (the default): nothing is
    // read or written.
    static void SetSettingsKey(const char* key);
    // What this showing remembers: read as it opened, written as it ends.
    BrowserSettings& Settings() { return m_settings; }
    // The window was put where the user left it (a host then leaves it there).
    bool RestoredPlacement() const { return m_bRestoredPlacement; }

    // The search row and the pane of its hits.
    CSearchPane& SearchPane() { return m_searchPane; }
    // Puts the text in the search box and searches, as the user would.
    void RunSearch(const CString& text) { m_searchPane.Run(text); }
    // A search run as the dialog opens (a host's start-up option); empty for none.
    CString m_strInitialSearch;
    // Lays the panes out again for the client area as it is (the search pane, as it opens or closes).
    void Relayout();
    // Ctrl+C and Ctrl+Insert in the lists (copy, as the context menu's Copy), Alt+Left and
    // Alt+Right (Back and Forward); true when the key was one of them.
    bool HandleShortcutKey(const MSG& msg);
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    // The browser has no OK button; Enter reaches it only when Copy is disabled, and then does nothing.
    void OnOK() override;
    void DoInit();

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    void OnSize(UINT type, int cx, int cy);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    HCURSOR OnQueryDragIcon();
    void OnSelchangeLibCombo();
    void OnItemchangedClassesList(NMHDR* header, LRESULT* result);
    void OnSetfocusLibCombo();
    void OnSelchangeEdit(NMHDR* header, LRESULT* result);
    void OnSetfocusEdit();
    void OnSetfocusClassesList(NMHDR* header, LRESULT* result);
    BOOL OnHelpInfo(HELPINFO* info);
    void OnDblclkList(NMHDR* header, LRESULT* result);
    void OnContextMenu(CWnd* window, CPoint point);
    void OnGroupmembers();
    void OnShowhidden();
    void OnHelp();
    void OnInitMenuPopup(CMenu* popup, UINT index, BOOL systemMenu);
    void OnCopy();
    // The context menu's Copy: it only copies, whatever key chose it (Enter on the menu is still
    // down when the command arrives); ending the choice is the Copy button's and the double-click's.
    void OnContextCopy();
    void OnClickMembersList(NMHDR* header, LRESULT* result);
    void OnClickClassesList(NMHDR* header, LRESULT* result);
    void OnItemchangedMembersList(NMHDR* header, LRESULT* result);
    void OnBack();
    void OnForward();
    void KeepFocus(HWND focus);
    // Where a context menu asked for from the keyboard opens, in screen coordinates.
    CPoint KeyboardMenuPoint();
    void OnSetfocusMembersList(NMHDR* header, LRESULT* result);
    void OnReferences();
    void OnSearch();
    void OnCloseResults();
    void OnCopyDeclaration();
    // The context menu's questions about the selected type's uses: asked in the search box.
    void OnFindUses(UINT command);
    void OnDestroy();
    BOOL OnToolTipNotify(UINT id, NMHDR* header, LRESULT* result);
    LRESULT OnLink(WPARAM wParam, LPARAM lParam);
    LRESULT OnAppCommand(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

    // For the modeless browser, which shares the dialog's opening and history.
    // The history of this dialog's type (of type 0 for a type that has none, which never opens).
    int HistorySlot() const { return m_type >= 0 && m_type < BROWSER_TYPE_COUNT ? m_type : 0; }
    std::deque<_HistoryItem>& History() { return m_history[HistorySlot()]; }
    size_t& Current() { return m_current[HistorySlot()]; }
    CComboBox* LibraryCombo();
    void SelectInitialLibrary();
    bool m_bEnded = false;

    // The user chose the selected entry (double-click or Copy): the function browsers remember it.
    void NoteChoice();
    // Writes what the showing remembers, when it opened and a settings key is named.
    void SaveSettings();

    // Set while a hidden browser changes its selection: the focus is left where it is.
    bool m_bLeaveFocus = false;

private:
    // The splitters' rectangles widened for hit tests, and a drag point kept inside the window.
    CRect VerticalHitRect() const;
    CRect HorizontalHitRect() const;
    CPoint ClampToDragLimits(CPoint point) const;
    void DeselectAll(CListCtrl* list);

    // Search row and pane
    void OrderTabStops();
    void SetupSearch();
    void PlaceSearchRow();
    // The right edge of the last visible control of the top row.
    int TopRowRight();
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    // The lists' images and the buttons' icons at the dialog's scale.
    void LoadScaledImages();
    // The dialog box's own loop hands keys to no one before the dialog manager: a filter of the
    // thread's dialog messages gives the search and the shortcuts theirs.
    static LRESULT CALLBACK KeyFilter(int code, WPARAM wParam, LPARAM lParam);

    // Remembered settings (BrowserRemembered.cpp): the options before the back-end fills the
    // dialog, the window, splitters, selection and searches after; everything at the end.
    void ReadSettings();
    void RestoreWindowAndPanes();
    bool RestoreSelection();
    // Moves the splitters to shares of the client area (thousandths; 0 leaves one where it is).
    void PlaceSplitters(int classesShare, int descriptionShare);
    // The least window size that keeps the top row, both lists and the description whole.
    CSize LeastWindowSize();

    BrowserSettings m_settings;
    bool m_bRestoredPlacement = false;
    bool m_bOpened = false; // the showing opened whole: it is remembered as it ends
    int m_nListsShift = 0;  // how far the search pane pushes the labels and lists down
    HHOOK m_hKeyFilter = nullptr;
    CSearchPane m_searchPane{*this}; // subclasses the results list at each showing
};
