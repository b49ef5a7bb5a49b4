// The type-library back-end's searches: the name search of the current library, and the search
// pane's ranked search over every loaded library through a name index built once per library.
#include "typelib/CTClass.h"
#include "typelib/CTFunction.h"
#include "typelib/CTLib.h"
#include "typelib/CTVariable.h"
#include "impl/CTypeLibBrowserImpl.h"

#include <algorithm>
#include <map>
#include <utility>

namespace
{
// A type's identity: its GUID and own name, the same for the library's object and each object built
// for it as an implemented type.
std::pair<std::string, std::string> IdentityOf(CTClass* type)
{
    const GUID guid = type->GetGuid();
    return {std::string(reinterpret_cast<const char*>(&guid), sizeof guid), type->GetOwnName().str()};
}

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
    CTLib* lib = m_libraries[library].get();
    // Every row the classes list can show, in the library's type order. A row may hold a type as
    // reached from another (an interface a coclass implements, listed before the library's own
    // object could claim its name): it is placed by its identity.
    std::map<std::pair<std::string, std::string>, int> orderOf;
    for (int i = lib->GetClassCount() - 1; i >= 0; --i)
        orderOf[IdentityOf(lib->GetClass(i))] = i;
    std::vector<std::pair<int, CTClass*>> ordered;
    for (CTClass* type : ShownClassesOf(lib))
    {
        const auto found = orderOf.find(IdentityOf(type));
        ordered.emplace_back(found == orderOf.end() ? lib->GetClassCount() : found->second, type);
    }
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& entry : ordered)
        AddToNameIndex(entry.second, *index);
    return *index;
}

void CTypeLibBrowserImpl::AddToNameIndex(CTClass* type, TypeLibNameIndex& index)
{
    index.AddClass(type);
    // A member is found where it is declared; a coclass declares the members of its default
    // interfaces, which are not listed under their own names.
    MemberList own;
    if (type->IsCoClass())
        for (int j = 0; j < type->GetImplTypeCount(); ++j)
            if (CTClass* implemented = type->GetImplType(j); implemented->IsDefaultImplementation())
            {
                AddOwnFunctions(implemented, own);
                AddOwnVariables(implemented, own);
            }
    AddOwnFunctions(type, own);
    AddOwnVariables(type, own);
    for (CTMember* member : own)
        index.AddMember(member);
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
