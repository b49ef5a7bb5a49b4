// CTDSVBBuilder: the declaration builder for Basic, the only one. It writes the description pane's
// rich text (declaration line, notes with links, documentation) and the plain declarations.
#pragma once

#include "declaration/CTDSBuilder.h"

class OBR_API CTDSVBBuilder : public CTDSBuilder
{
public:
    ~CTDSVBBuilder() override;

    void DescribeBrowserItem(CBrowserItem* item, CRTFBuilder& rtf) override;
    void DescribeFunction(CTFunction* function, CRTFBuilder& rtf) override;
    void DescribeVariable(CTVariable* variable, CRTFBuilder& rtf) override;
    void DescribeClass(CTClass* type, CRTFBuilder& rtf) override;
    void DescribeLibrary(CTLib* library, CRTFBuilder& rtf) override;
    void WriteVariableDeclaration(CTVariable* variable, CRTFBuilder& rtf) override;
    void WriteSyntax(CBrowserItem* item, CRTFBuilder& rtf) override;
    void WriteParameter(CTParameter* parameter, CRTFBuilder& rtf) override;
    void WriteFunctionDeclaration(CTFunction* function, CRTFBuilder& rtf) override;
    CString GetParameterText(CTParameter* parameter) override;
    CString GetFunctionDeclaration(CTFunction* function) override;
    CString GetVariableDeclaration(CTVariable* variable) override;
    CString GetLibraryKindName(CTLib* library) override;
    CString GetFunctionKindName(CTFunction* function) override;
    CString GetVariableKindName(CTVariable* variable) override;
    CString GetClassKindName(CTClass* type) override;
    CString GetTypeName(TYPEDESC* type, ITypeInfo* context) override;
};

namespace obr
{
// Every byte of the text as \'hh with two lower-case hexadecimal digits: raw RTF that shows the
// text exactly, whatever characters it holds.
OBR_API CString EscapedDescription(const CString& text);
} // namespace obr
