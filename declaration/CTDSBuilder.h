// CTDSBuilder: the producer of declaration text for one programming language. Library items and
// catalog items never format themselves: each asks GetBuilder for the builder and hands itself over.
#pragma once

#include "module/BrowserApi.h"
#include "framework/CString.h"

#include <windows.h>
#include <oaidl.h>

class CRTFBuilder;
class CBrowserItem;
class CTFunction;
class CTVariable;
class CTClass;
class CTLib;
class CTParameter;

class OBR_API CTDSBuilder
{
public:
    virtual ~CTDSBuilder();
    virtual void DescribeBrowserItem(CBrowserItem* item, CRTFBuilder& rtf) = 0;
    virtual void DescribeFunction(CTFunction* function, CRTFBuilder& rtf) = 0;
    virtual void DescribeVariable(CTVariable* variable, CRTFBuilder& rtf) = 0;
    virtual void DescribeClass(CTClass* type, CRTFBuilder& rtf) = 0;
    virtual void DescribeLibrary(CTLib* library, CRTFBuilder& rtf) = 0;
    virtual void WriteVariableDeclaration(CTVariable* variable, CRTFBuilder& rtf) = 0;
    virtual void WriteSyntax(CBrowserItem* item, CRTFBuilder& rtf) = 0;
    virtual void WriteParameter(CTParameter* parameter, CRTFBuilder& rtf) = 0;
    virtual void WriteFunctionDeclaration(CTFunction* function, CRTFBuilder& rtf) = 0;
    virtual CString GetParameterText(CTParameter* parameter) = 0;
    virtual CString GetFunctionDeclaration(CTFunction* function) = 0;
    virtual CString GetVariableDeclaration(CTVariable* variable) = 0;
    virtual CString GetLibraryKindName(CTLib* library) = 0;
    virtual CString GetFunctionKindName(CTFunction* function) = 0;
    virtual CString GetVariableKindName(CTVariable* variable) = 0;
    virtual CString GetClassKindName(CTClass* type) = 0;
    // Takes over one reference of context and releases it before returning.
    virtual CString GetTypeName(TYPEDESC* type, ITypeInfo* context) = 0;
};

// The shared builder of a language: 0 is Basic; any other code has none (null). The builder is
// created on first use and deleted when the module unloads; callers never delete it.
OBR_API CTDSBuilder* GetBuilder(int language);

// Tests put a builder of their own in place of the Basic one (not owned); null restores it.
OBR_API CTDSBuilder* SetBuilderForTests(CTDSBuilder* builder);
