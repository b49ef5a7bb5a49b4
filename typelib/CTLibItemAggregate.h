// CTLibItemAggregate: a named item standing for members gathered from several classes (the
// "<globals>" entry of a library). It does not own the gathered items.
#pragma once

#include "host/ctrl/CRTFBuilder.h"
#include "typelib/CTLibItem.h"

#include <vector>

template <class T> class CTLibItemAggregate : public CTLibItem
{
public:
    explicit CTLibItemAggregate(const char* name = "") { m_strName = name; }

    int GetKind() override { return TLIB_KIND_GLOBALS; }
    CString GetDescription() override { return CString(); }
    bool IsHidden() override { return false; }
    bool IsBrowsable() override { return true; }
    [[nodiscard]] bool GetHelpInfo(DWORD*, CString&) override { return false; }
    // Its own name, whatever the language.
    void Describe(int, CRTFBuilder& rtf) override
    {
        rtf << push << size(18) << black << font("Arial") << m_strName << pull;
    }
    CString GetKindName(int) override { return CString(); }

    void SetName(const char* name) { m_strName = name; }

    std::vector<T> m_items;
};
