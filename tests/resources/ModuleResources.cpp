#include "tests/resources/ModuleResources.h"
#include "tests/support/TestPaths.h"

namespace obrtest
{
HMODULE BrowserModule()
{
    static HMODULE module = LoadLibraryA((ModuleDirectory() + "\\objbrowser.dll").c_str());
    return module;
}
} // namespace obrtest
