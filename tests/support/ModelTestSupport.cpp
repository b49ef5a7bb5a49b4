#include "tests/support/ModelTestSupport.h"
#include "typelib/TypeLibView.h"

void ModelTest::SetUp()
{
    ::CoInitialize(nullptr);
}

void ModelTest::TearDown()
{
    m_fixture.reset();
    m_registration.reset();
    ::CoUninitialize();
}

CTLib& ModelTest::Fixture()
{
    if (!m_fixture)
    {
        m_registration = std::make_unique<obrtest::RegisteredTypeLib>("BrowserFixture.tlb");
        EXPECT_EQ(S_OK, m_registration->Result());
        m_fixture = std::make_unique<CTLib>(kBrowserFixtureGuid, 1, 0, 0);
    }
    return *m_fixture;
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
