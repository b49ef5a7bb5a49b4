// The type-library back-end as a whole: construction, the libraries of the host's references and
// the library combo.
#include "impl/CTypeLibBrowserImpl.h"
#include "browser/CBrowserDlg.h"
#include "typelib/CTClass.h"
#include "typelib/CTLib.h"
#include "typelib/CTMember.h"
#include "host/util/HostUtilities.h"
#include "module/ModuleServices.h"
#include "impl/ReferenceLoader.h"
#include "resources/resource.h"

#include <algorithm>

CTypeLibBrowserImpl::CTypeLibBrowserImpl(CBrowserDlg* dialog) : CBrowserImpl(dialog)
{
    for (int& image : m_imageOfKind)
        image = -1;
    m_pGlobals = std::make_unique<CTLibItemAggregate<CTMember*>>("<globals>");
    m_shownClasses = ClassSet(CTLibItemLess(m_pDlg->m_bGroupMembers));
    {
        fwk::ResourceScope moduleResources(ObrModuleInstance());
        m_contextMenu.LoadMenu(IDR_CONTEXT_MENU);
    }
    m_pClassesCtrl = std::make_unique<CLibItemListCtrl>();
    m_pDlg->m_pClassesList = m_pClassesCtrl.get();
    m_pMembersCtrl = std::make_unique<CLibItemListCtrl>();
    m_pDlg->m_pMembersList = m_pMembersCtrl.get();
    m_pDlg->SetHelpId(IDH_OBJECT_BROWSER);
}

CTypeLibBrowserImpl::~CTypeLibBrowserImpl()
{
    // The lists show items of the libraries: they go first, and the dialog no longer sees them.
    m_pDlg->m_pClassesList = m_pDlg->m_pMembersList = nullptr;
    m_pGlobals.reset();
    m_pClassesCtrl.reset();
    m_pMembersCtrl.reset();
    m_libraries.clear();
    m_contextMenu.DestroyMenu();
}

void CTypeLibBrowserImpl::SetupDialog()
{
    m_pDlg->m_strClassesLabel = strGetStringObr(IDS_CLASSES_LABEL);
    m_pDlg->SetWindowText(szGetStringObr(IDS_OBJECT_BROWSER_CAPTION));
    m_pDlg->UpdateData(FALSE);
}

CComboBox* CTypeLibBrowserImpl::LibraryCombo() const
{
    return static_cast<CComboBox*>(m_pDlg->GetDlgItem(IDC_LIB_COMBO));
}

void CTypeLibBrowserImpl::LoadLibraries()
{
    const TypeLibraryExtensions& references = m_pDlg->m_extensions;
    m_libraries.reserve(static_cast<size_t>(references.count()));
    // A reference that is not registered, or does not load, is left out without a word; a library
    // given twice is loaded once, as first given.
    for (int i = 0; i < references.count(); ++i)
    {
        const GUID guid = references.ItemGUID(i);
        const bool loaded = std::any_of(m_libraries.begin(), m_libraries.end(),
                                        [&guid](const std::unique_ptr<CTLib>& library)
                                        { return IsEqualGUID(library->GetGuid(), guid); });
        if (!loaded)
            if (auto library =
                    LoadReferencedLibrary(guid, references.ItemVerMajor(i), references.ItemVerMinor(i)))
                m_libraries.push_back(std::move(library));
    }
}

void CTypeLibBrowserImpl::FreeLibraries()
{
    // The rows and the gathered lists point into the libraries: they go before them.
    if (m_pClassesCtrl->m_hWnd)
        m_pClassesCtrl->DeleteAllItems();
    if (m_pMembersCtrl->m_hWnd)
        m_pMembersCtrl->DeleteAllItems();
    m_shownClasses.clear();
    m_members.clear();
    m_pGlobals->m_items.clear();
    m_pCurrentMembers = nullptr;
    m_strCurrentClass.Empty();
    m_nameIndexes.clear();
    m_usageIndexes.clear();
    // The pane's links name the libraries' objects: they go first.
    m_linkTargets.clear();
    ClearDescription();
    m_libraries.clear();
}

void CTypeLibBrowserImpl::FillLibraries()
{
    // A dialog shown again loads the references afresh: the host may have changed them since.
    FreeLibraries();
    LoadLibraries();
    CComboBox* combo = LibraryCombo();
    combo->ResetContent();
    for (size_t i = 0; i < m_libraries.size(); ++i)
    {
        const int position = combo->AddString(m_libraries[i]->GetName());
        if (position >= 0)
            combo->SetItemData(position, i);
    }
    if (m_libraries.empty())
    {
        KivMessageBox(szGetStringObr(IDS_NO_LIBRARY_LOADED), 0, 0, 0, -1);
        m_pDlg->EndDialog(-1);
    }
}

void CTypeLibBrowserImpl::ReloadLibraries()
{
    // Filling frees what was loaded first.
    FillLibraries();
}

CTLib* CTypeLibBrowserImpl::GetCurrentLibrary()
{
    CComboBox* combo = LibraryCombo();
    const int selected = combo ? combo->GetCurSel() : CB_ERR;
    if (selected < 0)
        return nullptr;
    const DWORD_PTR index = combo->GetItemData(selected);
    return index < m_libraries.size() ? m_libraries[index].get() : nullptr;
}

CString CTypeLibBrowserImpl::GetSelectedLibraryName()
{
    CComboBox* combo = LibraryCombo();
    CString text;
    if (combo && combo->GetCurSel() != CB_ERR)
        combo->GetLBText(combo->GetCurSel(), text);
    return text;
}

void CTypeLibBrowserImpl::LibraryComboFocused()
{
    DescribeItem(GetCurrentLibrary());
    m_pDlg->GetDlgItem(IDC_COPY)->EnableWindow(FALSE);
}

void CTypeLibBrowserImpl::EditReferences()
{
    if (HWND parent = ::GetParent(m_pDlg->m_hWnd))
        ::PostMessageA(parent, WM_COMMAND, ID_EDIT_REFERENCES, 0);
}
