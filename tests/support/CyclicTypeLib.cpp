#include "tests/support/CyclicTypeLib.h"
#include "tests/support/TestPaths.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <cstdio>
#include <vector>

namespace obrtest
{
namespace
{
const SYSKIND kSysKind = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;

// The interface pointers of one build, released at its end whatever happened.
template <class T> struct Held
{
    T* p = nullptr;
    ~Held()
    {
        if (p)
            p->Release();
    }
    T* operator->() const { return p; }
};

HRESULT AddMethod(ICreateTypeInfo* type, const wchar_t* name, MEMBERID id)
{
    FUNCDESC function = {};
    function.memid = id;
    function.funckind = FUNC_PUREVIRTUAL;
    function.invkind = INVOKE_FUNC;
    function.callconv = CC_STDCALL;
    function.elemdescFunc.tdesc.vt = VT_HRESULT;
    HRESULT hr = type->AddFuncDesc(0, &function);
    if (SUCCEEDED(hr))
        hr = type->SetFuncAndParamNames(0, const_cast<LPOLESTR*>(&name), 1);
    return hr;
}

// Makes `base` the implemented type at `index` of `type`.
HRESULT Implement(ICreateTypeInfo* type, ICreateTypeInfo* base, int flags, UINT index = 0)
{
    Held<ITypeInfo> info;
    HRESULT hr = base->QueryInterface(IID_ITypeInfo, reinterpret_cast<void**>(&info.p));
    HREFTYPE reference = 0;
    if (SUCCEEDED(hr))
        hr = type->AddRefTypeInfo(info.p, &reference);
    if (SUCCEEDED(hr))
        hr = type->AddImplType(index, reference);
    if (SUCCEEDED(hr) && flags)
        hr = type->SetImplTypeFlags(index, flags);
    return hr;
}

HRESULT CreateLibrary(const std::string& path, const GUID& guid, const wchar_t* name,
                      ICreateTypeLib2** library)
{
    HRESULT hr = CreateTypeLib2(kSysKind, Widen(path).c_str(), library);
    if (SUCCEEDED(hr))
        hr = (*library)->SetGuid(guid);
    if (SUCCEEDED(hr))
        hr = (*library)->SetName(const_cast<LPOLESTR>(name));
    if (SUCCEEDED(hr))
        hr = (*library)->SetVersion(1, 0);
    if (SUCCEEDED(hr))
        hr = (*library)->SetLcid(0);
    return hr;
}

// The first failure of the steps, run in order while they succeed.
HRESULT InOrder(std::initializer_list<std::function<HRESULT()>> steps)
{
    HRESULT hr = S_OK;
    for (const std::function<HRESULT()>& step : steps)
        if (SUCCEEDED(hr))
            hr = step();
    return hr;
}

// The file's layout: a 0x54-byte header (with the type count at 0x20 and the flags at 0x14; one
// more word when the library names a help DLL), a word per type, then the segment directory
// whose first entry locates the type table, 0x64 bytes per type. An interface's base is the word
// at 0x54 of its entry: the reference of the base, which for a type of the same library is the
// offset of the base's entry.
HRESULT CloseTheLoops(const std::string& path)
{
    constexpr long kEntrySize = 0x64, kBaseOffset = 0x54;
    constexpr long kSelf = 0, kFirst = 1, kSecond = 2, kBase = 4;
    FILE* file = std::fopen(path.c_str(), "r+b");
    if (!file)
        return E_FAIL;
    auto readWord = [file](long at)
    {
        long value = -1;
        std::int32_t word = 0;
        if (std::fseek(file, at, SEEK_SET) == 0 && std::fread(&word, sizeof word, 1, file) == 1)
            value = word;
        return value;
    };
    auto writeWord = [file](long at, std::int32_t word)
    { return std::fseek(file, at, SEEK_SET) == 0 && std::fwrite(&word, sizeof word, 1, file) == 1; };
    const long types = readWord(0x20);
    const long helpDll = (readWord(0x14) & 0x100) ? 4 : 0;
    const long table = readWord(0x54 + helpDll + types * 4);
    bool patched = false;
    // Only a file laid out as expected is patched; anything else fails the build.
    if (types == 5 && table > 0 && readWord(table + kSelf * kEntrySize + kBaseOffset) == kBase * kEntrySize &&
        readWord(table + kSecond * kEntrySize + kBaseOffset) == kBase * kEntrySize)
        patched = writeWord(table + kSelf * kEntrySize + kBaseOffset, kSelf * kEntrySize) &&
                  writeWord(table + kSecond * kEntrySize + kBaseOffset, kFirst * kEntrySize);
    std::fclose(file);
    return patched ? S_OK : E_FAIL;
}

HRESULT CreateType(ICreateTypeLib2* library, const wchar_t* name, TYPEKIND kind, const GUID& guid,
                   ICreateTypeInfo** type)
{
    HRESULT hr = library->CreateTypeInfo(const_cast<LPOLESTR>(name), kind, type);
    if (SUCCEEDED(hr))
        hr = (*type)->SetGuid(guid);
    return hr;
}
} // namespace

BuiltTypeLib::BuiltTypeLib(const char* fileName, const GUID& guid,
                           const std::function<HRESULT(const std::string&)>& build)
    : m_path(TemporaryPath(fileName)), m_guid(guid), m_result(build(m_path))
{
    if (SUCCEEDED(m_result))
    {
        Held<ITypeLib> saved;
        m_result = LoadTypeLibEx(Widen(m_path).c_str(), REGKIND_REGISTER, &saved.p);
    }
}

BuiltTypeLib::~BuiltTypeLib()
{
    if (SUCCEEDED(m_result))
        UnRegisterTypeLib(m_guid, 1, 0, 0, kSysKind);
    DeleteFileA(m_path.c_str());
}

const GUID CyclicTypeLib::kGuid = {
    0x5e1f0c0a, 0x7b2d, 0x4c3e, {0x9f, 0x40, 0x51, 0x62, 0x73, 0x84, 0x95, 0xa6}};

CyclicTypeLib::CyclicTypeLib()
    : BuiltTypeLib(
          "obr-cyclic.tlb", kGuid,
          [](const std::string& path)
          {
              Held<ICreateTypeLib2> library;
              Held<ICreateTypeInfo> self, first, second, loop, base;
              GUID type = kGuid;
              auto next = [&type] { return ++type.Data1, type; };
              return InOrder({
                  [&] { return CreateLibrary(path, kGuid, L"ObrLoop", &library.p); },
                  [&] { return CreateType(library.p, L"ISelf", TKIND_INTERFACE, next(), &self.p); },
                  [&] { return CreateType(library.p, L"IFirst", TKIND_INTERFACE, next(), &first.p); },
                  [&] { return CreateType(library.p, L"ISecond", TKIND_INTERFACE, next(), &second.p); },
                  [&] { return CreateType(library.p, L"Loop", TKIND_COCLASS, next(), &loop.p); },
                  [&] { return CreateType(library.p, L"IBase", TKIND_INTERFACE, next(), &base.p); },
                  [&] { return AddMethod(self.p, L"Gamma", 1); },
                  [&] { return AddMethod(first.p, L"Alpha", 1); },
                  [&] { return AddMethod(second.p, L"Beta", 2); },
                  // Sound bases first: the platform would go round a loop for ever laying
                  // out the interfaces.
                  [&] { return Implement(self.p, base.p, 0); },
                  [&] { return Implement(first.p, second.p, 0); },
                  [&] { return Implement(second.p, base.p, 0); },
                  [&] { return Implement(loop.p, first.p, IMPLTYPEFLAG_FDEFAULT); },
                  [&] { return library->SaveAllChanges(); },
                  [&] { return CloseTheLoops(path); },
              });
          })
{
}

const GUID LadderTypeLib::kGuid = {
    0x6f2e1d0b, 0x8c3e, 0x4d4f, {0xa0, 0x51, 0x62, 0x73, 0x84, 0x95, 0xa6, 0xb7}};

LadderTypeLib::LadderTypeLib(int rungs)
    : BuiltTypeLib("obr-ladder.tlb", kGuid,
                   [rungs](const std::string& path)
                   {
                       Held<ICreateTypeLib2> library;
                       HRESULT hr = CreateLibrary(path, kGuid, L"ObrLadder", &library.p);
                       std::vector<Held<ICreateTypeInfo>> types(static_cast<size_t>(rungs) + 1);
                       GUID guid = kGuid;
                       for (int i = 0; SUCCEEDED(hr) && i <= rungs; ++i)
                       {
                           ++guid.Data1;
                           const std::wstring name = i == rungs ? L"IRungEnd" : L"Rung" + std::to_wstring(i);
                           hr = CreateType(library.p, name.c_str(),
                                           i == rungs ? TKIND_INTERFACE : TKIND_COCLASS, guid, &types[i].p);
                       }
                       if (SUCCEEDED(hr))
                           hr = AddMethod(types[rungs].p, L"Climb", 1);
                       for (int i = 0; SUCCEEDED(hr) && i < rungs; ++i)
                       {
                           hr = Implement(types[i].p, types[i + 1].p, IMPLTYPEFLAG_FDEFAULT, 0);
                           if (SUCCEEDED(hr) && i + 1 < rungs)
                               hr = Implement(types[i].p, types[i + 1].p, IMPLTYPEFLAG_FDEFAULT, 1);
                       }
                       return SUCCEEDED(hr) ? library->SaveAllChanges() : hr;
                   })
{
}
} // namespace obrtest
