#include "references/CReferencesDialog.h"
#include "module/ComHolders.h"
#include "framework/DataExchange.h"
#include "host/util/HostUtilities.h"
#include "framework/MessageHandlers.h"
#include "module/ModuleServices.h"
#include "framework/PlatformCalls.h"
#include "references/TypeLibProbe.h"
#include "resources/resource.h"

#include <oleauto.h>
#include <algorithm>
#include <cctype>
#include <string>

// clang-format off
BEGIN_MESSAGE_MAP(CReferencesDialog, CKivDialog)
    ON_LBN_SELCHANGE(IDC_REF_LIST, OnSelchangeReflist)
    ON_BN_CLICKED(IDC_DOWN_BUTTON, OnDownbutton)
    ON_BN_CLICKED(IDC_UP_BUTTON, OnUpbutton)
    ON_BN_CLICKED(IDC_BROWSE, OnBrowse)
    ON_WM_VKEYTOITEM()
END_MESSAGE_MAP()
// clang-format on

namespace
{
CString ItemText(const TLVLibId& entry)
{
    return " " + entry.strName;
}

CString GuidText(const GUID& guid)
{
    LPOLESTR text = nullptr;
    if (FAILED(::StringFromIID(guid, &text)))
        return CString();
    CString result = CString::FromWide(text);
    ::CoTaskMemFree(text);
    return result;
}

CString LanguageName(LCID lcid)
{
    const DWORD language = lcid & 0xFFFF;
    if (language == 0)
        return strGetStringObr(IDS_STANDARD_LANGUAGE);
    char name[255] = {};
    ::VerLanguageNameA(language, name, sizeof name);
    return name;
}

CString BrowseFilter()
{
    return strGetStringObr(IDS_FILTER_TYPE_LIBRARIES) + " (*.olb; *.tlb; *.dll)|*.olb; *.tlb; *.dll|" +
           strGetStringObr(IDS_FILTER_EXECUTABLES) + " (*.exe; *.dll)|*.exe; *.dll|" +
           strGetStringObr(IDS_FILTER_ACTIVEX_CONTROLS) + " (*.ocx)|*.ocx|" +
           strGetStringObr(IDS_FILTER_ALL_FILES) + " (*.*)|*.*||";
}

void ShowMessage(UINT formatId, const CString& path)
{
    CString text;
    text.Format(szGetStringObr(formatId), path.GetString());
    KivMessageBox(text, 0, 0, 0, -1);
}
} // namespace

CReferencesDialog::CReferencesDialog(std::list<TLVLibId>* refs, CWnd* parent)
    : CKivDialog(IDD_REFERENCES, parent), m_pRefs(refs)
{
    EnumRegisteredTypeLibs(m_available);
    SortByName(m_available);
    if (m_pRefs)
        m_pending = *m_pRefs;
    m_pFont = std::make_unique<CFont>();
}

CReferencesDialog::~CReferencesDialog() = default;

void CReferencesDialog::DoDataExchange(CDataExchange* dx)
{
    CKivDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_REF_LIST, m_refList);
}

BOOL CReferencesDialog::OnInitDialog()
{
    CKivDialog::OnInitDialog();
    int referenced = 0;
    MoveReferencesToTop(referenced);
    for (size_t i = 0; i < m_available.size(); ++i)
        InsertItem(static_cast<int>(i), &m_available[i]);
    for (int i = 0; i < referenced; ++i)
        m_refList.SetCheck(i, 1);
    if (m_refList.GetCount() > 0)
    {
        m_refList.SetCurSel(0);
        DisplayLibDesc(reinterpret_cast<TLVLibId*>(m_refList.GetItemData(0)));
    }

    {
        fwk::ResourceScope moduleResources(ObrModuleInstance());
        auto setIcon = [](CButton* button, int id)
        {
            HANDLE icon = ::LoadImageA(ObrModuleInstance(), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16,
                                       LR_DEFAULTCOLOR | LR_SHARED);
            button->SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
        };
        setIcon(GetUpButton(), IDI_UP_ARROW);
        setIcon(GetDownButton(), IDI_DOWN_ARROW);
    }
    GetUpButton()->EnableWindow(FALSE);

    // The list's own font, with its height as a cell height.
    if (CFont* current = m_refList.GetFont())
    {
        LOGFONTA font = {};
        current->GetLogFont(&font);
        if (font.lfHeight < 0)
            font.lfHeight = -font.lfHeight;
        if (m_pFont->CreateFontIndirect(&font))
            m_refList.SetFont(m_pFont.get(), TRUE);
    }
    return TRUE;
}

void CReferencesDialog::MoveReferencesToTop(int& placed)
{
    placed = 0;
    for (auto reference = m_pending.begin(); reference != m_pending.end();)
    {
        // Only entries not placed yet are looked at: a reference given twice moves nothing twice.
        // The entry of the reference's own version is preferred, so that confirming the dialog
        // does not change the version the host refers to.
        const auto first = m_available.begin() + placed;
        auto found = std::find_if(first, m_available.end(),
                                  [&reference](const TLVLibId& entry) {
                                      return entry == *reference && entry.wMajor == reference->wMajor &&
                                             entry.wMinor == reference->wMinor;
                                  });
        if (found == m_available.end())
            found = std::find(first, m_available.end(), *reference);
        if (found == m_available.end())
        {
            ++reference;
            continue;
        }
        std::rotate(first, found, found + 1);
        ++placed;
        reference = m_pending.erase(reference);
    }
}

void CReferencesDialog::InsertItem(int index, TLVLibId* entry)
{
    const int position = m_refList.InsertString(index, ItemText(*entry));
    if (position >= 0)
        m_refList.SetItemData(position, reinterpret_cast<DWORD_PTR>(entry));
}

CButton* CReferencesDialog::GetUpButton()
{
    return static_cast<CButton*>(GetDlgItem(IDC_UP_BUTTON));
}

CButton* CReferencesDialog::GetDownButton()
{
    return static_cast<CButton*>(GetDlgItem(IDC_DOWN_BUTTON));
}

void CReferencesDialog::OnSelchangeReflist()
{
    const int selected = m_refList.GetCurSel();
    if (selected < 0)
        return;
    DisplayLibDesc(reinterpret_cast<TLVLibId*>(m_refList.GetItemData(selected)));
    const bool last = selected == m_refList.GetCount() - 1;
    if (selected != 0 && last)
    {
        GetUpButton()->EnableWindow(TRUE);
        GetDownButton()->EnableWindow(FALSE);
    }
    else
    {
        GetUpButton()->EnableWindow(selected != 0);
        GetDownButton()->EnableWindow(TRUE);
    }
}

void CReferencesDialog::DisplayLibDesc(TLVLibId* entry)
{
    if (!entry)
        return;
    GetDlgItem(IDC_LIB_NAME)->SetWindowText(entry->strName);
    const CString details = strGetStringObr(IDS_LOCATION) + entry->strPath + "\r\n" +
                            strGetStringObr(IDS_LANGUAGE) + LanguageName(entry->lcid) + "\r\n" +
                            strGetStringObr(IDS_GUID) + GuidText(entry->guid);
    GetDlgItem(IDC_LIB_DETAILS)->SetWindowText(details);
}

void CReferencesDialog::OnUpbutton()
{
    const int selected = m_refList.GetCurSel();
    LockWindowUpdate();
    if (SwapListItems(m_refList, selected, selected - 1))
    {
        GetUpButton()->EnableWindow(selected - 1 >= 1);
        GetDownButton()->EnableWindow(TRUE);
    }
    UnlockWindowUpdate();
}

void CReferencesDialog::OnDownbutton()
{
    const int selected = m_refList.GetCurSel();
    LockWindowUpdate();
    if (SwapListItems(m_refList, selected, selected + 1))
    {
        GetDownButton()->EnableWindow(selected + 1 < m_refList.GetCount() - 1);
        GetUpButton()->EnableWindow(TRUE);
    }
    UnlockWindowUpdate();
}

CReferencesDialog::FileLibrary CReferencesDialog::ReadLibraryFile(const CString& path, TLVLibId& entry)
{
    // A damaged file can bring the platform's loader down: it is opened in another process first.
    const ProbeResult probe = ProbeTypeLibraryFile(path);
    if (probe == ProbeResult::NotALibrary || probe == ProbeResult::Faulted)
        return FileLibrary::NotALibrary;
    const std::wstring widePath = path.ToWide();
    ComPtr<ITypeLib> library;
    if (FAILED(::LoadTypeLibEx(widePath.c_str(), REGKIND_NONE, &library)) || !library)
        return FileLibrary::NotALibrary;
    {
        TLIBATTR* lent = nullptr;
        if (FAILED(library->GetLibAttr(&lent)) || !lent)
            return FileLibrary::NotALibrary;
        const LibAttrHolder attributes(library.Get(), lent);
        entry.guid = attributes->guid;
        entry.lcid = attributes->lcid;
        entry.wMajor = attributes->wMajorVerNum;
        entry.wMinor = attributes->wMinorVerNum;
    }
    entry.strPath = path;
    Bstr description;
    if (SUCCEEDED(library->GetDocumentation(MEMBERID_NIL, nullptr, &description, nullptr, nullptr)))
        entry.strName.Format("%s (%d.%d)", description.ToString().GetString(), entry.wMajor, entry.wMinor);
    // Registered where it is, so that the host can refer to it by its GUID.
    const HRESULT registered = ::RegisterTypeLib(library.Get(), const_cast<LPOLESTR>(widePath.c_str()), nullptr);
    return SUCCEEDED(registered) ? FileLibrary::Registered : FileLibrary::NotRegistered;
}

void CReferencesDialog::OnBrowse()
{
    CFileDialog chooser(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, BrowseFilter(), this);
    if (chooser.DoModal() != IDOK)
        return;
    const CString path = chooser.GetPathName();
    TLVLibId chosen = {};
    switch (ReadLibraryFile(path, chosen))
    {
    case FileLibrary::NotALibrary:
        ShowMessage(IDS_NOT_A_TYPE_LIBRARY, path);
        return;
    case FileLibrary::NotRegistered:
        // A type library all the same: the message says what went wrong, and nothing is added.
        ShowMessage(IDS_NOT_REGISTERED, path);
        return;
    case FileLibrary::Registered:
        break;
    }
    const auto listed = std::find(m_available.begin(), m_available.end(), chosen);
    if (listed != m_available.end())
    {
        const int item = m_refList.FindStringExact(-1, ItemText(*listed));
        if (item >= 0)
        {
            m_refList.SetCurSel(item);
            m_refList.SetCheck(item, 1);
            OnSelchangeReflist();
        }
        return;
    }
    int position = 0;
    while (position < m_refList.GetCount() && m_refList.GetCheck(position) == 1)
        ++position;
    m_available.push_back(chosen);
    InsertItem(position, &m_available.back());
    m_refList.SetCurSel(position);
    OnSelchangeReflist();
    m_refList.SetCheck(position, 1);
}

int CReferencesDialog::OnVKeyToItem(UINT key, CListBox*, UINT)
{
    if (key > 0xFF || !std::isalpha(static_cast<int>(key)))
        return -1;
    const char prefix[3] = {' ', static_cast<char>(key), '\0'};
    // Selecting by letter sends no selection change: the details and arrows follow by hand.
    if (m_refList.SelectString(m_refList.GetCurSel(), prefix) >= 0)
        OnSelchangeReflist();
    return -2;
}

void CReferencesDialog::OnOK()
{
    CKivDialog::OnOK();
    // The references no registered library matched come first, as the host gave them, then the
    // checked libraries in the order the user left them.
    std::list<TLVLibId> references = m_pending;
    for (int i = 0; i < m_refList.GetCount(); ++i)
        if (m_refList.GetCheck(i) == 1)
            if (auto* entry = reinterpret_cast<TLVLibId*>(m_refList.GetItemData(i)))
                references.push_back(*entry);
    if (m_pRefs)
        *m_pRefs = references;
}

bool SwapListItems(CCheckListBox& list, int i, int j)
{
    const int count = list.GetCount();
    if (i < 0 || j < 0 || i >= count || j >= count)
        return false;
    if (i == j)
        return true;
    if (i > j)
        std::swap(i, j);
    struct Item
    {
        bool selected;
        int check;
        BOOL enabled;
        CString text;
        DWORD_PTR data;
    };
    auto read = [&list](int index)
    {
        Item item{list.GetCurSel() == index, list.GetCheck(index), list.IsEnabled(index), CString(),
                  list.GetItemData(index)};
        list.GetText(index, item.text);
        return item;
    };
    const Item first = read(i), second = read(j);
    list.DeleteString(j);
    list.DeleteString(i);
    list.InsertString(i, second.text);
    list.InsertString(j, first.text);
    auto write = [&list](int index, const Item& item)
    {
        list.SetCheck(index, item.check);
        list.Enable(index, item.enabled);
        list.SetItemData(index, item.data);
    };
    write(i, second);
    write(j, first);
    if (first.selected)
        list.SetCurSel(j);
    else if (second.selected)
        list.SetCurSel(i);
    return true;
}
