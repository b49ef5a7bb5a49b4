// TypeLibView: what the object browser shows of a library, as rules on the model. Which types the
// classes list names and under which names (a coclass stands for its default interface, an alias
// for the type it names), the member rows of a type (inherited ones first, one row per property),
// the rows of "<globals>", and the rows each type declares itself, which the name search finds.
#pragma once

#include "module/BrowserApi.h"
#include "typelib/LibItemOrder.h"

#include <set>
#include <vector>

class CTClass;
class CTLib;
class CTMember;

namespace TypeLibView
{
typedef std::vector<CTMember*> MemberList;
typedef std::set<CTClass*, CTLibItemLess> ClassSet;

// The types the classes list shows for the library, hidden ones included, under their display
// names (set on the library's types here), in the lists' order.
OBR_API ClassSet ShownClasses(CTLib* library, bool groupByKind);
// The same types in the order the library declares them (a type reached through another, placed
// where its own declaration stands).
OBR_API std::vector<CTClass*> ShownClassesInTypeOrder(CTLib* library);
// The member rows of a type: those of the types it implements first (a coclass's default
// interfaces only, for functions), then its own; functions before variables. Hidden members are
// included: the lists leave them out while hidden members are not shown.
OBR_API MemberList MembersOf(CTClass* type);
// The rows of "<globals>": the members of the library's application objects, enumerations,
// modules and unions.
OBR_API MemberList GlobalsOf(CTLib* library);
// The rows a type declares itself; a coclass declares those of its default interfaces, which are
// not listed under their own names.
OBR_API MemberList DeclaredBy(CTClass* type);
} // namespace TypeLibView
