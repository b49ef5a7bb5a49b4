#include "tests/browser/TypeLibBrowserTestSupport.h"

const GUID kBrowserFixtureGuid = {
    0x6b71a616, 0xbf9f, 0x424a, {0x9d, 0x30, 0x65, 0x89, 0xd9, 0xcf, 0x0a, 0xce}};
const GUID kOrderFixtureGuid = {0x2f0c4a51, 0x9d3e, 0x4b8a, {0xa7, 0xc2, 0x5e, 0x61, 0xb0, 0xd4, 0xf9, 0x03}};
const GUID kLocaleFixtureGuid = {
    0xc4d5e6f7, 0x0819, 0x4a2b, {0xbc, 0x3d, 0x4e, 0x5f, 0x60, 0x71, 0x82, 0x93}};
const GUID kStdoleLibraryGuid = {0x00020430, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID kScriptingLibraryGuid = {
    0x420B2830, 0xE718, 0x11CF, {0x89, 0x3D, 0x00, 0xA0, 0xC9, 0x05, 0x42, 0x28}};
const GUID kAdoLibraryGuid = {0x2A75196C, 0xD9EB, 0x4129, {0xB8, 0x03, 0x93, 0x13, 0x27, 0xF7, 0x2D, 0x5C}};
const GUID kMshtmlLibraryGuid = {
    0x3050F1C5, 0x98B5, 0x11CF, {0xBB, 0x82, 0x00, 0xAA, 0x00, 0xBD, 0xCE, 0x0B}};

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
