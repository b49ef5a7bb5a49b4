// TypeLibraryExtensions: the ordered list of extra type libraries a host hands to the browser,
// each known by its GUID and version.
#pragma once

#include "host/util/QvxUtilApi.h"

#include <windows.h>
#include <vector>

class QVX_UTIL_API TypeLibraryExtensions
{
public:
    TypeLibraryExtensions();
    ~TypeLibraryExtensions();
    TypeLibraryExtensions(const TypeLibraryExtensions& other);
    TypeLibraryExtensions& operator=(const TypeLibraryExtensions& other);

    int count() const { return static_cast<int>(m_items.size()); }
    // Entry i, for i from 0 to count() - 1.
    const GUID& ItemGUID(int i) const { return m_items[static_cast<size_t>(i)].guid; }
    WORD ItemVerMajor(int i) const { return m_items[static_cast<size_t>(i)].major; }
    WORD ItemVerMinor(int i) const { return m_items[static_cast<size_t>(i)].minor; }

    void Add(const GUID& guid, WORD major, WORD minor);
    void Clear() { m_items.clear(); }

private:
    struct Item
    {
        GUID guid;
        WORD major;
        WORD minor;
    };
    std::vector<Item> m_items;
};
