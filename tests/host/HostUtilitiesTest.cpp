#include "host/util/HostUtilities.h"
#include "tests/support/KnownLibraries.h"
#include "tests/support/PlatformRecorder.h"
#include "host/util/TypeLibraryExtensions.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(KivMessageBox, ShowsTheTextWithAnOkButton)
{
    obrtest::PlatformRecorder platform;
    EXPECT_EQ(IDOK, KivMessageBox("Aucune bibliothèque n'a été chargée !", 0, 0, 0, -1));
    ASSERT_EQ(1u, platform.m_messages.size());
    EXPECT_EQ("Aucune bibliothèque n'a été chargée !", platform.m_messages[0]);
    EXPECT_EQ(0u, platform.m_messageTypes[0] & MB_TYPEMASK);
}

TEST(StringLoaders, LoadFromTheGivenModule)
{
    HMODULE browser = LoadLibraryA("objbrowser.dll");
    ASSERT_NE(nullptr, browser);
    EXPECT_EQ("Suivant", strGetString(12289, browser));
    const char* first = szGetString(12288, browser);
    EXPECT_STREQ("Précédent", first);
    EXPECT_STREQ("", szGetString(12305, browser));
    EXPECT_EQ("", strGetString(12288, GetModuleHandleA(nullptr)));
    FreeLibrary(browser);
}

TEST(TypeLibraryExtensions, KeepsOrderAndCopiesByAssignment)
{
    const GUID& stdole = kStdoleLibraryGuid;
    const GUID& scripting = kScriptingLibraryGuid;
    TypeLibraryExtensions list;
    EXPECT_EQ(0, list.count());
    list.Add(scripting, 1, 0);
    list.Add(stdole, 2, 0);

    TypeLibraryExtensions copy;
    copy = list;
    list.Clear();
    ASSERT_EQ(2, copy.count());
    EXPECT_TRUE(IsEqualGUID(scripting, copy.ItemGUID(0)));
    EXPECT_EQ(1, copy.ItemVerMajor(0));
    EXPECT_TRUE(IsEqualGUID(stdole, copy.ItemGUID(1)));
    EXPECT_EQ(2, copy.ItemVerMajor(1));
    EXPECT_EQ(0, copy.ItemVerMinor(1));
}
