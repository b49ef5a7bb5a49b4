// The model on type libraries of the Wine prefix that nobody here wrote.
#include "tests/support/ModelTestSupport.h"
#include "module/ModuleServices.h"
#include "module/WinHolders.h"

#include <cstdio>

namespace
{
ULONG ReferenceCount(IUnknown* object)
{
    object->AddRef();
    return object->Release();
}

struct Totals
{
    long libraries = 0, classes = 0, functions = 0, variables = 0, parameters = 0;
};

// Reads everything of a class the browser may ask for.
void Walk(CTClass* type, Totals& totals, int depth = 0)
{
    ++totals.classes;
    type->GetName();
    type->GetDescription();
    type->IsHidden();
    type->IsBrowsable();
    for (int i = 0; i < type->GetFunctionCount(); ++i)
    {
        CTFunction* function = type->GetFunction(i);
        ++totals.functions;
        function->GetName();
        function->GetKind();
        function->IsReadOnly();
        function->GetReturnTypeName(0);
        for (int p = 0; p < function->GetParamCount(); ++p)
        {
            CTParameter* parameter = function->GetParam(p);
            ++totals.parameters;
            parameter->GetName();
            parameter->GetTypeName(0);
            parameter->GetDefaultValueText();
        }
    }
    for (int i = 0; i < type->GetVariableCount(); ++i)
    {
        CTVariable* variable = type->GetVariable(i);
        ++totals.variables;
        CString text;
        // Read for the walk's sake: a variable that is no constant has no value.
        static_cast<void>(variable->GetConstValue(text));
        variable->GetName();
    }
    if (depth < 8)
        for (int i = 0; i < type->GetImplTypeCount(); ++i)
            Walk(type->GetImplType(i), totals, depth + 1);
}

} // namespace

TEST_F(ModelTest, ScriptingDictionaryAndOpenTextFile)
{
    CTLib scripting(kScriptingLibraryGuid, 1, 0, 0);
    ASSERT_TRUE(scripting.IsLoaded());
    EXPECT_EQ("Scripting", scripting.GetName());

    CTClass* dictionary = scripting.FindClass("IDictionary");
    ASSERT_NE(nullptr, dictionary);
    CTFunction* item = FunctionNamed(dictionary, "Item", INVOKE_PROPERTYGET);
    ASSERT_NE(nullptr, item);
    EXPECT_TRUE(item->IsDefaultMember());
    EXPECT_FALSE(item->IsReadOnly());
    EXPECT_EQ(3, dictionary->CountFunctions(item->GetMemberId())); // get, put and putref
    CTFunction* key = FunctionNamed(dictionary, "Key", INVOKE_PROPERTYPUT);
    ASSERT_NE(nullptr, key);
    EXPECT_EQ(nullptr, FunctionNamed(dictionary, "Key", INVOKE_PROPERTYGET));
    EXPECT_FALSE(key->HasSeveralAccessors());

    CTClass* fileSystem = scripting.FindClass("IFileSystem");
    ASSERT_NE(nullptr, fileSystem);
    CTFunction* open = FunctionNamed(fileSystem, "OpenTextFile", INVOKE_FUNC);
    ASSERT_NE(nullptr, open);
    ASSERT_EQ(4, open->GetParamCount()); // FileName, IOMode, Create, Format; the result is the return value
    EXPECT_EQ("FileName", open->GetParam(0)->GetName());
    EXPECT_EQ("ForReading", open->GetParam(1)->GetDefaultValueText());
    EXPECT_EQ("TristateFalse", open->GetParam(3)->GetDefaultValueText());
    EXPECT_EQ(scripting.FindClass("IOMode"), open->GetParam(1)->GetUserDefinedClass());
}

TEST_F(ModelTest, StdoleBasesAndReferenceCounts)
{
    ITypeLib* raw = nullptr;
    ASSERT_EQ(S_OK, ::LoadRegTypeLib(kStdoleLibraryGuid, 2, 0, 0, &raw));
    // Wine keeps a library's resolved references to types of imported libraries (stdole imports
    // itself) for the library's lifetime: a first walk lets it fill that cache, so that the count
    // compared afterwards is ours alone.
    {
        CTLib warmUp(kStdoleLibraryGuid, 2, 0, 0);
        Totals totals;
        for (int i = 0; i < warmUp.GetClassCount(); ++i)
            Walk(warmUp.GetClass(i), totals);
    }
    const ULONG before = ReferenceCount(raw);
    {
        CTLib stdole(kStdoleLibraryGuid, 2, 0, 0);
        ASSERT_TRUE(stdole.IsLoaded());
        EXPECT_EQ("stdole", stdole.GetName());
        CTClass* dispatch = stdole.FindClass("IDispatch");
        ASSERT_NE(nullptr, dispatch);
        ASSERT_EQ(1, dispatch->GetImplTypeCount());
        EXPECT_EQ("IUnknown", dispatch->GetImplType(0)->GetName());
        EXPECT_FALSE(dispatch->GetImplType(0)->IsBrowsable());
        Totals totals;
        for (int i = 0; i < stdole.GetClassCount(); ++i)
            Walk(stdole.GetClass(i), totals);
        EXPECT_GT(ReferenceCount(raw), before);
    }
    EXPECT_EQ(before, ReferenceCount(raw));
    raw->Release();
}

TEST_F(ModelTest, APlatformFaultReadingAMemberLeavesItOut)
{
    // ADO 2.8: Wine's oleaut32 faults inside GetFuncDesc on some members of its dispatch views.
    GUID ado;
    ASSERT_TRUE(ParseGuidText("{2A75196C-D9EB-4129-B803-931327F72D5C}", ado));
    CTLib library(ado, 2, 8, 0);
    if (!library.IsLoaded())
        GTEST_SKIP() << "ADO is not registered in this prefix";
    const long leftOutBefore = CTClass::MembersLeftOut();
    CTClass* fields = library.FindClass("Fields");
    ASSERT_NE(nullptr, fields);
    Totals totals;
    Walk(fields, totals);
    EXPECT_GT(CTClass::MembersLeftOut(), leftOutBefore);
    EXPECT_GT(totals.functions, 0);
}

TEST_F(ModelTest, EveryRegisteredLibraryCanBeWalked)
{
    RegistryKey typeLibs;
    ASSERT_TRUE(typeLibs.Open(HKEY_CLASSES_ROOT, "TypeLib"));
    Totals totals;
    const long leftOutBefore = CTClass::MembersLeftOut();
    for (const std::string& guidText : typeLibs.SubkeyNames())
    {
        GUID guid;
        RegistryKey versions;
        if (!ParseGuidText(guidText.c_str(), guid) || !versions.Open(typeLibs.Get(), guidText.c_str()))
            continue;
        for (const std::string& version : versions.SubkeyNames())
        {
            unsigned major = 0, minor = 0;
            if (std::sscanf(version.c_str(), "%x.%x", &major, &minor) != 2)
                continue;
            CTLib library(guid, static_cast<WORD>(major), static_cast<WORD>(minor), 0);
            if (!library.IsLoaded())
                continue;
            ++totals.libraries;
            for (int c = 0; c < library.GetClassCount(); ++c)
                Walk(library.GetClass(c), totals);
        }
    }
    std::printf("walked %ld libraries, %ld classes, %ld functions, %ld variables, %ld parameters; "
                "%ld members left out by the platform\n",
                totals.libraries, totals.classes, totals.functions, totals.variables, totals.parameters,
                CTClass::MembersLeftOut() - leftOutBefore);
    EXPECT_GT(totals.libraries, 20);
    EXPECT_GT(totals.functions, 1000);
}
