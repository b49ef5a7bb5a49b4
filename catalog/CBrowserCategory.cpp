#include "CBrowserCategory.h"

CBrowserCategory::CBrowserCategory(const _CategoryDef& def) : CBrowserItem(def.nHeaderId)
{
    if (!def.pItemIds)
        return;
    for (const UINT* id = def.pItemIds; *id; ++id)
    {
        auto* item = new CBrowserItem(*id);
        if (item->IsValid())
            m_items.push_back(item);
        else
            delete item;
    }
}

CBrowserCategory::CBrowserCategory(const _CategoryDef& def, HeaderOnly) : CBrowserItem(def.nHeaderId) {}

CBrowserCategory::~CBrowserCategory()
{
    for (CBrowserItem* item : m_items)
        delete item;
}

CBrowserItem* CBrowserCategory::GetItem(int i)
{
    return m_items[static_cast<size_t>(i)];
}

int CBrowserCategory::GetItemCount()
{
    return static_cast<int>(m_items.size());
}

CBrowserCategoryAggregate::CBrowserCategoryAggregate(const _CategoryDef& def)
    : CBrowserCategory(def, HeaderOnly())
{
}

CBrowserCategoryAggregate::~CBrowserCategoryAggregate() = default;

CBrowserItem* CBrowserCategoryAggregate::GetItem(int i)
{
    return m_allItems[static_cast<size_t>(i)];
}

int CBrowserCategoryAggregate::GetItemCount()
{
    return static_cast<int>(m_allItems.size());
}

void LoadCatalog(int mode, std::vector<CBrowserCategory*>& categories)
{
    const _CategoryDef* table = GetCatalogDefinition(mode);
    if (!table)
        return;
    CBrowserCategoryAggregate* aggregate = nullptr;
    for (const _CategoryDef* def = table; def->nHeaderId; ++def)
    {
        CBrowserCategory* category = new CBrowserCategory(*def);
        if (category->m_nKind == CATALOG_KIND_ALL_FUNCTIONS)
        {
            delete category;
            category = aggregate = new CBrowserCategoryAggregate(*def);
        }
        if (category->IsValid())
            categories.push_back(category);
        else
        {
            if (category == aggregate)
                aggregate = nullptr;
            delete category;
        }
    }
    if (!aggregate)
        return;
    for (CBrowserCategory* category : categories)
        for (int i = 0, count = category->GetItemCount(); i < count && category != aggregate; ++i)
            aggregate->m_allItems.push_back(category->GetItem(i));
}
