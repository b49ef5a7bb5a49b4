#include "host/ctrl/CRTFBuilder.h"
#include "host/ctrl/CRichEditCtrlEx.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace
{
// The fewest characters a fragment of RTF can show: each escaped or plain character, line break
// and tab counts one; control words, groups' braces and line ends of the source count nothing;
// destinations ({\* ...}, tables) are skipped. Escaped CR and LF bytes count nothing: Wine's rich
// edit drops them, Windows' may show a paragraph end, which the control locates afterwards.
long CountShown(const char* rtf)
{
    long shown = 0;
    const char* p = rtf;
    while (*p)
    {
        if (*p == '{' && (std::strncmp(p, "{\\*", 3) == 0 || std::strncmp(p, "{\\fonttbl", 9) == 0 ||
                          std::strncmp(p, "{\\colortbl", 10) == 0))
        {
            int depth = 0;
            do
            {
                if (*p == '\\' && p[1])
                    ++p;
                else if (*p == '{')
                    ++depth;
                else if (*p == '}')
                    --depth;
                ++p;
            } while (*p && depth > 0);
            continue;
        }
        if (*p == '{' || *p == '}' || *p == '\r' || *p == '\n')
        {
            ++p;
            continue;
        }
        if (*p != '\\')
        {
            ++shown;
            ++p;
            continue;
        }
        ++p; // the backslash
        if (*p == '\'')
        {
            bool lineEnd = p[1] == '0' && (p[2] == 'a' || p[2] == 'A' || p[2] == 'd' || p[2] == 'D');
            p += p[1] && p[2] ? 3 : std::strlen(p);
            if (!lineEnd)
                ++shown;
            continue;
        }
        if (!std::isalpha(static_cast<unsigned char>(*p)))
        {
            if (*p == '\\' || *p == '{' || *p == '}' || *p == '~')
                ++shown;
            if (*p)
                ++p;
            continue;
        }
        const char* word = p;
        while (std::isalpha(static_cast<unsigned char>(*p)))
            ++p;
        size_t length = static_cast<size_t>(p - word);
        auto is = [&](const char* name)
        { return length == std::strlen(name) && std::strncmp(word, name, length) == 0; };
        if (is("par") || is("line") || is("tab"))
            ++shown;
        if (*p == '-')
            ++p;
        while (std::isdigit(static_cast<unsigned char>(*p)))
            ++p;
        if (*p == ' ')
            ++p;
    }
    return shown;
}

DWORD CALLBACK ReadFromString(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read)
{
    auto* source = reinterpret_cast<std::pair<const char*, size_t>*>(cookie);
    size_t count = source->second < static_cast<size_t>(size) ? source->second : static_cast<size_t>(size);
    std::memcpy(buffer, source->first, count);
    source->first += count;
    source->second -= count;
    *read = static_cast<LONG>(count);
    return 0;
}
} // namespace

RTFManip bold(bool on)
{
    return {RTFManip::Bold, on, nullptr};
}
RTFManip italic(bool on)
{
    return {RTFManip::Italic, on, nullptr};
}
RTFManip underline(bool on)
{
    return {RTFManip::Underline, on, nullptr};
}
RTFManip size(int halfPoints)
{
    return {RTFManip::Size, halfPoints, nullptr};
}
RTFManip color(COLORREF value)
{
    return {RTFManip::Color, static_cast<int>(value), nullptr};
}
RTFManip font(const char* face)
{
    return {RTFManip::Font, 0, face};
}
RTFManip black()
{
    return {RTFManip::Black, 0, nullptr};
}
RTFManip normal()
{
    return {RTFManip::Normal, 0, nullptr};
}
RTFManip push()
{
    return {RTFManip::Push, 0, nullptr};
}
RTFManip pull()
{
    return {RTFManip::Pull, 0, nullptr};
}

void CRTFStringFmt::AddRun(int start, int length, RTFManip (*format)(bool))
{
    m_runs.push_back({start, length, format(true).kind});
}

CRTFBuilder::CRTFBuilder() = default;
CRTFBuilder::~CRTFBuilder() = default;

int CRTFBuilder::FontIndex(const char* face)
{
    for (size_t i = 0; i < m_fonts.size(); ++i)
        if (m_fonts[i].CompareNoCase(face) == 0)
            return static_cast<int>(i) + 1;
    m_fonts.push_back(face);
    return static_cast<int>(m_fonts.size());
}

int CRTFBuilder::ColorIndex(COLORREF value)
{
    for (size_t i = 0; i < m_colors.size(); ++i)
        if (m_colors[i] == value)
            return static_cast<int>(i) + 1;
    m_colors.push_back(value);
    return static_cast<int>(m_colors.size());
}

void CRTFBuilder::SwitchTo(const Format& format)
{
    CString words;
    if (format.bold != m_format.bold)
        words += format.bold ? "\\b" : "\\b0";
    if (format.italic != m_format.italic)
        words += format.italic ? "\\i" : "\\i0";
    if (format.underline != m_format.underline)
        words += format.underline ? "\\ul" : "\\ulnone";
    CString number;
    if (format.size != m_format.size)
    {
        number.Format("\\fs%d", format.size);
        words += number;
    }
    if (format.color != m_format.color)
    {
        number.Format("\\cf%d", format.color);
        words += number;
    }
    if (format.font != m_format.font)
    {
        number.Format("\\f%d", format.font);
        words += number;
    }
    if (!words.IsEmpty())
        m_body += words + " ";
    m_format = format;
}

CRTFBuilder& CRTFBuilder::operator<<(const RTFManip& manip)
{
    Format next = m_format;
    switch (manip.kind)
    {
    case RTFManip::Bold:
        next.bold = manip.value != 0;
        break;
    case RTFManip::Italic:
        next.italic = manip.value != 0;
        break;
    case RTFManip::Underline:
        next.underline = manip.value != 0;
        break;
    case RTFManip::Size:
        next.size = manip.value;
        break;
    case RTFManip::Color:
        next.color = ColorIndex(static_cast<COLORREF>(manip.value));
        break;
    case RTFManip::Font:
        next.font = FontIndex(manip.face ? manip.face : "");
        break;
    case RTFManip::Black:
        next.color = 0;
        break;
    case RTFManip::Normal:
        next.bold = next.italic = next.underline = false;
        break;
    case RTFManip::Push:
        m_saved.push_back(m_format);
        return *this;
    case RTFManip::Pull:
        if (m_saved.empty())
            return *this;
        next = m_saved.back();
        m_saved.pop_back();
        break;
    }
    SwitchTo(next);
    return *this;
}

void CRTFBuilder::AppendText(const char* text)
{
    char escape[8];
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p)
    {
        switch (*p)
        {
        case '\\':
            m_body += "\\\\";
            break;
        case '{':
            m_body += "\\{";
            break;
        case '}':
            m_body += "\\}";
            break;
        case '\t':
            m_body += "\\tab ";
            break;
        case '\r':
            if (p[1] == '\n')
                ++p;
            m_body += "\\par ";
            break;
        case '\n':
            m_body += "\\par ";
            break;
        default:
            if (*p >= 0x80 || *p < 0x20)
            {
                std::snprintf(escape, sizeof escape, "\\'%02x", *p);
                m_body += escape;
            }
            else
            {
                m_body += static_cast<char>(*p);
            }
            break;
        }
        ++m_nShown;
    }
}

CRTFBuilder& CRTFBuilder::operator<<(const char* text)
{
    AppendText(text ? text : "");
    return *this;
}

CRTFBuilder& CRTFBuilder::operator<<(const CRTFHyperlink& link)
{
    long start = m_nShown;
    AppendText(link.m_strText);
    m_links.push_back({start, m_nShown - start, link.m_strText, link.m_dwData});
    return *this;
}

CRTFBuilder& CRTFBuilder::operator<<(const CRTFStringFmt& text)
{
    const Format outside = m_format;
    const CString& chars = text.m_strText;
    for (int i = 0; i < chars.GetLength(); ++i)
    {
        Format at = outside;
        for (const CRTFStringFmt::Run& run : text.m_runs)
        {
            if (i < run.start || i >= run.start + run.length)
                continue;
            if (run.kind == RTFManip::Bold)
                at.bold = true;
            else if (run.kind == RTFManip::Italic)
                at.italic = true;
        }
        SwitchTo(at);
        char one[2] = {chars[i], '\0'};
        AppendText(one);
    }
    SwitchTo(outside);
    return *this;
}

CRTFBuilder& CRTFBuilder::operator+=(const char* rtf)
{
    if (rtf)
    {
        m_body += rtf;
        m_nShown += CountShown(rtf);
    }
    return *this;
}

CString CRTFBuilder::GetRTF() const
{
    CString document("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss MS Sans Serif;}");
    CString entry;
    for (size_t i = 0; i < m_fonts.size(); ++i)
    {
        entry.Format("{\\f%d\\fnil %s;}", static_cast<int>(i) + 1, m_fonts[i].GetString());
        document += entry;
    }
    document += "}{\\colortbl;";
    for (COLORREF value : m_colors)
    {
        entry.Format("\\red%d\\green%d\\blue%d;", GetRValue(value), GetGValue(value), GetBValue(value));
        document += entry;
    }
    // \plain: the control may start with a format of its own (Wine's starts bold).
    document += "}\\plain\\f0\\fs16 ";
    document += m_body;
    document += "}";
    return document;
}

void CRTFBuilder::operator>>(CRichEditCtrl& control) const
{
    CString document = GetRTF();
    std::pair<const char*, size_t> source(document.GetString(), static_cast<size_t>(document.GetLength()));
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&source), 0, &ReadFromString};
    control.StreamIn(SF_RTF, stream);
}

void CRTFBuilder::operator>>(CRichEditCtrlEx& control) const
{
    *this >> static_cast<CRichEditCtrl&>(control);
    control.SetLinks(m_links);
}
