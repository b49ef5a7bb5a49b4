// Where a test program finds the modules and fixtures of the build.
#pragma once

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
} // namespace obrtest
