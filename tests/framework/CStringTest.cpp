#include "framework/Framework.h"
#include "tests/framework/TestDialogs.h"

#include <gtest/gtest.h>

TEST(CString, FormatsFindsAndSlices)
{
    CString text;
    text.Format("%ld (&H%lX)", 255L, 255L);
    EXPECT_EQ("255 (&HFF)", text);
    EXPECT_EQ(4, text.Find('('));
    EXPECT_EQ(6, text.Find("H"));
    EXPECT_EQ(-1, text.Find("H", 7));
    EXPECT_EQ(-1, text.Find('x'));
    EXPECT_EQ("255", text.Left(3));
    EXPECT_EQ("(&HFF)", text.Mid(4));
    EXPECT_EQ("FF)", text.Right(3));
    EXPECT_EQ("", text.Mid(40));
    EXPECT_EQ(10, text.GetLength());

    CString big;
    big.Format("%s", std::string(5000, 'x').c_str());
    EXPECT_EQ(5000, big.GetLength());
}

TEST(CString, CaseAndBlanks)
{
    CString word(" \tÉlément\r\n ");
    word.Trim();
    EXPECT_EQ("Élément", word);
    word.MakeLower();
    EXPECT_EQ("élément", word);
    EXPECT_EQ(0, word.CompareNoCase("ÉLÉMENT"));
    EXPECT_NE(0, word.Compare("ÉLÉMENT"));

    CString blanks("   ");
    blanks.Trim();
    EXPECT_TRUE(blanks.IsEmpty());
}

TEST(CString, ConcatenatesAndCompares)
{
    CString a("Membre");
    CString b = a + " de " + CString("Classe") + '.';
    EXPECT_EQ("Membre de Classe.", b);
    EXPECT_TRUE(CString("a") < CString("b"));
    EXPECT_TRUE(b != a);
    const char* raw = b;
    EXPECT_STREQ("Membre de Classe.", raw);
    CString withZeros("a|b||");
    EXPECT_EQ(3, withZeros.Replace('|', '\0'));
    EXPECT_EQ(5, withZeros.GetLength());
}

TEST(ResourceChain, StringsComeFromTheModuleThatHasThem)
{
    // The test program holds string 200; a module without it in front does not hide it.
    CString text;
    EXPECT_TRUE(text.LoadString(IDS_TEST_GREETING));
    EXPECT_EQ("Déjà là", text);
    EXPECT_FALSE(text.LoadString(9999));
    EXPECT_TRUE(text.IsEmpty());

    HMODULE shell = LoadLibraryA("shell32.dll");
    {
        fwk::ResourceScope scope(shell);
        EXPECT_EQ(shell, AfxGetResourceHandle());
        EXPECT_TRUE(text.LoadString(IDS_TEST_GREETING));
        EXPECT_EQ("Déjà là", text);
    }
    EXPECT_EQ(GetModuleHandleA(nullptr), AfxGetResourceHandle());
    FreeLibrary(shell);
}

TEST(ResourceChain, ExtensionModulesJoinAndLeaveTheChain)
{
    // The control library holds string 4340 and does not join the chain by itself.
    HMODULE controls = LoadLibraryA("qvx_ctrl.dll");
    ASSERT_NE(nullptr, controls);
    CString text;
    EXPECT_FALSE(text.LoadString(4340));

    AFX_EXTENSION_MODULE state = {};
    ASSERT_TRUE(AfxInitExtensionModule(state, controls));
    new CDynLinkLibrary(state);
    EXPECT_TRUE(text.LoadString(4340));
    EXPECT_EQ("Courier New", text);

    AfxTermExtensionModule(state);
    EXPECT_FALSE(text.LoadString(4340));
    FreeLibrary(controls);
}
