#include "tests/support/ScopedClassesRoot.h"

namespace obrtest
{
ScopedClassesRoot::ScopedClassesRoot(const std::string& key) : m_key(key)
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, m_key.c_str());
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, m_key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_root,
                          nullptr) != ERROR_SUCCESS)
        return;
    m_inPlace = ::RegOverridePredefKey(HKEY_CLASSES_ROOT, m_root) == ERROR_SUCCESS;
}

ScopedClassesRoot::~ScopedClassesRoot()
{
    if (m_inPlace)
        ::RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    if (m_root)
        ::RegCloseKey(m_root);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, m_key.c_str());
}

bool ScopedClassesRoot::SetKey(const std::string& path, const char* value)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExA(m_root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    bool written = true;
    if (value)
        written = ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                                   static_cast<DWORD>(strlen(value) + 1)) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    return written;
}

bool ScopedClassesRoot::AddLibrary(const std::string& guid, const std::string& version,
                                   const char* description, const std::string& locale,
                                   const std::string& platform, const char* path)
{
    const std::string versionKey = "TypeLib\\" + guid + "\\" + version;
    return SetKey(versionKey, description) && SetKey(versionKey + "\\FLAGS", "0") &&
           SetKey(versionKey + "\\" + locale + "\\" + platform, path);
}
} // namespace obrtest
