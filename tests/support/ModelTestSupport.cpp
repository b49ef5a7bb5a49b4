#include "tests/support/ModelTestSupport.h"
#include "typelib/TypeLibView.h"

void ModelTest::SetUp()
{
    ::CoInitialize(nullptr);
}

void ModelTest::TearDown()
{
    m_fixtures.clear();
    ::CoUninitialize();
}

CTLib& ModelTest::Fixture(const char* file, const GUID& guid)
{
    for (Loaded& loaded : m_fixtures)
        if (loaded.file == file)
            return *loaded.library;
    Loaded loaded{file, std::make_unique<obrtest::RegisteredTypeLib>(file), nullptr};
    EXPECT_EQ(S_OK, loaded.registration->Result()) << file;
    loaded.library = std::make_unique<CTLib>(guid, 1, 0, 0);
    EXPECT_TRUE(loaded.library->IsLoaded()) << file;
    m_fixtures.push_back(std::move(loaded));
    return *m_fixtures.back().library;
}

CTClass* ModelTest::ClassNamed(CTLib& library, const char* name)
{
    return library.FindClass(name);
}

CTFunction* ModelTest::FunctionNamed(CTClass* type, const char* name, INVOKEKIND kind)
{
    for (int i = 0; type && i < type->GetFunctionCount(); ++i)
    {
        CTFunction* function = type->GetFunction(i);
        if (function->GetName() == name && function->GetInvokeKind() == kind)
            return function;
    }
    return nullptr;
}

CTVariable* ModelTest::VariableNamed(CTClass* type, const char* name)
{
    for (int i = 0; type && i < type->GetVariableCount(); ++i)
        if (type->GetVariable(i)->GetName() == name)
            return type->GetVariable(i);
    return nullptr;
}

CTClass* ShownClass(CTLib& library, const char* name)
{
    for (CTClass* type : TypeLibView::ShownClasses(&library, false))
        if (type->GetName() == name)
            return type;
    ADD_FAILURE() << name << " is not shown";
    return nullptr;
}
