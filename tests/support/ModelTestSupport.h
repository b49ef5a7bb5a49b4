// Shared by the type-library model tests: COM, a recording declaration builder, the registered
// fixture library and lookups by name.
#pragma once

#include "typelib/CTClass.h"
#include "declaration/CTDSBuilder.h"
#include "typelib/CTFunction.h"
#include "typelib/CTLib.h"
#include "typelib/CTParameter.h"
#include "typelib/CTVariable.h"
#include "tests/support/KnownLibraries.h"
#include "tests/support/RegisteredTypeLib.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// Puts a builder in place of the current one for a scope, and the earlier one back at its end,
// however the scope ends (a failed ASSERT returns early). Null stands for the module's own.
class ScopedBuilder
{
public:
    explicit ScopedBuilder(CTDSBuilder* builder) : m_previous(SetBuilderForTests(builder)) {}
    ~ScopedBuilder() { SetBuilderForTests(m_previous); }
    ScopedBuilder(const ScopedBuilder&) = delete;
    ScopedBuilder& operator=(const ScopedBuilder&) = delete;

private:
    CTDSBuilder* m_previous;
};

// Answers every text request with the operation's name and records it; a type name is "vt<n>".
class RecordingBuilder : public CTDSBuilder
{
public:
    RecordingBuilder() : m_previous(SetBuilderForTests(this)) {}
    ~RecordingBuilder() override { SetBuilderForTests(m_previous); }

    void DescribeBrowserItem(CBrowserItem*, CRTFBuilder&) override
    {
        m_calls.push_back("DescribeBrowserItem");
    }
    void DescribeFunction(CTFunction*, CRTFBuilder&) override { m_calls.push_back("DescribeFunction"); }
    void DescribeVariable(CTVariable*, CRTFBuilder&) override { m_calls.push_back("DescribeVariable"); }
    void DescribeClass(CTClass*, CRTFBuilder&) override { m_calls.push_back("DescribeClass"); }
    void DescribeLibrary(CTLib*, CRTFBuilder&) override { m_calls.push_back("DescribeLibrary"); }
    void WriteVariableDeclaration(CTVariable*, CRTFBuilder&) override {}
    void WriteSyntax(CBrowserItem*, CRTFBuilder&) override {}
    void WriteParameter(CTParameter*, CRTFBuilder&) override {}
    void WriteFunctionDeclaration(CTFunction*, CRTFBuilder&) override {}
    CString GetParameterText(CTParameter*) override { return "GetParameterText"; }
    CString GetFunctionDeclaration(CTFunction*) override { return "GetFunctionDeclaration"; }
    CString GetVariableDeclaration(CTVariable*) override { return "GetVariableDeclaration"; }
    CString GetLibraryKindName(CTLib*) override { return "GetLibraryKindName"; }
    CString GetFunctionKindName(CTFunction*) override { return "GetFunctionKindName"; }
    CString GetVariableKindName(CTVariable*) override { return "GetVariableKindName"; }
    CString GetClassKindName(CTClass*) override { return "GetClassKindName"; }
    CString GetTypeName(TYPEDESC* type, ITypeInfo* context) override
    {
        if (context)
            context->Release();
        CString name;
        name.Format("vt%d", type->vt);
        return name;
    }

    std::vector<std::string> m_calls;

private:
    CTDSBuilder* m_previous;
};

class ModelTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A fixture library of the build (the browser fixture by default), registered for the rest of
    // the test and loaded as a CTLib.
    CTLib& Fixture(const char* file = "BrowserFixture.tlb", const GUID& guid = kBrowserFixtureGuid);
    static CTClass* ClassNamed(CTLib& library, const char* name);
    static CTFunction* FunctionNamed(CTClass* type, const char* name, INVOKEKIND kind);
    static CTVariable* VariableNamed(CTClass* type, const char* name);

    RecordingBuilder m_builder;

private:
    // Members end in reverse order: the library goes before its registration.
    struct Loaded
    {
        std::string file;
        std::unique_ptr<obrtest::RegisteredTypeLib> registration;
        std::unique_ptr<CTLib> library;
    };
    std::vector<Loaded> m_fixtures;
};

// The model with the module's own Basic builder in place of the recording one.
class BasicBuilderTest : public ModelTest
{
protected:
    void SetUp() override
    {
        ModelTest::SetUp();
        m_basic = std::make_unique<ScopedBuilder>(nullptr);
    }
    void TearDown() override
    {
        m_basic.reset();
        ModelTest::TearDown();
    }

private:
    std::unique_ptr<ScopedBuilder> m_basic;
};

// The names of the items (types, members, library items), in their order.
template <typename Items> std::vector<std::string> Names(const Items& items)
{
    std::vector<std::string> names;
    for (auto* item : items)
        names.push_back(item->GetName().str());
    return names;
}

// The type the classes list shows under that name (the listing rules' display names); null, and a
// failure of the test, when it shows none.
CTClass* ShownClass(CTLib& library, const char* name);
