// A damaged type library, built at test time: interfaces that name themselves, or each other, as
// their base. Such files exist (half-written or corrupted libraries); nothing that follows the
// bases may go round for ever.
#pragma once

#include <windows.h>
#include <oleauto.h>
#include <string>

namespace obrtest
{
// The library "ObrLoop": ISelf (its own base, method Gamma), IFirst and ISecond (each the other's
// base, methods Alpha and Beta), the coclass Loop whose default interface is IFirst, and IBase.
// Built sound, saved to a temporary file, patched into loops and registered for the lifetime of
// the object.
class CyclicTypeLib
{
public:
    static const GUID kGuid;

    CyclicTypeLib();
    ~CyclicTypeLib();
    CyclicTypeLib(const CyclicTypeLib&) = delete;
    CyclicTypeLib& operator=(const CyclicTypeLib&) = delete;

    // S_OK when the library was built, saved and registered; the first failure otherwise.
    HRESULT Result() const { return m_result; }

private:
    HRESULT Build();

    std::string m_path;
    HRESULT m_result;
    bool m_registered = false;
};
} // namespace obrtest
