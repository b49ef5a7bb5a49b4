#include "catalog/CBrowserCategory.h"

CBrowserCategory::CBrowserCategory(const _CategoryDef& def) : CBrowserItem(def.nHeaderId)
{
    if (!def.pItemIds)
        return;
    for (const UINT* id = def.pItemIds; *id; ++id)
    {
        auto item = std::make_unique<CBrowserItem>(*id);
        if (item->IsValid())
            m_items.push_back(std::move(item));
    }
}

CBrowserCategory::CBrowserCategory(const _CategoryDef& def, HeaderOnly) : CBrowserItem(def.nHeaderId) {}

CBrowserCategory::~CBrowserCategory() = default;

CBrowserItem* CBrowserCategory::GetItem(int i)
{
    return m_items[static_cast<size_t>(i)].get();
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

void LoadCatalog(int mode, CatalogCategories& categories)
{
    const _CategoryDef* table = GetCatalogDefinition(mode);
    if (!table)
        return;
    CBrowserCategoryAggregate* aggregate = nullptr;
    for (const _CategoryDef* def = table; def->nHeaderId; ++def)
    {
        // The all-functions record makes the aggregate; its own item list is empty.
        std::unique_ptr<CBrowserCategory> category = std::make_unique<CBrowserCategory>(*def);
        if (category->m_nKind == CATALOG_KIND_ALL_FUNCTIONS)
            category = std::make_unique<CBrowserCategoryAggregate>(*def);
        if (!category->IsValid())
            continue;
        if (category->m_nKind == CATALOG_KIND_ALL_FUNCTIONS)
            aggregate = static_cast<CBrowserCategoryAggregate*>(category.get());
        categories.push_back(std::move(category));
    }
    if (!aggregate)
        return;
    for (const auto& category : categories)
        for (int i = 0, count = category->GetItemCount(); i < count && category.get() != aggregate; ++i)
            aggregate->m_allItems.push_back(category->GetItem(i));
}
