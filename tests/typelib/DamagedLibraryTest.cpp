// A damaged library whose interfaces name themselves or each other as their base: the model's
// implemented types end where a type repeats one it was reached through.
#include "tests/support/BuiltTypeLib.h"
#include "tests/support/ModelTestSupport.h"
#include "typelib/TypeLibView.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;

TEST_F(ModelTest, ATypeThatIsItsOwnBaseEndsTheWalkOfItsBases)
{
    obrtest::CyclicTypeLib damaged;
    ASSERT_TRUE(damaged.IsRegistered());
    // The platform itself shows the loop: ISelf's base is ISelf.
    ComPtr<ITypeLib> raw;
    ComPtr<ITypeInfo> rawSelf, rawBase;
    HREFTYPE reference = 0;
    Bstr name;
    ASSERT_EQ(S_OK, LoadRegTypeLib(obrtest::CyclicTypeLib::kGuid, 1, 0, 0, &raw));
    ASSERT_EQ(S_OK, raw->GetTypeInfo(0, &rawSelf));
    ASSERT_EQ(S_OK, rawSelf->GetRefTypeOfImplType(0, &reference));
    ASSERT_EQ(S_OK, rawSelf->GetRefTypeInfo(reference, &rawBase));
    ASSERT_EQ(S_OK, rawBase->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr));
    EXPECT_EQ("ISelf", name.ToString());

    CTLib library(obrtest::CyclicTypeLib::kGuid, 1, 0, 0);
    ASSERT_TRUE(library.IsLoaded());
    ASSERT_EQ(5, library.GetClassCount());
    CTClass* self = ClassNamed(library, "ISelf");
    ASSERT_NE(nullptr, self);
    EXPECT_EQ(0, self->GetImplTypeCount());
    EXPECT_EQ(1, self->GetFunctionCount());

    // IFirst -> ISecond -> (IFirst again: left out).
    CTClass* first = ClassNamed(library, "IFirst");
    ASSERT_EQ(1, first->GetImplTypeCount());
    CTClass* second = first->GetImplType(0);
    EXPECT_EQ("ISecond", second->GetName());
    EXPECT_EQ(0, second->GetImplTypeCount());

    CTClass* loop = ClassNamed(library, "Loop");
    ASSERT_EQ(1, loop->GetImplTypeCount());
    EXPECT_EQ("IFirst", loop->GetImplType(0)->GetName());
    ASSERT_EQ(1, loop->GetImplType(0)->GetImplTypeCount());
    EXPECT_EQ(0, loop->GetImplType(0)->GetImplType(0)->GetImplTypeCount());

    // The lists: each type once, with the members of the types it reaches before the loop closes.
    // The coclass stands for IFirst; ISecond is listed as first reached, below IFirst.
    EXPECT_THAT(Names(TypeLibView::ShownClasses(&library, false)),
                ElementsAre("IBase", "ISecond", "ISelf", "Loop"));
    EXPECT_THAT(Names(TypeLibView::MembersOf(loop)), ElementsAre("Beta", "Alpha"));
    EXPECT_THAT(Names(TypeLibView::MembersOf(self)), ElementsAre("Gamma"));
}

TEST_F(ModelTest, ATypeReachedAlongManyPathsIsWalkedOnce)
{
    // Forty rungs, each implementing the next twice: 2^40 paths down to one method.
    obrtest::LadderTypeLib ladder(40);
    ASSERT_TRUE(ladder.IsRegistered());
    CTLib library(obrtest::LadderTypeLib::kGuid, 1, 0, 0);
    CTClass* top = ClassNamed(library, "Rung0");
    ASSERT_NE(nullptr, top);
    EXPECT_THAT(Names(TypeLibView::MembersOf(top)), ElementsAre("Climb"));
}
