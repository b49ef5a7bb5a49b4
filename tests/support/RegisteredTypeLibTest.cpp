// The registration every fixture test relies on: in place while its holder lives, gone after.
#include "tests/support/KnownLibraries.h"
#include "tests/support/RegisteredTypeLib.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

TEST(RegisteredTypeLib, RegistersWhileAliveAndUnregistersAfterwards)
{
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    ITypeLib* lib = nullptr;
    {
        obrtest::RegisteredTypeLib fixture("BrowserFixture.tlb");
        ASSERT_EQ(S_OK, fixture.Result()) << fixture.Path();
        EXPECT_TRUE(IsEqualGUID(kBrowserFixtureGuid, fixture.Attributes().guid));
        EXPECT_EQ(1, fixture.Attributes().wMajorVerNum);
        EXPECT_EQ(0, fixture.Attributes().wMinorVerNum);
        ASSERT_EQ(S_OK, LoadRegTypeLib(kBrowserFixtureGuid, 1, 0, 0, &lib));
        BSTR name = nullptr;
        ASSERT_EQ(S_OK, lib->GetDocumentation(-1, &name, nullptr, nullptr, nullptr));
        EXPECT_EQ("ObrFixture", obrtest::Narrow(name));
        SysFreeString(name);
        lib->Release();
        lib = nullptr;
        EXPECT_TRUE(FAILED(obrtest::RegisteredTypeLib("NoSuchFixture.tlb").Result()));
    }
    EXPECT_EQ(TYPE_E_LIBNOTREGISTERED, LoadRegTypeLib(kBrowserFixtureGuid, 1, 0, 0, &lib));
    EXPECT_EQ(nullptr, lib);
    CoUninitialize();
}
