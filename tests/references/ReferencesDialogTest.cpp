// The references dialog on a registry of the test's own making: the host's references on top,
// moving, browsing to a file, choosing by letter, OK and Cancel.
#include "references/CReferencesDialog.h"
#include "tests/support/DamagedTypeLib.h"
#include "tests/support/ModalScript.h"
#include "tests/support/PlatformRecorder.h"
#include "tests/support/ScopedClassesRoot.h"
#include "references/TypeLibProbe.h"
#include "tests/support/TestPaths.h"
#include "resources/resource.h"

#include <gmock/gmock.h>
#include <fstream>
#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace
{
struct Library
{
    const char* guid;
    const char* description;
};
// Registered in this order; listed by name: Bravo, charlie, Delta, Echo, Mike, Zulu.
const Library kLibraries[] = {{"{0D000000-0000-0000-0000-00000000000D}", "Delta"},
                              {"{0B000000-0000-0000-0000-00000000000B}", "Bravo"},
                              {"{0E000000-0000-0000-0000-00000000000E}", "Echo"},
                              {"{0C000000-0000-0000-0000-00000000000C}", "charlie"},
                              {"{0F000000-0000-0000-0000-00000000000F}", "Zulu"},
                              {"{0A000000-0000-0000-0000-00000000000A}", "Mike"}};
// The fixture library of the build, registered here in a version the file does not have.
const char kFixtureGuid[] = "{6B71A616-BF9F-424A-9D30-6589D9CF0ACE}";

TLVLibId Reference(const char* guid, const char* name)
{
    TLVLibId reference = {};
    EXPECT_TRUE(obrtest::ParseGuid(guid, reference.guid)) << guid;
    reference.wMajor = 1;
    reference.strName = name;
    return reference;
}

std::vector<std::string> Items(CCheckListBox& list)
{
    std::vector<std::string> items;
    for (int i = 0; i < list.GetCount(); ++i)
    {
        CString text;
        list.GetText(i, text);
        items.push_back((list.GetCheck(i) == 1 ? "[x]" : "[ ]") + std::string(text.GetString()));
    }
    return items;
}

std::vector<std::string> Names(const std::list<TLVLibId>& references)
{
    std::vector<std::string> names;
    for (const TLVLibId& reference : references)
        names.push_back(reference.strName.GetString());
    return names;
}

class ReferencesDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.IsInPlace());
        for (const Library& library : kLibraries)
            ASSERT_TRUE(m_root.AddLibrary(library.guid, "1.0", library.description, "0", "win64",
                                          (std::string("C:\\") + library.description + ".tlb").c_str()));
        ASSERT_TRUE(m_root.AddLibrary(kFixtureGuid, "9.0", "ObrFixture"));
        m_references = {Reference(kLibraries[4].guid, "Zulu (1.0)"), Reference(kLibraries[0].guid, "Delta (1.0)"),
                        Reference("{99999999-0000-0000-0000-000000000099}", "Absente (1.0)")};
    }

    static std::string Details(CReferencesDialog& dialog)
    {
        return dialog.GetDlgItem(IDC_LIB_DETAILS)->GetWindowText().GetString();
    }
    static std::string GroupCaption(CReferencesDialog& dialog)
    {
        return dialog.GetDlgItem(IDC_LIB_NAME)->GetWindowText().GetString();
    }
    static void Select(CReferencesDialog& dialog, int index)
    {
        dialog.ReferenceList().SetCurSel(index);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_REF_LIST, LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(dialog.ReferenceList().m_hWnd));
    }
    static void Press(CReferencesDialog& dialog, int button)
    {
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(button)->m_hWnd));
    }
    static bool Enabled(CButton* button) { return button->IsWindowEnabled() != FALSE; }

    obrtest::ScopedClassesRoot m_root;
    std::list<TLVLibId> m_references;
};
} // namespace

TEST_F(ReferencesDialogTest, TheHostsReferencesAreOnTopInItsOrderAndComeBackAfterTheUnmatched)
{
    CReferencesDialog dialog(&m_references);
    std::vector<std::string> items;
    std::string caption, details;
    const INT_PTR result = obrtest::RunModal(dialog,
                                             [&]()
                                             {
                                                 items = Items(dialog.ReferenceList());
                                                 caption = GroupCaption(dialog);
                                                 details = Details(dialog);
                                                 dialog.SendMessage(WM_COMMAND, IDOK);
                                             });
    EXPECT_EQ(IDOK, result);
    EXPECT_THAT(items, ElementsAre("[x] Zulu (1.0)", "[x] Delta (1.0)", "[ ] Bravo (1.0)", "[ ] charlie (1.0)",
                                   "[ ] Echo (1.0)", "[ ] Mike (1.0)", "[ ] ObrFixture (9.0)"));
    EXPECT_EQ("Zulu (1.0)", caption);
    EXPECT_EQ("Emplacement : C:\\Zulu.tlb\r\nLangue : Standard\r\nGuide : {0F000000-0000-0000-0000-00000000000F}",
              details);
    // The reference no library matched comes first, then the checked ones in list order.
    EXPECT_THAT(Names(m_references), ElementsAre("Absente (1.0)", "Zulu (1.0)", "Delta (1.0)"));
}

TEST_F(ReferencesDialogTest, TheVersionTheHostRefersToIsTheOneChecked)
{
    // Two versions of Delta: the same library by its identity, the host refers to 2.0.
    ASSERT_TRUE(m_root.AddLibrary(kLibraries[0].guid, "2.0", "Delta"));
    m_references = {Reference(kLibraries[0].guid, "Delta (2.0)")};
    m_references.front().wMajor = 2;
    CReferencesDialog dialog(&m_references);
    std::vector<std::string> items;
    obrtest::RunModal(dialog,
                      [&]()
                      {
                          items = Items(dialog.ReferenceList());
                          dialog.SendMessage(WM_COMMAND, IDOK);
                      });
    ASSERT_GE(items.size(), 3u);
    EXPECT_EQ("[x] Delta (2.0)", items[0]);
    EXPECT_EQ("[ ] Delta (1.0)", items[3]);
    ASSERT_EQ(1u, m_references.size());
    EXPECT_EQ(2, m_references.front().wMajor);
    EXPECT_EQ("Delta (2.0)", m_references.front().strName);
}

TEST_F(ReferencesDialogTest, ArrowsFollowTheSelectionAndDownMovesTheWholeItem)
{
    CReferencesDialog dialog(&m_references);
    obrtest::RunModal(
        dialog,
        [&]()
        {
            CCheckListBox& list = dialog.ReferenceList();
            EXPECT_FALSE(Enabled(dialog.GetUpButton()));
            EXPECT_TRUE(Enabled(dialog.GetDownButton()));
            Select(dialog, list.GetCount() - 1);
            EXPECT_TRUE(Enabled(dialog.GetUpButton()));
            EXPECT_FALSE(Enabled(dialog.GetDownButton()));
            EXPECT_EQ("ObrFixture (9.0)", GroupCaption(dialog));

            // Delta (checked, second) down past Bravo: text, check and data go with it.
            Select(dialog, 1);
            const DWORD_PTR delta = list.GetItemData(1);
            Press(dialog, IDC_DOWN_BUTTON);
            EXPECT_THAT(Items(list), ElementsAre("[x] Zulu (1.0)", "[ ] Bravo (1.0)", "[x] Delta (1.0)",
                                                 "[ ] charlie (1.0)", "[ ] Echo (1.0)", "[ ] Mike (1.0)",
                                                 "[ ] ObrFixture (9.0)"));
            EXPECT_EQ(2, list.GetCurSel());
            EXPECT_EQ(delta, list.GetItemData(2));
            EXPECT_TRUE(Enabled(dialog.GetUpButton()));
            // Down to the last place disables Down.
            for (int i = 0; i < 4; ++i)
                Press(dialog, IDC_DOWN_BUTTON);
            EXPECT_EQ(6, list.GetCurSel());
            EXPECT_FALSE(Enabled(dialog.GetDownButton()));
            Press(dialog, IDC_UP_BUTTON);
            EXPECT_EQ(5, list.GetCurSel());
            EXPECT_TRUE(Enabled(dialog.GetDownButton()));
        });
    // Cancel: the host's list stays as it was.
    EXPECT_THAT(Names(m_references), ElementsAre("Zulu (1.0)", "Delta (1.0)", "Absente (1.0)"));
}

TEST_F(ReferencesDialogTest, TypingALetterSelectsTheNextItemBeginningWithIt)
{
    CReferencesDialog dialog(&m_references);
    obrtest::RunModal(dialog,
                      [&]()
                      {
                          CCheckListBox& list = dialog.ReferenceList();
                          list.SetFocus();
                          list.SendMessage(WM_KEYDOWN, 'C', 0);
                          EXPECT_EQ(3, list.GetCurSel());
                          EXPECT_EQ("charlie (1.0)", GroupCaption(dialog));
                          EXPECT_TRUE(Enabled(dialog.GetUpButton()));
                          list.SendMessage(WM_KEYDOWN, 'M', 0);
                          EXPECT_EQ(5, list.GetCurSel());
                          EXPECT_THAT(Details(dialog), HasSubstr("C:\\Mike.tlb"));
                      });
}

TEST_F(ReferencesDialogTest, BrowsingChecksAListedLibraryOrInsertsANewOneAfterTheChecked)
{
    obrtest::PlatformRecorder platform;
    CReferencesDialog dialog(&m_references);
    obrtest::RunModal(dialog,
                      [&]()
                      {
                          CCheckListBox& list = dialog.ReferenceList();
                          list.SetCheck(2, 1); // Bravo: three checked items now
                          // The fixture file is listed already (in another version).
                          platform.m_openFileAnswer = obrtest::FixturePath("BrowserFixture.tlb");
                          Press(dialog, IDC_BROWSE);
                          EXPECT_EQ(7, list.GetCount());
                          EXPECT_EQ(6, list.GetCurSel());
                          EXPECT_EQ(1, list.GetCheck(6));
                          EXPECT_EQ("ObrFixture (9.0)", GroupCaption(dialog));

                          // A new library goes to the first unchecked place, checked and selected.
                          list.SetCheck(6, 0);
                          platform.m_openFileAnswer = obrtest::FixturePath("BrowserOrderFixture.tlb");
                          Press(dialog, IDC_BROWSE);
                          ASSERT_EQ(8, list.GetCount());
                          EXPECT_EQ(3, list.GetCurSel());
                          EXPECT_EQ(1, list.GetCheck(3));
                          EXPECT_EQ("Object browser order fixture (1.0)", GroupCaption(dialog));
                          EXPECT_THAT(Details(dialog), HasSubstr("BrowserOrderFixture.tlb"));
                          dialog.SendMessage(WM_COMMAND, IDOK);
                      });
    EXPECT_EQ(2, platform.m_openFileRequests);
    EXPECT_EQ("Type de Bibliothèques (*.olb; *.tlb; *.dll)|*.olb; *.tlb; *.dll|Fichiers Exécutables (*.exe; "
              "*.dll)|*.exe; *.dll|Contrôles ActiveX (*.ocx)|*.ocx|Tous les Fichiers (*.*)|*.*|",
              platform.m_openFileFilter);
    EXPECT_TRUE(platform.m_messages.empty());
    EXPECT_THAT(Names(m_references), ElementsAre("Absente (1.0)", "Zulu (1.0)", "Delta (1.0)", "Bravo (1.0)",
                                                 "Object browser order fixture (1.0)"));
}

TEST_F(ReferencesDialogTest, AFileThatIsNoTypeLibraryIsToldAndAddsNothing)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string text = std::string(folder) + "obr-pas-une-bibliotheque.txt";
    std::ofstream(text) << "Ceci n'est pas une bibliothèque.";
    obrtest::PlatformRecorder platform;
    platform.m_openFileAnswer = text;
    CReferencesDialog dialog(&m_references);
    int count = 0;
    obrtest::RunModal(dialog,
                      [&]()
                      {
                          Press(dialog, IDC_BROWSE);
                          count = dialog.ReferenceList().GetCount();
                      });
    DeleteFileA(text.c_str());
    EXPECT_EQ(7, count);
    ASSERT_EQ(1u, platform.m_messages.size());
    EXPECT_EQ("Le fichier " + text + " n'est pas un fichier de type de bibliothèque valide", platform.m_messages[0]);
}

TEST_F(ReferencesDialogTest, ALibraryThatCannotBeRegisteredIsNotCalledNoLibrary)
{
    obrtest::PlatformRecorder platform;
    platform.m_openFileAnswer = obrtest::FixturePath("BrowserLocaleFixture.tlb");
    CReferencesDialog dialog(&m_references);
    int count = 0;
    obrtest::RunModal(dialog,
                      [&]()
                      {
                          // Registration writes below HKEY_CLASSES_ROOT: below a volatile key
                          // nothing lasting can be written.
                          HKEY volatileRoot = nullptr;
                          ASSERT_EQ(ERROR_SUCCESS,
                                    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\ObjectBrowserTests\\Volatile", 0,
                                                    nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                                                    &volatileRoot, nullptr));
                          ASSERT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CLASSES_ROOT, volatileRoot));
                          Press(dialog, IDC_BROWSE);
                          RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
                          RegCloseKey(volatileRoot);
                          RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\ObjectBrowserTests\\Volatile");
                          count = dialog.ReferenceList().GetCount();
                      });
    EXPECT_EQ(7, count);
    ASSERT_EQ(1u, platform.m_messages.size());
    EXPECT_THAT(platform.m_messages[0], HasSubstr("n'a pas pu être enregistrée"));
}

TEST(ReferencesDialogEmpty, NoRegisteredLibraryGivesAnEmptyListAndABlankPane)
{
    obrtest::ScopedClassesRoot empty;
    ASSERT_TRUE(empty.IsInPlace());
    std::list<TLVLibId> references;
    CReferencesDialog dialog(&references);
    int count = -1;
    std::string details = "?";
    obrtest::RunModal(dialog,
                      [&]()
                      {
                          count = dialog.ReferenceList().GetCount();
                          details = dialog.GetDlgItem(IDC_LIB_DETAILS)->GetWindowText().GetString();
                          dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_DOWN_BUTTON, BN_CLICKED), 0);
                          dialog.SendMessage(WM_COMMAND, IDOK);
                      });
    EXPECT_EQ(0, count);
    EXPECT_EQ("", details);
    EXPECT_TRUE(references.empty());
}

TEST_F(ReferencesDialogTest, ADamagedFileThatBringsTheLoaderDownIsToldAndTheHostLives)
{
    const std::vector<unsigned char> sound = obrtest::ReadBytes(obrtest::FixturePath("BrowserFixture.tlb"));
    ASSERT_GT(sound.size(), 100u);
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "obr-damaged.tlb";
    // The first variant that makes the platform's loader fault when it reads it.
    unsigned faulting = 0;
    for (unsigned seed = 1; seed <= 40 && !faulting; ++seed)
    {
        obrtest::WriteBytes(path, obrtest::DamagedCopy(sound, seed));
        if (ProbeTypeLibraryFile(path.c_str()) == ProbeResult::Faulted)
            faulting = seed;
    }
    if (!faulting)
    {
        DeleteFileA(path.c_str());
        GTEST_SKIP() << "no variant of the first 40 makes this platform's loader fault";
    }
    obrtest::PlatformRecorder platform;
    platform.m_openFileAnswer = path;
    CReferencesDialog dialog(&m_references);
    int count = 0;
    obrtest::RunModal(dialog,
                      [&]()
                      {
                          Press(dialog, IDC_BROWSE);
                          count = dialog.ReferenceList().GetCount();
                      });
    DeleteFileA(path.c_str());
    EXPECT_EQ(7, count) << "seed " << faulting;
    ASSERT_EQ(1u, platform.m_messages.size()) << "seed " << faulting;
    EXPECT_EQ("Le fichier " + path + " n'est pas un fichier de type de bibliothèque valide", platform.m_messages[0]);
    // The sound fixture still passes the probe.
    EXPECT_EQ(ProbeResult::Sound, ProbeTypeLibraryFile(obrtest::FixturePath("BrowserFixture.tlb").c_str()));
}
