#include "tests/support/TestPaths.h"
#include "module/WinHolders.h"

#include <windows.h>
#include <objbase.h>

namespace obrtest
{
std::string ModuleDirectory()
{
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path, length);
    return directory.substr(0, directory.find_last_of("\\/"));
}

std::string FixturePath(const std::string& fileName)
{
    return ModuleDirectory() + "\\fixtures\\" + fileName;
}

namespace
{
void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE)
    {
        do
        {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}
} // namespace

std::string TemporaryPath(const std::string& name)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

TemporaryFile::TemporaryFile(const std::string& name) : m_path(TemporaryPath(name))
{
    DeleteFileA(m_path.c_str());
}

TemporaryFile::~TemporaryFile()
{
    if (!m_keep)
        DeleteFileA(m_path.c_str());
}

TemporaryFolder::TemporaryFolder(const std::string& name) : m_path(TemporaryPath(name))
{
    RemoveTree(m_path);
    CreateDirectoryA(m_path.c_str(), nullptr);
}

TemporaryFolder::~TemporaryFolder()
{
    RemoveTree(m_path);
}

std::string TemporaryFolder::Write(const std::string& name, const std::string& text) const
{
    const std::string path = File(name);
    const KernelHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return path;
}

std::wstring Widen(const std::string& text)
{
    if (text.empty())
        return {};
    int length = MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string Narrow(const std::wstring& text)
{
    if (text.empty())
        return {};
    int length = WideCharToMultiByte(1252, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                     nullptr);
    std::string narrow(length, '\0');
    WideCharToMultiByte(1252, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length, nullptr,
                        nullptr);
    return narrow;
}
} // namespace obrtest

std::string obrtest::ReadFileText(const std::string& path)
{
    std::string text;
    const KernelHandle file(
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    char buffer[4096];
    DWORD read = 0;
    while (file && ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr) && read)
        text.append(buffer, read);
    return text;
}
