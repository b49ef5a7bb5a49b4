// Type libraries built at test time with ICreateTypeLib2, for what widl cannot write: module
// constants, enumeration defaults, references that cannot be resolved, and libraries that are
// damaged (interfaces that name themselves or each other as their base: half-written or corrupted
// files exist) or unfold into a huge tree. A platform call that fails fails the test with its text.
#pragma once

#include "module/ComHolders.h"

#include <windows.h>
#include <oleauto.h>
#include <string>

namespace obrtest
{
// A library of version 1.0 in the neutral locale, written to a temporary file: its types are added,
// then Register() saves and registers it. Its end unregisters it and deletes the file.
class BuiltTypeLib
{
public:
    BuiltTypeLib(const std::string& fileName, const GUID& guid, const wchar_t* name);
    ~BuiltTypeLib();
    BuiltTypeLib(const BuiltTypeLib&) = delete;
    BuiltTypeLib& operator=(const BuiltTypeLib&) = delete;

    // A new type; interfaces and coclasses take the GUID after the one before, from the library's.
    ComPtr<ICreateTypeInfo> AddType(const wchar_t* name, TYPEKIND kind);
    // A method without parameters that returns an HRESULT.
    void AddMethod(ICreateTypeInfo* type, const wchar_t* name, MEMBERID id);
    // The type information of a type being built, and a reference from a type to another one.
    ComPtr<ITypeInfo> InfoOf(ICreateTypeInfo* type);
    HREFTYPE Reference(ICreateTypeInfo* from, ITypeInfo* to);
    // Makes `base` the implemented type at `index` of `type`.
    void Implement(ICreateTypeInfo* type, ICreateTypeInfo* base, int flags = 0, UINT index = 0);

    // Writes the file; true when every step so far succeeded.
    bool Save();
    // Saves, lets `patch` change the file's bytes (false when it could not), and registers.
    bool Register(bool (*patch)(const std::string& path) = nullptr);

    const std::string& Path() const { return m_path; }
    bool IsRegistered() const { return m_registered; }

private:
    bool Step(HRESULT result, const char* call);

    std::string m_path;
    GUID m_guid;
    GUID m_lastType;
    ComPtr<ICreateTypeLib2> m_library;
    bool m_sound = true;
    bool m_registered = false;
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

// A library with no loop at all whose walks unfold into a tree: "ObrLadder", coclasses Rung0 to
// Rung<rungs - 1>, each implementing the next one twice as its default, the last implementing
// IRungEnd (method Climb). A walk along every path reaches Climb 2^rungs times.
class LadderTypeLib : public BuiltTypeLib
{
public:
    static const GUID kGuid;
    explicit LadderTypeLib(int rungs);
};
} // namespace obrtest
