#include "references/CReferencesDialog.h"
#include "module/ComHolders.h"
#include "framework/DataExchange.h"
#include "host/util/HostUtilities.h"
#include "framework/MessageHandlers.h"
#include "module/ModuleServices.h"
#include "framework/PlatformCalls.h"
#include "framework/WindowUpdateLock.h"
#include "references/TypeLibProbe.h"
#include "resources/resource.h"

#include <oleauto.h>
#include <algorithm>
#include <string>

// clang-format off
BEGIN_MESSAGE_MAP(CReferencesDialog, CKivDialog)
    ON_LBN_SELCHANGE(IDC_REF_LIST, OnSelchangeReflist)
    ON_CONTROL(CLBN_CHKCHANGE, IDC_REF_LIST, OnChkchangeReflist)
    ON_BN_CLICKED(IDC_DOWN_BUTTON, OnDownbutton)
    ON_BN_CLICKED(IDC_UP_BUTTON, OnUpbutton)
    ON_BN_CLICKED(IDC_BROWSE, OnBrowse)
    ON_WM_VKEYTOITEM()
    ON_WM_CHARTOITEM()
END_MESSAGE_MAP()
// clang-format on

namespace
{
// A missing reference is named as the host named it, or by its GUID and version.
CString MissingName(const TLVLibId& reference)
{
    if (!reference.strName.IsEmpty())
        return reference.strName;
    CString name;
    name.Format("%s %d.%d", GuidText(reference.guid).GetString(), reference.wMajor, reference.wMinor);
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
    m_pFont = std::make_unique<CFont>();
}

CReferencesDialog::~CReferencesDialog() = default;

void CReferencesDialog::DoDataExchange(CDataExchange* dx)
{
    CKivDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_REF_LIST, m_refList);
}

void CReferencesDialog::PrepareShowing()
{
    // A showing after the first starts from the registry and the host's list as they are now:
    // the last showing moved the table's entries and emptied the pending copy.
    if (!m_bTableFresh)
    {
        EnumRegisteredTypeLibs(m_available);
        SortByName(m_available);
    }
    m_bTableFresh = false;
    // A reference the host gives twice is kept once, at its first place, in its first version.
    m_pending.clear();
    if (m_pRefs)
        for (const TLVLibId& reference : *m_pRefs)
            if (std::find(m_pending.begin(), m_pending.end(), reference) == m_pending.end())
                m_pending.push_back(reference);
}

BOOL CReferencesDialog::OnInitDialog()
{
    CKivDialog::OnInitDialog();
    PrepareShowing();
    int referenced = 0;
    MoveReferencesToTop(referenced);
    // The references no registered library stands for first, in the host's order, then the table.
    int index = 0;
    for (TLVLibId& missing : m_pending)
        InsertItem(index++, &missing);
    for (TLVLibId& entry : m_available)
        InsertItem(index++, &entry);
    for (int i = 0; i < MissingCount() + referenced; ++i)
        m_refList.SetCheck(i, 1);
    RememberChecks();
    if (m_refList.GetCount() > 0)
    {
        m_refList.SetCurSel(0);
        DisplayLibDesc(EntryAt(0));
    }

    {
        fwk::ResourceScope moduleResources(ObrModuleInstance());
        // The name, hidden by the icon, is for screen readers.
        auto setIcon = [](CButton* button, int id, UINT name)
        {
            HANDLE icon = ::LoadImageA(ObrModuleInstance(), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16,
                                       LR_DEFAULTCOLOR | LR_SHARED);
            button->SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
            button->SetWindowText(szGetStringObr(name));
        };
        setIcon(GetUpButton(), IDI_UP_ARROW, IDS_NAME_PRIORITY_UP);
        setIcon(GetDownButton(), IDI_DOWN_ARROW, IDS_NAME_PRIORITY_DOWN);
    }
    UpdateArrows();
    // The keyboard starts in the list: the dialog manager gives the first tab stop (OK) the focus
    // once this returns, and then takes this message.
    PostMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_refList.m_hWnd), TRUE);

    // The list's own font, with its height as a cell height; a new one each showing, since the
    // last showing's list went with its font.
    m_pFont = std::make_unique<CFont>();
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
        // Only entries not placed yet are looked at. A reference stands for the entry of its own
        // version only: confirming the dialog never changes the version the host refers to.
        const auto first = m_available.begin() + placed;
        const auto found =
            std::find_if(first, m_available.end(),
                         [&reference](const TLVLibId& entry) { return StandsFor(entry, *reference); });
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
    const CString text = IsMissing(entry) ? " " + strGetStringObr(IDS_MISSING_PREFIX) + MissingName(*entry)
                                          : " " + entry->strName;
    const int position = m_refList.InsertString(index, text);
    if (position >= 0)
        m_refList.SetItemData(position, reinterpret_cast<DWORD_PTR>(entry));
}

void CReferencesDialog::ReplaceItem(int index, TLVLibId* entry)
{
    const int check = m_refList.GetCheck(index);
    m_refList.DeleteString(index);
    InsertItem(index, entry);
    m_refList.SetCheck(index, check);
}

TLVLibId* CReferencesDialog::EntryAt(int index) const
{
    const LRESULT data = m_refList.SendMessage(LB_GETITEMDATA, index);
    return data == LB_ERR ? nullptr : reinterpret_cast<TLVLibId*>(data);
}

int CReferencesDialog::ItemOf(const TLVLibId* entry) const
{
    for (int i = 0; i < m_refList.GetCount(); ++i)
        if (EntryAt(i) == entry)
            return i;
    return -1;
}

bool CReferencesDialog::IsMissing(const TLVLibId* entry) const
{
    for (const TLVLibId& missing : m_pending)
        if (&missing == entry)
            return true;
    return false;
}

bool CReferencesDialog::IsMissingItem(int index) const
{
    return index >= 0 && index < m_refList.GetCount() && IsMissing(EntryAt(index));
}

int CReferencesDialog::MissingCount() const
{
    return static_cast<int>(m_pending.size());
}

CButton* CReferencesDialog::GetUpButton()
{
    return static_cast<CButton*>(GetDlgItem(IDC_UP_BUTTON));
}

CButton* CReferencesDialog::GetDownButton()
{
    return static_cast<CButton*>(GetDlgItem(IDC_DOWN_BUTTON));
}

void CReferencesDialog::UpdateArrows()
{
    const int selected = m_refList.GetCurSel();
    const int count = m_refList.GetCount();
    bool up = false, down = true;
    if (selected >= 0)
    {
        up = selected != 0;
        down = !(selected != 0 && selected == count - 1);
    }
    // A missing library cannot load, so its priority means nothing: it does not move, and nothing
    // moves above it.
    if (IsMissingItem(selected))
        up = down = false;
    if (IsMissingItem(selected - 1))
        up = false;
    if (IsMissingItem(selected + 1))
        down = false;
    GetUpButton()->EnableWindow(up);
    GetDownButton()->EnableWindow(down);
}

void CReferencesDialog::OnSelchangeReflist()
{
    const int selected = m_refList.GetCurSel();
    if (selected < 0)
        return;
    DisplayLibDesc(EntryAt(selected));
    UpdateArrows();
}

void CReferencesDialog::CheckOnly(int index)
{
    const TLVLibId* chosen = EntryAt(index);
    if (!chosen)
        return;
    m_refList.SetCheck(index, 1);
    for (int i = 0; i < m_refList.GetCount(); ++i)
        if (i != index && m_refList.GetCheck(i) == 1 && *EntryAt(i) == *chosen)
            m_refList.SetCheck(i, 0);
    RememberChecks();
}

void CReferencesDialog::RememberChecks()
{
    m_checked.clear();
    for (int i = 0; i < m_refList.GetCount(); ++i)
        if (m_refList.GetCheck(i) == 1)
            m_checked.push_back(EntryAt(i));
}

void CReferencesDialog::OnChkchangeReflist()
{
    // The notification does not say which item: the newly ticked one is checked now and was not.
    for (int i = 0; i < m_refList.GetCount(); ++i)
        if (m_refList.GetCheck(i) == 1 &&
            std::find(m_checked.begin(), m_checked.end(), EntryAt(i)) == m_checked.end())
            CheckOnly(i);
    RememberChecks();
}

void CReferencesDialog::DisplayLibDesc(TLVLibId* entry)
{
    if (!entry)
        return;
    if (IsMissing(entry))
    {
        CString version;
        version.Format("%d.%d", entry->wMajor, entry->wMinor);
        GetDlgItem(IDC_LIB_NAME)->SetWindowText(MissingName(*entry));
        GetDlgItem(IDC_LIB_DETAILS)
            ->SetWindowText(WhyMissing(*entry) + "\r\n" + strGetStringObr(IDS_GUID) + GuidText(entry->guid) +
                            "\r\n" + strGetStringObr(IDS_VERSION) + version + "\r\n" +
                            strGetStringObr(IDS_LANGUAGE) + LanguageName(entry->lcid) + "\r\n" +
                            strGetStringObr(IDS_LOCATION) + entry->strPath);
        return;
    }
    GetDlgItem(IDC_LIB_NAME)->SetWindowText(entry->strName);
    const CString details = strGetStringObr(IDS_LOCATION) + entry->strPath + "\r\n" +
                            strGetStringObr(IDS_LANGUAGE) + LanguageName(entry->lcid) + "\r\n" +
                            strGetStringObr(IDS_GUID) + GuidText(entry->guid);
    GetDlgItem(IDC_LIB_DETAILS)->SetWindowText(details);
}

void CReferencesDialog::OnUpbutton()
{
    const int selected = m_refList.GetCurSel();
    if (IsMissingItem(selected) || IsMissingItem(selected - 1))
        return;
    WindowUpdateLock frozen(*this);
    if (SwapListItems(m_refList, selected, selected - 1))
        UpdateArrows();
}

void CReferencesDialog::OnDownbutton()
{
    const int selected = m_refList.GetCurSel();
    if (IsMissingItem(selected) || IsMissingItem(selected + 1))
        return;
    WindowUpdateLock frozen(*this);
    if (SwapListItems(m_refList, selected, selected + 1))
        UpdateArrows();
}

CReferencesDialog::FileLibrary CReferencesDialog::ReadLibraryFile(const CString& path, TLVLibId& entry)
{
    // A damaged file can bring the platform's loader down: it is opened in another process first,
    // and not at all when that process cannot be started.
    switch (ProbeTypeLibraryFile(path))
    {
    case ProbeResult::NotALibrary:
    case ProbeResult::Faulted:
        return FileLibrary::NotALibrary;
    case ProbeResult::NotProbed:
        return FileLibrary::NotProbed;
    case ProbeResult::Sound:
        break;
    }
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
    const HRESULT registered =
        ::RegisterTypeLib(library.Get(), const_cast<LPOLESTR>(widePath.c_str()), nullptr);
    return SUCCEEDED(registered) ? FileLibrary::Registered : FileLibrary::NotRegistered;
}

void CReferencesDialog::ShowChosenLibrary(int index)
{
    m_refList.SetCurSel(index);
    CheckOnly(index);
    OnSelchangeReflist();
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
    case FileLibrary::NotProbed:
        ShowMessage(IDS_PROBE_UNAVAILABLE, path);
        return;
    case FileLibrary::NotRegistered:
        // A type library all the same: the message says what went wrong, and nothing is added.
        ShowMessage(IDS_NOT_REGISTERED, path);
        return;
    case FileLibrary::Registered:
        break;
    }
    // The file of a missing reference: the library takes that reference's place and priority.
    for (int i = 0; i < m_refList.GetCount(); ++i)
    {
        TLVLibId* missing = EntryAt(i);
        if (!IsMissing(missing) || !(*missing == chosen))
            continue;
        m_available.push_back(chosen);
        ReplaceItem(i, &m_available.back());
        m_pending.remove_if([missing](const TLVLibId& reference) { return &reference == missing; });
        ShowChosenLibrary(i);
        return;
    }
    // A library listed already: the item of that very version, else of any version, is checked.
    auto listed = std::find_if(m_available.begin(), m_available.end(),
                               [&chosen](const TLVLibId& entry)
                               { return entry == chosen && entry.SameVersion(chosen); });
    if (listed == m_available.end())
        listed = std::find(m_available.begin(), m_available.end(), chosen);
    if (listed != m_available.end())
    {
        const int item = ItemOf(&*listed);
        if (item >= 0)
            ShowChosenLibrary(item);
        return;
    }
    // A new library goes to the first unchecked place below the missing references.
    int position = MissingCount();
    while (position < m_refList.GetCount() && m_refList.GetCheck(position) == 1)
        ++position;
    m_available.push_back(chosen);
    InsertItem(position, &m_available.back());
    ShowChosenLibrary(position);
}

int CReferencesDialog::OnVKeyToItem(UINT key, CListBox*, UINT)
{
    // Letter and digit keys only: the numeric pad's keys and F1 to F12 have codes that read as
    // lower-case letters.
    const bool letter = key >= 'A' && key <= 'Z';
    const bool digit = key >= '0' && key <= '9';
    if (!letter && !digit)
        return -1;
    const char prefix[3] = {' ', static_cast<char>(key), '\0'};
    // Selecting by letter sends no selection change: the details and arrows follow by hand.
    if (m_refList.SelectString(m_refList.GetCurSel(), prefix) >= 0)
        OnSelchangeReflist();
    return -2;
}

int CReferencesDialog::OnCharToItem(UINT, CListBox*, UINT)
{
    // Keys select by their first letter in OnVKeyToItem; a character does nothing more (Wine also
    // sends this for a list with strings, and the space that toggles a check would otherwise move
    // the selection to the next item, since every item's text begins with a blank).
    return -2;
}

void CReferencesDialog::OnOK()
{
    CKivDialog::OnOK();
    // The checked items top to bottom: the missing references the user kept come first, as the
    // host gave them, then the libraries in the order the user left them. A library is written
    // once, at its first place.
    std::list<TLVLibId> references;
    for (int i = 0; i < m_refList.GetCount(); ++i)
    {
        const TLVLibId* entry = EntryAt(i);
        if (m_refList.GetCheck(i) == 1 && entry &&
            std::find(references.begin(), references.end(), *entry) == references.end())
            references.push_back(*entry);
    }
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
