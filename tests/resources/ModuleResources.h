// The object browser module, loaded by a test to read its resources.
#pragma once

#include <windows.h>

namespace obrtest
{
// Loaded once per test program from the build's output folder; null when it cannot be loaded.
HMODULE BrowserModule();
} // namespace obrtest
