// CTFunction: a method, property accessor or event, from one FUNCDESC of its class's type info.
#pragma once

#include "typelib/CTMember.h"

#include <memory>
#include <vector>

class CTParameter;

class OBR_API CTFunction : public CTMember
{
public:
    // Function `index` of the owner's type info, described by desc, which it takes over. It keeps
    // what the lists need and gives desc back at once: a library's descriptors are most of what
    // its model would hold. The descriptor is read again, and kept, once parameters or types are
    // asked for.
    CTFunction(FUNCDESC* desc, CTClass* owner, UINT index);
    ~CTFunction() override;
    CTFunction(const CTFunction&) = delete;
    CTFunction& operator=(const CTFunction&) = delete;

    int GetKind() override;
    bool IsHidden() override;
    bool IsBrowsable() override;
    void Describe(int language, CRTFBuilder& rtf) override;
    CString GetKindName(int language) override;
    CString GetDeclaration(int language) override;
    virtual WORD GetFlags() { return m_flags; }

    int GetParamCount() const { return m_paramCount; }
    CTParameter* GetParam(int i);
    // Name i of the function as the type info lists them: 0 the function, then its parameters;
    // empty where it names none. All are read in one call, on first use.
    CString GetNameAt(int i);
    INVOKEKIND GetInvokeKind() const { return m_invokeKind; }
    bool IsProperty() const { return GetInvokeKind() != INVOKE_FUNC; }
    bool IsPropertyGet() const { return GetInvokeKind() == INVOKE_PROPERTYGET; }
    bool IsPropertyPut() const
    {
        return GetInvokeKind() == INVOKE_PROPERTYPUT || GetInvokeKind() == INVOKE_PROPERTYPUTREF;
    }
    // Flagged as a source, or reached through an interface that a coclass implements as its source.
    bool IsEvent();
    bool IsDefaultMember() const { return m_memid == DISPID_VALUE; }
    VARTYPE GetReturnType() const { return m_returnType; }
    bool HasReturnValue() const { return GetReturnType() != VT_VOID; }
    CString GetReturnTypeName(int language);
    // A property getter whose class has no put or put-by-reference accessor of the same id.
    bool IsReadOnly();
    bool HasSeveralAccessors();
    // The whole descriptor, read again on first use; null when the platform no longer gives it.
    const FUNCDESC* GetFuncDesc() const { return LendAgain(m_funcDesc); }

private:
    void LoadParams();
    void LoadNames();

    WORD m_flags;
    SHORT m_paramCount;
    INVOKEKIND m_invokeKind;
    VARTYPE m_returnType;
    bool m_bParamsLoaded = false;
    mutable FuncDescHolder m_funcDesc;
    std::vector<std::unique_ptr<CTParameter>> m_params;
    std::vector<CString> m_names;
    bool m_bNamesLoaded = false;
};
