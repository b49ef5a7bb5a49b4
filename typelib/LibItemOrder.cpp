#include "typelib/LibItemOrder.h"
#include "typelib/CTLibItem.h"

#include <cstring>

CTLibItem::~CTLibItem() = default;

bool CTLibItemLess::operator()(CTLibItem* a, CTLibItem* b) const
{
    if (m_bGroupByKind)
    {
        int kindA = a->GetKind();
        int kindB = b->GetKind();
        if (kindA != kindB)
            return kindA < kindB;
    }
    return std::strcmp(a->GetName(), b->GetName()) < 0;
}

int CALLBACK CompareLibItems(LPARAM item1, LPARAM item2, LPARAM sortParam)
{
    // The list view calls this: no C++ exception (a name that could not be read) may cross back into
    // it. Items that cannot be compared are answered as equal ones are: the first is not less.
    try
    {
        const CTLibItemLess& less = *reinterpret_cast<const CTLibItemLess*>(sortParam);
        return less(reinterpret_cast<CTLibItem*>(item1), reinterpret_cast<CTLibItem*>(item2)) ? -1 : 1;
    }
    catch (...)
    {
        return 1;
    }
}
