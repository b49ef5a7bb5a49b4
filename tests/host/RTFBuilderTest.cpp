// Rich text written by CRTFBuilder, streamed into a real rich edit and read back character by character.
#include "host/ctrl/ControlStrings.h"
#include "tests/support/RichEditTestWindow.h"

#include <gmock/gmock.h>

namespace
{
bool Has(const CHARFORMAT2A& format, DWORD effect)
{
    return (format.dwEffects & effect) != 0;
}
} // namespace

TEST(RTFBuilder, FormatsEachCharacterAsTheManipulatorsSay)
{
    RichEditTestWindow window;
    CRTFBuilder rtf;
    rtf << "a" << bold << "b" << push << italic << underline << size(20) << "c" << push << normal << "d"
        << pull << "e" << pull << "f";
    rtf >> window.m_pane;
    ASSERT_EQ("abcdef", window.m_pane.GetTextRange(0, 6));

    CHARFORMAT2A a = window.FormatAt(0), b = window.FormatAt(1), c = window.FormatAt(2),
                 d = window.FormatAt(3), e = window.FormatAt(4), f = window.FormatAt(5);
    EXPECT_FALSE(Has(a, CFE_BOLD) || Has(a, CFE_ITALIC) || Has(a, CFE_UNDERLINE));
    EXPECT_TRUE(Has(b, CFE_BOLD) && !Has(b, CFE_ITALIC));
    EXPECT_TRUE(Has(c, CFE_BOLD) && Has(c, CFE_ITALIC) && Has(c, CFE_UNDERLINE));
    EXPECT_FALSE(Has(d, CFE_BOLD) || Has(d, CFE_ITALIC) || Has(d, CFE_UNDERLINE));
    EXPECT_EQ(c.yHeight, d.yHeight);
    EXPECT_TRUE(Has(e, CFE_BOLD) && Has(e, CFE_ITALIC) && Has(e, CFE_UNDERLINE));
    EXPECT_TRUE(Has(f, CFE_BOLD) && !Has(f, CFE_ITALIC) && !Has(f, CFE_UNDERLINE));
    EXPECT_EQ(a.yHeight, f.yHeight);
    EXPECT_LT(f.yHeight, c.yHeight);
}

TEST(RTFBuilder, SizesColoursAndFaces)
{
    RichEditTestWindow window;
    CRTFBuilder rtf;
    rtf.AddColor(0x008200);
    rtf.AddColor(0x008200); // a value may stand twice
    rtf << size(16) << "p" << size(18) << "q" << size(20) << "r" << color(0x008200) << "g" << black << "k"
        << font(strGetStringCTRL(IDS_DECLARATION_FACE)) << "m";
    EXPECT_EQ(2u, rtf.GetColorTable().size());
    rtf >> window.m_pane;

    CHARFORMAT2A p = window.FormatAt(0), q = window.FormatAt(1), r = window.FormatAt(2),
                 g = window.FormatAt(3), k = window.FormatAt(4), m = window.FormatAt(5);
    EXPECT_LT(p.yHeight, q.yHeight);
    EXPECT_LT(q.yHeight, r.yHeight);
    EXPECT_EQ(COLORREF(0x008200), g.crTextColor);
    EXPECT_FALSE(Has(g, CFE_AUTOCOLOR));
    EXPECT_TRUE(Has(k, CFE_AUTOCOLOR) || k.crTextColor == 0);
    EXPECT_STREQ("Courier New", m.szFaceName);
    EXPECT_STRNE("Courier New", k.szFaceName);
}

TEST(RTFBuilder, EscapesSpecialCharactersAndAccents)
{
    RichEditTestWindow window;
    CRTFBuilder rtf;
    rtf << "{x}\\ é"
        << "\nligne";
    rtf += "\\'41\\'e9";
    rtf >> window.m_pane;
    CString text = window.m_pane.GetTextRange(0, window.m_pane.GetTextLength());
    EXPECT_THAT(text.str(), ::testing::StartsWith("{x}\\ é"));
    EXPECT_GT(text.Find("ligne"), 6);
    EXPECT_THAT(text.str(), ::testing::HasSubstr("Aé"));
    EXPECT_THAT(text.str(), ::testing::Not(::testing::HasSubstr("\\'")));
}

TEST(RTFBuilder, FormattedStringTakesTheUnionOfOverlappingRuns)
{
    RichEditTestWindow window;
    CRTFStringFmt syntax("Abs(nombre)");
    syntax.AddRun(0, 3, bold);
    syntax.AddRun(4, 6, italic);
    syntax.AddRun(4, 3, bold);
    CRTFBuilder rtf;
    rtf << syntax << "!";
    rtf >> window.m_pane;
    ASSERT_EQ("Abs(nombre)!", window.m_pane.GetTextRange(0, 12));
    EXPECT_TRUE(Has(window.FormatAt(0), CFE_BOLD));
    EXPECT_FALSE(Has(window.FormatAt(3), CFE_BOLD) || Has(window.FormatAt(3), CFE_ITALIC));
    CHARFORMAT2A both = window.FormatAt(4);
    EXPECT_TRUE(Has(both, CFE_BOLD) && Has(both, CFE_ITALIC));
    CHARFORMAT2A italicOnly = window.FormatAt(8);
    EXPECT_TRUE(!Has(italicOnly, CFE_BOLD) && Has(italicOnly, CFE_ITALIC));
    EXPECT_FALSE(Has(window.FormatAt(11), CFE_BOLD) || Has(window.FormatAt(11), CFE_ITALIC));
}

TEST(RichEditCtrlEx, AClickOnALinkSendsItsDataWordOnce)
{
    RichEditTestWindow window;
    window.m_pane.UseHyperlinks(26008);
    const DWORD_PTR library = static_cast<DWORD_PTR>(0x12345678ABull);
    const DWORD_PTR owner = 0x5678;
    CRTFBuilder rtf;
    rtf.AddColor(0x008200);
    rtf << "Property Item\n   Membre de " << push << color(0x008200) << underline << bold
        << CRTFHyperlink("Scripting", library) << push << normal << black << "." << pull
        << CRTFHyperlink("Dictionary", owner) << pull;
    rtf += "\\'0a\\'44oc";
    rtf << CRTFHyperlink("Cible", 3);
    rtf >> window.m_pane;

    ASSERT_EQ(3, window.m_pane.GetLinkCount());
    const char* texts[] = {"Scripting", "Dictionary", "Cible"};
    for (int i = 0; i < 3; ++i)
    {
        CHARRANGE range = window.m_pane.GetLinkRange(i);
        window.m_pane.SetSel(range.cpMin, range.cpMax);
        EXPECT_EQ(texts[i], window.m_pane.GetSelText());
        EXPECT_TRUE(Has(window.FormatAt(range.cpMin), CFE_LINK)) << texts[i];
    }

    auto click = [&](long position)
    {
        CPoint at = window.m_pane.PosFromChar(position);
        window.m_pane.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x + 2, at.y + 4));
        window.m_pane.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x + 2, at.y + 4));
    };
    click(window.m_pane.GetLinkRange(1).cpMin + 2);
    ASSERT_EQ(1u, window.m_clickedData.size());
    EXPECT_EQ(owner, window.m_clickedData[0]);

    click(window.m_pane.GetLinkRange(0).cpMin);
    ASSERT_EQ(2u, window.m_clickedData.size());
    EXPECT_EQ(library, window.m_clickedData[1]);

    // After a line end that the control keeps as two characters.
    click(window.m_pane.GetLinkRange(2).cpMin + 1);
    ASSERT_EQ(3u, window.m_clickedData.size());
    EXPECT_EQ(3u, window.m_clickedData[2]);

    click(2); // "Property": no link
    EXPECT_EQ(3u, window.m_clickedData.size());
}
