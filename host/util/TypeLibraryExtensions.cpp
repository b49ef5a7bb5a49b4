#include "host/util/TypeLibraryExtensions.h"

TypeLibraryExtensions::TypeLibraryExtensions() = default;
TypeLibraryExtensions::~TypeLibraryExtensions() = default;
TypeLibraryExtensions::TypeLibraryExtensions(const TypeLibraryExtensions& other) = default;
TypeLibraryExtensions& TypeLibraryExtensions::operator=(const TypeLibraryExtensions& other) = default;

void TypeLibraryExtensions::Add(const GUID& guid, WORD major, WORD minor)
{
    m_items.push_back({guid, major, minor});
}
