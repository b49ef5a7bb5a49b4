// What a browser remembers of its user under the host's settings key: the stored values and how
// damaged ones are passed over, where a stored window comes back, and a new object of the object
// browser opening as the last one was left.
#include "browser/BrowserSettings.h"
#include "tests/browser/TypeLibBrowserTestSupport.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;

namespace
{
BrowserSettings EverySetting()
{
    BrowserSettings settings;
    settings.hasPlacement = true;
    settings.window = {40, 30, 740, 550};
    settings.classesShare = 312;
    settings.descriptionShare = 655;
    settings.groupMembers = 0;
    settings.showHidden = 1;
    settings.selection = {"ObrFixture", "Shape", "Move"};
    settings.searches = {"Move", "Shape"};
    settings.recentEntries = {"Sgn", "Abs"};
    return settings;
}

void SetValue(HKEY key, const char* name, DWORD type, const void* data, DWORD size)
{
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size))
        << name;
}
} // namespace

TEST(BrowserSettings, EverySettingComesBackForItsBrowserTypeAndNothingWithoutAKey)
{
    ScopedSettingsKey key(false);
    const BrowserSettings stored = EverySetting();
    ASSERT_TRUE(stored.Write(key.Name().c_str(), BROWSER_CATALOG1));

    const BrowserSettings read = BrowserSettings::Read(key.Name().c_str(), BROWSER_CATALOG1);
    EXPECT_TRUE(read.hasPlacement);
    EXPECT_TRUE(EqualRect(&stored.window, &read.window));
    EXPECT_FALSE(read.maximized);
    EXPECT_EQ(312, read.classesShare);
    EXPECT_EQ(655, read.descriptionShare);
    EXPECT_EQ(0, read.groupMembers);
    EXPECT_EQ(1, read.showHidden);
    EXPECT_TRUE(read.selection == stored.selection);
    EXPECT_THAT(read.searches, ElementsAre("Move", "Shape"));
    EXPECT_THAT(read.recentEntries, ElementsAre("Sgn", "Abs"));

    // Each browser type has its own; a type never shown has nothing.
    const BrowserSettings formula = BrowserSettings::Read(key.Name().c_str(), BROWSER_CATALOG2);
    EXPECT_FALSE(formula.hasPlacement);
    EXPECT_EQ(-1, formula.showHidden);
    EXPECT_TRUE(formula.recentEntries.empty());

    // Without a key nothing is read or written.
    EXPECT_FALSE(stored.Write("", BROWSER_TYPELIB));
    EXPECT_FALSE(stored.Write(nullptr, BROWSER_TYPELIB));
    EXPECT_FALSE(BrowserSettings::Read(nullptr, BROWSER_CATALOG1).hasPlacement);
}

TEST(BrowserSettings, ADamagedValueOfEachKindLeavesTheOthersRemembered)
{
    ScopedSettingsKey key(false);
    ASSERT_TRUE(EverySetting().Write(key.Name().c_str(), BROWSER_TYPELIB));
    HKEY stored = key.OpenType("TypeLibraries");
    ASSERT_NE(nullptr, stored);
    const DWORD outOfRange = 5000, notABoolean = 7, aNumber = 3;
    SetValue(stored, "Placement", REG_SZ, "40,30", 6);                              // wrong type
    SetValue(stored, "ClassesSplitter", REG_DWORD, &outOfRange, sizeof outOfRange); // out of range
    SetValue(stored, "GroupMembers", REG_DWORD, &notABoolean, sizeof notABoolean);
    SetValue(stored, "Library", REG_DWORD, &aNumber, sizeof aNumber);
    SetValue(stored, "Searches", REG_SZ, "Move", 5);

    BrowserSettings read = BrowserSettings::Read(key.Name().c_str(), BROWSER_TYPELIB);
    EXPECT_FALSE(read.hasPlacement);
    EXPECT_EQ(0, read.classesShare);
    EXPECT_EQ(-1, read.groupMembers);
    EXPECT_EQ("", read.selection.strLibrary);
    EXPECT_TRUE(read.searches.empty());
    // The others are still there.
    EXPECT_EQ(655, read.descriptionShare);
    EXPECT_EQ(1, read.showHidden);
    EXPECT_EQ("Shape", read.selection.strClass);
    EXPECT_EQ("Move", read.selection.strMember);

    // A placement of a newer layout, or of the right size with an empty window, is not read.
    struct
    {
        DWORD layout;
        LONG left, top, right, bottom;
        DWORD maximized;
    } newer = {2, 40, 30, 740, 550, 0}, empty = {1, 40, 30, 40, 550, 0};
    SetValue(stored, "Placement", REG_BINARY, &newer, sizeof newer);
    EXPECT_FALSE(BrowserSettings::Read(key.Name().c_str(), BROWSER_TYPELIB).hasPlacement);
    SetValue(stored, "Placement", REG_BINARY, &empty, sizeof empty);
    EXPECT_FALSE(BrowserSettings::Read(key.Name().c_str(), BROWSER_TYPELIB).hasPlacement);
    ::RegCloseKey(stored);
}

TEST(BrowserSettings, TheRecentEntriesAreNewestFirstEachOnceAndTheTenLast)
{
    BrowserSettings settings;
    for (const char* name : {"Abs", "Mod", "Sgn", "Abs"})
        settings.NoteChosenEntry(name);
    EXPECT_THAT(settings.recentEntries, ElementsAre("Abs", "Sgn", "Mod"));
    for (int i = 0; i < 8; ++i)
    {
        CString name;
        name.Format("F%d", i);
        settings.NoteChosenEntry(name);
    }
    ASSERT_EQ(size_t{BrowserSettings::kMostRecentEntries}, settings.recentEntries.size());
    EXPECT_EQ("F7", settings.recentEntries.front());
    EXPECT_EQ("Sgn", settings.recentEntries.back()); // Mod, the oldest, pushed out
}

TEST(BrowserSettings, AStoredWindowComesBackWholeOnAMonitorThatExists)
{
    MONITORINFO primary = {};
    primary.cbSize = sizeof primary;
    ASSERT_TRUE(GetMonitorInfoA(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &primary));
    const RECT& area = primary.rcWork;
    const SIZE least = {300, 200};

    // On a monitor since removed: on the primary one's work area, its size kept.
    RECT place = PlaceOnAMonitor(RECT{-5000, -4000, -4300, -3500}, least);
    EXPECT_EQ(area.left, place.left);
    EXPECT_EQ(area.top, place.top);
    EXPECT_EQ(700, place.right - place.left);
    EXPECT_EQ(500, place.bottom - place.top);

    // Half off the right edge: pulled in. Larger than the work area: the work area. Smaller than
    // the layout allows: the least size.
    place = PlaceOnAMonitor(RECT{area.right - 100, area.top + 10, area.right + 300, area.top + 310}, least);
    EXPECT_EQ(area.right, place.right);
    EXPECT_EQ(area.top + 10, place.top);
    place = PlaceOnAMonitor(RECT{area.left - 50, area.top - 50, area.right + 50, area.bottom + 50}, least);
    EXPECT_TRUE(EqualRect(&area, &place));
    place = PlaceOnAMonitor(RECT{area.left + 10, area.top + 10, area.left + 60, area.top + 40}, least);
    EXPECT_EQ(300, place.right - place.left);
    EXPECT_EQ(200, place.bottom - place.top);
}

TEST_F(TypeLibBrowserTest, ANewObjectBrowserOpensAsTheLastOneWasLeft)
{
    Register("BrowserFixture.tlb");
    ScopedSettingsKey key;
    CRect window;
    CRect vertical, horizontal;
    auto first = MakeBrowser({{kBrowserFixtureGuid, 1, 0}});
    RunModal(*first,
             [&](CBrowserDlg& d)
             {
                 d.SetWindowPos(nullptr, 60, 40, 760, 560, SWP_NOZORDER);
                 // Both splitters dragged, both options changed, two searches, a member chosen.
                 const CRect v = d.m_rcVSplitter;
                 d.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(v.left + 1, v.top + 20));
                 d.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(v.left + 90, v.top + 20));
                 const CRect h = d.m_rcHSplitter;
                 d.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(h.left + 40, h.top + 1));
                 d.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(h.left + 40, h.top - 60));
                 d.SendMessage(WM_COMMAND, ID_GROUPMEMBERS);
                 d.SendMessage(WM_COMMAND, ID_SHOWHIDDEN);
                 d.RunSearch("Move");
                 d.RunSearch("Shape");
                 Choose(d.m_pClassesList, "Shape");
                 Choose(d.m_pMembersList, "Move");
                 d.GetWindowRect(&window);
                 vertical = d.m_rcVSplitter;
                 horizontal = d.m_rcHSplitter;
             });
    ASSERT_NE(0, vertical.left);

    auto second = MakeBrowser({{kBrowserFixtureGuid, 1, 0}});
    RunModal(*second,
             [&](CBrowserDlg& d)
             {
                 CRect now;
                 d.GetWindowRect(&now);
                 EXPECT_TRUE(EqualRect(&window, &now));
                 EXPECT_NEAR(vertical.left, d.m_rcVSplitter.left, 1);
                 EXPECT_NEAR(horizontal.bottom, d.m_rcHSplitter.bottom, 1);
                 EXPECT_FALSE(d.m_bGroupMembers);
                 EXPECT_TRUE(d.m_bShowHidden);
                 EXPECT_EQ("Shape", SelectedText(d.m_pClassesList));
                 EXPECT_EQ("Move", SelectedText(d.m_pMembersList));
                 EXPECT_THAT(d.SearchPane().RememberedSearches(), ElementsAre("Shape", "Move"));
             });

    // Everything stored damaged: the browser still opens, as it would the first time.
    HKEY stored = key.OpenType("TypeLibraries");
    ASSERT_NE(nullptr, stored);
    for (const char* name : {"Placement", "ClassesSplitter", "DescriptionSplitter", "GroupMembers",
                             "ShowHidden", "Library", "Class", "Member", "Searches"})
        SetValue(stored, name, REG_BINARY, "\xff", 1);
    ::RegCloseKey(stored);
    auto third = MakeBrowser({{kBrowserFixtureGuid, 1, 0}});
    RunModal(*third,
             [&](CBrowserDlg& d)
             {
                 EXPECT_TRUE(d.m_bGroupMembers);
                 EXPECT_FALSE(d.m_bShowHidden);
                 EXPECT_EQ("<globals>", SelectedText(d.m_pClassesList));
             });
}

TEST_F(TypeLibBrowserTest, WithoutASettingsKeyNothingIsWritten)
{
    Register("BrowserFixture.tlb");
    ScopedSettingsKey key(false);
    auto dialog = MakeBrowser({{kBrowserFixtureGuid, 1, 0}});
    RunModal(*dialog,
             [&](CBrowserDlg& d)
             {
                 d.SendMessage(WM_COMMAND, ID_SHOWHIDDEN);
                 Choose(d.m_pClassesList, "Shape");
             });
    EXPECT_FALSE(key.Exists());
}
