#include "tests/support/TestPaths.h"

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

bool obrtest::ParseGuid(const std::string& text, GUID& guid)
{
    if (SUCCEEDED(::IIDFromString(Widen(text).c_str(), &guid)))
        return true;
    guid = GUID();
    return false;
}
