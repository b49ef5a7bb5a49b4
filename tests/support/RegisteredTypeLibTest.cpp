#include "tests/support/RegisteredTypeLib.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>
#include <set>

namespace
{
const GUID kFixtureGuid = {0x6b71a616, 0xbf9f, 0x424a, {0x9d, 0x30, 0x65, 0x89, 0xd9, 0xcf, 0x0a, 0xce}};

struct ComApartment
{
    ComApartment() { CoInitialize(nullptr); }
    ~ComApartment() { CoUninitialize(); }
};

std::string TypeName(ITypeLib* lib, UINT index)
{
    BSTR name = nullptr;
    if (FAILED(lib->GetDocumentation(static_cast<INT>(index), &name, nullptr, nullptr, nullptr)))
        return {};
    std::string text = obrtest::Narrow(name);
    SysFreeString(name);
    return text;
}
} // namespace

TEST(RegisteredTypeLib, RegistersWhileAliveAndUnregistersAfterwards)
{
    ComApartment com;
    {
        obrtest::RegisteredTypeLib fixture("BrowserFixture.tlb");
        ASSERT_EQ(S_OK, fixture.Result()) << fixture.Path();
        EXPECT_TRUE(IsEqualGUID(kFixtureGuid, fixture.Attributes().guid));
        EXPECT_EQ(1, fixture.Attributes().wMajorVerNum);
        EXPECT_EQ(0, fixture.Attributes().wMinorVerNum);

        ITypeLib* lib = nullptr;
        ASSERT_EQ(S_OK, LoadRegTypeLib(kFixtureGuid, 1, 0, 0, &lib));
        EXPECT_EQ("ObrFixture", TypeName(lib, static_cast<UINT>(-1)));
        lib->Release();
    }
    ITypeLib* lib = nullptr;
    EXPECT_EQ(TYPE_E_LIBNOTREGISTERED, LoadRegTypeLib(kFixtureGuid, 1, 0, 0, &lib));
    EXPECT_EQ(nullptr, lib);
}

TEST(RegisteredTypeLib, MissingFileRegistersNothing)
{
    ComApartment com;
    obrtest::RegisteredTypeLib missing("NoSuchFixture.tlb");
    EXPECT_TRUE(FAILED(missing.Result()));
}

TEST(RegisteredTypeLib, BrowserFixtureHoldsOneTypeOfEachKind)
{
    ComApartment com;
    ITypeLib* lib = nullptr;
    ASSERT_EQ(S_OK, LoadTypeLibEx(obrtest::Widen(obrtest::FixturePath("BrowserFixture.tlb")).c_str(),
                                  REGKIND_NONE, &lib));
    std::set<std::pair<std::string, TYPEKIND>> types;
    for (UINT i = 0; i < lib->GetTypeInfoCount(); ++i)
    {
        TYPEKIND kind;
        ASSERT_EQ(S_OK, lib->GetTypeInfoType(i, &kind));
        types.emplace(TypeName(lib, i), kind);
    }
    lib->Release();

    const std::set<std::pair<std::string, TYPEKIND>> expected = {
        {"Colour", TKIND_ENUM},     {"Length", TKIND_ALIAS},         {"Point", TKIND_RECORD},
        {"IShape", TKIND_DISPATCH}, {"ShapeEvents", TKIND_DISPATCH}, {"Shape", TKIND_COCLASS},
    };
    for (const auto& type : expected)
        EXPECT_EQ(1u, types.count(type)) << type.first;
}
