// The C interface: a modal choice in both text forms, the references dialog's new list, the
// modeless browser's life, and a clear result for every call that cannot be served.
#include "browser/objbrowser.h"
#include "references/CReferencesDialog.h"
#include "tests/browser/TypeLibBrowserTestSupport.h"
#include "tests/support/BrowserInput.h"
#include "tests/support/ModalScript.h"
#include "tests/support/PlatformRecorder.h"

#include <string>

namespace
{
const OBR_LIBRARY kScripting = {kScriptingLibraryGuid, 1, 0};

} // namespace

class CApiTest : public TypeLibBrowserTest
{
};

TEST_F(CApiTest, ABrowserHandsBackTheChosenTextInEitherFormOrSaysWhyNot)
{
    char ansi[16] = "";
    size_t length = 0;
    obrtest::ChooseWhenOpen("Explorateur de Fonctions", "Mid");
    EXPECT_EQ(OBR_OK,
              ObrBrowseA(nullptr, OBR_FORMULA_FUNCTIONS, nullptr, 0, nullptr, ansi, sizeof ansi, &length));
    EXPECT_STREQ("Mid(", ansi);
    EXPECT_EQ(4u, length);

    // The object browser opens where it is asked to; a buffer too small gets nothing but the length.
    wchar_t wide[4] = L"x";
    obrtest::ChooseWhenOpen("Explorateur d'Objets", "Exists");
    EXPECT_EQ(OBR_BUFFER_TOO_SMALL, ObrBrowseW(nullptr, OBR_OBJECT_BROWSER, &kScripting, 1,
                                               L"Scripting.Dictionary", wide, 4, &length));
    EXPECT_EQ(6u, length);
    EXPECT_EQ(L'\0', wide[0]);
    wchar_t enough[16] = L"";
    obrtest::ChooseWhenOpen("Explorateur d'Objets", "Exists");
    EXPECT_EQ(OBR_OK, ObrBrowseW(nullptr, OBR_OBJECT_BROWSER, &kScripting, 1, L"Scripting.Dictionary", enough,
                                 16, nullptr));
    EXPECT_STREQ(L"Exists", enough);

    obrtest::RunSoon(
        [] { ::PostMessageA(::FindWindowA(nullptr, "Explorateur de Fonctions"), WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(OBR_CANCELLED,
              ObrBrowseA(nullptr, OBR_MACRO_FUNCTIONS, nullptr, 0, nullptr, ansi, sizeof ansi, nullptr));
    obrtest::PlatformRecorder platform; // the message box that says no library loaded
    EXPECT_EQ(OBR_CANNOT_OPEN,
              ObrBrowseA(nullptr, OBR_OBJECT_BROWSER, nullptr, 0, nullptr, ansi, sizeof ansi, nullptr));
    EXPECT_EQ(1u, platform.m_messages.size());
    EXPECT_EQ(OBR_INVALID_ARGUMENT, ObrBrowseA(nullptr, static_cast<OBR_BROWSER_KIND>(7), nullptr, 0, nullptr,
                                               ansi, sizeof ansi, nullptr));
    EXPECT_EQ(OBR_INVALID_ARGUMENT,
              ObrBrowseA(nullptr, OBR_OBJECT_BROWSER, nullptr, 1, nullptr, ansi, 1, nullptr));
    EXPECT_EQ(OBR_INVALID_ARGUMENT,
              ObrBrowseA(nullptr, OBR_FORMULA_FUNCTIONS, nullptr, 0, nullptr, nullptr, 8, nullptr));
}

TEST_F(CApiTest, TheReferencesDialogGivesANewListOnlyWhenConfirmed)
{
    const OBR_REFERENCE stdole = {kStdoleLibraryGuid, 2, 0, 0, "OLE Automation (2.0)", "stdole2.tlb"};
    OBR_REFERENCE* result = nullptr;
    size_t count = 99;
    obrtest::RunSoon([] { ::PostMessageA(::FindWindowA(nullptr, "Références"), WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(OBR_CANCELLED, ObrEditReferences(nullptr, &stdole, 1, &result, &count));
    EXPECT_EQ(nullptr, result);
    EXPECT_EQ(0u, count);

    obrtest::RunSoon([] { ::PostMessageA(::FindWindowA(nullptr, "Références"), WM_COMMAND, IDOK, 0); });
    ASSERT_EQ(OBR_OK, ObrEditReferences(nullptr, &stdole, 1, &result, &count));
    ASSERT_EQ(1u, count);
    EXPECT_TRUE(IsEqualGUID(kStdoleLibraryGuid, result[0].guid));
    EXPECT_EQ(2, result[0].major);
    EXPECT_STRNE("", result[0].name);
    ObrFreeReferences(result, count);
    EXPECT_EQ(OBR_INVALID_ARGUMENT, ObrEditReferences(nullptr, &stdole, 1, nullptr, &count));
}

TEST_F(CApiTest, AModelessBrowserLivesUntilDestroyedAndOneWithNothingToShowIsNone)
{
    OBR_BROWSER* browser = nullptr;
    ASSERT_EQ(OBR_OK, ObrCreateBrowser(nullptr, &kScripting, 1, "projet", &browser));
    HWND window = ObrBrowserWindow(browser);
    ASSERT_TRUE(::IsWindow(window));
    EXPECT_EQ(OBR_OK, ObrShowBrowser(browser, TRUE));
    EXPECT_TRUE(::IsWindowVisible(window));
    char caption[64] = "";
    ::GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ("Explorateur d'Objets - projet", caption);
    const OBR_LIBRARY stdole = {kStdoleLibraryGuid, 2, 0};
    EXPECT_EQ(OBR_OK, ObrUpdateBrowserLibraries(browser, &stdole, 1));
    // The host's loop hands its messages over: Escape hides the browser.
    MSG escape = {::GetDlgItem(window, IDC_MEMBERS_LIST), WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    EXPECT_TRUE(ObrIsBrowserMessage(browser, &escape));
    EXPECT_FALSE(::IsWindowVisible(window));
    ObrDestroyBrowser(browser);
    EXPECT_FALSE(::IsWindow(window));

    obrtest::PlatformRecorder platform;
    browser = reinterpret_cast<OBR_BROWSER*>(1);
    EXPECT_EQ(OBR_CANNOT_OPEN, ObrCreateBrowser(nullptr, nullptr, 0, nullptr, &browser));
    EXPECT_EQ(nullptr, browser);
    EXPECT_EQ(nullptr, ObrBrowserWindow(nullptr));
    EXPECT_EQ(OBR_INVALID_ARGUMENT, ObrShowBrowser(nullptr, TRUE));
    ObrDestroyBrowser(nullptr);
}
