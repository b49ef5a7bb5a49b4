#include "typelib/TypeUsage.h"
#include "typelib/CTClass.h"
#include "typelib/CTFunction.h"
#include "typelib/CTLib.h"
#include "typelib/CTVariable.h"
#include "typelib/PlatformGuard.h"
#include "typelib/TypeLibView.h"
#include "module/ComHolders.h"
#include "module/ModuleServices.h"

#include <algorithm>
#include <cstring>

namespace
{
// How many aliases and pointers a type is looked through, at most (a damaged library may loop).
constexpr int kMostIndirections = 16;

// The name a type is known by across libraries.
std::string KeyOfInfo(ITypeInfo* info)
{
    TYPEATTR* lent = nullptr;
    if (FAILED(obr::Guarded([&] { return info->GetTypeAttr(&lent); })) || !lent)
        return std::string();
    TypeAttrHolder attributes(info, lent);
    if (attributes->guid != GUID_NULL)
        return GuidText(attributes->guid).str();
    // Records, aliases and modules may have no GUID: their library's and their name.
    ComPtr<ITypeLib> library;
    UINT index = 0;
    Bstr name;
    TLIBATTR* libraryAttributes = nullptr;
    if (FAILED(obr::Guarded([&] { return info->GetContainingTypeLib(&library, &index); })) ||
        FAILED(obr::Guarded(
            [&] { return info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr); })) ||
        FAILED(obr::Guarded([&] { return library->GetLibAttr(&libraryAttributes); })) || !libraryAttributes)
        return std::string();
    LibAttrHolder held(library.Get(), libraryAttributes);
    return GuidText(held->guid).str() + ":" + name.ToString().str();
}

// The type a declared type names, looked through pointers and aliases; empty for a type of the
// language (a number, a string, a variant, an object of no named type).
std::string KeyOfDesc(ITypeInfo* context, const TYPEDESC* type, int depth = 0)
{
    while (type && type->vt == VT_PTR && depth < kMostIndirections)
    {
        type = type->lptdesc;
        ++depth;
    }
    if (!type || type->vt != VT_USERDEFINED || depth >= kMostIndirections)
        return std::string();
    ComPtr<ITypeInfo> named;
    if (FAILED(obr::Guarded([&] { return context->GetRefTypeInfo(type->hreftype, &named); })) || !named)
        return std::string();
    TYPEATTR* lent = nullptr;
    if (FAILED(obr::Guarded([&] { return named->GetTypeAttr(&lent); })) || !lent)
        return std::string();
    TypeAttrHolder attributes(named.Get(), lent);
    if (attributes->typekind == TKIND_ALIAS)
        return KeyOfDesc(named.Get(), &attributes->tdescAlias, depth + 1);
    return KeyOfInfo(named.Get());
}

// The key of a class's own type.
std::string KeyOfClass(CTClass* type)
{
    ComPtr<ITypeInfo> info;
    info.Attach(type->GetTypeInfo());
    return info ? KeyOfInfo(info.Get()) : std::string();
}

// What a type implements: a coclass's interfaces but those it raises events through, an
// interface's base. The base of a dual interface is read from its vtable side: its dispatch
// side derives from IDispatch alone.
std::vector<std::string> ImplementedKeysOf(ITypeInfo* type)
{
    std::vector<std::string> keys;
    ComPtr<ITypeInfo> info;
    info.Copy(type);
    TYPEATTR* lent = nullptr;
    if (FAILED(obr::Guarded([&] { return info->GetTypeAttr(&lent); })) || !lent)
        return keys;
    TypeAttrHolder attributes(info.Get(), lent);
    if (attributes->typekind == TKIND_DISPATCH && (attributes->wTypeFlags & TYPEFLAG_FDUAL))
    {
        HREFTYPE vtableSide = 0;
        ComPtr<ITypeInfo> vtable;
        if (SUCCEEDED(obr::Guarded(
                [&] { return info->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtableSide); })) &&
            SUCCEEDED(obr::Guarded([&] { return info->GetRefTypeInfo(vtableSide, &vtable); })) && vtable)
        {
            lent = nullptr;
            if (FAILED(obr::Guarded([&] { return vtable->GetTypeAttr(&lent); })) || !lent)
                return keys;
            attributes.Attach(vtable.Get(), lent);
            info = vtable;
        }
    }
    const int count = std::min<int>(attributes->cImplTypes, CTClass::kMostImplTypes);
    for (int i = 0; i < count; ++i)
    {
        INT flags = 0;
        HREFTYPE reference = 0;
        ComPtr<ITypeInfo> implemented;
        if (SUCCEEDED(obr::Guarded([&] { return info->GetImplTypeFlags(static_cast<UINT>(i), &flags); })) &&
            !(flags & IMPLTYPEFLAG_FSOURCE) &&
            SUCCEEDED(
                obr::Guarded([&] { return info->GetRefTypeOfImplType(static_cast<UINT>(i), &reference); })) &&
            SUCCEEDED(obr::Guarded([&] { return info->GetRefTypeInfo(reference, &implemented); })) &&
            implemented)
            keys.push_back(KeyOfInfo(implemented.Get()));
    }
    return keys;
}

std::vector<std::string> ImplementedKeysOf(CTClass* type)
{
    ComPtr<ITypeInfo> info;
    info.Attach(type->GetTypeInfo());
    return info ? ImplementedKeysOf(info.Get()) : std::vector<std::string>();
}

// The interfaces a coclass implements as its default (incoming) ones.
std::vector<CTClass*> DefaultInterfacesOf(CTClass* coclass)
{
    std::vector<CTClass*> interfaces;
    for (int i = 0; i < coclass->GetImplTypeCount(); ++i)
        if (CTClass* implemented = coclass->GetImplType(i);
            implemented && implemented->IsDefaultImplementation() &&
            !(implemented->GetImplTypeFlags() & IMPLTYPEFLAG_FSOURCE))
            interfaces.push_back(implemented);
    return interfaces;
}
} // namespace

namespace TypeUsage
{
bool ParseQuestion(const std::string& text, Use& use, std::string& typeName)
{
    const size_t first = text.find_first_not_of(" \t");
    const size_t last = text.find_last_not_of(" \t");
    if (first == std::string::npos)
        return false;
    const std::string question = text.substr(first, last - first + 1);
    auto startsWith = [&](const char* word)
    {
        const size_t length = std::strlen(word);
        return question.size() > length && ::_strnicmp(question.c_str(), word, length) == 0;
    };
    std::string rest;
    if (startsWith("as "))
    {
        use = kReturns;
        rest = question.substr(3);
    }
    else if (startsWith("implements "))
    {
        use = kImplements;
        rest = question.substr(11);
    }
    else if (question.size() > 2 && question.front() == '(' && question.back() == ')')
    {
        use = kTakes;
        rest = question.substr(1, question.size() - 2);
    }
    else
        return false;
    const size_t begin = rest.find_first_not_of(" \t");
    const size_t end = rest.find_last_not_of(" \t");
    if (begin == std::string::npos)
        return false;
    typeName = rest.substr(begin, end - begin + 1);
    // A type's name is one word.
    return typeName.find_first_of(" \t()") == std::string::npos;
}

std::vector<std::string> KeysOf(CTClass* type)
{
    std::vector<std::string> keys;
    const std::string own = type ? KeyOfClass(type) : std::string();
    if (own.empty())
        return keys;
    keys.push_back(own);
    if (type->IsCoClass())
    {
        for (CTClass* implemented : DefaultInterfacesOf(type))
            keys.push_back(KeyOfClass(implemented));
    }
    else if (CTLib* library = type->GetLib())
    {
        for (int i = 0; i < library->GetClassCount(); ++i)
            if (CTClass* coclass = library->GetClass(i); coclass && coclass->IsCoClass())
                for (CTClass* implemented : DefaultInterfacesOf(coclass))
                    if (KeyOfClass(implemented) == own)
                        keys.push_back(KeyOfClass(coclass));
    }
    keys.erase(std::remove(keys.begin(), keys.end(), std::string()), keys.end());
    return keys;
}

Index::Index(CTLib* library)
{
    for (CTClass* type : TypeLibView::ShownClassesInTypeOrder(library))
    {
        const bool typeHidden = type->IsHidden();
        // Implemented: what the type implements (a coclass's interfaces but the ones it raises
        // events through, an interface's base), and for a coclass what its default interfaces
        // derive from. A type is not its own implementer: a coclass stands for its default.
        m_rows.push_back({type, nullptr, typeHidden});
        const size_t typeRow = m_rows.size() - 1;
        std::vector<std::string> itself = {KeyOfClass(type)};
        std::vector<std::string> implemented = ImplementedKeysOf(type);
        if (type->IsCoClass())
            for (CTClass* standsFor : DefaultInterfacesOf(type))
            {
                itself.push_back(KeyOfClass(standsFor));
                for (const std::string& key : ImplementedKeysOf(standsFor))
                    implemented.push_back(key);
            }
        for (const std::string& key : implemented)
            if (std::find(itself.begin(), itself.end(), key) == itself.end())
                Add(kImplements, key, typeRow);

        for (CTMember* member : TypeLibView::DeclaredBy(type))
        {
            m_rows.push_back({type, member, typeHidden || member->IsHidden()});
            const size_t row = m_rows.size() - 1;
            ComPtr<ITypeInfo> context;
            context.Attach(member->GetTypeInfo());
            if (!context)
                continue;
            if (auto* variable = dynamic_cast<CTVariable*>(member))
            {
                if (const VARDESC* desc = variable->GetVarDesc())
                    Add(kReturns, KeyOfDesc(context.Get(), &desc->elemdescVar.tdesc), row);
                continue;
            }
            auto* function = dynamic_cast<CTFunction*>(member);
            const FUNCDESC* desc = function ? function->GetFuncDesc() : nullptr;
            if (!desc)
                continue;
            // The declared type: a setter's value, a [retval] parameter behind an HRESULT, or the
            // return type; every other parameter is taken.
            int declared = -1;
            const int count = std::max<int>(0, desc->cParams);
            if (function->IsPropertyPut() && count > 0)
                declared = count - 1;
            else if (desc->elemdescFunc.tdesc.vt == VT_HRESULT && count > 0 &&
                     (desc->lprgelemdescParam[count - 1].paramdesc.wParamFlags & PARAMFLAG_FRETVAL))
                declared = count - 1;
            Add(kReturns,
                KeyOfDesc(context.Get(), declared >= 0 ? &desc->lprgelemdescParam[declared].tdesc
                                                       : &desc->elemdescFunc.tdesc),
                row);
            for (int i = 0; i < count; ++i)
                if (i != declared)
                    Add(kTakes, KeyOfDesc(context.Get(), &desc->lprgelemdescParam[i].tdesc), row);
        }
    }
}

void Index::Add(Use use, const std::string& key, size_t row)
{
    if (key.empty())
        return;
    const size_t index = m_keyIndex.emplace(key, m_keyIndex.size()).first->second;
    m_entries.push_back({use, index, row});
}

void Index::ForEach(Use use, const std::vector<std::string>& keys,
                    const std::function<void(const Hit&)>& visit) const
{
    std::vector<size_t> wanted;
    for (const std::string& key : keys)
        if (auto found = m_keyIndex.find(key); found != m_keyIndex.end())
            wanted.push_back(found->second);
    if (wanted.empty())
        return;
    // A row's uses are added together: a row that uses the type twice is visited once.
    size_t lastRow = m_rows.size();
    for (const Entry& entry : m_entries)
        if (entry.use == use && entry.row != lastRow &&
            std::find(wanted.begin(), wanted.end(), entry.key) != wanted.end())
        {
            lastRow = entry.row;
            visit(m_rows[entry.row]);
        }
}
} // namespace TypeUsage
