// Where a test program finds the modules and fixtures of the build.
#pragma once

#include <windows.h>
#include <string>

namespace obrtest
{
// The folder of the running test program (the build's single output folder), with no trailing slash.
std::string ModuleDirectory();

// The full path of a compiled type-library fixture, e.g. FixturePath("BrowserFixture.tlb").
std::string FixturePath(const std::string& fileName);

// Wide and ANSI (code page 1252) forms of a text, for the platform calls that need one or the other.
std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);

// A folder of the test's own below the temporary folder (its name may hold blanks, commas and
// accents, in code page 1252), made empty at the start and removed with all it holds at the end.
class TemporaryFolder
{
public:
    explicit TemporaryFolder(const std::string& name);
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& Path() const { return m_path; }
    // The full path of a file in the folder.
    std::string File(const std::string& name) const { return m_path + "\\" + name; }
    // Writes the text to a file of the folder; its full path.
    std::string Write(const std::string& name, const std::string& text) const;

private:
    std::string m_path;
};
} // namespace obrtest
