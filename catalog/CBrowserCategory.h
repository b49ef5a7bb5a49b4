// The categories of a function catalog: a category record with the items it lists, and the
// all-functions category that gathers the items of every other category.
#pragma once

#include "catalog/CBrowserItem.h"

#include <memory>
#include <vector>

// One category of a catalog table: the string id of its own record and the zero-terminated ids of
// its items (null for none). An entry with nHeaderId 0 ends a table.
struct _CategoryDef
{
    UINT nHeaderId;
    const UINT* pItemIds;
};

class OBR_API CBrowserCategory : public CBrowserItem
{
public:
    // Reads the category's record and its valid items; invalid item records are left out.
    explicit CBrowserCategory(const _CategoryDef& def);
    ~CBrowserCategory() override;
    CBrowserCategory(const CBrowserCategory&) = delete;
    CBrowserCategory& operator=(const CBrowserCategory&) = delete;

    virtual CBrowserItem* GetItem(int i);
    virtual int GetItemCount();

    std::vector<std::unique_ptr<CBrowserItem>> m_items;

protected:
    struct HeaderOnly
    {
    };
    CBrowserCategory(const _CategoryDef& def, HeaderOnly);
};

class OBR_API CBrowserCategoryAggregate : public CBrowserCategory
{
public:
    // The category's record without items; the catalog loader fills m_allItems.
    explicit CBrowserCategoryAggregate(const _CategoryDef& def);
    ~CBrowserCategoryAggregate() override;

    CBrowserItem* GetItem(int i) override;
    int GetItemCount() override;

    std::vector<CBrowserItem*> m_allItems; // not owned: the items of the other categories
};

// The category table of catalog 1 or 2; null for any other mode.
OBR_API const _CategoryDef* GetCatalogDefinition(int mode);

// Builds the categories of a catalog: the all-functions aggregate first (holding every item of the
// catalog, category after category), then the other categories in table order.
typedef std::vector<std::unique_ptr<CBrowserCategory>> CatalogCategories;
OBR_API void LoadCatalog(int mode, CatalogCategories& categories);
