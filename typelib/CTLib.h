// CTLib: one registered type library and the types in it, read on first use.
#pragma once

#include "module/ComHolders.h"
#include "typelib/CTLibItem.h"

#include <string>
#include <unordered_map>
#include <memory>
#include <vector>

class CTClass;

class OBR_API CTLib : public CTLibItem
{
public:
    // Loads the registered library; one that cannot be loaded stays unloaded (IsLoaded false).
    CTLib(const GUID& guid, WORD major, WORD minor, LCID lcid);
    ~CTLib() override;
    CTLib(const CTLib&) = delete;
    CTLib& operator=(const CTLib&) = delete;

    int GetKind() override { return TLIB_KIND_LIBRARY; }
    CString GetDescription() override;
    bool IsHidden() override;
    bool IsBrowsable() override;
    [[nodiscard]] bool GetHelpInfo(DWORD* helpContext, CString& helpFile) override;
    void Describe(int language, CRTFBuilder& rtf) override;
    CString GetKindName(int language) override;

    bool IsLoaded() const { return static_cast<bool>(m_pTypeLib); }
    // A new counted reference (null when unloaded).
    ITypeLib* GetTypeLib() const;
    // The types that could be read; a type the platform cannot give is left out.
    int GetClassCount();
    CTClass* GetClass(int index);
    GUID GetGuid() const { return m_libAttr ? m_libAttr->guid : GUID_NULL; }
    LCID GetLcid() const { return m_libAttr ? m_libAttr->lcid : 0; }
    SYSKIND GetSysKind() const { return m_libAttr ? m_libAttr->syskind : SYS_WIN32; }
    WORD GetMajorVersion() const { return m_libAttr ? m_libAttr->wMajorVerNum : 0; }
    WORD GetMinorVersion() const { return m_libAttr ? m_libAttr->wMinorVerNum : 0; }
    WORD GetLibFlags() const { return m_libAttr ? m_libAttr->wLibFlags : 0; }
    CString GetPath() const;

    // The first type whose own name (not its display name) is exactly name; null when none. The
    // names are indexed once, on first use.
    CTClass* FindClass(const CString& name);
    // Whether the library defines the name.
    bool IsName(const CString& name) const;
    // The application objects, enumerations, modules and unions, in type order.
    void GetGlobalClasses(std::vector<CTLibItem*>& out);

private:
    void ClearClasses();
    void LoadClasses();

    ComPtr<ITypeLib> m_pTypeLib;
    LibAttrHolder m_libAttr;
    std::vector<std::unique_ptr<CTClass>> m_classes;
    std::unordered_map<std::string, CTClass*> m_classesByName;
    bool m_bClassesLoaded = false;
};
