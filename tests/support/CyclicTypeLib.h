// Crafted type libraries, built at test time. A damaged one: interfaces that name themselves, or each other,
// as their base. Such files exist (half-written or corrupted libraries); nothing that follows the bases may
// go round for ever.
#pragma once

#include <windows.h>
#include <oleauto.h>
#include <functional>
#include <string>

namespace obrtest
{
// A library built into a temporary file and registered for the lifetime of the object.
class BuiltTypeLib
{
public:
    BuiltTypeLib(const BuiltTypeLib&) = delete;
    BuiltTypeLib& operator=(const BuiltTypeLib&) = delete;

    // S_OK when the library was built, saved and registered; the first failure otherwise.
    HRESULT Result() const { return m_result; }

protected:
    // `build` writes the library of that GUID (version 1.0) to the path it is given.
    BuiltTypeLib(const char* fileName, const GUID& guid,
                 const std::function<HRESULT(const std::string&)>& build);
    ~BuiltTypeLib();

private:
    std::string m_path;
    GUID m_guid;
    HRESULT m_result;
};

// The library "ObrLoop": ISelf (its own base, method Gamma), IFirst and ISecond (each the other's
// base, methods Alpha and Beta), the coclass Loop whose default interface is IFirst, and IBase.
// Built sound, then patched into loops.
class CyclicTypeLib : public BuiltTypeLib
{
public:
    static const GUID kGuid;
    CyclicTypeLib();
};

// A crafted library with no loop at all whose walks unfold into a tree: the library "ObrLadder",
// coclasses Rung0 to Rung<rungs - 1>, each implementing the next one twice as its default, the last
// implementing IRungEnd (method Climb). A walk along every path reaches Climb 2^rungs times.
class LadderTypeLib : public BuiltTypeLib
{
public:
    static const GUID kGuid;
    explicit LadderTypeLib(int rungs);
};
} // namespace obrtest
