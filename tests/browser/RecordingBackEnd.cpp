#include "tests/browser/RecordingBackEnd.h"
#include "browser/CLibItemListCtrl.h"
#include "resources/resource.h"

const char* const RecordingBackEnd::kLibraries[3] = {"Alpha", "Beta", "Scripting"};
const char* const RecordingBackEnd::kClasses[3] = {"Dictionary", "Drive", "File"};
const char* const RecordingBackEnd::kMembers[3] = {"Add", "Count", "Item"};

std::vector<std::string>& RecordingBackEnd::Log()
{
    static std::vector<std::string> log;
    return log;
}

RecordingBackEnd::RecordingBackEnd(CBrowserDlg* dialog) : CBrowserImpl(dialog)
{
    m_contextMenu.LoadMenu(IDR_CONTEXT_MENU);
    m_pDlg->m_pClassesList = new CLibItemListCtrl;
    m_pDlg->m_pMembersList = new CLibItemListCtrl;
    m_pDlg->SetHelpId(IDH_OBJECT_BROWSER);
    Log().push_back("construct");
}

RecordingBackEnd::~RecordingBackEnd()
{
    delete m_pDlg->m_pClassesList;
    delete m_pDlg->m_pMembersList;
    m_pDlg->m_pClassesList = m_pDlg->m_pMembersList = nullptr;
}

CImageList* RecordingBackEnd::CreateImageList()
{
    Log().push_back("CreateImageList");
    auto* images = new CImageList;
    images->Create(16, 16, ILC_MASK, 0, 4);
    return images;
}

CMenu* RecordingBackEnd::GetContextMenu()
{
    return m_contextMenu.GetSubMenu(0);
}

void RecordingBackEnd::SetupDialog()
{
    Log().push_back("SetupDialog");
    m_pDlg->SetWindowText("Explorateur d'Objets");
    m_pDlg->m_strClassesLabel = " Classes";
    m_pDlg->UpdateData(FALSE);
}

void RecordingBackEnd::FillLibraries()
{
    Log().push_back("FillLibraries");
    auto* combo = static_cast<CComboBox*>(m_pDlg->GetDlgItem(IDC_LIB_COMBO));
    for (const char* library : kLibraries)
        combo->AddString(library);
}

void RecordingBackEnd::OnLibraryChanged()
{
    CString library = GetSelectedLibraryName();
    Log().push_back("OnLibraryChanged " + library.str());
    m_pDlg->m_pMembersList->DeleteAllItems();
    m_pDlg->m_pClassesList->DeleteAllItems();
    for (int i = 0; i < 3; ++i)
        m_pDlg->m_pClassesList->InsertItem(i, kClasses[i]);
    m_pDlg->m_pClassesList->SetColumnWidth(0, LVSCW_AUTOSIZE);
    Describe("Bibliothèque " + library);
    SelectListItem(m_pDlg->m_pClassesList, 0, false);
}

void RecordingBackEnd::ClassesSelectionChanged(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (!BecameSelected(header, m_pDlg->m_pClassesList))
        return;
    CListCtrl* members = m_pDlg->m_pMembersList;
    members->DeleteAllItems();
    for (int i = 0; i < 3; ++i)
    {
        members->InsertItem(i, kMembers[i]);
        members->SetItemData(i, reinterpret_cast<DWORD_PTR>(i == 0 ? &m_hiddenItem : &m_visibleItem));
    }
    members->SetColumnWidth(0, LVSCW_AUTOSIZE);
    m_pDlg->m_strMembersLabel.Format(" Membres de '%s'", GetSelectedClassName().GetString());
    m_pDlg->UpdateData(FALSE);
    Describe("Classe " + GetSelectedClassName());
    m_pDlg->AddCurrentSelectionToHistory();
}

void RecordingBackEnd::MembersSelectionChanged(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (!BecameSelected(header, m_pDlg->m_pMembersList))
        return;
    Describe("Membre " + GetSelectedMemberName());
    m_pDlg->AddCurrentSelectionToHistory();
}

void RecordingBackEnd::Describe(const CString& text)
{
    CRTFBuilder rtf;
    rtf << size(18) << bold << text << normal << "\n   Membre de " << CRTFHyperlink("Alpha", 1);
    m_pDlg->m_pDescription->SetWindowText("");
    rtf >> *m_pDlg->m_pDescription;
}

CString RecordingBackEnd::GetSelectionText()
{
    return GetSelectedMemberName();
}

CString RecordingBackEnd::GetSelectedClassName()
{
    return static_cast<CLibItemListCtrl*>(m_pDlg->m_pClassesList)->GetSelectedText();
}

CString RecordingBackEnd::GetSelectedMemberName()
{
    return static_cast<CLibItemListCtrl*>(m_pDlg->m_pMembersList)->GetSelectedText();
}

CString RecordingBackEnd::GetSelectedLibraryName()
{
    auto* combo = static_cast<CComboBox*>(m_pDlg->GetDlgItem(IDC_LIB_COMBO));
    CString text;
    int selected = combo->GetCurSel();
    if (selected != CB_ERR)
        combo->GetLBText(selected, text);
    return text;
}

BOOL RecordingBackEnd::ShowHelp(HELPINFO* info)
{
    Log().push_back("ShowHelp");
    m_helpControls.push_back(info ? info->iCtrlId : 0);
    return TRUE;
}

void RecordingBackEnd::NoteFocus()
{
    const CWnd* focus = m_pDlg->m_pFocusWnd;
    m_focusSeen.push_back(!focus                            ? "none"
                          : focus == m_pDlg->m_pClassesList ? "classes"
                          : focus == m_pDlg->m_pMembersList ? "members"
                          : focus == m_pDlg->m_pDescription ? "description"
                                                            : "other");
}

LRESULT RecordingBackEnd::FollowLink(WPARAM link, LPARAM)
{
    Log().push_back("FollowLink " + std::to_string(reinterpret_cast<RTFLinkClick*>(link)->dwData));
    return 0;
}

BOOL RecordingBackEnd::CanCopy()
{
    return !GetSelectedMemberName().IsEmpty();
}

void RecordingBackEnd::ReloadLibraries()
{
    Log().push_back("ReloadLibraries");
}

void RecordingBackEnd::Search(CString text, std::vector<_HistoryItem>*)
{
    Log().push_back("Search " + text.str());
}

void RecordingBackEnd::FindAll(const CString& text, std::vector<SearchHit>*)
{
    Log().push_back("FindAll " + text.str());
}
