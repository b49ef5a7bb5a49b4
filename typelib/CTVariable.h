// CTVariable: a field, constant or dispatch property, from one VARDESC of its class's type info.
#pragma once

#include "typelib/CTMember.h"

class OBR_API CTVariable : public CTMember
{
public:
    // Variable `index` of the owner's type info, described by desc, which it takes over and gives
    // back at once, keeping its kind and flags; a constant's value is read again when asked for.
    CTVariable(VARDESC* desc, CTClass* owner, UINT index);
    ~CTVariable() override;
    CTVariable(const CTVariable&) = delete;
    CTVariable& operator=(const CTVariable&) = delete;

    int GetKind() override { return TLIB_KIND_VARIABLE; }
    bool IsHidden() override;
    bool IsBrowsable() override;
    void Describe(int language, CRTFBuilder& rtf) override;
    CString GetKindName(int language) override;
    CString GetDeclaration(int language) override;
    virtual WORD GetFlags() { return m_flags; }

    VARKIND GetVarKind() const { return m_varKind; }
    // A constant's value as a long, or as text (Booleans in the user's language); false for a
    // variable that is no constant or a value that does not convert.
    [[nodiscard]] bool GetConstValue(long& value) const;
    [[nodiscard]] bool GetConstValue(CString& text) const;
    // The whole descriptor, read again on first use; null when the platform no longer gives it.
    const VARDESC* GetVarDesc() const { return LendAgain(m_varDesc); }

private:
    WORD m_flags;
    VARKIND m_varKind;
    mutable VarDescHolder m_varDesc;
};
