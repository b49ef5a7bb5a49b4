#include "tests/support/BuiltTypeLib.h"
#include "tests/support/Checked.h"
#include "tests/support/TestPaths.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#define OBR_BUILD_STEP(call) Step((call), #call)

namespace obrtest
{
namespace
{
// The platform of this build, which the libraries are built for and registered under.
const SYSKIND kSysKind = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;

// The file's layout: a 0x54-byte header (with the type count at 0x20 and the flags at 0x14; one
// more word when the library names a help DLL), a word per type, then the segment directory
// whose first entry locates the type table, 0x64 bytes per type. An interface's base is the word
// at 0x54 of its entry: the reference of the base, which for a type of the same library is the
// offset of the base's entry.
bool CloseTheLoops(const std::string& path)
{
    constexpr long kEntrySize = 0x64, kBaseOffset = 0x54;
    constexpr long kSelf = 0, kFirst = 1, kSecond = 2, kBase = 4;
    FILE* file = std::fopen(path.c_str(), "r+b");
    if (!file)
        return false;
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
    return patched;
}
} // namespace

BuiltTypeLib::BuiltTypeLib(const std::string& fileName, const GUID& guid, const wchar_t* name)
    : m_path(TemporaryPath(fileName)), m_guid(guid), m_lastType(guid)
{
    if (!OBR_BUILD_STEP(::CreateTypeLib2(kSysKind, Widen(m_path).c_str(), &m_library)))
        return;
    OBR_BUILD_STEP(m_library->SetGuid(guid));
    OBR_BUILD_STEP(m_library->SetName(const_cast<LPOLESTR>(name)));
    OBR_BUILD_STEP(m_library->SetVersion(1, 0));
    OBR_BUILD_STEP(m_library->SetLcid(0));
}

BuiltTypeLib::~BuiltTypeLib()
{
    if (m_registered)
        ::UnRegisterTypeLib(m_guid, 1, 0, 0, kSysKind);
    ::DeleteFileA(m_path.c_str());
}

bool BuiltTypeLib::Step(HRESULT result, const char* call)
{
    m_sound = Checked(result, call) && m_sound;
    return m_sound;
}

ComPtr<ICreateTypeInfo> BuiltTypeLib::AddType(const wchar_t* name, TYPEKIND kind)
{
    ComPtr<ICreateTypeInfo> type;
    if (m_sound && OBR_BUILD_STEP(m_library->CreateTypeInfo(const_cast<LPOLESTR>(name), kind, &type)) &&
        (kind == TKIND_INTERFACE || kind == TKIND_COCLASS))
    {
        ++m_lastType.Data1;
        OBR_BUILD_STEP(type->SetGuid(m_lastType));
    }
    return type;
}

void BuiltTypeLib::AddMethod(ICreateTypeInfo* type, const wchar_t* name, MEMBERID id)
{
    FUNCDESC function = {};
    function.memid = id;
    function.funckind = FUNC_PUREVIRTUAL;
    function.invkind = INVOKE_FUNC;
    function.callconv = CC_STDCALL;
    function.elemdescFunc.tdesc.vt = VT_HRESULT;
    if (m_sound && OBR_BUILD_STEP(type->AddFuncDesc(0, &function)))
        OBR_BUILD_STEP(type->SetFuncAndParamNames(0, const_cast<LPOLESTR*>(&name), 1));
}

ComPtr<ITypeInfo> BuiltTypeLib::InfoOf(ICreateTypeInfo* type)
{
    ComPtr<ITypeInfo> info;
    if (m_sound)
        OBR_BUILD_STEP(type->QueryInterface(IID_ITypeInfo, reinterpret_cast<void**>(&info)));
    return info;
}

HREFTYPE BuiltTypeLib::Reference(ICreateTypeInfo* from, ITypeInfo* to)
{
    HREFTYPE reference = 0;
    if (m_sound)
        OBR_BUILD_STEP(from->AddRefTypeInfo(to, &reference));
    return reference;
}

void BuiltTypeLib::Implement(ICreateTypeInfo* type, ICreateTypeInfo* base, int flags, UINT index)
{
    const HREFTYPE reference = Reference(type, InfoOf(base).Get());
    if (m_sound && OBR_BUILD_STEP(type->AddImplType(index, reference)) && flags)
        OBR_BUILD_STEP(type->SetImplTypeFlags(index, flags));
}

bool BuiltTypeLib::Save()
{
    if (m_sound)
        OBR_BUILD_STEP(m_library->SaveAllChanges());
    return m_sound;
}

bool BuiltTypeLib::Register(bool (*patch)(const std::string& path))
{
    if (!Save())
        return false;
    if (patch && !patch(m_path))
    {
        ADD_FAILURE() << m_path << " is not laid out as its patch expects";
        return m_sound = false;
    }
    ComPtr<ITypeLib> registered;
    m_registered = OBR_BUILD_STEP(::LoadTypeLibEx(Widen(m_path).c_str(), REGKIND_REGISTER, &registered));
    return m_registered;
}

const GUID CyclicTypeLib::kGuid = {
    0x5e1f0c0a, 0x7b2d, 0x4c3e, {0x9f, 0x40, 0x51, 0x62, 0x73, 0x84, 0x95, 0xa6}};

CyclicTypeLib::CyclicTypeLib() : BuiltTypeLib("obr-cyclic.tlb", kGuid, L"ObrLoop")
{
    // In this order, which the patch relies on.
    const ComPtr<ICreateTypeInfo> self = AddType(L"ISelf", TKIND_INTERFACE);
    const ComPtr<ICreateTypeInfo> first = AddType(L"IFirst", TKIND_INTERFACE);
    const ComPtr<ICreateTypeInfo> second = AddType(L"ISecond", TKIND_INTERFACE);
    const ComPtr<ICreateTypeInfo> loop = AddType(L"Loop", TKIND_COCLASS);
    const ComPtr<ICreateTypeInfo> base = AddType(L"IBase", TKIND_INTERFACE);
    AddMethod(self.Get(), L"Gamma", 1);
    AddMethod(first.Get(), L"Alpha", 1);
    AddMethod(second.Get(), L"Beta", 2);
    // Sound bases first: the platform would go round a loop for ever laying out the interfaces.
    Implement(self.Get(), base.Get());
    Implement(first.Get(), second.Get());
    Implement(second.Get(), base.Get());
    Implement(loop.Get(), first.Get(), IMPLTYPEFLAG_FDEFAULT);
    Register(&CloseTheLoops);
}

const GUID LadderTypeLib::kGuid = {
    0x6f2e1d0b, 0x8c3e, 0x4d4f, {0xa0, 0x51, 0x62, 0x73, 0x84, 0x95, 0xa6, 0xb7}};

LadderTypeLib::LadderTypeLib(int rungs) : BuiltTypeLib("obr-ladder.tlb", kGuid, L"ObrLadder")
{
    std::vector<ComPtr<ICreateTypeInfo>> types;
    for (int i = 0; i < rungs; ++i)
        types.push_back(AddType((L"Rung" + std::to_wstring(i)).c_str(), TKIND_COCLASS));
    types.push_back(AddType(L"IRungEnd", TKIND_INTERFACE));
    AddMethod(types.back().Get(), L"Climb", 1);
    for (int i = 0; i < rungs; ++i)
    {
        Implement(types[i].Get(), types[i + 1].Get(), IMPLTYPEFLAG_FDEFAULT, 0);
        if (i + 1 < rungs)
            Implement(types[i].Get(), types[i + 1].Get(), IMPLTYPEFLAG_FDEFAULT, 1);
    }
    Register();
}
} // namespace obrtest
