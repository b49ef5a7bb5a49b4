// Registers a type-library fixture in the Wine prefix for the lifetime of the object.
#pragma once

#include <windows.h>
#include <oleauto.h>
#include <string>

namespace obrtest
{
// Registration writes into the prefix that every test shares, so the destructor always takes it
// back out again, also when the test fails.
class RegisteredTypeLib
{
public:
    // fileName names a fixture of the build, e.g. "BrowserFixture.tlb".
    explicit RegisteredTypeLib(const std::string& fileName);
    ~RegisteredTypeLib();
    RegisteredTypeLib(const RegisteredTypeLib&) = delete;
    RegisteredTypeLib& operator=(const RegisteredTypeLib&) = delete;

    // S_OK when the library was loaded and registered; the failure of LoadTypeLibEx otherwise.
    HRESULT Result() const { return m_result; }
    const TLIBATTR& Attributes() const { return m_attributes; }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
    HRESULT m_result;
    TLIBATTR m_attributes;
};
} // namespace obrtest
