#include "framework/CString.h"
#include "framework/ResourceChain.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace
{
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
} // namespace

int CString::Compare(const char* other) const
{
    return m_text.compare(other ? other : "");
}

int CString::CompareNoCase(const char* other) const
{
    return lstrcmpiA(m_text.c_str(), other ? other : "");
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length < 0)
    {
        m_text.clear();
        return;
    }
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    m_text.assign(buffer.data(), static_cast<size_t>(length));
}

int CString::Find(char c, int start) const
{
    if (start < 0 || start > GetLength())
        return -1;
    size_t found = m_text.find(c, static_cast<size_t>(start));
    return found == std::string::npos ? -1 : static_cast<int>(found);
}

int CString::Find(const char* text, int start) const
{
    if (start < 0 || start > GetLength())
        return -1;
    size_t found = m_text.find(text ? text : "", static_cast<size_t>(start));
    return found == std::string::npos ? -1 : static_cast<int>(found);
}

int CString::ReverseFind(char c) const
{
    size_t found = m_text.rfind(c);
    return found == std::string::npos ? -1 : static_cast<int>(found);
}

CString CString::Left(int count) const
{
    if (count <= 0)
        return CString();
    return CString(m_text.substr(0, static_cast<size_t>(count)));
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    if (first < 0)
        first = 0;
    if (first >= GetLength() || count <= 0)
        return CString();
    return CString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Right(int count) const
{
    if (count <= 0)
        return CString();
    if (count >= GetLength())
        return *this;
    return CString(m_text.substr(m_text.size() - static_cast<size_t>(count)));
}

CString& CString::MakeLower()
{
    if (!m_text.empty())
        CharLowerBuffA(m_text.data(), static_cast<DWORD>(m_text.size()));
    return *this;
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::TrimLeft()
{
    size_t first = 0;
    while (first < m_text.size() && IsBlank(m_text[first]))
        ++first;
    m_text.erase(0, first);
    return *this;
}

CString& CString::TrimRight()
{
    size_t end = m_text.size();
    while (end > 0 && IsBlank(m_text[end - 1]))
        --end;
    m_text.erase(end);
    return *this;
}

int CString::Replace(const char* old, const char* replacement)
{
    std::string from = old ? old : "";
    std::string to = replacement ? replacement : "";
    if (from.empty())
        return 0;
    int count = 0;
    for (size_t pos = m_text.find(from); pos != std::string::npos; pos = m_text.find(from, pos + to.size()))
    {
        m_text.replace(pos, from.size(), to);
        ++count;
    }
    return count;
}

int CString::Replace(char old, char replacement)
{
    int count = 0;
    for (char& c : m_text)
        if (c == old)
        {
            c = replacement;
            ++count;
        }
    return count;
}

BOOL CString::LoadString(UINT id)
{
    // Strings are stored in blocks of sixteen: block (id / 16) + 1 holds this one.
    HINSTANCE module =
        AfxFindResourceHandle(MAKEINTRESOURCEA((id >> 4) + 1), MAKEINTRESOURCEA(6) /* RT_STRING */);
    if (!module)
    {
        m_text.clear();
        return FALSE;
    }
    return LoadString(module, id);
}

CString CString::FromWide(const wchar_t* text, int length)
{
    CString result;
    if (!text || length == 0)
        return result;
    int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    result.m_text.assign(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, result.m_text.data(), size, nullptr, nullptr);
    // A zero-terminated source brings its terminator along.
    if (length < 0 && !result.m_text.empty() && result.m_text.back() == '\0')
        result.m_text.pop_back();
    return result;
}

BOOL CString::LoadString(HINSTANCE module, UINT id)
{
    // With a zero buffer size LoadStringW hands out the resource's own text and its length.
    const WCHAR* resource = nullptr;
    int length = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&resource), 0);
    if (length <= 0 || !resource)
    {
        m_text.clear();
        return FALSE;
    }
    *this = FromWide(resource, length);
    return TRUE;
}

std::wstring CString::ToWide() const
{
    const int length = static_cast<int>(m_text.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, m_text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, m_text.data(), length, wide.data(), size);
    return wide;
}

char* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_text.resize(static_cast<size_t>(minLength));
    return m_text.data();
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        newLength = static_cast<int>(std::char_traits<char>::length(m_text.c_str()));
    m_text.resize(static_cast<size_t>(newLength));
}
