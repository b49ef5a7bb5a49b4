// CString: an ANSI (code page 1252) string with the operations of the framework's string class.
#pragma once

#include "framework/FrameworkApi.h"

#include <windows.h>
#include <cstdio> // the printf format checking of Format
#include <string>

class FWK_API CString
{
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(const char* text, int length) : m_text(text ? std::string(text, length) : std::string()) {}
    CString(char c, int repeat = 1) : m_text(repeat > 0 ? repeat : 0, c) {}
    CString(const std::string& text) : m_text(text) {}

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    operator const char*() const { return m_text.c_str(); }
    const char* GetString() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }
    char operator[](int index) const { return m_text[index]; }

    CString& operator=(const char* text)
    {
        m_text = text ? text : "";
        return *this;
    }
    CString& operator+=(const CString& other)
    {
        m_text += other.m_text;
        return *this;
    }
    CString& operator+=(const char* text)
    {
        m_text += text ? text : "";
        return *this;
    }
    CString& operator+=(char c)
    {
        m_text += c;
        return *this;
    }

    // Comparisons: <0, 0 or >0 as strcmp; NoCase as the locale's case-insensitive comparison (lstrcmpi).
    int Compare(const char* other) const;
    int CompareNoCase(const char* other) const;

    // printf-style formatting; the text is replaced.
    // The format is checked against the arguments as printf's is.
    void Format(const char* format, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 2, 3)));
    void FormatV(const char* format, va_list args);

    // Position of the first occurrence at or after start, or -1.
    int Find(char c, int start = 0) const;
    int Find(const char* text, int start = 0) const;
    int ReverseFind(char c) const;

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;

    // Letter case by the ANSI code page, so accented letters change too.
    CString& MakeLower();
    // Removes blanks (space, tab, line feed, carriage return) from one or both ends.
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();
    int Replace(const char* old, const char* replacement);
    int Replace(char old, char replacement);

    // A wide text in the ANSI code page; length -1 for a zero-terminated text. Null gives an empty string.
    static CString FromWide(const wchar_t* text, int length = -1);
    // The text read in the ANSI code page, as the platform's wide calls take it.
    std::wstring ToWide() const;

    // Loads a string of the resource chain (current resource module first); false when none has it.
    BOOL LoadString(UINT id);
    BOOL LoadString(HINSTANCE module, UINT id);

    // Room for a Win32 call to write into; ReleaseBuffer(-1) takes the length up to the terminator.
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

private:
    std::string m_text;
};

inline CString operator+(const CString& a, const CString& b)
{
    CString result(a);
    result += b;
    return result;
}
inline CString operator+(const CString& a, const char* b)
{
    CString result(a);
    result += b;
    return result;
}
inline CString operator+(const char* a, const CString& b)
{
    CString result(a);
    result += b;
    return result;
}
inline CString operator+(const CString& a, char b)
{
    CString result(a);
    result += b;
    return result;
}
inline bool operator==(const CString& a, const CString& b)
{
    return a.str() == b.str();
}
inline bool operator==(const CString& a, const char* b)
{
    return a.Compare(b) == 0;
}
inline bool operator==(const char* a, const CString& b)
{
    return b.Compare(a) == 0;
}
inline bool operator!=(const CString& a, const CString& b)
{
    return !(a == b);
}
inline bool operator!=(const CString& a, const char* b)
{
    return !(a == b);
}
inline bool operator!=(const char* a, const CString& b)
{
    return !(a == b);
}
inline bool operator<(const CString& a, const CString& b)
{
    return a.str() < b.str();
}
inline bool operator>(const CString& a, const CString& b)
{
    return b < a;
}
inline bool operator<=(const CString& a, const CString& b)
{
    return !(b < a);
}
inline bool operator>=(const CString& a, const CString& b)
{
    return !(a < b);
}
