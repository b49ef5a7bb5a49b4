#include "host/util/CDelimitedString.h"

#include <gtest/gtest.h>
#include <string>

namespace
{
// A catalog record read field by field, with the presets a reader gives missing fields (kind -1,
// help number 0), as "kind|name|syntax|description|insert|help number|help file", with " (N)" for the
// fields found when asked.
std::string Read(const char* text, bool withCount = true)
{
    int kind = -1;
    CString name, syntax, description, insert, helpFile;
    UINT32 helpId = 0;
    CDelimitedString fields(text);
    fields.m_strDelimiter = ";";
    // One field after the other: the reads must run in this order.
    int found = fields.Getint(&kind);
    found += fields.GetCString(&name);
    found += fields.GetCString(&syntax);
    found += fields.GetCString(&description);
    found += fields.GetCString(&insert);
    found += fields.GetUINT32(&helpId);
    found += fields.GetCString(&helpFile);
    return std::to_string(kind) + "|" + name.str() + "|" + syntax.str() + "|" + description.str() + "|" +
           insert.str() + "|" + std::to_string(helpId) + "|" + helpFile.str() +
           (withCount ? " (" + std::to_string(found) + ")" : "");
}
} // namespace

TEST(CDelimitedString, FieldsAsTheRecordsHoldThem)
{
    // Without a final delimiter, with a backslash for a name.
    EXPECT_EQ("5|\\||Division Entière||0|@WW (7)", Read("5;\\;;Division Entière;;;@WW"));
    // Empty fields, and a final delimiter.
    EXPECT_EQ("3|||||0| (7)", Read("3;;;;;;;"));
    EXPECT_EQ("2|Abs|Abs(nombre)|Valeur absolue|Abs(|10020| (7)",
              Read("2;Abs;Abs(nombre);Valeur absolue;Abs(;10020;;"));
    // A delimiter inside a description starts the next field; "iif(" is no number: the preset stays.
    EXPECT_EQ("2|iif|iif(c, v, f)|Si c| sinon f|0|0",
              Read("2;iif;iif(c, v, f);Si c; sinon f;iif(;0;@WW;", false));
    // Missing fields, and fields that are no numbers, leave their targets alone.
    EXPECT_EQ("2|Sqr||||0| (2)", Read("2;Sqr"));
    EXPECT_EQ("-1|||||0| (0)", Read(""));
    EXPECT_EQ("-1|Nom||||0|", Read("x;Nom;;;;12abc;", false));
    UINT32 negative = 7;
    CDelimitedString fields("-3");
    EXPECT_TRUE(fields.GetUINT32(&negative));
    EXPECT_EQ(7u, negative);
}
