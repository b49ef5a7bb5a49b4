// The type-library back-end's searches: the name search of the current library, and the search
// pane's ranked search over every loaded library through a name index built once per library.
#include "typelib/CTClass.h"
#include "typelib/CTFunction.h"
#include "typelib/CTLib.h"
#include "typelib/CTVariable.h"
#include "impl/CTypeLibBrowserImpl.h"
#include "typelib/TypeLibView.h"

#include <algorithm>

namespace
{
bool Contains(CString name, const CString& lowerText)
{
    name.MakeLower();
    return name.Find(lowerText) != -1;
}
} // namespace

void CTypeLibBrowserImpl::Search(CString text, std::vector<_HistoryItem>* results)
{
    CTLib* library = GetCurrentLibrary();
    if (!library)
        return;
    text.MakeLower();
    const CString libraryName = library->GetName();
    for (int i = 0; i < library->GetClassCount(); ++i)
    {
        CTClass* type = library->GetClass(i);
        const CString className = type->GetName();
        if (Contains(className, text))
            results->push_back({libraryName, className, CString()});
        for (int j = 0; j < type->GetFunctionCount(); ++j)
        {
            CTFunction* function = type->GetFunction(j);
            if (Contains(function->GetName(), text))
                results->push_back({libraryName, className, function->GetName()});
        }
        for (int j = 0; j < type->GetVariableCount(); ++j)
        {
            CTVariable* variable = type->GetVariable(j);
            if (Contains(variable->GetName(), text))
                results->push_back({libraryName, className, variable->GetName()});
        }
    }
}

bool CTypeLibBrowserImpl::SearchesLibraries() const
{
    return true;
}

const TypeLibNameIndex& CTypeLibBrowserImpl::NameIndexOf(size_t library)
{
    m_nameIndexes.resize(m_libraries.size());
    std::unique_ptr<TypeLibNameIndex>& index = m_nameIndexes[library];
    if (index)
        return *index;
    index = std::make_unique<TypeLibNameIndex>();
    // Every row the classes list can show, in the library's type order, with the members each
    // declares: a member is found where it is declared.
    for (CTClass* type : TypeLibView::ShownClassesInTypeOrder(m_libraries[library].get()))
    {
        index->AddClass(type);
        for (CTMember* member : TypeLibView::DeclaredBy(type))
            index->AddMember(member);
    }
    return *index;
}

void CTypeLibBrowserImpl::FindAll(const CString& text, std::vector<SearchHit>* hits)
{
    const std::string folded = Folded(text.str());
    // The current library first, then the others in the order of the references.
    CTLib* current = GetCurrentLibrary();
    std::vector<size_t> order;
    for (size_t i = 0; i < m_libraries.size(); ++i)
        if (m_libraries[i].get() == current)
            order.insert(order.begin(), i);
        else
            order.push_back(i);

    std::vector<RankedHit> ranked;
    for (size_t library : order)
    {
        const CString libraryName = m_libraries[library]->GetName();
        NameIndexOf(library).ForEachMatch(
            folded,
            [&](const TypeLibNameIndex::Match& match)
            {
                SearchHit hit;
                hit.item = {libraryName, match.className,
                            CString(match.name.data(), static_cast<int>(match.name.size()))};
                hit.image = ImageOf(match.item);
                hit.hidden = match.hidden;
                ranked.emplace_back(match.rank, std::move(hit));
            });
    }
    AppendInRankOrder(ranked, hits);
}
