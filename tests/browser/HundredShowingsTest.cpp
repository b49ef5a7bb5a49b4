// Showing and closing every dialog of the module many times leaves nothing behind: no window, no
// reference to a type library, no GDI or USER object (where the platform counts them).
#include "browser/CModelessBrowserDlg.h"
#include "references/CReferencesDialog.h"
#include "tests/support/ModalScript.h"
#include "tests/browser/TypeLibBrowserTestSupport.h"

#include <cstdlib>

namespace
{
BOOL CALLBACK CountWindow(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

struct Counts
{
    int windows = 0;
    DWORD gdi = 0, user = 0;
    ULONG libraryReferences = 0;
};

Counts Measure(ITypeLib* held)
{
    Counts counts;
    EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&counts.windows));
    counts.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    counts.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    held->AddRef();
    counts.libraryReferences = held->Release();
    return counts;
}
} // namespace

TEST_F(TypeLibBrowserTest, AHundredShowingsOfEveryDialogLeaveNothingBehind)
{
    Register("BrowserFixture.tlb");
    ITypeLib* held = nullptr;
    ASSERT_EQ(S_OK, LoadRegTypeLib(kBrowserFixtureGuid, 1, 0, 0, &held));
    TypeLibraryExtensions references;
    references.Add(kBrowserFixtureGuid, 1, 0);
    // The same objects shown again and again, as a host may keep them.
    auto reusedBrowser = MakeBrowser({{kBrowserFixtureGuid, 1, 0}});
    CBrowserDlg reusedFunctions(BROWSER_CATALOG2);
    std::list<TLVLibId> reusedChoice;
    CReferencesDialog reusedReferences(&reusedChoice);
    auto showEach = [&]()
    {
        RunModal(*reusedBrowser, [](CBrowserDlg& d) { Choose(d.m_pClassesList, "Shape"); });
        RunModal(reusedFunctions, [](CBrowserDlg&) {});
        obrtest::RunModal(reusedReferences, [] {});
        auto browser = MakeBrowser({{kBrowserFixtureGuid, 1, 0}});
        RunModal(*browser,
                 [](CBrowserDlg& d)
                 {
                     Choose(d.m_pClassesList, "Shape");
                     Choose(d.m_pMembersList, "Move");
                 });
        for (BROWSER_TYPE catalog : {BROWSER_CATALOG1, BROWSER_CATALOG2})
        {
            CBrowserDlg functions(catalog);
            RunModal(functions, [](CBrowserDlg&) {});
        }
        CModelessBrowserDlg* modeless = nullptr;
        modeless = new CModelessBrowserDlg(BROWSER_TYPELIB, &references, &modeless, nullptr, nullptr);
        modeless->DestroyWindow();
        EXPECT_EQ(nullptr, modeless);
        std::list<TLVLibId> chosen;
        CReferencesDialog referencesDialog(&chosen);
        obrtest::RunModal(referencesDialog, [] {});
    };
    showEach(); // what is made once and kept for the process (shared icons, the HTML Help entry)
    const Counts before = Measure(held);
    const char* showings = std::getenv("OBR_SHOWINGS");
    const int count = showings ? std::atoi(showings) : 100;
    for (int i = 0; i < count; ++i)
        showEach();
    const Counts after = Measure(held);
    std::printf(
        "after %d showings of each dialog: windows %d -> %d, GDI objects %lu -> %lu, USER objects %lu -> "
        "%lu, references to the library %lu -> %lu\n",
        count, before.windows, after.windows, before.gdi, after.gdi, before.user, after.user,
        before.libraryReferences, after.libraryReferences);
    EXPECT_EQ(before.windows, after.windows);
    EXPECT_EQ(before.gdi, after.gdi);
    EXPECT_EQ(before.user, after.user);
    EXPECT_EQ(before.libraryReferences, after.libraryReferences);
    held->Release();
}
