// CTParameter: one parameter of a function: its name, type and the text of its default value.
#pragma once

#include "module/BrowserApi.h"
#include "framework/CString.h"

#include <windows.h>
#include <oaidl.h>
#include <memory>

class CTClass;
class CTFunction;

class OBR_API CTParameter
{
public:
    // index counts from 1: position 0 of the function's names is the function itself.
    CTParameter(const ELEMDESC& elemDesc, CTFunction* function, int index);
    ~CTParameter();
    CTParameter(const CTParameter&) = delete;
    CTParameter& operator=(const CTParameter&) = delete;

    // Empty when the type library names no parameter there (a property setter's value).
    CString GetName();
    CString GetTypeName(int language);
    bool HasDefaultValue() const { return (m_elemDesc.paramdesc.wParamFlags & PARAMFLAG_FHASDEFAULT) != 0; }
    bool IsOptional() const { return (m_elemDesc.paramdesc.wParamFlags & PARAMFLAG_FOPT) != 0; }
    bool IsUserDefined() const { return m_elemDesc.tdesc.vt == VT_USERDEFINED; }
    [[nodiscard]] bool GetDefaultValue(long& value) const;
    [[nodiscard]] bool GetDefaultValue(CString& text) const;
    // The class of a user-defined type of the function's own library; null otherwise.
    CTClass* GetUserDefinedClass();
    // The name of the enumeration constant the default value stands for, else the value as text;
    // computed once.
    CString GetDefaultValueText();
    CTFunction* GetFunction() const { return m_pFunction; }
    const ELEMDESC& GetElemDesc() const { return m_elemDesc; }

private:
    const VARIANT* DefaultValue() const;

    ELEMDESC m_elemDesc; // the pointers inside belong to the function's FUNCDESC
    CTFunction* m_pFunction;
    int m_nIndex;
    std::unique_ptr<CString> m_pDefaultText;
};
