// The references dialog on a registry of the test's own making: the host's references on top,
// moving, browsing to a file, choosing by letter, OK and Cancel.
#include "references/CReferencesDialog.h"
#include "module/ModuleServices.h"
#include "tests/support/DamagedTypeLib.h"
#include "tests/support/ModalScript.h"
#include "tests/support/PlatformRecorder.h"
#include "tests/support/ScopedClassesRoot.h"
#include "references/TypeLibProbe.h"
#include "tests/support/TestPaths.h"
#include "resources/resource.h"

#include <gmock/gmock.h>
#include <cstdio>
#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

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
const char* const kZulu = kLibraries[4].guid;
const char* const kDelta = kLibraries[0].guid;
// The fixture library of the build (version 1.0), registered here in a version the file does not have.
const char kFixtureGuid[] = "{6B71A616-BF9F-424A-9D30-6589D9CF0ACE}";

TLVLibId Reference(const char* guid, const char* name, WORD major = 1)
{
    TLVLibId reference = {};
    EXPECT_TRUE(ParseGuidText(guid, reference.guid)) << guid;
    reference.wMajor = major;
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
    {
        CString name;
        name.Format("%s %d.%d", reference.strName.GetString(), reference.wMajor, reference.wMinor);
        names.push_back(name.GetString());
    }
    return names;
}

class ReferencesDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.IsInPlace());
        // A reference stands for a registered library only when the library's file is there.
        for (const Library& library : kLibraries)
            ASSERT_TRUE(
                m_root.AddLibrary(library.guid, "1.0", library.description, "0", "win64",
                                  m_files.Write(std::string(library.description) + ".tlb", "").c_str()));
        ASSERT_TRUE(m_root.AddLibrary(kFixtureGuid, "9.0", "ObrFixture"));
        m_references = {Reference(kZulu, "Zulu (1.0)"), Reference(kDelta, "Delta (1.0)"),
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
    // Selects the item and toggles its check with the space bar, as a user does.
    static void Toggle(CReferencesDialog& dialog, int index)
    {
        Select(dialog, index);
        dialog.ReferenceList().SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    }
    static void Press(CReferencesDialog& dialog, int button)
    {
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(button)->m_hWnd));
    }
    static bool Enabled(CButton* button) { return button->IsWindowEnabled() != FALSE; }
    static std::string Arrows(CReferencesDialog& dialog)
    {
        return std::string(Enabled(dialog.GetUpButton()) ? "up" : "-") + "/" +
               (Enabled(dialog.GetDownButton()) ? "down" : "-");
    }
    static const TLVLibId& EntryOf(CReferencesDialog& dialog, int index)
    {
        return *reinterpret_cast<const TLVLibId*>(dialog.ReferenceList().GetItemData(index));
    }

    obrtest::ScopedClassesRoot m_root;
    obrtest::TemporaryFolder m_files{"obr-references"};
    std::list<TLVLibId> m_references;
};
} // namespace

TEST_F(ReferencesDialogTest, TheHostsReferencesComeFirstMissingOnesOnTopAndBackInThatOrderAtEachShowing)
{
    // Zulu given twice: written back once, at its first place, in its first version.
    m_references.push_back(Reference(kZulu, "Zulu (2.0)", 2));
    CReferencesDialog dialog(&m_references);
    for (int showing = 1; showing <= 2; ++showing)
    {
        SCOPED_TRACE(showing);
        const INT_PTR result = obrtest::RunModal(
            dialog,
            [&]()
            {
                EXPECT_THAT(Items(dialog.ReferenceList()),
                            ElementsAre("[x] MANQUANT : Absente (1.0)", "[x] Zulu (1.0)", "[x] Delta (1.0)",
                                        "[ ] Bravo (1.0)", "[ ] charlie (1.0)", "[ ] Echo (1.0)",
                                        "[ ] Mike (1.0)", "[ ] ObrFixture (9.0)"));
                // A missing library cannot load: its priority means nothing, and it does not move.
                EXPECT_EQ("-/-", Arrows(dialog));
                EXPECT_EQ("Absente (1.0)", GroupCaption(dialog));
                EXPECT_EQ("Bibliothèque non inscrite\r\nGuide : "
                          "{99999999-0000-0000-0000-000000000099}\r\nVersion : "
                          "1.0\r\nLangue : Standard\r\nEmplacement : ",
                          Details(dialog));
                Select(dialog, 1);
                EXPECT_EQ("Zulu (1.0)", GroupCaption(dialog));
                EXPECT_EQ("Emplacement : " + m_files.File("Zulu.tlb") +
                              "\r\nLangue : Standard\r\nGuide : {0F000000-0000-0000-0000-00000000000F}",
                          Details(dialog));
                dialog.SendMessage(WM_COMMAND, IDOK);
            });
        EXPECT_EQ(IDOK, result);
        EXPECT_THAT(Names(m_references),
                    ElementsAre("Absente (1.0) 1.0", "Zulu (1.0) 1.0", "Delta (1.0) 1.0"));
    }
}

TEST_F(ReferencesDialogTest, AReferenceStandsForItsOwnVersionOnly)
{
    // Delta in two versions: the host's 2.0 is the one checked. Zulu 3.0 is registered in 1.0 only:
    // it stays missing, and comes back as 3.0.
    ASSERT_TRUE(
        m_root.AddLibrary(kDelta, "2.0", "Delta", "0", "win64", m_files.Write("Delta2.tlb", "").c_str()));
    m_references = {Reference(kDelta, "Delta (2.0)", 2), Reference(kZulu, "Zulu (3.0)", 3)};
    CReferencesDialog dialog(&m_references);
    obrtest::RunModal(dialog,
                      [&]()
                      {
                          const std::vector<std::string> items = Items(dialog.ReferenceList());
                          ASSERT_GE(items.size(), 5u);
                          EXPECT_EQ("[x] MANQUANT : Zulu (3.0)", items[0]);
                          EXPECT_EQ("[x] Delta (2.0)", items[1]);
                          EXPECT_EQ("[ ] Delta (1.0)", items[4]);
                          EXPECT_THAT(Details(dialog),
                                      StartsWith("Inscrite dans une autre version : 1.0\r\n"));
                          dialog.SendMessage(WM_COMMAND, IDOK);
                      });
    EXPECT_THAT(Names(m_references), ElementsAre("Zulu (3.0) 3.0", "Delta (2.0) 2.0"));
}

TEST_F(ReferencesDialogTest, AMissingReferenceUntickedIsDroppedAndTickingAnotherVersionReplacesIt)
{
    CReferencesDialog dialog(&m_references);
    // Cancel after unticking: nothing changes.
    obrtest::RunModal(dialog, [&]() { Toggle(dialog, 0); });
    EXPECT_THAT(Names(m_references), ElementsAre("Zulu (1.0) 1.0", "Delta (1.0) 1.0", "Absente (1.0) 1.0"));
    // OK after unticking: it is gone.
    obrtest::RunModal(dialog,
                      [&]()
                      {
                          Toggle(dialog, 0);
                          dialog.SendMessage(WM_COMMAND, IDOK);
                      });
    EXPECT_THAT(Names(m_references), ElementsAre("Zulu (1.0) 1.0", "Delta (1.0) 1.0"));

    // Delta 2.0 is missing; ticking the registered 1.0 unticks it: a project refers to one version.
    m_references = {Reference(kDelta, "Delta (2.0)", 2)};
    obrtest::RunModal(dialog,
                      [&]()
                      {
                          Toggle(dialog, 3); // Delta (1.0), below Bravo and charlie
                          const std::vector<std::string> items = Items(dialog.ReferenceList());
                          ASSERT_GE(items.size(), 4u);
                          EXPECT_EQ("[ ] MANQUANT : Delta (2.0)", items[0]);
                          EXPECT_EQ("[x] Delta (1.0)", items[3]);
                          dialog.SendMessage(WM_COMMAND, IDOK);
                      });
    EXPECT_THAT(Names(m_references), ElementsAre("Delta (1.0) 1.0"));
}

TEST_F(ReferencesDialogTest, ArrowsFollowTheSelectionAndDownMovesTheWholeItem)
{
    CReferencesDialog dialog(&m_references);
    obrtest::RunModal(
        dialog,
        [&]()
        {
            CCheckListBox& list = dialog.ReferenceList();
            Select(dialog, list.GetCount() - 1);
            EXPECT_EQ("up/-", Arrows(dialog));
            EXPECT_EQ("ObrFixture (9.0)", GroupCaption(dialog));
            // Zulu, first below the missing one, cannot go above it.
            Select(dialog, 1);
            EXPECT_EQ("-/down", Arrows(dialog));
            Press(dialog, IDC_UP_BUTTON);
            EXPECT_EQ(1, list.GetCurSel());

            // Delta (checked) down past Bravo: text, check and data go with it.
            Select(dialog, 2);
            const DWORD_PTR delta = list.GetItemData(2);
            Press(dialog, IDC_DOWN_BUTTON);
            EXPECT_THAT(Items(list), ElementsAre("[x] MANQUANT : Absente (1.0)", "[x] Zulu (1.0)",
                                                 "[ ] Bravo (1.0)", "[x] Delta (1.0)", "[ ] charlie (1.0)",
                                                 "[ ] Echo (1.0)", "[ ] Mike (1.0)", "[ ] ObrFixture (9.0)"));
            EXPECT_EQ(3, list.GetCurSel());
            EXPECT_EQ(delta, list.GetItemData(3));
            EXPECT_EQ("up/down", Arrows(dialog));
            // Down to the last place disables Down.
            for (int i = 0; i < 4; ++i)
                Press(dialog, IDC_DOWN_BUTTON);
            EXPECT_EQ(7, list.GetCurSel());
            EXPECT_EQ("up/-", Arrows(dialog));
            Press(dialog, IDC_UP_BUTTON);
            EXPECT_EQ(6, list.GetCurSel());
            EXPECT_EQ("up/down", Arrows(dialog));
        });
    // Cancel: the host's list stays as it was.
    EXPECT_THAT(Names(m_references), ElementsAre("Zulu (1.0) 1.0", "Delta (1.0) 1.0", "Absente (1.0) 1.0"));
}

TEST_F(ReferencesDialogTest, TheKeyboardStartsInTheListWhereLettersSelectAndSpaceTogglesTheSelectedItem)
{
    CReferencesDialog dialog(&m_references);
    CCheckListBox& list = dialog.ReferenceList();
    obrtest::RunModalSteps(dialog, {[&]
                                    {
                                        EXPECT_EQ(list.m_hWnd, ::GetFocus());
                                        // A letter selects the next item beginning with it.
                                        list.SendMessage(WM_KEYDOWN, 'C', 0);
                                        EXPECT_EQ(4, list.GetCurSel());
                                        EXPECT_EQ("charlie (1.0)", GroupCaption(dialog));
                                        EXPECT_EQ("up/down", Arrows(dialog));
                                        list.SendMessage(WM_KEYDOWN, 'M', 0);
                                        EXPECT_EQ(6, list.GetCurSel());
                                        EXPECT_THAT(Details(dialog), HasSubstr("Mike.tlb"));
                                        // The numeric pad's 4 and F1 have the codes of 'd' and 'p': no
                                        // letters.
                                        list.SendMessage(WM_KEYDOWN, VK_NUMPAD4, 0);
                                        list.SendMessage(WM_KEYDOWN, VK_F1, 0);
                                        EXPECT_EQ(6, list.GetCurSel());
                                        dialog.ShowWindow(SW_SHOW);
                                        ::SetForegroundWindow(dialog.m_hWnd);
                                        Select(dialog, 3); // Bravo
                                        list.SetFocus();
                                        obrtest::PressKeys({VK_SPACE});
                                    },
                                    [&]
                                    {
                                        EXPECT_EQ(3, list.GetCurSel());
                                        EXPECT_EQ(1, list.GetCheck(3));
                                    }});
}

TEST_F(ReferencesDialogTest, BrowsingChecksTheListedItemOfThatLibraryOrInsertsANewOneAfterTheChecked)
{
    // The fixture's own version, and another library listed under the same name just before it:
    // the item is found by its library, not by its text.
    ASSERT_TRUE(m_root.AddLibrary("{0D0D0000-0000-0000-0000-000000000000}", "1.0", "ObrFixture"));
    ASSERT_TRUE(m_root.AddLibrary(kFixtureGuid, "1.0", "ObrFixture"));
    obrtest::PlatformRecorder platform;
    CReferencesDialog dialog(&m_references);
    obrtest::RunModal(dialog,
                      [&]()
                      {
                          CCheckListBox& list = dialog.ReferenceList();
                          list.SetCheck(3, 1); // Bravo: three registered items checked now
                          platform.m_openFileAnswer = obrtest::FixturePath("BrowserFixture.tlb");
                          Press(dialog, IDC_BROWSE);
                          ASSERT_EQ(10, list.GetCount());
                          const int chosen = list.GetCurSel();
                          ASSERT_GE(chosen, 0);
                          EXPECT_EQ(1, list.GetCheck(chosen));
                          GUID fixture;
                          ASSERT_TRUE(ParseGuidText(kFixtureGuid, fixture));
                          EXPECT_TRUE(IsEqualGUID(fixture, EntryOf(dialog, chosen).guid));
                          EXPECT_EQ(1, EntryOf(dialog, chosen).wMajor)
                              << "the listed item of that very version";

                          // A new library goes to the first unchecked place, checked and selected.
                          list.SetCheck(chosen, 0);
                          platform.m_openFileAnswer = obrtest::FixturePath("BrowserOrderFixture.tlb");
                          Press(dialog, IDC_BROWSE);
                          ASSERT_EQ(11, list.GetCount());
                          EXPECT_EQ(4, list.GetCurSel());
                          EXPECT_EQ(1, list.GetCheck(4));
                          EXPECT_EQ("Object browser order fixture (1.0)", GroupCaption(dialog));
                          EXPECT_THAT(Details(dialog), HasSubstr("BrowserOrderFixture.tlb"));
                          dialog.SendMessage(WM_COMMAND, IDOK);
                      });
    EXPECT_EQ(2, platform.m_openFileRequests);
    EXPECT_EQ("Type de Bibliothèques (*.olb; *.tlb; *.dll)|*.olb; *.tlb; *.dll|Fichiers Exécutables (*.exe; "
              "*.dll)|*.exe; *.dll|Contrôles ActiveX (*.ocx)|*.ocx|Tous les Fichiers (*.*)|*.*|",
              platform.m_openFileFilter);
    EXPECT_TRUE(platform.m_messages.empty());
    EXPECT_THAT(Names(m_references),
                ElementsAre("Absente (1.0) 1.0", "Zulu (1.0) 1.0", "Delta (1.0) 1.0", "Bravo (1.0) 1.0",
                            "Object browser order fixture (1.0) 1.0"));
}

TEST_F(ReferencesDialogTest, BrowsingToTheFileOfAMissingReferenceTakesItsPlace)
{
    // The host refers to the fixture's 1.0, registered here in 9.0 only.
    m_references = {Reference(kZulu, "Zulu (1.0)"), Reference(kFixtureGuid, "Fixture d'avant (1.0)")};
    obrtest::PlatformRecorder platform;
    platform.m_openFileAnswer = obrtest::FixturePath("BrowserFixture.tlb");
    CReferencesDialog dialog(&m_references);
    obrtest::RunModal(dialog,
                      [&]()
                      {
                          EXPECT_THAT(Details(dialog),
                                      StartsWith("Inscrite dans une autre version : 9.0\r\n"));
                          Press(dialog, IDC_BROWSE);
                          const std::vector<std::string> items = Items(dialog.ReferenceList());
                          ASSERT_EQ(8u, items.size());
                          EXPECT_EQ("[x] Object browser test fixture (1.0)", items[0]);
                          EXPECT_EQ("[x] Zulu (1.0)", items[1]);
                          EXPECT_EQ("[ ] ObrFixture (9.0)", items[7]);
                          EXPECT_EQ(0, dialog.ReferenceList().GetCurSel());
                          EXPECT_EQ("-/down", Arrows(dialog));
                          dialog.SendMessage(WM_COMMAND, IDOK);
                      });
    EXPECT_THAT(Names(m_references), ElementsAre("Object browser test fixture (1.0) 1.0", "Zulu (1.0) 1.0"));
    EXPECT_EQ(obrtest::FixturePath("BrowserFixture.tlb"), m_references.front().strPath.str());
}

// Each file is told and adds nothing: one that is no type library, one whose probe program is
// missing (a file is never loaded into the host without it), one whose library cannot be
// registered (not called "no library"), and one that brings the platform's loader down.
TEST_F(ReferencesDialogTest, AFileThatCannotBeAddedIsToldAndAddsNothing)
{
    const std::string text = m_files.Write("pas une bibliothèque.txt", "Ceci n'est pas une bibliothèque.");
    const std::vector<unsigned char> sound = obrtest::ReadBytes(obrtest::FixturePath("BrowserFixture.tlb"));
    ASSERT_GT(sound.size(), 100u);
    const std::string damaged = m_files.File("damaged.tlb");
    // The first variant that makes the platform's loader fault when it reads it.
    unsigned faulting = 0;
    for (unsigned seed = 1; seed <= 40 && !faulting; ++seed)
    {
        obrtest::WriteBytes(damaged, obrtest::DamagedCopy(sound, seed));
        if (ProbeTypeLibraryFile(damaged.c_str()) == ProbeResult::Faulted)
            faulting = seed;
    }
    obrtest::PlatformRecorder platform;
    CReferencesDialog dialog(&m_references);
    obrtest::RunModal(
        dialog,
        [&]()
        {
            platform.m_openFileAnswer = text;
            Press(dialog, IDC_BROWSE);
            SetProbeProgram(m_files.File("nowhere.exe").c_str());
            platform.m_openFileAnswer = obrtest::FixturePath("BrowserOrderFixture.tlb");
            Press(dialog, IDC_BROWSE);
            SetProbeProgram("");
            // Registration writes below HKEY_CLASSES_ROOT: below a volatile key nothing lasting
            // can be written.
            HKEY volatileRoot = nullptr;
            ASSERT_EQ(ERROR_SUCCESS,
                      RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\ObjectBrowserTests\\Volatile", 0, nullptr,
                                      REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &volatileRoot, nullptr));
            ASSERT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CLASSES_ROOT, volatileRoot));
            platform.m_openFileAnswer = obrtest::FixturePath("BrowserLocaleFixture.tlb");
            Press(dialog, IDC_BROWSE);
            RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
            RegCloseKey(volatileRoot);
            RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\ObjectBrowserTests\\Volatile");
            platform.m_openFileAnswer = damaged;
            if (faulting)
                Press(dialog, IDC_BROWSE);
            EXPECT_EQ(8, dialog.ReferenceList().GetCount());
        });
    ASSERT_EQ(faulting ? 4u : 3u, platform.m_messages.size());
    EXPECT_EQ("Le fichier " + text + " n'est pas un fichier de type de bibliothèque valide",
              platform.m_messages[0]);
    EXPECT_THAT(platform.m_messages[1], HasSubstr("BrowserOrderFixture.tlb n'a pas été ouvert"));
    EXPECT_THAT(platform.m_messages[2], HasSubstr("n'a pas pu être enregistrée"));
    if (faulting)
        EXPECT_EQ("Le fichier " + damaged + " n'est pas un fichier de type de bibliothèque valide",
                  platform.m_messages[3])
            << "seed " << faulting;
    else
        std::printf("no variant of the first 40 makes this platform's loader fault\n");
    // The sound fixture still passes the probe.
    EXPECT_EQ(ProbeResult::Sound, ProbeTypeLibraryFile(obrtest::FixturePath("BrowserFixture.tlb").c_str()));
}

TEST(ReferencesDialogEmpty, NoRegisteredLibraryGivesAnEmptyListAndABlankPane)
{
    obrtest::ScopedClassesRoot empty;
    ASSERT_TRUE(empty.IsInPlace());
    std::list<TLVLibId> references;
    CReferencesDialog dialog(&references);
    obrtest::RunModal(dialog,
                      [&]()
                      {
                          EXPECT_EQ(0, dialog.ReferenceList().GetCount());
                          EXPECT_EQ("", dialog.GetDlgItem(IDC_LIB_DETAILS)->GetWindowText());
                          dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_DOWN_BUTTON, BN_CLICKED), 0);
                          dialog.SendMessage(WM_COMMAND, IDOK);
                      });
    EXPECT_TRUE(references.empty());
}
