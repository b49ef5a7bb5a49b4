// The type-library back-end's searches: the name search of the current library, and the search
// pane's ranked search over every loaded library through a name index built once per library,
// and the search by use ("As Type", "(Type)", "Implements Type") through a use index per library.
#include "browser/CBrowserDlg.h"
#include "typelib/CTClass.h"
#include "typelib/CTFunction.h"
#include "typelib/CTLib.h"
#include "typelib/CTVariable.h"
#include "impl/CTypeLibBrowserImpl.h"
#include "typelib/TypeLibView.h"
#include "resources/resource.h"

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

std::vector<size_t> CTypeLibBrowserImpl::SearchOrder()
{
    CTLib* current = GetCurrentLibrary();
    std::vector<size_t> order;
    for (size_t i = 0; i < m_libraries.size(); ++i)
        if (m_libraries[i].get() == current)
            order.insert(order.begin(), i);
        else
            order.push_back(i);
    return order;
}

const TypeUsage::Index& CTypeLibBrowserImpl::UsageIndexOf(size_t library)
{
    m_usageIndexes.resize(m_libraries.size());
    std::unique_ptr<TypeUsage::Index>& index = m_usageIndexes[library];
    if (!index)
        index = std::make_unique<TypeUsage::Index>(m_libraries[library].get());
    return *index;
}

bool CTypeLibBrowserImpl::FindUses(const CString& text, std::vector<SearchHit>* hits)
{
    TypeUsage::Use use = TypeUsage::kReturns;
    std::string typeName;
    if (!TypeUsage::ParseQuestion(text.str(), use, typeName))
        return false;
    // The types of that name, letter case and accents ignored, in every loaded library (a name
    // the classes list shows, found through the name index).
    const std::vector<size_t> order = SearchOrder();
    const std::string folded = Folded(typeName);
    std::vector<std::string> keys;
    for (size_t library : order)
        NameIndexOf(library).ForEachMatch(folded,
                                          [&](const TypeLibNameIndex::Match& match)
                                          {
                                              if (match.rank != SEARCH_RANK_EXACT || !match.name.empty())
                                                  return;
                                              for (std::string& key :
                                                   TypeUsage::KeysOf(static_cast<CTClass*>(match.item)))
                                                  keys.push_back(std::move(key));
                                          });
    // Every loaded library's uses, the current one first, each in its own order; hidden members
    // only while hidden members are shown, as in the lists.
    for (size_t library : order)
    {
        const CString libraryName = m_libraries[library]->GetName();
        UsageIndexOf(library).ForEach(
            use, keys,
            [&](const TypeUsage::Index::Hit& found)
            {
                if (found.hidden && !m_pDlg->m_bShowHidden)
                    return;
                SearchHit hit;
                hit.item = {libraryName, found.type->GetName(),
                            found.member ? found.member->GetName() : CString()};
                hit.image = ImageOf(found.member ? static_cast<CTLibItem*>(found.member) : found.type);
                hit.hidden = found.hidden;
                hits->push_back(std::move(hit));
            });
    }
    return true;
}

CString CTypeLibBrowserImpl::GetUsageQuestion(UINT command)
{
    CTLibItem* selected = GetSelectedClass(false);
    auto* type = dynamic_cast<CTClass*>(selected);
    if (!type)
        return CString();
    const CString name = type->GetName();
    switch (command)
    {
    case ID_FIND_RETURNING:
        return "As " + name;
    case ID_FIND_TAKING:
        return "(" + name + ")";
    case ID_FIND_IMPLEMENTING:
        return "Implements " + name;
    default:
        return CString();
    }
}

void CTypeLibBrowserImpl::FindAll(const CString& text, std::vector<SearchHit>* hits)
{
    if (FindUses(text, hits))
        return;
    const std::string folded = Folded(text.str());
    std::vector<RankedHit> ranked;
    for (size_t library : SearchOrder())
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
