// CTMember: a member of a type, read from its type info: a function (CTFunction) or a variable
// (CTVariable).
#pragma once

#include "module/ComHolders.h"
#include "typelib/CTLibItem.h"
#include "typelib/PlatformGuard.h"

class CTClass;

class OBR_API CTMember : public CTLibItem
{
public:
    ~CTMember() override;

    CString GetDescription() override;
    [[nodiscard]] bool GetHelpInfo(DWORD* helpContext, CString& helpFile) override;
    virtual MEMBERID GetMemberId() { return m_memid; }
    virtual CString GetDeclaration(int language) = 0;

    CTClass* GetClass() const { return m_pClass; }
    // A new counted reference to the owner's type info.
    ITypeInfo* GetTypeInfo() const;

protected:
    // Member `index` of the owner's type info, of that member id.
    CTMember(CTClass* owner, MEMBERID memid, UINT index);

    // The member's descriptor, read again from the type info on first use and kept in the holder;
    // null when the platform no longer gives it, or gives another member at that index.
    template <class Descriptor> Descriptor* LendAgain(DescriptorHolder<ITypeInfo, Descriptor>& holder) const
    {
        if (holder || !m_pTypeInfo)
            return holder.Get();
        ITypeInfo* info = m_pTypeInfo.Get();
        Descriptor* lent = nullptr;
        HRESULT hr = E_FAIL;
        if (obr::GuardedCall([&] { hr = Lend(info, m_index, &lent); }) && SUCCEEDED(hr) && lent)
        {
            if (lent->memid == m_memid)
                holder.Attach(info, lent);
            else
                GiveBack(info, lent);
        }
        return holder.Get();
    }

    CTClass* m_pClass;
    MEMBERID m_memid;
    UINT m_index;
    ComPtr<ITypeInfo> m_pTypeInfo; // the owner's, which gave the member's description
};
