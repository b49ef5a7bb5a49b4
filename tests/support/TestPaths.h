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

// The bytes of a file; empty when it cannot be read.
std::string ReadFileText(const std::string& path);

// The full path of a name in the temporary folder.
std::string TemporaryPath(const std::string& name);

// A file of the test's own in the temporary folder: absent at the start, deleted at the end unless
// kept for a look.
class TemporaryFile
{
public:
    explicit TemporaryFile(const std::string& name);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& Path() const { return m_path; }
    void Keep() { m_keep = true; }

private:
    std::string m_path;
    bool m_keep = false;
};

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
