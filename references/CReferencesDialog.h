// CReferencesDialog: the dialog in which the user chooses the type libraries a macro project
// refers to, and their order, among all those registered on the machine or from a file. The host's
// list is written only when the user confirms.
#pragma once

#include "module/BrowserApi.h"
#include "host/ctrl/CKivDialog.h"
#include "references/RegisteredTypeLibs.h"

#include <list>
#include <memory>

class OBR_API CReferencesDialog : public CKivDialog, public CGroupDialog
{
public:
    // refs: the host's references, in priority order; not owned, written by OnOK only.
    CReferencesDialog(std::list<TLVLibId>* refs, CWnd* parent = nullptr);
    ~CReferencesDialog() override;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* dx) override;

    void OnSelchangeReflist();
    void OnUpbutton();
    void OnDownbutton();
    void OnBrowse();
    int OnVKeyToItem(UINT key, CListBox* list, UINT caretIndex);
    // Shows one entry's name, path, language and GUID; nothing for none.
    void DisplayLibDesc(TLVLibId* entry);
    CButton* GetUpButton();
    CButton* GetDownButton();

    // The libraries offered, in list order once the dialog is open (tests read them).
    const TypeLibTable& Available() const { return m_available; }
    CCheckListBox& ReferenceList() { return m_refList; }

protected:
    DECLARE_MESSAGE_MAP()

private:
    void MoveReferencesToTop(int& placed);
    void InsertItem(int index, TLVLibId* entry);
    enum class FileLibrary
    {
        Registered,
        NotALibrary,
        NotRegistered
    };
    // Reads the type library of a file the user chose into the entry and registers it.
    FileLibrary ReadLibraryFile(const CString& path, TLVLibId& entry);

    CCheckListBox m_refList;
    TypeLibTable m_available;
    std::list<TLVLibId> m_pending;
    std::list<TLVLibId>* m_pRefs;
    std::unique_ptr<CFont> m_pFont;
};

// Exchanges two items of a check list: text, check, enabled state and data, and the selection
// with them; false for an index out of the list.
OBR_API bool SwapListItems(CCheckListBox& list, int i, int j);
