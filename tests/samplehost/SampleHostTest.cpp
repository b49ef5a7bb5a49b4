// The sample host: its project file, the text it inserts, and its command line.
#include "browser/CBrowserDlg.h"
#include "module/ModuleServices.h"
#include "samplehost/HostCommands.h"
#include "samplehost/HostWindow.h"
#include "impl/CBrowserImpl.h"
#include "browser/CModelessBrowserDlg.h"
#include "references/CReferencesDialog.h"
#include "samplehost/MacroProject.h"
#include "tests/support/BrowserInput.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ModalScript.h"
#include "tests/support/RegisteredTypeLib.h"
#include "resources/resource.h"
#include "tests/support/TestPaths.h"

#include <algorithm>
#include <commctrl.h>
#include <functional>
#include <gmock/gmock.h>
#include <string>

namespace
{
TLVLibId Reference(const char* guid, WORD major, WORD minor, LCID lcid, const char* name, const char* path)
{
    TLVLibId reference = {};
    EXPECT_TRUE(ParseGuidText(guid, reference.guid)) << guid;
    reference.wMajor = major;
    reference.wMinor = minor;
    reference.lcid = lcid;
    reference.strName = name;
    reference.strPath = path;
    return reference;
}

void ExpectSame(const TLVLibId& a, const TLVLibId& b)
{
    EXPECT_TRUE(IsEqualGUID(a.guid, b.guid));
    EXPECT_EQ(a.wMajor, b.wMajor);
    EXPECT_EQ(a.wMinor, b.wMinor);
    EXPECT_EQ(a.lcid, b.lcid);
    EXPECT_EQ(a.strName, b.strName);
    EXPECT_EQ(a.strPath, b.strPath);
}

class SampleHostTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        INITCOMMONCONTROLSEX init = {sizeof init, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&init);
        LoadLibraryA("riched32.dll");
    }
    void TearDown() override { CoUninitialize(); }
    obrtest::TemporaryFolder m_folder{"obr-hote"};
    const std::string m_path = m_folder.File("obr-projet.ini");
};

// The references dialog that is open now.
CReferencesDialog* OpenReferencesDialog()
{
    return dynamic_cast<CReferencesDialog*>(CWnd::FromHandlePermanent(FindWindowA(nullptr, "Références")));
}

// Ticks the fixture in the open references dialog, below the project's own references, and confirms.
void TickTheFixtureAndConfirm()
{
    CReferencesDialog* dialog = OpenReferencesDialog();
    ASSERT_NE(nullptr, dialog);
    CCheckListBox& list = dialog->ReferenceList();
    const int item = list.FindString(-1, " Object browser test fixture");
    ASSERT_GE(item, 2);
    list.SetCheck(item, 1);
    dialog->SendMessage(WM_COMMAND, IDOK);
}

BOOL CALLBACK CountReferencesDialogs(HWND window, LPARAM count)
{
    char caption[64] = {};
    GetWindowTextA(window, caption, sizeof caption);
    *reinterpret_cast<int*>(count) += IsWindowVisible(window) && std::string(caption) == "Références";
    return TRUE;
}

} // namespace

TEST_F(SampleHostTest, TheProjectFileRoundTripsItsReferences)
{
    MacroProject project;
    project.m_references = {
        Reference("{420B2830-E718-11CF-893D-00A0C9054228}", 1, 0, 0, "Microsoft Scripting Runtime (1.0)",
                  "C:\\windows\\system32\\scrrun.dll"),
        Reference("{00020430-0000-0000-C000-000000000046}", 2, 0, 0x409,
                  "  Automation ; « OLE »\r\n100 %41 (2.0)  ",
                  "C:\\Program Files\\Bibliothèque\\stdole2.tlb"),
        Reference("{6B71A616-BF9F-424A-9D30-6589D9CF0ACE}", 12, 34, 0x40C, "Fixture", ""),
    };
    ASSERT_TRUE(project.Save(m_path.c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((m_path + ".tmp").c_str()));

    MacroProject loaded;
    CString problem;
    ASSERT_TRUE(loaded.Load(m_path.c_str(), problem)) << problem.GetString();
    EXPECT_TRUE(problem.IsEmpty());
    ASSERT_EQ(3u, loaded.m_references.size());
    auto a = project.m_references.begin();
    for (const TLVLibId& b : loaded.m_references)
        ExpectSame(*a++, b);
    // As --list-references prints them: the fixture's 12.34 is registered nowhere.
    const CString listed = ReferencesText(loaded);
    EXPECT_THAT(listed.str(),
                ::testing::StartsWith(
                    "Microsoft Scripting Runtime (1.0)\t{420B2830-E718-11CF-893D-00A0C9054228}\t1.0\t0\t"
                    "C:\\windows\\system32\\scrrun.dll\n"));
    EXPECT_THAT(
        listed.str(),
        ::testing::HasSubstr("\nMANQUANT : Fixture\t{6B71A616-BF9F-424A-9D30-6589D9CF0ACE}\t12.34\t40c\t\n"));
}

TEST_F(SampleHostTest, ADamagedProjectKeepsEveryReferenceThatReadsAndSaysWhichDidNot)
{
    const std::string stdole = "Guid={00020430-0000-0000-C000-000000000046}\nMajor=2\nMinor=0\nLcid=0\n"
                               "Name=stdole\nPath=C:\\new%41\\stdole2.tlb\n";
    struct Case
    {
        std::string text;
        const char* unreadable;
    };
    const Case cases[] = {
        {"[References]\nCount=deux\n[Reference0]\n" + stdole, "Count"},
        {"[References]\nCount=2\n[Reference0]\nGuid={pas un guid}\nMajor=1\nMinor=0\nLcid=0\n[Reference1]\n" +
             stdole,
         "Reference0"},
        {"[References]\nCount=2\n[Reference0]\n" + stdole, "Reference1"},
    };
    for (const Case& c : cases)
    {
        obrtest::TemporaryFolder folder("obr-projet-endommage");
        const std::string path = folder.Write("projet.ini", c.text);
        MacroProject read;
        CString problem;
        EXPECT_FALSE(read.Load(path.c_str(), problem)) << c.text;
        EXPECT_TRUE(read.IsDamaged());
        EXPECT_THAT(problem.str(),
                    ::testing::HasSubstr(std::string("endommagé : ces parties n'ont pas pu être lues : ") +
                                         c.unreadable + "."));
        ASSERT_EQ(1u, read.m_references.size()) << c.text;
        EXPECT_EQ("stdole", read.m_references.front().strName);
        // A file without a format was written raw: '%' is no escape in it.
        EXPECT_EQ("C:\\new%41\\stdole2.tlb", read.m_references.front().strPath);
    }
}

TEST_F(SampleHostTest, ADamagedProjectIsKeptAsideBeforeItsFirstSaveAndNothingElseRewritesIt)
{
    obrtest::TemporaryFolder folder("obr-projet-garde");
    const std::string damaged = "[References]\nCount=1\n[Reference0]\nGuid={pas un guid}\n";
    const std::string path = folder.Write("projet.ini", damaged);
    MacroProject project;
    CString problem;
    bool saved = false;
    EXPECT_FALSE(OpenProject(project, path.c_str(), true, problem, saved));
    EXPECT_TRUE(project.m_references.empty());
    EXPECT_EQ(damaged, obrtest::ReadFileText(path));

    // The first save keeps the damaged file beside it; the next one keeps nothing more.
    project.m_references = MacroProject::DefaultReferences();
    CString kept;
    ASSERT_TRUE(project.Save(path.c_str(), &kept));
    EXPECT_THAT(kept.str(), ::testing::StartsWith(path + ".endommagé-"));
    EXPECT_EQ(path.size() + std::string(".endommagé-AAAAMMJJ-HHMMSS").size(), kept.str().size())
        << kept.str();
    EXPECT_EQ(damaged, obrtest::ReadFileText(kept.str()));
    EXPECT_FALSE(project.IsDamaged());
    CString keptAgain;
    ASSERT_TRUE(project.Save(path.c_str(), &keptAgain));
    EXPECT_TRUE(keptAgain.IsEmpty());
    MacroProject read;
    EXPECT_TRUE(read.Load(path.c_str(), problem));
    EXPECT_EQ(2u, read.m_references.size());

    // A project that is not there yet: created by an interactive start only.
    const std::string fresh = folder.File("nouveau.ini");
    EXPECT_TRUE(OpenProject(project, fresh.c_str(), false, problem, saved));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(fresh.c_str()));
    EXPECT_TRUE(OpenProject(project, fresh.c_str(), true, problem, saved));
    EXPECT_TRUE(saved);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(fresh.c_str()));
}

TEST_F(SampleHostTest, ASaveThatCannotFinishLeavesTheOldProject)
{
    MacroProject project;
    project.m_references = MacroProject::DefaultReferences();
    ASSERT_TRUE(project.Save(m_path.c_str()));
    // Something standing where the temporary file goes makes the save fail before the replacement.
    std::string blocker = m_path + ".tmp";
    ASSERT_TRUE(CreateDirectoryA(blocker.c_str(), nullptr));
    project.m_references.clear();
    EXPECT_FALSE(project.Save(m_path.c_str()));
    RemoveDirectoryA(blocker.c_str());
    MacroProject read;
    CString problem;
    ASSERT_TRUE(read.Load(m_path.c_str(), problem));
    EXPECT_EQ(2u, read.m_references.size());
}

TEST_F(SampleHostTest, TheChosenTextIsInsertedAtTheCaretFromTheProjectsObjectBrowserOrACatalog)
{
    MacroProject project;
    project.m_references = MacroProject::DefaultReferences();
    HostWindow window;
    ASSERT_TRUE(window.Create(false, &project));
    window.Editor().SetWindowText("Set d = \r\n");
    window.Editor().SetSel(8, 8);
    window.SetStartSelection({"Scripting", "Dictionary", ""});
    obrtest::ChooseWhenOpen("Explorateur d'Objets", "Exists");
    EXPECT_TRUE(window.BrowseAndInsert(BROWSER_TYPELIB));
    EXPECT_EQ("Set d = Exists\r\n", window.Editor().GetWindowText());
    window.Editor().SetSel(4, 4);
    obrtest::ChooseWhenOpen("Explorateur de Fonctions", "Abs");
    EXPECT_TRUE(window.BrowseAndInsert(BROWSER_CATALOG1));
    EXPECT_EQ("Set Abs(d = Exists\r\n", window.Editor().GetWindowText());
    window.DestroyWindow();
}

TEST_F(SampleHostTest, ChosenReferencesAreSavedAndBrowsedNextTime)
{
    obrtest::RegisteredTypeLib fixture("BrowserFixture.tlb");
    ASSERT_EQ(S_OK, fixture.Result());
    MacroProject project;
    project.m_references = MacroProject::DefaultReferences();
    ASSERT_TRUE(project.Save(m_path.c_str()));
    HostWindow window;
    ASSERT_TRUE(window.Create(false, &project, m_path.c_str()));

    // Cancelled: nothing changes, in memory or on disk.
    obrtest::RunSoon([]() { PostMessageA(FindWindowA(nullptr, "Références"), WM_COMMAND, IDCANCEL, 0); });
    EXPECT_FALSE(window.EditReferences());
    MacroProject saved;
    CString problem;
    ASSERT_TRUE(saved.Load(m_path.c_str(), problem));
    EXPECT_EQ(2u, saved.m_references.size());

    // The fixture ticked and confirmed: saved after the project's own references.
    obrtest::RunSoon(&TickTheFixtureAndConfirm);
    EXPECT_TRUE(window.EditReferences());
    ASSERT_TRUE(saved.Load(m_path.c_str(), problem));
    ASSERT_EQ(3u, saved.m_references.size());
    EXPECT_EQ("Object browser test fixture (1.0)", saved.m_references.back().strName);

    // The next object browser shows it.
    std::vector<std::string> libraries;
    obrtest::RunSoon(
        [&libraries]()
        {
            HWND browser = FindWindowA(nullptr, "Explorateur d'Objets");
            HWND combo = GetDlgItem(browser, IDC_LIB_COMBO);
            for (int i = 0; i < SendMessageA(combo, CB_GETCOUNT, 0, 0); ++i)
            {
                char text[256] = {};
                SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
                libraries.push_back(text);
            }
            PostMessageA(browser, WM_COMMAND, IDCANCEL, 0);
        });
    window.BrowseAndInsert(BROWSER_TYPELIB);
    EXPECT_EQ((std::vector<std::string>{"ObrFixture", "Scripting", "stdole"}), libraries);
    window.DestroyWindow();
}

TEST_F(SampleHostTest, TheBrowsersReferencesCommandOpensTheReferencesDialog)
{
    MacroProject project;
    project.m_references = MacroProject::DefaultReferences();
    HostWindow window;
    ASSERT_TRUE(window.Create(false, &project));
    static bool referencesOpened;
    referencesOpened = false;
    obrtest::RunSoon(
        []()
        {
            HWND browser = FindWindowA(nullptr, "Explorateur d'Objets");
            ASSERT_NE(nullptr, browser);
            // Posted to the host, which opens the dialog once the browser's loop runs again.
            SendMessageA(browser, WM_COMMAND, ID_REFERENCES, 0);
            obrtest::RunSoon(
                [browser]()
                {
                    HWND references = FindWindowA(nullptr, "Références");
                    referencesOpened = references != nullptr;
                    PostMessageA(references, WM_COMMAND, IDCANCEL, 0);
                    PostMessageA(browser, WM_COMMAND, IDCANCEL, 0);
                },
                50);
        });
    window.BrowseAndInsert(BROWSER_TYPELIB);
    EXPECT_TRUE(referencesOpened);
    window.DestroyWindow();
}

TEST_F(SampleHostTest, TheModelessObjectBrowserPastesBesideTheEditorAndEndsWithIt)
{
    obrtest::RegisteredTypeLib fixture("BrowserFixture.tlb");
    MacroProject project;
    project.m_references = MacroProject::DefaultReferences();
    HostWindow window;
    ASSERT_TRUE(window.Create(true, &project));
    window.Editor().SetWindowText("x = \r\n");
    window.Editor().SetSel(4, 4);
    window.SetStartSelection({"Scripting", "Dictionary", ""});
    CModelessBrowserDlg* browser = window.ShowObjectBrowser();
    ASSERT_NE(nullptr, browser);
    EXPECT_TRUE(browser->IsWindowVisible());
    CRect hostRect, browserRect;
    window.GetWindowRect(&hostRect);
    browser->GetWindowRect(&browserRect);
    EXPECT_GT(browserRect.left, hostRect.left) << "beside the editor, not over its left edge";

    CListCtrl* members = browser->m_pMembersList;
    ASSERT_NE(-1, members->FindItemText("Exists"));
    obrtest::DoubleClickMember(*browser, "Exists");
    obrtest::PumpPending();
    EXPECT_EQ("x = Exists\r\n", window.Editor().GetWindowText());

    // Escape hides it; the same browser comes back with its selection.
    browser->SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_FALSE(browser->IsWindowVisible());
    EXPECT_EQ(browser, window.ShowObjectBrowser());
    EXPECT_EQ("Dictionary", browser->m_pImpl->GetSelectedClassName());

    // New references reach the open browser. While the dialog is up the browser waits, and its
    // References command opens no second dialog on the same list.
    static bool browserEnabled;
    static int dialogsOpen;
    browserEnabled = true;
    dialogsOpen = 0;
    obrtest::RunSoon(
        [&window]()
        {
            browserEnabled = window.ObjectBrowser()->IsWindowEnabled() != FALSE;
            window.PostMessage(WM_COMMAND, ID_EDIT_REFERENCES);
            obrtest::RunSoon(
                []()
                {
                    EnumThreadWindows(GetCurrentThreadId(), &CountReferencesDialogs,
                                      reinterpret_cast<LPARAM>(&dialogsOpen));
                    if (dialogsOpen > 1 && OpenReferencesDialog())
                        OpenReferencesDialog()->SendMessage(WM_COMMAND, IDCANCEL);
                    TickTheFixtureAndConfirm();
                },
                50);
        });
    ASSERT_TRUE(window.EditReferences());
    EXPECT_FALSE(browserEnabled);
    EXPECT_EQ(1, dialogsOpen);
    EXPECT_TRUE(browser->IsWindowEnabled());
    auto* combo = static_cast<CComboBox*>(browser->GetDlgItem(IDC_LIB_COMBO));
    EXPECT_EQ(3, combo->GetCount());
    EXPECT_NE(CB_ERR, combo->FindStringExact(-1, "ObrFixture"));

    window.DestroyWindow();
    EXPECT_EQ(nullptr, window.ObjectBrowser());
}

namespace
{
// Parses a command line of words parted by blanks.
HostOptions Parse(const std::string& line)
{
    std::vector<std::string> words = {"samplehost"};
    for (size_t at = 0; at < line.size();)
    {
        const size_t end = std::min(line.find(' ', at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end + 1;
    }
    std::vector<char*> arguments;
    for (std::string& word : words)
        arguments.push_back(&word[0]);
    return ParseCommandLine(static_cast<int>(arguments.size()), arguments.data());
}
} // namespace

TEST(SampleHostCommandLine, OptionsAndErrors)
{
    const HostOptions options = Parse("--browse 2 --project p.ini");
    EXPECT_EQ(2, options.browse);
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    EXPECT_EQ(std::string(folder) + (folder[strlen(folder) - 1] == '\\' ? "" : "\\") + "p.ini",
              options.project.str())
        << "a project named without a folder is the current folder's";
    EXPECT_TRUE(options.error.IsEmpty());
    EXPECT_EQ(1, Parse("--start-browser 1").startBrowser);
    EXPECT_EQ(0, Parse("--browse 0").browse);
    EXPECT_EQ(-1, Parse("--browse 0").startBrowser);
    const HostOptions selecting = Parse("--start-browser 0 --select Scripting.Dictionary.Item");
    EXPECT_EQ(0, selecting.startBrowser);
    EXPECT_EQ((_HistoryItem{"Scripting", "Dictionary", "Item"}), selecting.select);
    EXPECT_EQ((_HistoryItem{"stdole", "", ""}), Parse("--select stdole").select);
    for (const char* wrong : {"--start-browser 3", "--nothing", "--browse --nothing"})
        EXPECT_FALSE(Parse(wrong).error.IsEmpty()) << wrong;
}
