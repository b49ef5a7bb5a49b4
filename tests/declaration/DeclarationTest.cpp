// Plain Basic declarations of members, on the fixtures and on the Scripting runtime.
#include "declaration/CTDSVBBuilder.h"
#include "typelib/CTLibItemAggregate.h"
#include "tests/support/ModelTestSupport.h"
#include "typelib/ValueConversion.h"

using BasicDeclarationTest = BasicBuilderTest;

TEST_F(BasicDeclarationTest, FunctionsOfADispatchInterface)
{
    CTClass* shape = ClassNamed(Fixture(), "IShape");
    EXPECT_EQ("Sub Forget()", FunctionNamed(shape, "Forget", INVOKE_FUNC)->GetDeclaration(0));
    EXPECT_EQ("Sub Move(dx As Length, [dy As Long = 0])",
              FunctionNamed(shape, "Move", INVOKE_FUNC)->GetDeclaration(0));
    EXPECT_EQ("Property Area As Double", FunctionNamed(shape, "Area", INVOKE_PROPERTYGET)->GetDeclaration(0));
    EXPECT_EQ("Property Colour As Colour",
              FunctionNamed(shape, "Colour", INVOKE_PROPERTYGET)->GetDeclaration(0));
    CTFunction* show = FunctionNamed(shape, "Show", INVOKE_FUNC);
    const CString trueWord = show->GetParam(0)->GetDefaultValueText();
    EXPECT_EQ("Function Show([visible As Boolean = " + trueWord + "], [where As Variant]) As Boolean",
              show->GetDeclaration(0));
    // The plain form of a put lists the assigned value, which the library leaves unnamed here.
    EXPECT_EQ("Property Key( As String)", FunctionNamed(shape, "Key", INVOKE_PROPERTYPUT)->GetDeclaration(0));
    EXPECT_EQ("Property", FunctionNamed(shape, "Key", INVOKE_PROPERTYPUT)->GetKindName(0));
}

TEST_F(BasicDeclarationTest, VariablesAndConstantValues)
{
    CTLib& lib = Fixture();
    CTClass* colour = ClassNamed(lib, "Colour");
    EXPECT_EQ("Const colGreen = 15", VariableNamed(colour, "colGreen")->GetDeclaration(0));
    EXPECT_EQ("Const colBlue = 255 (&HFF)", VariableNamed(colour, "colBlue")->GetDeclaration(0));
    EXPECT_EQ("Const colNone = -2 (&HFFFFFFFE)", VariableNamed(colour, "colNone")->GetDeclaration(0));
    EXPECT_EQ("Const colRed = 0", VariableNamed(colour, "colRed")->GetDeclaration(0));
    EXPECT_EQ("Dispatch Count", VariableNamed(ClassNamed(lib, "_Visible"), "Count")->GetDeclaration(0));
    EXPECT_EQ("Member Variable x", VariableNamed(ClassNamed(lib, "Point"), "x")->GetDeclaration(0));
}

TEST_F(BasicDeclarationTest, KindLabelsOfTypesAndLibraries)
{
    CTLib& lib = Fixture();
    const std::pair<const char*, const char*> labels[] = {
        {"Colour", "Enum"}, {"Point", "Record"}, {"Number", "Union"},      {"IShape", "Class"},
        {"Shape", "Class"}, {"Length", "Alias"}, {"ShapeEvents", "Class"},
    };
    for (const auto& [name, label] : labels)
        EXPECT_EQ(label, ClassNamed(lib, name)->GetKindName(0)) << name;
    EXPECT_EQ("Library", lib.GetKindName(0));
    EXPECT_EQ("Long", ClassNamed(lib, "Length")->GetAliasTypeName(0));
    EXPECT_EQ("Colour", ClassNamed(lib, "Shade")->GetAliasTypeName(0));
}

TEST_F(BasicDeclarationTest, ScriptingRuntimeDeclarations)
{
    CTLib scripting(kScriptingLibraryGuid, 1, 0, 0);
    ASSERT_TRUE(scripting.IsLoaded());
    CTClass* dictionary = scripting.FindClass("IDictionary");
    EXPECT_EQ("Property Item(Key As Variant) As Variant",
              FunctionNamed(dictionary, "Item", INVOKE_PROPERTYGET)->GetDeclaration(0));
    // The library leaves the assigned value unnamed.
    EXPECT_EQ("Property Item(Key As Variant,  As Variant)",
              FunctionNamed(dictionary, "Item", INVOKE_PROPERTYPUT)->GetDeclaration(0));
    EXPECT_EQ("Function Exists(Key As Variant) As Boolean",
              FunctionNamed(dictionary, "Exists", INVOKE_FUNC)->GetDeclaration(0));
    CTClass* fileSystem = scripting.FindClass("IFileSystem");
    EXPECT_EQ(
        "Function OpenTextFile(FileName As String, [IOMode As IOMode = ForReading], [Create As Boolean = " +
            FunctionNamed(fileSystem, "OpenTextFile", INVOKE_FUNC)->GetParam(2)->GetDefaultValueText() +
            "], [Format As Tristate = TristateFalse]) As ITextStream",
        FunctionNamed(fileSystem, "OpenTextFile", INVOKE_FUNC)->GetDeclaration(0));
    // A text default is a Basic string literal, which the copied declaration needs to compile.
    CTClass* textStream = scripting.FindClass("ITextStream");
    EXPECT_EQ("Sub WriteLine([Text As String = \"\"])",
              FunctionNamed(textStream, "WriteLine", INVOKE_FUNC)->GetDeclaration(0));
}

TEST(BasicStringLiteral, QuotesAndDoublesInnerQuotes)
{
    EXPECT_EQ("\"\"", obr::BasicStringLiteral(""));
    EXPECT_EQ("\"a\"\"b\"", obr::BasicStringLiteral("a\"b"));
    EXPECT_EQ("\"Fin de ligne\"", obr::BasicStringLiteral("Fin de ligne"));
}
