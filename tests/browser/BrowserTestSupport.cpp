#include "tests/browser/BrowserTestSupport.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ModalScript.h"

#include <cstdlib>

namespace
{
// The modal loop shows the dialog only once it is idle; the script runs before that.
void LingerForALook(CBrowserDlg& dialog)
{
    if (!std::getenv("OBR_TEST_LINGER_MS") || !dialog.m_hWnd)
        return;
    dialog.ShowWindow(SW_SHOW);
    obrtest::LingerIfAsked();
}

CBrowserImpl* MakeRecordingBackEnd(BROWSER_TYPE type, CBrowserDlg* dialog)
{
    return type >= 0 && type <= 2 ? new RecordingBackEnd(dialog) : nullptr;
}

} // namespace

void BrowserDialogTest::SetUp()
{
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&init);
    LoadLibraryA("riched32.dll");
    RecordingBackEnd::Log().clear();
    m_previousFactory = SetBrowserImplFactory(&MakeRecordingBackEnd);
}

void BrowserDialogTest::TearDown()
{
    SetBrowserImplFactory(m_previousFactory);
}

INT_PTR BrowserDialogTest::RunModal(CBrowserDlg& dialog, std::function<void(CBrowserDlg&)> script)
{
    return obrtest::RunModal(dialog,
                             [&dialog, script]()
                             {
                                 script(dialog);
                                 LingerForALook(dialog);
                             });
}

void BrowserDialogTest::SelectLibrary(CBrowserDlg& dialog, const char* name)
{
    auto* combo = static_cast<CComboBox*>(dialog.GetDlgItem(IDC_LIB_COMBO));
    combo->SetCurSel(combo->FindStringExact(-1, name));
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_LIB_COMBO, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(combo->m_hWnd));
}

void BrowserDialogTest::Click(CBrowserDlg& dialog, int buttonId)
{
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                       reinterpret_cast<LPARAM>(dialog.GetDlgItem(buttonId)->m_hWnd));
}

void BrowserDialogTest::DoubleClick(CBrowserDlg& dialog, int listId, int row)
{
    NMITEMACTIVATE activate = {};
    activate.hdr.hwndFrom = dialog.GetDlgItem(listId)->m_hWnd;
    activate.hdr.idFrom = static_cast<UINT_PTR>(listId);
    activate.hdr.code = NM_DBLCLK;
    activate.iItem = row;
    dialog.SendMessage(WM_NOTIFY, static_cast<WPARAM>(listId), reinterpret_cast<LPARAM>(&activate));
}

CString BrowserDialogTest::SelectedLibrary(CBrowserDlg& dialog)
{
    auto* combo = static_cast<CComboBox*>(dialog.GetDlgItem(IDC_LIB_COMBO));
    CString text;
    if (combo->GetCurSel() != CB_ERR)
        combo->GetLBText(combo->GetCurSel(), text);
    return text;
}

CString BrowserDialogTest::SelectedText(CListCtrl* list)
{
    int selected = list->GetNextItem(-1, LVNI_SELECTED);
    return selected == -1 ? CString() : list->GetItemText(selected, 0);
}

std::string BrowserDialogTest::ClipboardText(HWND owner)
{
    std::string text;
    if (!OpenClipboard(owner))
        return "<closed>";
    if (HANDLE data = GetClipboardData(CF_TEXT))
    {
        text = static_cast<const char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

bool BrowserDialogTest::IsEnabled(CBrowserDlg& dialog, int id)
{
    return dialog.GetDlgItem(id)->IsWindowEnabled() != FALSE;
}

void BrowserDialogTest::PutOnClipboard(HWND owner, const char* text)
{
    ::OpenClipboard(owner);
    ::EmptyClipboard();
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
    memcpy(::GlobalLock(memory), text, strlen(text) + 1);
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_TEXT, memory);
    ::CloseClipboard();
}

std::vector<std::string> BrowserDialogTest::Rows(CListCtrl* list)
{
    std::vector<std::string> rows;
    for (int i = 0; i < list->GetItemCount(); ++i)
        rows.push_back(list->GetItemText(i, 0).GetString());
    return rows;
}

int BrowserDialogTest::Row(CListCtrl* list, const char* text)
{
    for (int i = 0; i < list->GetItemCount(); ++i)
        if (list->GetItemText(i, 0) == text)
            return i;
    return -1;
}

void BrowserDialogTest::Choose(CListCtrl* list, const char* text)
{
    const int row = Row(list, text);
    ASSERT_NE(-1, row) << text;
    list->SetFocus();
    list->SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list->EnsureVisible(row, FALSE);
}

CRect BrowserDialogTest::RectOf(CBrowserDlg& dialog, int id)
{
    CRect rect;
    dialog.GetDlgItem(id)->GetWindowRect(&rect);
    dialog.ScreenToClient(&rect);
    return rect;
}

void BrowserDialogTest::Drag(CBrowserDlg& dialog, CPoint from, CPoint to)
{
    dialog.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    dialog.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    dialog.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
}

void BrowserDialogTest::SearchFor(CBrowserDlg& dialog, const char* text)
{
    dialog.GetDlgItem(IDC_SEARCH_TEXT)->SetWindowText(text);
    dialog.SendMessage(WM_COMMAND, IDC_SEARCH);
}

UINT BrowserDialogTest::MenuState(CBrowserDlg& dialog, UINT command)
{
    CMenu* popup = dialog.m_pImpl->GetContextMenu();
    dialog.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup->m_hMenu), 0);
    return popup->GetMenuState(command, MF_BYCOMMAND);
}

void BrowserDialogTest::PressF1Over(CBrowserDlg& dialog, int controlId)
{
    HELPINFO info = {};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = controlId;
    if (CWnd* control = dialog.GetDlgItem(controlId))
        info.hItemHandle = control->m_hWnd;
    dialog.SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

void BrowserDialogTest::ShowInFront(CBrowserDlg& dialog)
{
    dialog.ShowWindow(SW_SHOW);
    ::SetForegroundWindow(dialog.m_hWnd);
}

LRESULT BrowserDialogTest::ClickLinkWord(CBrowserDlg& dialog, DWORD_PTR word, HWND from)
{
    RTFLinkClick click = {0, word};
    ENLINK link = {};
    link.nmhdr.hwndFrom = from ? from : dialog.m_pDescription->m_hWnd;
    link.nmhdr.idFrom = IDC_DESCRIPTION;
    link.nmhdr.code = EN_LINK;
    return dialog.SendMessage(RTFN_LINKCLICKED, reinterpret_cast<WPARAM>(&click),
                              reinterpret_cast<LPARAM>(&link));
}

void BrowserDialogTest::HoldEnter(bool down)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_RETURN] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

ScopedSettingsKey::ScopedSettingsKey(bool nameIt)
    : m_name("Software\\ObjBrowserTests\\Settings" + std::to_string(::GetCurrentProcessId()))
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, m_name.c_str());
    if (nameIt)
        CBrowserDlg::SetSettingsKey(m_name.c_str());
}

ScopedSettingsKey::~ScopedSettingsKey()
{
    CBrowserDlg::SetSettingsKey(nullptr);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, m_name.c_str());
}

HKEY ScopedSettingsKey::OpenType(const char* typeName) const
{
    HKEY key = nullptr;
    const std::string path = m_name + "\\" + typeName;
    return ::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ | KEY_SET_VALUE, &key) ==
                   ERROR_SUCCESS
               ? key
               : nullptr;
}

bool ScopedSettingsKey::Exists() const
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, m_name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}
