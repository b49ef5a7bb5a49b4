#include "ModuleResources.h"
#include "TestPaths.h"

namespace obrtest
{
HMODULE BrowserModule()
{
    static HMODULE module = LoadLibraryA((ModuleDirectory() + "\\objbrowser.dll").c_str());
    return module;
}
} // namespace obrtest
