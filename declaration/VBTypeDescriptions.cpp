// Basic descriptions of types, libraries and function-catalog items.
#include "catalog/CBrowserItem.h"
#include "typelib/CTClass.h"
#include "declaration/CTDSVBBuilder.h"
#include "typelib/CTLib.h"
#include "declaration/DeclarationStyle.h"
#include "module/ModuleServices.h"
#include "resources/resource.h"

#include <algorithm>
#include <vector>

using namespace obr;

namespace
{
bool IsAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
} // namespace

CTDSVBBuilder::~CTDSVBBuilder() = default;

CString CTDSVBBuilder::GetClassKindName(CTClass* type)
{
    switch (type->GetTypeKind())
    {
    case TKIND_ENUM:
        return "Enum";
    case TKIND_RECORD:
        return "Record";
    case TKIND_MODULE:
        return "Module";
    case TKIND_INTERFACE:
    case TKIND_DISPATCH:
    case TKIND_COCLASS:
        return "Class";
    case TKIND_ALIAS:
        return "Alias";
    case TKIND_UNION:
        return "Union";
    default:
        return "unknown type";
    }
}

CString CTDSVBBuilder::GetLibraryKindName(CTLib*)
{
    return "Library";
}

void CTDSVBBuilder::DescribeClass(CTClass* type, CRTFBuilder& rtf)
{
    rtf.AddColor(kLinkColor);
    CString shownName = type->IsAlias() ? type->GetAliasTypeName(kDescriptionLanguage) : type->GetName();
    rtf << size(kDeclarationSize) << black << font(DeclarationFace())
        << type->GetKindName(kDescriptionLanguage) << " " << bold << shownName << normal;
    rtf << size(kNoteSize) << szGetStringObr(IDS_MEMBER_OF) << underline << bold << color(kLinkColor)
        << LinkTo(type->GetLib()) << black << normal << "\n"
        << "   ";
    rtf += EscapedDescription(type->GetDescription());
}

void CTDSVBBuilder::DescribeLibrary(CTLib* library, CRTFBuilder& rtf)
{
    rtf << size(kDeclarationSize) << black << font(DeclarationFace());
    rtf << szGetStringObr(IDS_LIBRARY) << bold << library->GetName();
    rtf << "\n"
        << "   " << size(kNoteSize) << bold(false) << library->GetPath() << "\n"
        << "   " << size(kNoteSize);
    rtf += EscapedDescription(library->GetDescription());
}

void CTDSVBBuilder::DescribeBrowserItem(CBrowserItem* item, CRTFBuilder& rtf)
{
    rtf << size(kTitleSize) << black << font(DeclarationFace()) << item->m_strName << "\n"
        << size(kDeclarationSize);
    if (!item->m_strSyntax.IsEmpty())
    {
        rtf << "  ";
        WriteSyntax(item, rtf);
    }
    rtf << "  ";
    rtf += EscapedDescription(item->m_strDescription);
}

void CTDSVBBuilder::WriteSyntax(CBrowserItem* item, CRTFBuilder& rtf)
{
    const CString& text = item->m_strSyntax;
    const CString& name = item->m_strName;
    if (text.IsEmpty())
        return;
    CRTFStringFmt formatted(text);
    std::vector<CRTFStringFmt::Run>& runs = formatted.m_runs;

    // The name wherever it stands as a whole word (no ASCII letter right before or after it).
    if (!name.IsEmpty())
        for (int p = text.Find(name); p != -1; p = text.Find(name, p + 1))
        {
            const int end = p + name.GetLength();
            const bool letterBefore = p > 0 && IsAsciiLetter(text[p - 1]);
            const bool letterAfter = end < text.GetLength() && IsAsciiLetter(text[end]);
            if (!letterBefore && !letterAfter)
                formatted.AddRun(p, name.GetLength(), bold);
        }
    // The outer parentheses bold, the arguments between them italic.
    const int open = text.Find('(');
    if (open != -1)
    {
        formatted.AddRun(open, 1, bold);
        const int close = text.ReverseFind(')');
        if (close != -1)
        {
            formatted.AddRun(close, 1, bold);
            if (close > open)
                formatted.AddRun(open + 1, close - open - 1, italic);
        }
    }
    std::stable_sort(runs.begin(), runs.end(),
                     [](const CRTFStringFmt::Run& a, const CRTFStringFmt::Run& b)
                     { return a.start < b.start; });
    rtf << formatted << "\n";
}
