#include "impl/TypeLibNameIndex.h"
#include "typelib/CTClass.h"
#include "typelib/CTMember.h"

void TypeLibNameIndex::AddClass(CTClass* type)
{
    m_classNames.push_back(type->GetName());
    m_classHidden = type->IsHidden();
    AddName(m_classNames.back(), type, m_classHidden);
}

void TypeLibNameIndex::AddMember(CTMember* member)
{
    if (!m_classNames.empty())
        AddName(member->GetName(), member, m_classHidden || member->IsHidden());
}

void TypeLibNameIndex::AddName(const CString& name, CTLibItem* item, bool hidden)
{
    const std::string_view text = name.str();
    m_entries.push_back({static_cast<uint32_t>(m_names.size()), static_cast<uint32_t>(text.size()),
                         static_cast<uint32_t>(m_classNames.size() - 1), hidden, item});
    m_names.append(text);
    AppendFolded(text, m_folded);
}

void TypeLibNameIndex::ForEachMatch(std::string_view foldedText,
                                    const std::function<void(const Match&)>& visit) const
{
    const std::string_view names(m_names), folded(m_folded);
    size_t lastClass = SIZE_MAX;
    for (const Entry& entry : m_entries)
    {
        // Types and members alternate: the first entry of each class is the type itself.
        const bool isType = entry.classIndex != lastClass;
        lastClass = entry.classIndex;
        const std::string_view foldedName = folded.substr(entry.offset, entry.length);
        const std::string_view name = names.substr(entry.offset, entry.length);
        const SEARCH_RANK rank = RankName(name, foldedName, foldedText);
        if (rank == SEARCH_RANK_NONE)
            continue;
        visit({rank, m_classNames[entry.classIndex], entry.item, isType ? std::string_view() : name,
               entry.hidden});
    }
}
