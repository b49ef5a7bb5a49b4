// CTMember: a member of a type, read from its type info: a function (CTFunction) or a variable
// (CTVariable).
#pragma once

#include "module/ComHolders.h"
#include "typelib/CTLibItem.h"

class CTClass;

class OBR_API CTMember : public CTLibItem
{
public:
    ~CTMember() override;

    CString GetDescription() override;
    bool GetHelpInfo(DWORD* helpContext, CString& helpFile) override;
    virtual MEMBERID GetMemberId() { return m_memid; }
    virtual CString GetDeclaration(int language) = 0;

    CTClass* GetClass() const { return m_pClass; }
    // A new counted reference to the owner's type info.
    ITypeInfo* GetTypeInfo() const;

protected:
    CTMember(CTClass* owner, MEMBERID memid);

    CTClass* m_pClass;
    MEMBERID m_memid;
    ComPtr<ITypeInfo> m_pTypeInfo; // the owner's, which gave the member's description
};
