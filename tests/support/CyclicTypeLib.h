// Crafted type libraries, built at test time. A damaged one: interfaces that name themselves, or each other,
// as their base. Such files exist (half-written or corrupted libraries); nothing that follows the bases may
// go round for ever.
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

// A crafted library with no loop at all whose walks unfold into a tree: the library "ObrLadder",
// coclasses Rung0 to Rung<rungs - 1>, each implementing the next one twice as its default, the last
// implementing IRungEnd (method Climb). A walk along every path reaches Climb 2^rungs times.
// Built, saved to a temporary file and registered for the lifetime of the object.
class LadderTypeLib
{
public:
    static const GUID kGuid;

    explicit LadderTypeLib(int rungs);
    ~LadderTypeLib();
    LadderTypeLib(const LadderTypeLib&) = delete;
    LadderTypeLib& operator=(const LadderTypeLib&) = delete;

    HRESULT Result() const { return m_result; }

private:
    HRESULT Build(int rungs);

    std::string m_path;
    HRESULT m_result;
    bool m_registered = false;
};
} // namespace obrtest
