// CTClass: one type of a type library, with the types it implements and its members, each built on
// first use. Implemented types are built as they are asked for: a type reached along many paths
// (a damaged or crafted library whose types each implement the next one twice) costs only what a
// walk visits, and walks visit each type once.
#pragma once

#include "module/ComHolders.h"
#include "typelib/CTLibItem.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

class CTLib;
class CTFunction;
class CTVariable;

class OBR_API CTClass : public CTLibItem
{
public:
    // implTypeFlags: the flags under which the type was reached from the class implementing it
    // (0 for the library's own types).
    CTClass(ITypeInfo* info, CTLib* lib, int implTypeFlags) : CTClass(info, lib, implTypeFlags, nullptr) {}
    ~CTClass() override;
    CTClass(const CTClass&) = delete;
    CTClass& operator=(const CTClass&) = delete;

    int GetKind() override;
    CString GetDescription() override;
    // The display name when one is set, else the type's own name.
    CString GetName() override;
    bool IsHidden() override;
    bool IsBrowsable() override;
    [[nodiscard]] bool GetHelpInfo(DWORD* helpContext, CString& helpFile) override;
    void Describe(int language, CRTFBuilder& rtf) override;
    CString GetKindName(int language) override;
    // A new counted reference to the type.
    virtual ITypeInfo* GetTypeInfo();
    virtual WORD GetTypeFlags();

    // False when the platform could not describe the type; such a class is left out.
    bool IsValid() const { return static_cast<bool>(m_typeAttr); }
    const CString& GetOwnName() const { return m_strName; }
    TYPEKIND GetTypeKind() const { return m_typeAttr->typekind; }
    bool IsAlias() const { return GetTypeKind() == TKIND_ALIAS; }
    bool IsCoClass() const { return GetTypeKind() == TKIND_COCLASS; }
    bool IsAppObject() const { return (m_typeAttr->wTypeFlags & TYPEFLAG_FAPPOBJECT) != 0; }
    GUID GetGuid() const { return m_typeAttr->guid; }
    // The type's GUID (as bytes) and own name: the same for the library's object and for each
    // object built for it as an implemented type, and what a walk along implemented types enters.
    typedef std::pair<std::string, std::string> Identity;
    Identity GetIdentity() const;
    CTLib* GetLib() const { return m_pLib; }
    int GetImplTypeFlags() const { return m_implTypeFlags; }
    // Implemented as its implementer's default interface (or default source).
    bool IsDefaultImplementation() const { return (m_implTypeFlags & IMPLTYPEFLAG_FDEFAULT) != 0; }

    // The members that could be read (reading them on first use); a member the platform cannot
    // give is left out, so the counts match what GetFunction and GetVariable reach.
    int GetFunctionCount();
    int GetVariableCount();
    int GetImplTypeCount();
    CTFunction* GetFunction(int i);
    CTVariable* GetVariable(int i);
    CTClass* GetImplType(int i);

    // The first function with that member id whose invoke kind shares a bit with the mask.
    CTFunction* FindFunction(MEMBERID id, int invokeKindMask);
    int CountFunctions(MEMBERID id);
    // The name of the first constant of that value; name is untouched when none has it.
    [[nodiscard]] bool FindConstantName(long value, CString& name);
    // For an alias, the Basic name of the aliased type; empty for any other kind.
    CString GetAliasTypeName(int language);
    // For an alias of a user-defined type of the same library, that type's class; else null.
    CTClass* GetAliasTarget();
    // Returns the previous display name.
    CString SetDisplayName(const CString& name);

    // Members the platform failed to give, over every class built so far (for diagnostics).
    static long MembersLeftOut();

    // How many implemented types of one type are read, at most.
    static constexpr int kMostImplTypes = 64;

private:
    // implementer: the class this one was built for as an implemented type, null for a library's own.
    CTClass(ITypeInfo* info, CTLib* lib, int implTypeFlags, const CTClass* implementer);
    // Whether this type is one of the classes it was built for (a damaged library naming a type as
    // its own base, directly or round a loop), or lies deeper below them than a walk goes.
    bool RepeatsAnImplementer() const;
    void LoadImplTypes();
    void LoadMembers();

    bool m_bMembersLoaded = false;
    bool m_bImplTypesLoaded = false;
    ComPtr<ITypeInfo> m_pTypeInfo;
    TypeAttrHolder m_typeAttr;
    CTLib* m_pLib;
    const CTClass* m_pImplementer;
    int m_implTypeFlags;
    bool m_bRepeated = false;
    CString m_strDisplayName;
    std::vector<std::unique_ptr<CTFunction>> m_functions;
    std::vector<std::unique_ptr<CTVariable>> m_variables;
    std::vector<std::unique_ptr<CTClass>> m_implTypes;
};
