// A back-end for the browser dialog's tests: three libraries of three classes of three members,
// and a log of every call the dialog makes.
#pragma once

#include "browser/CBrowserDlg.h"
#include "impl/CBrowserImpl.h"
#include "typelib/CTLibItem.h"

#include <string>
#include <vector>

// A stand-in for a type-library item: a name and whether it is hidden.
class FakeLibItem : public CTLibItem
{
public:
    FakeLibItem(const char* name, bool hidden) : m_bHidden(hidden) { m_strName = name; }
    int GetKind() override { return TLIB_KIND_CLASS; }
    CString GetDescription() override { return CString(); }
    bool IsHidden() override { return m_bHidden; }
    bool IsBrowsable() override { return true; }
    bool GetHelpInfo(DWORD*, CString&) override { return false; }
    void Describe(int, CRTFBuilder&) override {}
    CString GetKindName(int) override { return CString(); }

private:
    bool m_bHidden;
};

class RecordingBackEnd : public CBrowserImpl
{
public:
    explicit RecordingBackEnd(CBrowserDlg* dialog);
    ~RecordingBackEnd() override;

    // Every call in order, e.g. "OnLibraryChanged Alpha"; shared by all instances of a test.
    static std::vector<std::string>& Log();
    static const char* const kLibraries[3];
    static const char* const kClasses[3];
    static const char* const kMembers[3];

    CImageList* CreateImageList() override;
    CMenu* GetContextMenu() override;
    void OnLibraryChanged() override;
    void SetupDialog() override;
    BOOL ShowHelp(HELPINFO* info) override;
    void ToggleGroupMembers() override { Log().push_back("ToggleGroupMembers"); }
    void ToggleShowHidden() override { Log().push_back("ToggleShowHidden"); }
    void UpdateContextMenu(CMenu*, UINT, BOOL) override { Log().push_back("UpdateContextMenu"); }
    CString GetSelectionText() override;
    void MembersListClicked(NMHDR*, LRESULT* result) override { *result = 0; }
    void ClassesListClicked(NMHDR*, LRESULT* result) override { *result = 0; }
    void ClassesSelectionChanged(NMHDR* header, LRESULT* result) override;
    void MembersSelectionChanged(NMHDR* header, LRESULT* result) override;
    void LibraryComboFocused() override { NoteFocus(); }
    void DescriptionSelectionChanged(NMHDR*, LRESULT* result) override { *result = 0; }
    void DescriptionFocused() override { NoteFocus(); }
    void ClassesListFocused(NMHDR*, LRESULT* result) override
    {
        NoteFocus();
        *result = 0;
    }
    void MembersListFocused(NMHDR*, LRESULT* result) override
    {
        NoteFocus();
        *result = 0;
    }
    void EditReferences() override { Log().push_back("EditReferences"); }
    LRESULT FollowLink(WPARAM link, LPARAM notification) override;
    CString GetSelectedClassName() override;
    CString GetSelectedMemberName() override;
    CString GetSelectedLibraryName() override;
    BOOL CanCopy() override;
    void FillLibraries() override;
    void ReloadLibraries() override;
    void Search(CString text, std::vector<_HistoryItem>* results) override;
    void FindAll(const CString& text, std::vector<SearchHit>* hits) override;

    // Which pane the dialog remembered as focused when it told the back-end of a focus change
    // ("classes", "members", "description" or "none"), and the control of each help request.
    std::vector<std::string> m_focusSeen;
    std::vector<int> m_helpControls;

    // The first member of each class is hidden, so that its row is drawn grey.
    FakeLibItem m_hiddenItem{"hidden", true};
    FakeLibItem m_visibleItem{"visible", false};

private:
    void Describe(const CString& text);
    void NoteFocus();
};
