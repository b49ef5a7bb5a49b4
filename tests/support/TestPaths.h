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

// A GUID written "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"; false, and GUID_NULL, for anything else.
bool ParseGuid(const std::string& text, GUID& guid);
} // namespace obrtest
