// CBrowserItem: one record of a function catalog, read from the module's string table. A record
// is "kind;name;syntax;description;insert text;help id;help file", later fields possibly missing.
#pragma once

#include "BrowserApi.h"
#include "CString.h"

#include <windows.h>

class CRTFBuilder;

// Kinds of catalog records.
enum CATALOG_ITEM_KIND
{
    CATALOG_KIND_INVALID = -1,
    CATALOG_KIND_ALL_FUNCTIONS = 0,
    CATALOG_KIND_CATEGORY = 1,
    CATALOG_KIND_FUNCTION = 2,
    CATALOG_KIND_STATEMENT = 3,
    CATALOG_KIND_CONSTANT = 4,
    CATALOG_KIND_OPERATOR = 5
};

class OBR_API CBrowserItem
{
public:
    // From the record with string id `id` of the module.
    explicit CBrowserItem(UINT id);
    // From the text of a record.
    explicit CBrowserItem(const char* record);
    virtual ~CBrowserItem();

    virtual void Describe(int language, CRTFBuilder& rtf);

    int m_nKind = CATALOG_KIND_INVALID;
    CString m_strName;
    CString m_strSyntax;
    CString m_strDescription;
    CString m_strInsertText; // the syntax when the record gives none
    UINT32 m_nHelpId = 0;
    CString m_strHelpFile;

private:
    void Read(const CString& record);
};
