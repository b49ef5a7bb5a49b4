// CBrowserItem: one record of a function catalog, read from the module's string table. A record
// is "kind;name;syntax;description;insert text;help id;help file", later fields possibly missing.
#pragma once

#include "module/BrowserApi.h"
#include "framework/CString.h"

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

    // A record with a known kind and a name; others are not shown.
    bool IsValid() const;
    // Help on the item: keyword help in the macro language's help file for the tag "@WW" (any
    // letter case), the application's help for an empty file, the topic of that file otherwise.
    BOOL ShowItemHelp();

    // The context of the item's page in an HTML Help file of the application: its help id when it
    // has one, otherwise kEntryHelpContextBase plus its record's string id (0 for an item read
    // from text). The sample host's help file names each page after this number.
    UINT32 HelpContext() const;

    static constexpr const char* kMacroHelpTag = "@WW";
    static constexpr const char* kMacroHelpFile = "wwb6_000.hlp";
    static constexpr UINT32 kEntryHelpContextBase = 100000;

    int m_nKind = CATALOG_KIND_INVALID;
    CString m_strName;
    CString m_strSyntax;
    CString m_strDescription;
    CString m_strInsertText; // the syntax when the record gives none
    UINT32 m_nHelpId = 0;
    CString m_strHelpFile;
    UINT m_nRecordId = 0; // the string id the item was read from

private:
    void Read(const CString& record);
};
