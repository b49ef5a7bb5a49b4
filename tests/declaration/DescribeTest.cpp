// The description pane's rich text: streamed into a real rich edit and read back.
#include "catalog/CBrowserItem.h"
#include "declaration/CTDSVBBuilder.h"
#include "tests/support/ModelTestSupport.h"
#include "tests/support/RichEditTestWindow.h"

#include <gmock/gmock.h>

namespace
{
class DescribeTest : public BasicBuilderTest
{
protected:
    // Shows the item's description in the pane and returns the pane's text, line ends as '|'.
    template <class Item> CString Show(Item& item)
    {
        CRTFBuilder rtf;
        item.Describe(0, rtf);
        m_window.m_pane.SetWindowText("");
        rtf >> m_window.m_pane;
        return PaneText();
    }
    CString PaneText()
    {
        CString text = m_window.m_pane.GetWindowText();
        text.Replace("\r\n", "|");
        text.Replace('\r', '|');
        text.Replace('\n', '|');
        return text;
    }
    // The format of the first character of `piece` in the pane.
    CHARFORMAT2A FormatOf(const char* piece, int occurrence = 0)
    {
        FINDTEXTEXA find = {{0, -1}, piece, {0, 0}};
        long at = -1;
        for (int i = 0; i <= occurrence; ++i)
        {
            at = static_cast<long>(m_window.m_pane.SendMessage(EM_FINDTEXTEX, FR_DOWN | FR_MATCHCASE,
                                                               reinterpret_cast<LPARAM>(&find)));
            find.chrg.cpMin = find.chrgText.cpMax;
        }
        EXPECT_NE(-1, at) << piece;
        return m_window.FormatAt(at);
    }

    RichEditTestWindow m_window;
};

bool Has(const CHARFORMAT2A& format, DWORD effect)
{
    return (format.dwEffects & effect) != 0;
}
} // namespace

TEST_F(DescribeTest, AFunctionWithItsNotesAndLinksAndADefaultMember)
{
    CTLib scripting(kScriptingLibraryGuid, 1, 0, 0);
    CTClass* dictionary = scripting.FindClass("IDictionary");
    CTFunction* exists = FunctionNamed(dictionary, "Exists", INVOKE_FUNC);
    ASSERT_NE(nullptr, exists);
    CString text = Show(*exists);
    EXPECT_EQ(0,
              text.Find("Function Exists(Key As Variant) As Boolean|   Membre de Scripting.IDictionary|   "))
        << text.GetString();
    EXPECT_THAT(text.str(), ::testing::HasSubstr(exists->GetDescription().str()));

    EXPECT_FALSE(Has(FormatOf("Function"), CFE_BOLD));
    EXPECT_TRUE(Has(FormatOf("Exists"), CFE_BOLD));
    EXPECT_TRUE(Has(FormatOf("Key"), CFE_ITALIC));
    CHARFORMAT2A library = FormatOf("Scripting");
    EXPECT_TRUE(Has(library, CFE_BOLD) && Has(library, CFE_UNDERLINE) && Has(library, CFE_LINK));
    EXPECT_EQ(COLORREF(0x008200), library.crTextColor);
    CHARFORMAT2A dot = FormatOf(".IDictionary");
    EXPECT_FALSE(Has(dot, CFE_BOLD) || Has(dot, CFE_UNDERLINE) || Has(dot, CFE_LINK));
    EXPECT_LT(FormatOf("Membre").yHeight, FormatOf("Function").yHeight);

    // The links carry the library and the class.
    ASSERT_EQ(2, m_window.m_pane.GetLinkCount());
    for (int i = 0; i < 2; ++i)
    {
        CPoint at = m_window.m_pane.PosFromChar(m_window.m_pane.GetLinkRange(i).cpMin + 1);
        m_window.m_pane.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x + 1, at.y + 4));
        m_window.m_pane.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x + 1, at.y + 4));
    }
    ASSERT_EQ(2u, m_window.m_clickedData.size());
    EXPECT_EQ(reinterpret_cast<DWORD_PTR>(&scripting), m_window.m_clickedData[0]);
    EXPECT_EQ(reinterpret_cast<DWORD_PTR>(dictionary), m_window.m_clickedData[1]);

    // The default member says so.
    CTFunction* item = FunctionNamed(dictionary, "Item", INVOKE_PROPERTYGET);
    ASSERT_NE(nullptr, item);
    text = Show(*item);
    EXPECT_EQ(
        0, text.Find(
               "Property Item(Key As Variant) As Variant|   Membre par défaut de Scripting.IDictionary|   "))
        << text.GetString();
    m_window.Linger();
}

TEST_F(DescribeTest, ReadOnlyDefaultPropertyAndLinkedTypes)
{
    CTLib& lib = Fixture();
    CTClass* shape = ClassNamed(lib, "IShape");
    CString area = Show(*FunctionNamed(shape, "Area", INVOKE_PROPERTYGET));
    EXPECT_THAT(
        area.str(),
        ::testing::StartsWith("Property Area As Double|   lecture seule|   Membre de ObrFixture.IShape|   "))
        << area.GetString();

    CString name = Show(*FunctionNamed(shape, "Name", INVOKE_PROPERTYGET));
    EXPECT_EQ(
        0, name.Find("Property Name As String|   Membre par défaut de ObrFixture.IShape|   The shape's name"))
        << name.GetString();

    // A type of the same library is a green link.
    CString colour = Show(*FunctionNamed(shape, "Colour", INVOKE_PROPERTYGET));
    EXPECT_THAT(colour.str(), ::testing::StartsWith("Property Colour As Colour|")) << colour.GetString();
    CHARFORMAT2A linked = FormatOf("Colour", 1);
    EXPECT_TRUE(Has(linked, CFE_LINK) && Has(linked, CFE_BOLD) && Has(linked, CFE_UNDERLINE));
    EXPECT_EQ(COLORREF(0x008200), linked.crTextColor);
    EXPECT_EQ(3, m_window.m_pane.GetLinkCount());
}

TEST_F(DescribeTest, AVariableKeepsTheDeclarationSize)
{
    CTClass* colour = ClassNamed(Fixture(), "Colour");
    CString text = Show(*VariableNamed(colour, "colBlue"));
    EXPECT_THAT(text.str(),
                ::testing::StartsWith("Const colBlue = 255 (&HFF)|   Membre de ObrFixture.Colour|   "))
        << text.GetString();
    EXPECT_EQ(FormatOf("Const").yHeight, FormatOf("Membre").yHeight);
}

TEST_F(DescribeTest, TypesAndLibraries)
{
    CTLib& lib = Fixture();
    CString shape = Show(*ClassNamed(lib, "IShape"));
    EXPECT_THAT(shape.str(),
                ::testing::StartsWith(
                    "Class IShape|   Membre de ObrFixture|   A shape that can be moved and coloured"))
        << shape.GetString();
    EXPECT_TRUE(Has(FormatOf("ObrFixture"), CFE_LINK));
    CString alias = Show(*ClassNamed(lib, "Length"));
    EXPECT_THAT(alias.str(), ::testing::StartsWith("Alias Long|")) << alias.GetString();

    CString library = Show(lib);
    EXPECT_THAT(library.str(), ::testing::StartsWith("Bibliothèque ObrFixture|   ")) << library.GetString();
    EXPECT_THAT(library.str(), ::testing::HasSubstr("BrowserFixture.tlb|   Object browser test fixture"));
    EXPECT_EQ(0, m_window.m_pane.GetLinkCount());
}

TEST_F(DescribeTest, CatalogItemsWithTheirSyntaxRuns)
{
    CBrowserItem beta("2;Beta;Beta(x, nu, oméga);Loi bêta.;Beta(;0;;");
    CString text = Show(beta);
    EXPECT_EQ("Beta|  Beta(x, nu, oméga)|  Loi bêta.", text);
    EXPECT_FALSE(Has(FormatOf("Beta"), CFE_BOLD)); // the title, larger
    EXPECT_GT(FormatOf("Beta").yHeight, FormatOf("Beta", 1).yHeight);
    EXPECT_TRUE(Has(FormatOf("Beta", 1), CFE_BOLD)); // the name in the syntax
    EXPECT_TRUE(Has(FormatOf("("), CFE_BOLD));
    CHARFORMAT2A argument = FormatOf("nu");
    EXPECT_TRUE(Has(argument, CFE_ITALIC) && !Has(argument, CFE_BOLD));
    EXPECT_TRUE(Has(FormatOf(")"), CFE_BOLD));
    EXPECT_FALSE(Has(FormatOf("Loi"), CFE_BOLD) || Has(FormatOf("Loi"), CFE_ITALIC));

    // Whole words only, letter case counts; nested parentheses are all italic inside the outer ones.
    CBrowserItem abs("2;Abs;AbsX abs Abs(f(a(b)));;;;");
    Show(abs);
    EXPECT_FALSE(Has(FormatOf("AbsX"), CFE_BOLD));
    EXPECT_FALSE(Has(FormatOf("abs"), CFE_BOLD));
    EXPECT_TRUE(Has(FormatOf("Abs("), CFE_BOLD));
    CHARFORMAT2A inner = FormatOf("a(");
    EXPECT_TRUE(Has(inner, CFE_ITALIC) && !Has(inner, CFE_BOLD));
    EXPECT_TRUE(Has(FormatOf("(b"), CFE_ITALIC));

    // "(" without ")": the parenthesis bold, nothing italic.
    CBrowserItem open("2;Mid;Mid(string, start_index;;;;");
    Show(open);
    EXPECT_TRUE(Has(FormatOf("("), CFE_BOLD));
    EXPECT_FALSE(Has(FormatOf("string"), CFE_ITALIC));

    // An empty syntax: the title, two blanks and the description.
    CBrowserItem plain("3;Rem;;Commentaire.;;;@WW;");
    EXPECT_EQ("Rem|  Commentaire.", Show(plain));
}
