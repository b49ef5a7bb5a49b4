#include "browser/CBrowserDlg.h"
#include "impl/CBrowserImpl.h"
#include "module/ModuleServices.h"
#include "resources/resource.h"

// clang-format off
BEGIN_MESSAGE_MAP(CBrowserDlg, CKivDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_CBN_SELCHANGE(IDC_LIB_COMBO, OnSelchangeLibCombo)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_CLASSES_LIST, OnItemchangedClassesList)
    ON_CBN_SETFOCUS(IDC_LIB_COMBO, OnSetfocusLibCombo)
    ON_NOTIFY(EN_SELCHANGE, IDC_DESCRIPTION, OnSelchangeEdit)
    ON_EN_SETFOCUS(IDC_DESCRIPTION, OnSetfocusEdit)
    ON_NOTIFY(NM_SETFOCUS, IDC_CLASSES_LIST, OnSetfocusClassesList)
    ON_WM_SIZE()
    ON_WM_HELPINFO()
    ON_NOTIFY(NM_DBLCLK, IDC_MEMBERS_LIST, OnDblclkList)
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_GROUPMEMBERS, OnGroupmembers)
    ON_COMMAND(ID_SHOWHIDDEN, OnShowhidden)
    ON_COMMAND(ID_HELP_ITEM, OnHelp)
    ON_WM_INITMENUPOPUP()
    ON_COMMAND(IDC_COPY, OnCopy)
    ON_NOTIFY(NM_CLICK, IDC_MEMBERS_LIST, OnClickMembersList)
    ON_NOTIFY(NM_CLICK, IDC_CLASSES_LIST, OnClickClassesList)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_MEMBERS_LIST, OnItemchangedMembersList)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_COMMAND(IDC_BACK, OnBack)
    ON_COMMAND(IDC_FORWARD, OnForward)
    ON_NOTIFY(NM_SETFOCUS, IDC_MEMBERS_LIST, OnSetfocusMembersList)
    ON_COMMAND(ID_REFERENCES, OnReferences)
    ON_NOTIFY(NM_DBLCLK, IDC_CLASSES_LIST, OnDblclkList)
    ON_COMMAND(ID_COPY, OnContextCopy)
    ON_NOTIFY(NM_RCLICK, IDC_MEMBERS_LIST, OnClickMembersList)
    ON_NOTIFY(NM_RCLICK, IDC_CLASSES_LIST, OnClickClassesList)
    ON_COMMAND(IDC_SEARCH, OnSearch)
    ON_COMMAND(IDC_CLOSE_RESULTS, OnCloseResults)
    ON_COMMAND(ID_COPY_DECLARATION, OnCopyDeclaration)
    ON_COMMAND_RANGE(ID_FIND_RETURNING, ID_FIND_IMPLEMENTING, OnFindUses)
    ON_WM_DESTROY()
    ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnToolTipNotify)
    ON_MESSAGE(RTFN_LINKCLICKED, OnLink)
    ON_MESSAGE(WM_APPCOMMAND, OnAppCommand)
    ON_MESSAGE(WM_GETMINMAXINFO, OnGetMinMaxInfo)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()
// clang-format on

CBrowserDlg::CBrowserDlg(BROWSER_TYPE type, CWnd* parent, const char* initialLibrary)
    : CKivDialog(IDD_BROWSER, parent), m_type(type)
{
    m_pImpl = CreateBrowserImpl(type, this);
    m_pDescription = new CRichEditCtrlEx;
    if (initialLibrary)
        m_strInitialLibrary = initialLibrary;
}

CBrowserDlg::~CBrowserDlg()
{
    delete m_pImageList;
    delete m_pImpl;
    delete m_pDescription;
}

CComboBox* CBrowserDlg::LibraryCombo()
{
    return static_cast<CComboBox*>(GetDlgItem(IDC_LIB_COMBO));
}

void CBrowserDlg::DoDataExchange(CDataExchange* dx)
{
    CKivDialog::DoDataExchange(dx);
    if (m_pMembersList)
        DDX_Control(dx, IDC_MEMBERS_LIST, *m_pMembersList);
    if (m_pClassesList)
        DDX_Control(dx, IDC_CLASSES_LIST, *m_pClassesList);
    DDX_Text(dx, IDC_MEMBERS_LABEL, m_strMembersLabel);
    DDX_Text(dx, IDC_CLASSES_LABEL, m_strClassesLabel);
    DDX_CBIndex(dx, IDC_LIB_COMBO, m_nLibIndex);
}

BOOL CBrowserDlg::OnInitDialog()
{
    // Every showing starts without a result: an object shown again hands back nothing earlier.
    m_strResult.Empty();
    m_bEnded = false;
    CKivDialog::OnInitDialog();
    m_nDpi = fwk::DpiOf(m_hWnd);
    ReadSettings();
    // Without a back-end (a browser type that has none) there is nothing to show.
    if (!m_pImpl || !m_pClassesList || !m_pMembersList)
    {
        EndDialog(-1);
        return FALSE;
    }
    // Only the buttons have tips: the panes' messages stay direct.
    EnableToolTipsFor({IDC_COPY, IDC_BACK, IDC_FORWARD, IDC_SEARCH, IDC_CLOSE_RESULTS});
    // The search box says what it takes: names, and the questions about a type's uses.
    if (CWnd* box = GetDlgItem(IDC_SEARCH_TEXT))
        EnableToolTipFor(::GetWindow(box->m_hWnd, GW_CHILD), Scaled(360));

    // Without its description pane the dialog cannot show anything it selects.
    if (!m_pDescription->SubclassWindow(GetDlgItem(IDC_DESCRIPTION)->m_hWnd))
    {
        EndDialog(-1);
        return FALSE;
    }
    // A tab stop: the keyboard reaches its links.
    m_pDescription->ModifyStyle(WS_DISABLED, WS_TABSTOP);
    m_pDescription->UseHyperlinks(IDC_HAND_CURSOR);
    m_pDescription->SetEventMask(m_pDescription->GetEventMask() | ENM_SELCHANGE);

    m_pClassesList->InsertColumn(0, "", LVCFMT_LEFT);
    m_pMembersList->InsertColumn(0, "", LVCFMT_LEFT);

    LoadScaledImages();
    {
        fwk::ResourceScope moduleResources(ObrModuleInstance());
        // Their tool tips' words, hidden by the icons, name the buttons for screen readers.
        SetDlgItemText(IDC_BACK, szGetStringObr(IDS_TIP_BACK));
        SetDlgItemText(IDC_FORWARD, szGetStringObr(IDS_TIP_FORWARD));
        SetDlgItemText(IDC_COPY, szGetStringObr(IDS_TIP_COPY));
        DoInit();
    }
    SetupSearch();
    OrderTabStops();
    RestoreWindowAndPanes();
    // The focus stays where DoInit put it.
    return FALSE;
}

void CBrowserDlg::LoadScaledImages()
{
    // A dialog object shown again made its lists' images the last time: those lists are gone.
    delete m_pImageList;
    m_pImageList = m_pImpl->CreateImageList();
    m_pClassesList->SetImageList(m_pImageList, LVSIL_SMALL);
    m_pMembersList->SetImageList(m_pImageList, LVSIL_SMALL);
    if (m_searchPane.m_hWnd)
        m_searchPane.SetImageList(m_pImageList, LVSIL_SMALL);

    fwk::ResourceScope moduleResources(ObrModuleInstance());
    // The dialog's own icons, at its scale (a shared icon may come in one size only); the ones they
    // replace go once the buttons let them go.
    std::vector<HICON> previous;
    previous.swap(m_icons);
    const int size = Scaled(16);
    auto loadIcon = [this, size](int id)
    {
        auto icon = static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                                    size, size, LR_DEFAULTCOLOR));
        if (icon)
            m_icons.push_back(icon);
        return icon;
    };
    static_cast<CButton*>(GetDlgItem(IDC_BACK))->SetIcon(loadIcon(IDI_BACK));
    static_cast<CButton*>(GetDlgItem(IDC_FORWARD))->SetIcon(loadIcon(IDI_FORWARD));
    static_cast<CButton*>(GetDlgItem(IDC_COPY))->SetIcon(loadIcon(IDI_COPY));
    m_hIcon = loadIcon(IDI_BROWSER);
    SetIcon(m_hIcon, FALSE);
    for (HICON icon : previous)
        ::DestroyIcon(icon);
}

LRESULT CBrowserDlg::OnDpiChanged(WPARAM wParam, LPARAM lParam)
{
    // Moved to a monitor of another scale: the platform scales the template's controls and fonts of
    // a dialog in a host aware of each monitor's scale; the images and the layout's sizes are ours.
    m_nDpi = HIWORD(wParam);
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    LoadScaledImages();
    Relayout();
    return 0;
}

void CBrowserDlg::OrderTabStops()
{
    // Tab goes round the dialog as the eye reads it: the top row from left to right, the results
    // pane, the two lists, the description.
    HWND previous = HWND_TOP;
    // (The search box's label just before it names it.)
    for (int id :
         {IDC_LIB_COMBO, IDC_BACK, IDC_FORWARD, IDC_COPY, IDC_SEARCH_LABEL, IDC_SEARCH_TEXT, IDC_SEARCH,
          IDC_CLOSE_RESULTS, IDC_SEARCH_RESULTS, IDC_CLASSES_LIST, IDC_MEMBERS_LIST, IDC_DESCRIPTION})
        if (HWND control = ::GetDlgItem(m_hWnd, id))
        {
            ::SetWindowPos(control, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            previous = control;
        }
}

void CBrowserDlg::SelectInitialLibrary()
{
    CComboBox* combo = LibraryCombo();
    int index = m_strInitialLibrary.IsEmpty() ? CB_ERR : combo->FindStringExact(-1, m_strInitialLibrary);
    combo->SetCurSel(index == CB_ERR ? 0 : index);
}

void CBrowserDlg::DoInit()
{
    SetSplitterRectangles();
    m_pImpl->SetupDialog();
    m_bRecordHistory = true;
    m_nSplitterDrag = 0;
    m_pImpl->FillLibraries();
    // A showing that loads nothing ends here and records nothing: an empty entry would be where
    // the next showing opens.
    if (m_bEnded)
        return;
    if (History().empty())
    {
        // A new browser object opens where the user left the last one, when that is still there.
        if (RestoreSelection())
            return;
        SelectInitialLibrary();
        UpdateData(TRUE);
        m_pImpl->OnLibraryChanged();
        AddCurrentSelectionToHistory();
        Current() = 0;
        // The entry was just recorded from the selection: its library is there to be selected.
        if (!History().empty())
            static_cast<void>(SelectHistoryItem(History().front()));
        return;
    }
    // Shown again: open on the entry where the user left, reloading its library.
    m_nLibIndex = -1;
    if (!SelectHistoryItem(History()[Current()]))
    {
        SelectInitialLibrary();
        UpdateData(TRUE);
        m_pImpl->OnLibraryChanged();
    }
    UpdateHistoryButtons();
}

void CBrowserDlg::OnOK() {}

void CBrowserDlg::EndDialog(int result)
{
    m_bEnded = true;
    CKivDialog::EndDialog(result);
}

void CBrowserDlg::OnSysCommand(UINT id, LPARAM lParam)
{
    CKivDialog::OnSysCommand(id, lParam);
}

void CBrowserDlg::OnSelchangeLibCombo()
{
    if (LibraryCombo()->GetCurSel() == m_nLibIndex)
        return;
    UpdateData(TRUE);
    m_pImpl->OnLibraryChanged();
    AddCurrentSelectionToHistory();
}

void CBrowserDlg::OnItemchangedClassesList(NMHDR* header, LRESULT* result)
{
    m_pImpl->ClassesSelectionChanged(header, result);
}

void CBrowserDlg::OnSetfocusLibCombo()
{
    m_pFocusWnd = nullptr;
    m_pImpl->LibraryComboFocused();
}

void CBrowserDlg::OnSelchangeEdit(NMHDR* header, LRESULT* result)
{
    *result = 0;
    m_pImpl->DescriptionSelectionChanged(header, result);
}

void CBrowserDlg::OnSetfocusEdit()
{
    m_pFocusWnd = m_pDescription;
    m_pImpl->DescriptionFocused();
}

void CBrowserDlg::OnSetfocusClassesList(NMHDR* header, LRESULT* result)
{
    m_pFocusWnd = m_pClassesList;
    m_pImpl->ClassesListFocused(header, result);
}

void CBrowserDlg::OnDblclkList(NMHDR*, LRESULT* result)
{
    *result = 0;
    m_strResult = m_pImpl->GetSelectionText();
    if (!m_strResult.IsEmpty())
    {
        NoteChoice();
        EndDialog(IDOK);
    }
}

void CBrowserDlg::OnClickMembersList(NMHDR* header, LRESULT* result)
{
    m_pImpl->MembersListClicked(header, result);
}

void CBrowserDlg::OnClickClassesList(NMHDR* header, LRESULT* result)
{
    m_pImpl->ClassesListClicked(header, result);
}

void CBrowserDlg::OnItemchangedMembersList(NMHDR* header, LRESULT* result)
{
    m_pImpl->MembersSelectionChanged(header, result);
}

void CBrowserDlg::OnSetfocusMembersList(NMHDR* header, LRESULT* result)
{
    m_pFocusWnd = m_pMembersList;
    m_pImpl->MembersListFocused(header, result);
}

LRESULT CBrowserDlg::OnLink(WPARAM wParam, LPARAM lParam)
{
    // The link message shares its number with DM_SETDEFID: only a click record that the
    // description pane sent, with its link notification, is a link.
    const auto* notification = reinterpret_cast<const NMHDR*>(lParam);
    if (!wParam || !notification || notification->hwndFrom != m_pDescription->m_hWnd)
        return Default();
    return m_pImpl->FollowLink(wParam, lParam);
}

void CBrowserDlg::SetupSearch()
{
    if (!m_searchPane.Attach())
        return;
    PlaceSearchRow();
    if (!m_strInitialSearch.IsEmpty())
        m_searchPane.Run(m_strInitialSearch);
    if (!m_hKeyFilter)
        m_hKeyFilter =
            ::SetWindowsHookExA(WH_MSGFILTER, &CBrowserDlg::KeyFilter, nullptr, ::GetCurrentThreadId());
}

void CBrowserDlg::OnSearch()
{
    m_searchPane.Search();
}

void CBrowserDlg::OnCloseResults()
{
    m_searchPane.Close();
}

void CBrowserDlg::OnDestroy()
{
    // Every showing that opened ends here, however it was closed (a modeless browser also hides).
    SaveSettings();
    if (m_hKeyFilter)
        ::UnhookWindowsHookEx(m_hKeyFilter);
    m_hKeyFilter = nullptr;
    CKivDialog::OnDestroy();
    // The buttons and the window are going: their icons with them.
    for (HICON icon : m_icons)
        ::DestroyIcon(icon);
    m_icons.clear();
}
