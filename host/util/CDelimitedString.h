// CDelimitedString: reads the fields of one text one after another. Fields are separated by
// m_strDelimiter; a delimiter at the very end closes the last field rather than opening an empty
// one, so "a;b;" and "a;b" both hold two fields. A backslash is an ordinary character.
#pragma once

#include "framework/CString.h"
#include "host/util/QvxUtilApi.h"

class QVX_UTIL_API CDelimitedString
{
public:
    explicit CDelimitedString(const char* text);

    // Each takes the next field and returns whether there was one. A call that finds no field, or
    // a numeric call whose field is no number (an empty field included), leaves the target as it was.
    BOOL Getint(int* value);
    BOOL GetUINT32(UINT32* value);
    BOOL GetCString(CString* text);

    CString m_strDelimiter = ";";

private:
    BOOL NextField(CString& field);
    template <typename Number> BOOL GetNumber(Number* value, long long minimum, long long maximum);

    CString m_text;
    int m_position = 0; // start of the next field; past the end when every field has been read
};
