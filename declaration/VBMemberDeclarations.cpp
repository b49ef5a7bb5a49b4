// Basic declarations of functions, parameters and variables.
#include "typelib/CTClass.h"
#include "declaration/CTDSVBBuilder.h"
#include "typelib/CTFunction.h"
#include "typelib/CTLib.h"
#include "typelib/CTParameter.h"
#include "typelib/CTVariable.h"
#include "declaration/DeclarationStyle.h"
#include "module/ModuleServices.h"
#include "resources/resource.h"

using namespace obr;

namespace
{
// A property with nothing to show between parentheses shows none.
bool ShowsParentheses(CTFunction* function, int shownParameters)
{
    return !(function->IsProperty() && shownParameters <= 0);
}

// The value of a constant as the declarations show it; empty when it has none.
CString ValueText(CTVariable* variable)
{
    long value = 0;
    CString text;
    if (variable->GetConstValue(value))
        text.Format(static_cast<unsigned long>(value) > 15 ? "%ld (&H%lX)" : "%ld", value, value);
    else if (!variable->GetConstValue(text))
        text.Empty();
    return text;
}
} // namespace

CString CTDSVBBuilder::GetFunctionKindName(CTFunction* function)
{
    if (function->IsProperty())
        return "Property";
    if (function->IsEvent())
        return "Event";
    return function->HasReturnValue() ? "Function" : "Sub";
}

CString CTDSVBBuilder::GetVariableKindName(CTVariable* variable)
{
    switch (variable->GetVarKind())
    {
    case VAR_PERINSTANCE:
        return "Member Variable";
    case VAR_STATIC:
        return "Static";
    case VAR_CONST:
        return "Const";
    case VAR_DISPATCH:
        return "Dispatch";
    default:
        return "Unknown kind";
    }
}

void CTDSVBBuilder::WriteFunctionDeclaration(CTFunction* function, CRTFBuilder& rtf)
{
    rtf << push << size(kDeclarationSize) << black << font(DeclarationFace());
    rtf << function->GetKindName(kDescriptionLanguage) << " " << bold << function->GetName() << bold(false);
    int shown = function->GetParamCount();
    if (function->IsPropertyPut())
        --shown;
    const bool parentheses = ShowsParentheses(function, shown);
    if (parentheses)
        rtf << bold << "(" << bold(false);
    for (int i = 0; i < shown; ++i)
    {
        if (i > 0)
            rtf << ", ";
        WriteParameter(function->GetParam(i), rtf);
    }
    if (parentheses)
        rtf << bold << ")" << bold(false);

    CString type;
    if (function->IsPropertyPut())
    {
        // The assigned value's type; a put without any parameter shows none.
        if (CTParameter* value = shown >= 0 ? function->GetParam(shown) : nullptr)
            type = value->GetTypeName(kDescriptionLanguage);
    }
    else if (function->HasReturnValue())
    {
        type = function->GetReturnTypeName(kDescriptionLanguage);
    }
    if (!type.IsEmpty())
    {
        rtf << " As ";
        if (CTClass* linked = LinkedClass(function->GetClass()->GetLib(), type))
            rtf << push << normal << color(kLinkColor) << underline << bold << LinkTo(linked) << pull;
        else
            rtf << type;
    }
    rtf << pull;
}

void CTDSVBBuilder::WriteParameter(CTParameter* parameter, CRTFBuilder& rtf)
{
    rtf << push;
    if (parameter->IsOptional())
        rtf << "[";
    rtf << italic << parameter->GetName() << " As ";
    CString type = parameter->GetTypeName(kDescriptionLanguage);
    if (CTClass* linked = LinkedClass(parameter->GetFunction()->GetClass()->GetLib(), type))
        rtf << push << color(kLinkColor) << normal << underline << bold << LinkTo(linked) << pull;
    else
        rtf << type;
    rtf << italic(false);
    if (parameter->HasDefaultValue())
        rtf << " = " << parameter->GetDefaultValueText();
    if (parameter->IsOptional())
        rtf << "]";
    rtf << pull;
}

void CTDSVBBuilder::DescribeFunction(CTFunction* function, CRTFBuilder& rtf)
{
    rtf.AddColor(kLinkColor);
    WriteFunctionDeclaration(function, rtf);
    rtf << size(kNoteSize);
    if (function->IsReadOnly())
        rtf << szGetStringObr(IDS_READ_ONLY);
    rtf << szGetStringObr(function->IsDefaultMember() ? IDS_DEFAULT_MEMBER_OF : IDS_MEMBER_OF);
    WriteMemberOfLinks(rtf, function->GetClass());
    rtf << "\n   ";
    rtf += EscapedDescription(function->GetDescription());
}

void CTDSVBBuilder::WriteVariableDeclaration(CTVariable* variable, CRTFBuilder& rtf)
{
    rtf << push << GetVariableKindName(variable) << " " << bold << variable->GetName() << bold(false);
    CString value = ValueText(variable);
    if (!value.IsEmpty())
        rtf << " = " << value;
    rtf << pull;
}

void CTDSVBBuilder::DescribeVariable(CTVariable* variable, CRTFBuilder& rtf)
{
    rtf.AddColor(kLinkColor);
    rtf << size(kDeclarationSize) << black << font(DeclarationFace());
    WriteVariableDeclaration(variable, rtf);
    rtf << szGetStringObr(IDS_MEMBER_OF);
    WriteMemberOfLinks(rtf, variable->GetClass());
    rtf << "\n   ";
    rtf += EscapedDescription(variable->GetDescription());
}

CString CTDSVBBuilder::GetParameterText(CTParameter* parameter)
{
    CString text = parameter->IsOptional() ? "[" : "";
    text += parameter->GetName() + " As " + parameter->GetTypeName(kDescriptionLanguage);
    if (parameter->HasDefaultValue())
        text += " = " + parameter->GetDefaultValueText();
    if (parameter->IsOptional())
        text += "]";
    return text;
}

CString CTDSVBBuilder::GetFunctionDeclaration(CTFunction* function)
{
    CString text = function->GetKindName(kDescriptionLanguage) + " " + function->GetName();
    const int count = function->GetParamCount();
    const bool parentheses = ShowsParentheses(function, count);
    if (parentheses)
        text += "(";
    for (int i = 0; i < count; ++i)
    {
        if (i > 0)
            text += ", ";
        text += GetParameterText(function->GetParam(i));
    }
    if (parentheses)
        text += ")";
    if (function->HasReturnValue())
    {
        CString type = function->GetReturnTypeName(kDescriptionLanguage);
        if (CTClass* linked = LinkedClass(function->GetClass()->GetLib(), type))
            type = linked->GetName();
        text += " As " + type;
    }
    return text;
}

CString CTDSVBBuilder::GetVariableDeclaration(CTVariable* variable)
{
    CString text;
    text.Format("%s %s", GetVariableKindName(variable).GetString(), variable->GetName().GetString());
    CString value = ValueText(variable);
    if (!value.IsEmpty())
        text += " = " + value;
    return text;
}
