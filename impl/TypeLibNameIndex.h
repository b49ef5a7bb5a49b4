// TypeLibNameIndex: the names one library shows, gathered once for the search: each type of the
// classes list and the member rows each type gives of its own, in the library's type order, with
// their folded forms packed in two strings so that a search runs over memory it reads in order.
#pragma once

#include "module/BrowserApi.h"
#include "framework/CString.h"
#include "impl/SearchRank.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class CTClass;
class CTLibItem;
class CTMember;

class OBR_API TypeLibNameIndex
{
public:
    struct Match
    {
        SEARCH_RANK rank;
        const CString& className;
        CTLibItem* item;       // the type, or the member
        std::string_view name; // the member's name; empty for a type
        bool hidden;           // the type or the member is hidden
    };

    // A type as the classes list names it; the members added next are its own.
    void AddClass(CTClass* type);
    void AddMember(CTMember* member);
    // Every name that holds the folded text, in the order they were added.
    void ForEachMatch(std::string_view foldedText, const std::function<void(const Match&)>& visit) const;
    size_t GetNameCount() const { return m_entries.size(); }

private:
    struct Entry
    {
        uint32_t offset;
        uint32_t length;
        uint32_t classIndex;
        bool hidden;
        CTLibItem* item;
    };
    void AddName(const CString& name, CTLibItem* item, bool hidden);

    std::string m_names;
    std::string m_folded;
    std::vector<Entry> m_entries;
    std::vector<CString> m_classNames;
    bool m_classHidden = false;
};
