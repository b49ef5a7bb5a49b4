// CTLibItem: anything the type-library browser lists or describes (a library, a type, a member or
// the "<globals>" collection). Texts about an item come from the declaration builder of a language.
#pragma once

#include "module/BrowserApi.h"
#include "framework/CString.h"

#include <windows.h>

class CRTFBuilder;

// Kind codes: the list icon and the first ordering key when members are grouped.
enum TLIB_ITEM_KIND
{
    TLIB_KIND_GLOBALS = 0,
    TLIB_KIND_LIBRARY = 1,
    TLIB_KIND_CLASS = 2,
    TLIB_KIND_MODULE = 3,
    TLIB_KIND_RECORD = 4,
    TLIB_KIND_ENUM = 5,
    TLIB_KIND_UNION = 6,
    TLIB_KIND_PROPERTY = 7,
    TLIB_KIND_METHOD = 8,
    TLIB_KIND_EVENT = 9,
    TLIB_KIND_VARIABLE = 10
};

// The language of descriptions, declarations and type names: Basic, the only one the declaration
// builder writes.
constexpr int kDescriptionLanguage = 0;

class OBR_API CTLibItem
{
public:
    virtual ~CTLibItem();
    virtual int GetKind() = 0;
    virtual CString GetDescription() = 0;
    virtual CString GetName() { return m_strName; }
    virtual bool IsHidden() = 0;
    virtual bool IsBrowsable() = 0;
    [[nodiscard]] virtual bool GetHelpInfo(DWORD* helpContext, CString& helpFile) = 0;
    virtual void Describe(int language, CRTFBuilder& rtf) = 0;
    virtual CString GetKindName(int language) = 0;

protected:
    CString m_strName;
};
