// CRTFBuilder accumulates rich text (RTF) for a rich edit control: plain text in the current
// format, link runs, formatted strings, raw RTF, and manipulators that change the format.
//
//     CRTFBuilder rtf;
//     rtf.AddColor(0x008200);
//     rtf << font("Courier New") << size(18) << bold << "Sub " << normal << "Move";
//     rtf << push << color(0x008200) << underline << CRTFHyperlink("Shape", data) << pull;
//     rtf >> descriptionPane;
//
// Formats are written as explicit switches (\b, \b0, \cf2 ...), so push and pull need no RTF groups.
#pragma once

#include "framework/CString.h"
#include "host/ctrl/QvxCtrlApi.h"

#include <windows.h>
#include <vector>

class CRichEditCtrl;
class CRichEditCtrlEx;

// A format change for operator<<; made by the manipulator functions below.
struct RTFManip
{
    enum Kind
    {
        Bold,
        Italic,
        Underline,
        Size,
        Color,
        Font,
        Black,
        Normal,
        Push,
        Pull
    };
    Kind kind;
    int value;        // on/off, the size, or the colour
    const char* face; // for Font: the face name (copied by the builder)
};

QVX_CTRL_API RTFManip bold(bool on = true);
QVX_CTRL_API RTFManip italic(bool on = true);
QVX_CTRL_API RTFManip underline(bool on = true);
// Font size in half points: 16, 18 and 20 give 8, 9 and 10 points.
QVX_CTRL_API RTFManip size(int halfPoints);
// A colour value (0x00BBGGRR) of the colour table; one not in the table is added first.
QVX_CTRL_API RTFManip color(COLORREF value);
QVX_CTRL_API RTFManip font(const char* face);
// The default text colour.
QVX_CTRL_API RTFManip black();
// Neither bold, italic nor underlined; size, colour and font stay.
QVX_CTRL_API RTFManip normal();
// Saves the whole format; pull restores the last one saved.
QVX_CTRL_API RTFManip push();
QVX_CTRL_API RTFManip pull();

// A link run: the text shown as a link, and the data word a click on it hands back. In the 64-bit
// build the word is pointer-sized, since it carries an object's address.
class QVX_CTRL_API CRTFHyperlink
{
public:
    CRTFHyperlink(const char* text, DWORD_PTR data) : m_strText(text), m_dwData(data) {}
    CString m_strText;
    DWORD_PTR m_dwData;
};

// A text with format runs. Where runs overlap, a character takes every format of every run that
// covers it (a bold name inside an italic argument list is bold and italic); outside the runs it
// keeps the builder's format.
class QVX_CTRL_API CRTFStringFmt
{
public:
    explicit CRTFStringFmt(const char* text) : m_strText(text) {}
    // start and length in bytes of the text; format is bold or italic.
    void AddRun(int start, int length, RTFManip (*format)(bool));

    struct Run
    {
        int start;
        int length;
        RTFManip::Kind kind;
    };
    CString m_strText;
    std::vector<Run> m_runs;
};

// Where a link run stands in the text, counted in characters of the text as shown (a paragraph end
// one; a control that keeps paragraph ends as CR LF places the run a little further on).
struct RTFLinkRun
{
    long nStart;
    long nLength;
    CString strText;
    DWORD_PTR dwData;
};

class QVX_CTRL_API CRTFBuilder
{
public:
    CRTFBuilder();
    ~CRTFBuilder();
    CRTFBuilder(const CRTFBuilder&) = delete;
    CRTFBuilder& operator=(const CRTFBuilder&) = delete;

    // Plain text: RTF's special characters and every byte above 127 escaped, a line feed a new paragraph.
    CRTFBuilder& operator<<(const char* text);
    CRTFBuilder& operator<<(const CString& text) { return *this << text.GetString(); }
    CRTFBuilder& operator<<(const CRTFHyperlink& link);
    CRTFBuilder& operator<<(const CRTFStringFmt& text);
    CRTFBuilder& operator<<(const RTFManip& manip);
    CRTFBuilder& operator<<(RTFManip (*manip)()) { return *this << manip(); }
    CRTFBuilder& operator<<(RTFManip (*manip)(bool)) { return *this << manip(true); }
    // Raw RTF, written as it is.
    CRTFBuilder& operator+=(const char* rtf);

    // Streams the whole document into the control (which the caller empties first); a control
    // with hyperlinks also learns the link runs.
    void operator>>(CRichEditCtrl& control) const;
    void operator>>(CRichEditCtrlEx& control) const;

    // The colour table: callers add a value before using color() with it; a value may stand twice.
    void AddColor(COLORREF value) { m_colors.push_back(value); }
    const std::vector<COLORREF>& GetColorTable() const { return m_colors; }

    // The complete RTF document.
    CString GetRTF() const;
    const std::vector<RTFLinkRun>& GetLinks() const { return m_links; }

private:
    struct Format
    {
        bool bold = false;
        bool italic = false;
        bool underline = false;
        int size = 16;
        int color = 0; // index into the RTF colour table; 0 is the default colour
        int font = 0;
    };

    void SwitchTo(const Format& format);
    void AppendText(const char* text);
    int FontIndex(const char* face);
    int ColorIndex(COLORREF value);

    CString m_body;
    long m_nShown = 0; // characters of the text as shown so far
    Format m_format;
    std::vector<Format> m_saved;
    std::vector<COLORREF> m_colors;
    std::vector<CString> m_fonts;
    std::vector<RTFLinkRun> m_links;
};
