#include "host/util/CDelimitedString.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace
{
// The field without surrounding blanks, if it is a whole number in the range of the type.
bool ParseNumber(CString field, long long minimum, long long maximum, long long& value)
{
    field.Trim();
    if (field.IsEmpty())
        return false;
    char* end = nullptr;
    errno = 0;
    long long parsed = std::strtoll(field, &end, 10);
    if (errno || *end || parsed < minimum || parsed > maximum)
        return false;
    value = parsed;
    return true;
}
} // namespace

CDelimitedString::CDelimitedString(const char* text) : m_text(text) {}

BOOL CDelimitedString::NextField(CString& field)
{
    if (m_position >= m_text.GetLength())
        return FALSE;
    int delimiter = m_strDelimiter.IsEmpty() ? -1 : m_text.Find(m_strDelimiter, m_position);
    if (delimiter < 0)
    {
        field = m_text.Mid(m_position);
        m_position = m_text.GetLength();
    }
    else
    {
        field = m_text.Mid(m_position, delimiter - m_position);
        m_position = delimiter + m_strDelimiter.GetLength();
    }
    return TRUE;
}

template <typename Number>
BOOL CDelimitedString::GetNumber(Number* value, long long minimum, long long maximum)
{
    CString field;
    if (!NextField(field))
        return FALSE;
    long long number = 0;
    if (ParseNumber(field, minimum, maximum, number))
        *value = static_cast<Number>(number);
    return TRUE;
}

BOOL CDelimitedString::Getint(int* value)
{
    return GetNumber(value, INT_MIN, INT_MAX);
}

BOOL CDelimitedString::GetUINT32(UINT32* value)
{
    return GetNumber(value, 0, UINT_MAX);
}

BOOL CDelimitedString::GetCString(CString* text)
{
    CString field;
    if (!NextField(field))
        return FALSE;
    *text = field;
    return TRUE;
}
