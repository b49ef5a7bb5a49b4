// CTVariable: a field, constant or dispatch property, from one VARDESC of its class's type info.
#pragma once

#include "typelib/CTMember.h"

class OBR_API CTVariable : public CTMember
{
public:
    // Takes over desc, which it gives back to the owner's type info when destroyed.
    CTVariable(VARDESC* desc, CTClass* owner);
    ~CTVariable() override;
    CTVariable(const CTVariable&) = delete;
    CTVariable& operator=(const CTVariable&) = delete;

    int GetKind() override { return TLIB_KIND_VARIABLE; }
    bool IsHidden() override;
    bool IsBrowsable() override;
    void Describe(int language, CRTFBuilder& rtf) override;
    CString GetKindName(int language) override;
    CString GetDeclaration(int language) override;
    virtual WORD GetFlags() { return m_varDesc->wVarFlags; }

    VARKIND GetVarKind() const { return m_varDesc->varkind; }
    // A constant's value as a long, or as text (Booleans in the user's language); false for a
    // variable that is no constant or a value that does not convert.
    bool GetConstValue(long& value) const;
    bool GetConstValue(CString& text) const;
    const VARDESC* GetVarDesc() const { return m_varDesc.Get(); }

private:
    VarDescHolder m_varDesc;
};
