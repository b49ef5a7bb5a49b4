// TypeUsage: where a library uses types, for the search by use: the types its member rows return
// (a property's type counts as returned) and take, and the types its shown types implement. A type
// is known across libraries by its GUID (by its library's GUID and its name when it has none), so
// that a member of one library returning a type of another is found under that type; aliases and
// pointers are looked through.
#pragma once

#include "module/BrowserApi.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

class CTClass;
class CTLib;
class CTMember;

namespace TypeUsage
{
enum Use
{
    kReturns,   // members whose declared type is the type
    kTakes,     // members with a parameter of the type
    kImplements // types that implement the type, or derive from it directly
};

// A question about uses as the search box takes it, letter case ignored: "As Type" (members that
// return it), "(Type)" (members that take it) or "Implements Type"; false for any other text.
OBR_API bool ParseQuestion(const std::string& text, Use& use, std::string& typeName);

// The names a question about a type covers: the type's own; for a coclass, its default interfaces;
// for an interface, the coclasses of its library whose default interface it is. Empty when the
// platform cannot describe the type.
OBR_API std::vector<std::string> KeysOf(CTClass* type);

// The uses of one library, gathered once over the rows the lists show.
class OBR_API Index
{
public:
    struct Hit
    {
        CTClass* type;    // the shown type: the member's, or the implementer
        CTMember* member; // null for an implementer
        bool hidden;      // the type or the member is hidden
    };

    explicit Index(CTLib* library);
    // Every row of that use whose type is one of the keys, in the library's order, each once.
    void ForEach(Use use, const std::vector<std::string>& keys,
                 const std::function<void(const Hit&)>& visit) const;
    size_t GetUseCount() const { return m_entries.size(); }

private:
    struct Entry
    {
        Use use;
        size_t key;
        size_t row;
    };
    void Add(Use use, const std::string& key, size_t row);

    std::vector<Hit> m_rows;
    std::vector<Entry> m_entries;
    std::map<std::string, size_t> m_keyIndex;
};
} // namespace TypeUsage
