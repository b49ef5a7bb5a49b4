// Presents a registry tree of the test's own making as HKEY_CLASSES_ROOT to this process, and takes
// it away again: tests of the registry walk never touch the prefix's real registrations. The tree
// lives below HKEY_CURRENT_USER\<key>; a process that runs beside the suites names a key of its own.
#pragma once

#include <windows.h>
#include <string>

namespace obrtest
{
class ScopedClassesRoot
{
public:
    explicit ScopedClassesRoot(const std::string& key = "Software\\ObjectBrowserTests\\Classes");
    ~ScopedClassesRoot();
    ScopedClassesRoot(const ScopedClassesRoot&) = delete;
    ScopedClassesRoot& operator=(const ScopedClassesRoot&) = delete;

    bool IsInPlace() const { return m_inPlace; }
    // Writes a key below the stand-in root (a path of names joined by '\'), with a default value
    // unless value is null.
    bool SetKey(const std::string& path, const char* value = nullptr);
    // A library version as registration writes it: the description on the version key, the path
    // on <locale>\<platform>.
    bool AddLibrary(const std::string& guid, const std::string& version, const char* description,
                    const std::string& locale = "0", const std::string& platform = "win64",
                    const char* path = "C:\\lib.tlb");

private:
    std::string m_key;
    HKEY m_root = nullptr;
    bool m_inPlace = false;
};
} // namespace obrtest
