// The modeless browser beside an owner window: its caption, pasting into the owner, hiding, new
// references while it is open, and its end.
#include "browser/CModelessBrowserDlg.h"
#include "tests/support/MessagePump.h"
#include "tests/support/PlatformRecorder.h"
#include "tests/browser/TypeLibBrowserTestSupport.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;

namespace
{
int g_pastes = 0;

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && LOWORD(wParam) == ID_PASTE_COMMAND)
        ++g_pastes;
    return DefWindowProcA(window, message, wParam, lParam);
}

// A top-level window of the test that counts the paste commands it receives.
class Owner
{
public:
    Owner()
    {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = &OwnerProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "ObrTestOwner";
        RegisterClassA(&windowClass);
        m_window = CreateWindowA("ObrTestOwner", "Hôte", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        g_pastes = 0;
    }
    ~Owner() { DestroyWindow(m_window); }
    CWnd* Window() const { return CWnd::FromHandle(m_window); }

private:
    HWND m_window;
};

class ModelessBrowserTest : public TypeLibBrowserTest
{
protected:
    void SetUp() override
    {
        TypeLibBrowserTest::SetUp();
        Register("BrowserFixture.tlb");
        m_references.Add(kBrowserFixtureGuid, 1, 0);
        m_references.Add(kStdoleLibraryGuid, 2, 0);
        m_references.Add(kScriptingLibraryGuid, 1, 0);
    }
    void TearDown() override
    {
        if (m_browser)
            m_browser->DestroyWindow();
        EXPECT_EQ(nullptr, m_browser);
        TypeLibBrowserTest::TearDown();
    }
    void Open(CWnd* owner, const char* suffix = nullptr)
    {
        m_browser = new CModelessBrowserDlg(BROWSER_TYPELIB, &m_references, &m_browser, suffix, owner);
        ASSERT_NE(nullptr, m_browser);
        m_browser->ShowWindow(SW_SHOW);
        obrtest::PumpPending();
    }
    void DoubleClickMember(const char* name)
    {
        Choose(m_browser->m_pMembersList, name);
        DoubleClick(*m_browser, IDC_MEMBERS_LIST);
        obrtest::PumpPending();
    }

    TypeLibraryExtensions m_references;
    CModelessBrowserDlg* m_browser = nullptr;
};

} // namespace

TEST_F(ModelessBrowserTest, ADoubleClickPastesIntoTheOwnerAndStaysOpen)
{
    Owner owner;
    Open(owner.Window());
    SelectLibrary(*m_browser, "ObrFixture");
    Choose(m_browser->m_pClassesList, "Shape");
    DoubleClickMember("Move");
    EXPECT_TRUE(m_browser->IsWindowVisible());
    EXPECT_EQ("Move", ClipboardText());
    EXPECT_EQ(1, g_pastes);

    // A click on Copy only copies, and gives the focus back to the pane.
    Choose(m_browser->m_pMembersList, "Paint");
    m_browser->GetDlgItem(IDC_COPY)->SetFocus();
    Click(*m_browser, IDC_COPY);
    obrtest::PumpPending();
    EXPECT_EQ("Paint", ClipboardText());
    EXPECT_EQ(1, g_pastes);
    EXPECT_EQ(m_browser->m_pMembersList->m_hWnd, GetFocus());
    // The context menu's Copy chosen with Enter (still down when the command arrives) only copies.
    Choose(m_browser->m_pMembersList, "Move");
    HoldEnter(true);
    m_browser->SendMessage(WM_COMMAND, ID_COPY);
    HoldEnter(false);
    obrtest::PumpPending();
    EXPECT_TRUE(m_browser->IsWindowVisible());
    EXPECT_EQ(1, g_pastes);
    EXPECT_EQ("Move", ClipboardText(m_browser->m_hWnd));

    // The clipboard held by someone else: a double-click pastes nothing, Enter on Copy still does.
    ASSERT_TRUE(OpenClipboard(m_browser->m_pMembersList->m_hWnd));
    DoubleClickMember("Move");
    EXPECT_EQ(1, g_pastes);
    m_browser->GetDlgItem(IDC_COPY)->SetFocus();
    HoldEnter(true);
    Click(*m_browser, IDC_COPY);
    HoldEnter(false);
    CloseClipboard();
    obrtest::PumpPending();
    EXPECT_EQ(2, g_pastes);

    // Without an owner nothing is pasted.
    m_browser->DestroyWindow();
    Open(nullptr);
    SelectLibrary(*m_browser, "ObrFixture");
    Choose(m_browser->m_pClassesList, "Shape");
    DoubleClickMember("Paint");
    EXPECT_EQ("Paint", ClipboardText());
    EXPECT_EQ(2, g_pastes);
}

TEST_F(ModelessBrowserTest, EscapeHidesAndShowingAgainKeepsTheSelectionAndHistory)
{
    Owner owner;
    Open(owner.Window());
    // (A host's suffix to the caption is the C interface's test.)
    EXPECT_EQ("Explorateur d'Objets", m_browser->GetWindowText());
    SelectLibrary(*m_browser, "ObrFixture");
    Choose(m_browser->m_pClassesList, "Shape");
    Choose(m_browser->m_pMembersList, "Move");
    const size_t entries = m_browser->m_history[BROWSER_TYPELIB].size();
    m_browser->SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_FALSE(m_browser->IsWindowVisible());
    ASSERT_NE(nullptr, m_browser);
    m_browser->ShowWindow(SW_SHOW);
    EXPECT_EQ("ObrFixture", SelectedLibrary(*m_browser));
    EXPECT_EQ("Shape", SelectedText(m_browser->m_pClassesList));
    EXPECT_EQ("Move", SelectedText(m_browser->m_pMembersList));
    EXPECT_EQ(entries, m_browser->m_history[BROWSER_TYPELIB].size());
    EXPECT_EQ("", m_browser->GetResultString());
}

namespace
{
LONG g_faults = 0;
LONG CALLBACK CountFault(EXCEPTION_POINTERS* exception)
{
    if (exception->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION)
        ++g_faults;
    return EXCEPTION_CONTINUE_SEARCH;
}
} // namespace

TEST_F(ModelessBrowserTest, NewReferencesKeepWhatSurvivesOfTheHistoryAndTheLinksOfLibrariesGoneLeadNowhere)
{
    obrtest::PlatformRecorder platform;
    Owner owner;
    Open(owner.Window());
    SelectLibrary(*m_browser, "stdole");
    Choose(m_browser->m_pClassesList, "StdFont");
    SelectLibrary(*m_browser, "Scripting");
    Choose(m_browser->m_pClassesList, "Dictionary");
    ASSERT_GT(m_browser->m_pDescription->GetLinkCount(), 0);
    // The word of the "Scripting" link, as the pane would hand it back.
    const DWORD_PTR stale = reinterpret_cast<DWORD_PTR>(BackEnd(*m_browser)->GetCurrentLibrary());

    // Every library kept: the selection stays.
    m_browser->UpdateReferences(m_references);
    EXPECT_EQ("Scripting", SelectedLibrary(*m_browser));
    EXPECT_EQ("Dictionary", SelectedText(m_browser->m_pClassesList));

    // Scripting dropped: its entries go, the nearest older one (stdole's StdFont) is shown.
    TypeLibraryExtensions fewer;
    fewer.Add(kBrowserFixtureGuid, 1, 0);
    fewer.Add(kStdoleLibraryGuid, 2, 0);
    m_browser->UpdateReferences(fewer);
    EXPECT_THAT(ComboEntries(*m_browser), ElementsAre("ObrFixture", "stdole"));
    EXPECT_EQ("stdole", SelectedLibrary(*m_browser));
    EXPECT_EQ("StdFont", SelectedText(m_browser->m_pClassesList));
    for (const _HistoryItem& entry : m_browser->m_history[BROWSER_TYPELIB])
        EXPECT_NE("Scripting", entry.strLibrary);

    // No entry survives: the first library.
    TypeLibraryExtensions other;
    other.Add(kScriptingLibraryGuid, 1, 0);
    other.Add(kBrowserFixtureGuid, 1, 0);
    m_browser->m_history[BROWSER_TYPELIB].clear();
    m_browser->m_history[BROWSER_TYPELIB].push_front({"stdole", "", ""});
    m_browser->m_current[BROWSER_TYPELIB] = 0;
    m_browser->UpdateReferences(other);
    EXPECT_EQ("ObrFixture", SelectedLibrary(*m_browser));
    EXPECT_EQ("<globals>", SelectedText(m_browser->m_pClassesList));

    // No reference loads any more: the libraries are freed, the browser says so and hides.
    m_browser->UpdateReferences(TypeLibraryExtensions());
    EXPECT_EQ(1u, platform.m_messages.size());
    EXPECT_EQ("", m_browser->m_pDescription->GetWindowText());
    EXPECT_EQ(0, m_browser->m_pDescription->GetLinkCount());
    // Shown again, a click with the old link's word reads nothing of what it named.
    m_browser->ShowWindow(SW_SHOW);
    g_faults = 0;
    PVOID handler = AddVectoredExceptionHandler(1, &CountFault);
    const LRESULT followed = ClickLinkWord(*m_browser, stale);
    RemoveVectoredExceptionHandler(handler);
    EXPECT_EQ(1, followed);
    EXPECT_EQ(0, g_faults);
}

TEST_F(ModelessBrowserTest, ABrowserThatCannotOpenGoesAndEmptiesTheSlot)
{
    obrtest::PlatformRecorder platform;
    TypeLibraryExtensions none;
    m_browser = new CModelessBrowserDlg(BROWSER_TYPELIB, &none, &m_browser, nullptr, nullptr);
    ASSERT_NE(nullptr, m_browser);
    obrtest::PumpPending();
    EXPECT_EQ(nullptr, m_browser);
    ASSERT_EQ(1u, platform.m_messages.size());
    EXPECT_EQ("Aucune bibliothèque n'a été chargée !", platform.m_messages[0]);

    m_browser = new CModelessBrowserDlg(static_cast<BROWSER_TYPE>(7), nullptr, &m_browser, nullptr, nullptr);
    ASSERT_NE(nullptr, m_browser);
    obrtest::PumpPending();
    EXPECT_EQ(nullptr, m_browser);
}
