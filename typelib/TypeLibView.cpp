#include "typelib/TypeLibView.h"
#include "module/TypeWalk.h"
#include "typelib/CTClass.h"
#include "typelib/CTFunction.h"
#include "typelib/CTLib.h"
#include "typelib/CTVariable.h"

#include <algorithm>
#include <map>
#include <string>
#include <unordered_map>

namespace TypeLibView
{
namespace
{
// The implemented types one walk has entered: each once, however many paths lead to it.
typedef TypeWalk<CTClass::Identity> Walk;
// Names given out during one building of the shown classes, in byte order.
typedef std::set<std::string> NameRegister;

bool Enter(Walk& walk, CTClass* type, int depth)
{
    return walk.Enter(type->GetIdentity(), depth);
}

// Gives a type another display name. The shown set is ordered by name: a type listed in it is taken
// out under its old name and put back under the new one, or the set's order would break.
void Rename(ClassSet& shown, CTClass* type, const CString& name)
{
    const auto listed = shown.find(type);
    const bool isListed = listed != shown.end() && *listed == type;
    if (isListed)
        shown.erase(listed);
    type->SetDisplayName(name);
    if (isListed)
        shown.insert(type);
}

void AddShownClass(CTClass* type, ClassSet& shown, NameRegister& names, Walk& walk, int depth)
{
    const CString name = type->GetName();
    if (!type->IsBrowsable() || !Enter(walk, type, depth))
        return;
    // A coclass stands for its default interface: the interface answers to the coclass's name.
    if (type->IsCoClass())
        for (int j = 0; j < type->GetImplTypeCount(); ++j)
        {
            CTClass* implemented = type->GetImplType(j);
            if (!implemented->IsDefaultImplementation())
                continue;
            Rename(shown, implemented, "");
            if (!names.insert(implemented->GetName().str()).second)
            {
                auto listed = shown.find(implemented);
                if (listed != shown.end())
                {
                    CTClass* earlier = *listed;
                    shown.erase(listed);
                    earlier->SetDisplayName(name);
                }
            }
            Rename(shown, implemented, name);
        }
    // An alias of a type of the same library is listed as that type, under the alias's name; of
    // several aliases of one type, the last names it.
    CTClass* toList = type;
    if (type->IsAlias())
        if (CTClass* target = type->GetAliasTarget())
        {
            Rename(shown, target, "");
            if (!names.insert(target->GetName().str()).second)
            {
                const auto listed = shown.find(target);
                if (listed != shown.end() && (*listed)->GetIdentity() == target->GetIdentity())
                    shown.erase(listed);
            }
            Rename(shown, target, name);
            toList = target;
        }
    // The first type to claim a name keeps it.
    if (names.insert(name.str()).second)
        shown.insert(toList);
    for (int j = 0; j < type->GetImplTypeCount(); ++j)
        AddShownClass(type->GetImplType(j), shown, names, walk, depth + 1);
}

// The accessors of one property make one row: the get, or the only accessor there is. The
// functions of each member id are counted once, so that a type of many properties costs linear time.
void AddOwnFunctions(CTClass* type, MemberList& list)
{
    std::unordered_map<MEMBERID, int> functionsOfId;
    for (int i = 0; i < type->GetFunctionCount(); ++i)
        ++functionsOfId[type->GetFunction(i)->GetMemberId()];
    for (int i = 0; i < type->GetFunctionCount(); ++i)
    {
        CTFunction* function = type->GetFunction(i);
        if (!function->IsBrowsable())
            continue;
        if (function->IsProperty() && !function->IsPropertyGet() &&
            functionsOfId[function->GetMemberId()] > 1)
            continue;
        list.push_back(function);
    }
}

void AddOwnVariables(CTClass* type, MemberList& list)
{
    for (int i = 0; i < type->GetVariableCount(); ++i)
    {
        CTVariable* variable = type->GetVariable(i);
        if (variable->IsBrowsable())
            list.push_back(variable);
    }
}

// Inherited functions first; a coclass gives only those of its default interface.
void CollectFunctions(CTClass* type, MemberList& list, Walk& walk, int depth)
{
    if (!Enter(walk, type, depth))
        return;
    for (int j = 0; j < type->GetImplTypeCount(); ++j)
    {
        CTClass* implemented = type->GetImplType(j);
        if (!type->IsCoClass() || implemented->IsDefaultImplementation())
            CollectFunctions(implemented, list, walk, depth + 1);
    }
    AddOwnFunctions(type, list);
}

void CollectVariables(CTClass* type, MemberList& list, Walk& walk, int depth)
{
    if (!Enter(walk, type, depth))
        return;
    for (int j = 0; j < type->GetImplTypeCount(); ++j)
        CollectVariables(type->GetImplType(j), list, walk, depth + 1);
    AddOwnVariables(type, list);
}

void CollectMembers(CTClass* type, MemberList& list)
{
    Walk functionsWalk, variablesWalk;
    CollectFunctions(type, list, functionsWalk, 0);
    CollectVariables(type, list, variablesWalk, 0);
}
} // namespace

ClassSet ShownClasses(CTLib* library, bool groupByKind)
{
    ClassSet shown{CTLibItemLess(groupByKind)};
    NameRegister names;
    // Display names of an earlier building must not survive into this one; the same library always
    // gives its types the same display names.
    for (int i = 0; i < library->GetClassCount(); ++i)
        library->GetClass(i)->SetDisplayName("");
    for (int i = 0; i < library->GetClassCount(); ++i)
    {
        Walk walk;
        AddShownClass(library->GetClass(i), shown, names, walk, 0);
    }
    return shown;
}

std::vector<CTClass*> ShownClassesInTypeOrder(CTLib* library)
{
    // A shown type may be an object built for a type as reached from another (an interface a
    // coclass implements, listed before the library's own object could claim its name): it is
    // placed by its identity.
    std::map<CTClass::Identity, int> orderOf;
    for (int i = library->GetClassCount() - 1; i >= 0; --i)
        orderOf[library->GetClass(i)->GetIdentity()] = i;
    std::vector<std::pair<int, CTClass*>> ordered;
    for (CTClass* type : ShownClasses(library, false))
    {
        const auto found = orderOf.find(type->GetIdentity());
        ordered.emplace_back(found == orderOf.end() ? library->GetClassCount() : found->second, type);
    }
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<CTClass*> types;
    types.reserve(ordered.size());
    for (const auto& entry : ordered)
        types.push_back(entry.second);
    return types;
}

MemberList MembersOf(CTClass* type)
{
    MemberList members;
    CollectMembers(type, members);
    return members;
}

MemberList GlobalsOf(CTLib* library)
{
    MemberList members;
    std::vector<CTLibItem*> globals;
    library->GetGlobalClasses(globals);
    for (CTLibItem* item : globals)
        if (auto* type = dynamic_cast<CTClass*>(item); type && type->IsBrowsable())
            CollectMembers(type, members);
    return members;
}

MemberList DeclaredBy(CTClass* type)
{
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
    return own;
}
} // namespace TypeLibView
