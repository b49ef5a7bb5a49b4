#include "tests/browser/TypeLibBrowserTestSupport.h"

void TypeLibBrowserTest::SetUp()
{
    BrowserDialogTest::SetUp();
    // The module's own back-ends, not the recording one; the base restores the factory.
    SetBrowserImplFactory(nullptr);
    m_comStarted = SUCCEEDED(CoInitialize(nullptr));
}

void TypeLibBrowserTest::TearDown()
{
    m_registered.clear();
    if (m_comStarted)
        CoUninitialize();
    BrowserDialogTest::TearDown();
}

void TypeLibBrowserTest::Register(const char* fixture)
{
    m_registered.push_back(std::make_unique<obrtest::RegisteredTypeLib>(fixture));
    ASSERT_EQ(S_OK, m_registered.back()->Result()) << fixture;
}

std::unique_ptr<CBrowserDlg> TypeLibBrowserTest::MakeBrowser(std::initializer_list<Reference> references)
{
    auto dialog = std::make_unique<CBrowserDlg>(BROWSER_TYPELIB);
    for (const Reference& reference : references)
        dialog->m_extensions.Add(reference.guid, reference.major, reference.minor);
    return dialog;
}

CTypeLibBrowserImpl* TypeLibBrowserTest::BackEnd(CBrowserDlg& dialog)
{
    return static_cast<CTypeLibBrowserImpl*>(dialog.m_pImpl);
}

std::vector<std::string> TypeLibBrowserTest::ComboEntries(CBrowserDlg& dialog)
{
    auto* combo = static_cast<CComboBox*>(dialog.GetDlgItem(IDC_LIB_COMBO));
    std::vector<std::string> entries;
    for (int i = 0; i < combo->GetCount(); ++i)
    {
        CString text;
        combo->GetLBText(i, text);
        entries.push_back(text.GetString());
    }
    return entries;
}

int TypeLibBrowserTest::ImageOf(CListCtrl* list, int row)
{
    LVITEMA item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    list->GetItem(&item);
    return item.iImage;
}

int TypeLibBrowserTest::OverlayOf(CListCtrl* list, int row)
{
    return static_cast<int>((list->GetItemState(row, LVIS_OVERLAYMASK) & LVIS_OVERLAYMASK) >> 8);
}

std::string TypeLibBrowserTest::Description(CBrowserDlg& dialog)
{
    return dialog.m_pDescription->GetWindowText().GetString();
}
