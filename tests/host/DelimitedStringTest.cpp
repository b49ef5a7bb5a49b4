#include "host/util/CDelimitedString.h"

#include <gtest/gtest.h>

namespace
{
// A catalog record read field by field, with the presets a reader gives missing fields.
struct Record
{
    int kind = -1;
    CString name, syntax, description, insert;
    UINT32 helpId = 0;
    CString helpFile;
    int fieldsFound = 0;
};

Record Read(const char* text)
{
    Record record;
    CDelimitedString fields(text);
    fields.m_strDelimiter = ";";
    record.fieldsFound += fields.Getint(&record.kind);
    record.fieldsFound += fields.GetCString(&record.name);
    record.fieldsFound += fields.GetCString(&record.syntax);
    record.fieldsFound += fields.GetCString(&record.description);
    record.fieldsFound += fields.GetCString(&record.insert);
    record.fieldsFound += fields.GetUINT32(&record.helpId);
    record.fieldsFound += fields.GetCString(&record.helpFile);
    return record;
}
} // namespace

TEST(CDelimitedString, RecordWithoutFinalDelimiterAndABackslashName)
{
    Record r = Read("5;\\;;Division Entière;;;@WW");
    EXPECT_EQ(7, r.fieldsFound);
    EXPECT_EQ(5, r.kind);
    EXPECT_EQ("\\", r.name);
    EXPECT_EQ("", r.syntax);
    EXPECT_EQ("Division Entière", r.description);
    EXPECT_EQ("", r.insert);
    EXPECT_EQ(0u, r.helpId);
    EXPECT_EQ("@WW", r.helpFile);
}

TEST(CDelimitedString, EmptyFieldsAndAFinalDelimiter)
{
    Record r = Read("3;;;;;;;");
    EXPECT_EQ(7, r.fieldsFound);
    EXPECT_EQ(3, r.kind);
    EXPECT_EQ("", r.name);
    EXPECT_EQ(0u, r.helpId);
    EXPECT_EQ("", r.helpFile);

    Record full = Read("2;Abs;Abs(nombre);Valeur absolue;Abs(;10020;;");
    EXPECT_EQ(7, full.fieldsFound);
    EXPECT_EQ(10020u, full.helpId);
    EXPECT_EQ("Abs(", full.insert);
}

TEST(CDelimitedString, ADelimiterInsideADescriptionStartsTheNextField)
{
    Record r = Read("2;iif;iif(c, v, f);Si c; sinon f;iif(;0;@WW;");
    EXPECT_EQ("Si c", r.description);
    EXPECT_EQ(" sinon f", r.insert);
    EXPECT_EQ(0u, r.helpId); // "iif(" is no number: the preset stays
    EXPECT_EQ("0", r.helpFile);
}

TEST(CDelimitedString, MissingFieldsLeaveTheirTargetsAlone)
{
    Record r = Read("2;Sqr");
    EXPECT_EQ(2, r.fieldsFound);
    EXPECT_EQ("Sqr", r.name);
    EXPECT_EQ(0u, r.helpId);

    Record empty = Read("");
    EXPECT_EQ(0, empty.fieldsFound);
    EXPECT_EQ(-1, empty.kind);

    Record notANumber = Read("x;Nom;;;;12abc;");
    EXPECT_EQ(-1, notANumber.kind);
    EXPECT_EQ(0u, notANumber.helpId);
    EXPECT_EQ("Nom", notANumber.name);

    UINT32 negative = 7;
    CDelimitedString fields("-3");
    EXPECT_TRUE(fields.GetUINT32(&negative));
    EXPECT_EQ(7u, negative);
}
