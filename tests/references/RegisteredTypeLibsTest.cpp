// The walk of the registered type libraries, on registry trees of the tests' own making.
#include "references/RegisteredTypeLibs.h"
#include "module/ModuleServices.h"
#include "tests/support/ScopedClassesRoot.h"
#include "tests/support/TestPaths.h"

#include <objbase.h>

#include <gmock/gmock.h>
#include <string>
#include <vector>

using ::testing::ElementsAre;

namespace
{
const char kGuidA[] = "{0A000000-0000-0000-0000-00000000000A}";
const char kGuidB[] = "{0B000000-0000-0000-0000-00000000000B}";
const char kGuidC[] = "{0C000000-0000-0000-0000-00000000000C}";

std::vector<std::string> Names(const TypeLibTable& table)
{
    std::vector<std::string> names;
    for (const TLVLibId& entry : table)
        names.push_back(entry.strName.GetString());
    return names;
}

class RegisteredTypeLibsTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_root.IsInPlace()); }
    obrtest::ScopedClassesRoot m_root;
};
} // namespace

TEST_F(RegisteredTypeLibsTest, EachVersionWithADescriptionIsAnEntry)
{
    ASSERT_TRUE(m_root.AddLibrary(kGuidA, "1.a", "Alpha", "409", "win64", "C:\\alpha.tlb"));
    ASSERT_TRUE(m_root.AddLibrary(kGuidA, "2.0", "Alpha"));
    ASSERT_TRUE(m_root.AddLibrary(kGuidB, "1.0", "")); // no description: not offered
    TypeLibTable table;
    EXPECT_TRUE(EnumRegisteredTypeLibs(table));
    ASSERT_THAT(Names(table), ElementsAre("Alpha (1.a)", "Alpha (2.0)"));
    const TLVLibId& first = table[0];
    EXPECT_EQ(1, first.wMajor);
    EXPECT_EQ(10, first.wMinor);
    EXPECT_EQ(0x409u, first.lcid);
    EXPECT_EQ("C:\\alpha.tlb", first.strPath);
    GUID a;
    ASSERT_TRUE(ParseGuidText("{0A000000-0000-0000-0000-00000000000A}", a));
    EXPECT_TRUE(IsEqualGUID(a, first.guid));
    // Two versions of one library and locale are the same library.
    EXPECT_EQ(0u, table[1].lcid);
    EXPECT_FALSE(table[0] == table[1]);
    TLVLibId sameLocale = table[0];
    sameLocale.wMajor = 7;
    sameLocale.strName = "autre";
    EXPECT_TRUE(sameLocale == table[0]);
}

TEST_F(RegisteredTypeLibsTest, TheRunningBuildsPlatformKeyComesFirst)
{
    ASSERT_TRUE(m_root.AddLibrary(kGuidA, "1.0", "Sixty-four", "0", "win64", "C:\\64.tlb"));
    ASSERT_TRUE(m_root.SetKey(std::string("TypeLib\\") + kGuidA + "\\1.0\\0\\win32", "C:\\32.tlb"));
    ASSERT_TRUE(m_root.AddLibrary(kGuidB, "1.0", "Sixteen", "0", "win16", "C:\\16.tlb"));
    TypeLibTable table;
    EXPECT_TRUE(EnumRegisteredTypeLibs(table));
    ASSERT_EQ(2u, table.size());
    EXPECT_EQ(sizeof(void*) == 8 ? "C:\\64.tlb" : "C:\\32.tlb", table[0].strPath);
    EXPECT_EQ("C:\\16.tlb", table[1].strPath);
}

TEST_F(RegisteredTypeLibsTest, ABadRegistrationIsLeftOutAndTheWalkGoesOn)
{
    // A locale key without any platform key, a version that is no key's text, an over-long key
    // name ahead of a sound library: each is passed over.
    ASSERT_TRUE(m_root.SetKey(std::string("TypeLib\\") + kGuidA + "\\1.0", "Broken"));
    ASSERT_TRUE(m_root.SetKey(std::string("TypeLib\\") + kGuidA + "\\1.0\\0\\nowhere", "C:\\x.tlb"));
    ASSERT_TRUE(m_root.SetKey("TypeLib\\" + std::string(200, '0'), "long"));
    ASSERT_TRUE(m_root.AddLibrary(kGuidB, "1.0", "Sound"));
    ASSERT_TRUE(m_root.AddLibrary(kGuidC, "1.0", "Also sound"));
    TypeLibTable table;
    EXPECT_FALSE(EnumRegisteredTypeLibs(table));
    EXPECT_THAT(Names(table), ElementsAre("Sound (1.0)", "Also sound (1.0)"));
}

TEST_F(RegisteredTypeLibsTest, NoTypeLibKeyGivesAnEmptyTable)
{
    TypeLibTable table(1);
    EXPECT_FALSE(EnumRegisteredTypeLibs(table));
    EXPECT_TRUE(table.empty());
}

TEST(SortByName, LetterCaseIsIgnored)
{
    TypeLibTable table(4);
    table[0].strName = "ABD";
    table[1].strName = "abc";
    table[2].strName = "Zeta";
    table[3].strName = "alpha";
    SortByName(table);
    EXPECT_THAT(Names(table), ElementsAre("abc", "ABD", "alpha", "Zeta"));
}

TEST_F(RegisteredTypeLibsTest, AReferenceStandsForItsVersionWhoseFileIsThereOrSaysWhyNot)
{
    obrtest::TemporaryFolder files("obr-registered");
    const std::string present = files.Write("present.dll", "");
    auto reference = [](const char* guid, WORD major, LCID lcid = 0)
    {
        TLVLibId id = {};
        EXPECT_TRUE(ParseGuidText(guid, id.guid)) << guid;
        id.wMajor = major;
        id.lcid = lcid;
        return id;
    };
    ASSERT_TRUE(m_root.AddLibrary(kGuidA, "1.0", "Alpha", "0", "win64", (present + "\\2").c_str()));
    ASSERT_TRUE(m_root.AddLibrary(kGuidA, "1.1", "Alpha"));
    ASSERT_TRUE(m_root.AddLibrary(kGuidB, "1.0", "Bravo", "0", "arm64", "C:\\arm\\bravo.tlb"));
    ASSERT_TRUE(m_root.AddLibrary(kGuidC, "1.0", "Charlie", "0", "win64", files.File("parti.tlb").c_str()));
    // Registered for German with a sort order: the walk keeps the language, the library's
    // attributes the whole locale; both are the same library.
    ASSERT_TRUE(m_root.AddLibrary(kGuidC, "2.0", "Charlie", "10407", "win64", present.c_str()));
    TypeLibTable table;
    EnumRegisteredTypeLibs(table);

    // A module's second type library counts as its file.
    EXPECT_NE(nullptr, FindRegistered(table, reference(kGuidA, 1)));
    EXPECT_NE(nullptr, FindRegistered(table, reference(kGuidC, 2, 0x10407)));
    EXPECT_EQ(nullptr, FindRegistered(table, reference(kGuidC, 2, 0x40C)));

    struct Case
    {
        TLVLibId reference;
        std::string why;
    };
    const Case cases[] = {
        {reference("{0D000000-0000-0000-0000-00000000000D}", 1), "Bibliothèque non inscrite"},
        {reference(kGuidA, 3), "Inscrite dans une autre version : 1.0, 1.1"},
        {reference(kGuidB, 1), "Inscrite pour une autre plateforme : arm64"},
        {reference(kGuidC, 1), "Fichier introuvable : " + files.File("parti.tlb")},
        {reference(kGuidC, 2, 0x40C), "Inscrite pour une autre langue : " + LanguageName(0x407).str()},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(nullptr, FindRegistered(table, c.reference)) << c.why;
        EXPECT_EQ(c.why, WhyMissing(c.reference).str());
    }
}
