// Where a library uses a type, without a window: the members that return it and take it, and the
// types that implement it, on a fixture built for it and across libraries.
#include "tests/support/ModelTestSupport.h"
#include "typelib/TypeLibView.h"
#include "typelib/TypeUsage.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace
{
// "Type.Member" (or "Type" for an implementer) of each hit, and whether it is hidden ("!").
std::vector<std::string> Hits(const TypeUsage::Index& index, TypeUsage::Use use, CTClass* type)
{
    std::vector<std::string> hits;
    index.ForEach(use, TypeUsage::KeysOf(type),
                  [&](const TypeUsage::Index::Hit& hit)
                  {
                      std::string text = hit.type->GetName().str();
                      if (hit.member)
                          text += "." + hit.member->GetName().str();
                      hits.push_back(text + (hit.hidden ? "!" : ""));
                  });
    return hits;
}
} // namespace

TEST_F(ModelTest, AMemberReturnsOrTakesATypeThroughAliasesPointersDefaultInterfacesAndLibraries)
{
    CTLib& library = Fixture("BrowserUsageFixture.tlb", kUsageFixtureGuid);
    ASSERT_TRUE(library.IsLoaded());
    const TypeUsage::Index index(&library);

    // The coclass Thing stands for IThing: returned directly, through the alias of a pointer, as a
    // property (one row for the getter and the setter), and by a hidden member.
    CTClass* thing = ShownClass(library, "Thing");
    ASSERT_NE(nullptr, thing);
    EXPECT_THAT(Hits(index, TypeUsage::kReturns, thing),
                ElementsAre("Maker.MakeThing", "Maker.MakeReference", "Maker.Current", "Maker.SecretThing!"));
    // Taken as the second parameter (the setter's value is the property's type, not taken).
    EXPECT_THAT(Hits(index, TypeUsage::kTakes, thing), ElementsAre("Maker.UseThing"));
    EXPECT_THAT(Hits(index, TypeUsage::kImplements, thing), IsEmpty());

    // One stands for IBase: the interface derived from it and the coclass that has it beside
    // another default implement it; One itself does not count.
    CTClass* base = ShownClass(library, "One");
    ASSERT_NE(nullptr, base);
    EXPECT_THAT(Hits(index, TypeUsage::kImplements, base), ElementsAre("IDerived", "Two"));
    EXPECT_THAT(Hits(index, TypeUsage::kReturns, ShownClass(library, "Maker")), IsEmpty());
    EXPECT_GT(index.GetUseCount(), 10u);

    // A member returning another library's type is found under that type.
    CTLib stdole(kStdoleLibraryGuid, 2, 0, 0);
    ASSERT_TRUE(stdole.IsLoaded());
    CTClass* font = ShownClass(stdole, "StdFont");
    ASSERT_NE(nullptr, font);
    EXPECT_THAT(Hits(index, TypeUsage::kReturns, font), ElementsAre("Maker.TitleFont"));
    // A type of no named kind (a number) is nobody's.
    EXPECT_THAT(Hits(index, TypeUsage::kReturns, nullptr), IsEmpty());
}

TEST(TypeUsage, TheSearchBoxQuestionsAreReadInTheirThreeForms)
{
    TypeUsage::Use use = TypeUsage::kTakes;
    std::string name;
    ASSERT_TRUE(TypeUsage::ParseQuestion("  as   Dictionary ", use, name));
    EXPECT_EQ(TypeUsage::kReturns, use);
    EXPECT_EQ("Dictionary", name);
    ASSERT_TRUE(TypeUsage::ParseQuestion("(IThing)", use, name));
    EXPECT_EQ(TypeUsage::kTakes, use);
    EXPECT_EQ("IThing", name);
    ASSERT_TRUE(TypeUsage::ParseQuestion("IMPLEMENTS IFoo", use, name));
    EXPECT_EQ(TypeUsage::kImplements, use);
    EXPECT_EQ("IFoo", name);
    // Names, and questions without one or with more than one word, are no questions.
    for (const char* text :
         {"Dictionary", "as", "As ", "()", "( )", "As New Dictionary", "Assert", "(a)(b)", ""})
        EXPECT_FALSE(TypeUsage::ParseQuestion(text, use, name)) << text;
}

TEST_F(ModelTest, UsesInRealLibraries)
{
    CTLib scripting(kScriptingLibraryGuid, 1, 0, 0);
    CTLib mshtml(kMshtmlLibraryGuid, 4, 0, 0);
    ASSERT_TRUE(scripting.IsLoaded());
    ASSERT_TRUE(mshtml.IsLoaded());
    // No member of the Scripting runtime returns a Dictionary (one is made with CreateObject); its
    // files come from the file system object, their folder and their collection.
    const TypeUsage::Index scriptingUses(&scripting);
    EXPECT_THAT(Hits(scriptingUses, TypeUsage::kReturns, ShownClass(scripting, "Dictionary")), IsEmpty());
    EXPECT_THAT(Hits(scriptingUses, TypeUsage::kReturns, ShownClass(scripting, "File")),
                ::testing::IsSupersetOf({"FileSystemObject.GetFile", "Files.Item"}));
    // MSHTML's elements: the document's body and the element it makes, an element's parent; not
    // the document's title (a string) nor its collection of all elements.
    const TypeUsage::Index mshtmlUses(&mshtml);
    const std::vector<std::string> element =
        Hits(mshtmlUses, TypeUsage::kReturns, ShownClass(mshtml, "IHTMLElement"));
    EXPECT_THAT(element,
                ::testing::IsSupersetOf({"IHTMLDocument2.body", "IHTMLDocument2.createElement",
                                         "IHTMLDocument2.elementFromPoint", "IHTMLElement.parentElement"}));
    EXPECT_THAT(element, ::testing::Not(::testing::Contains("IHTMLDocument2.title")));
    EXPECT_THAT(element, ::testing::Not(::testing::Contains("IHTMLDocument2.all")));
}
