#include "samplehost/MacroProject.h"
#include "module/ComHolders.h"

#include <oleauto.h>
#include <cstdio>
#include <cstdlib>

namespace
{
const GUID kStdole = {0x00020430, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID kScripting = {0x420B2830, 0xE718, 0x11CF, {0x89, 0x3D, 0x00, 0xA0, 0xC9, 0x05, 0x42, 0x28}};
const char kReferencesSection[] = "References";

CString GuidText(const GUID& guid)
{
    LPOLESTR wide = nullptr;
    if (FAILED(::StringFromIID(guid, &wide)))
        return CString();
    CString text = CString::FromWide(wide);
    ::CoTaskMemFree(wide);
    return text;
}

bool ParseGuid(const CString& text, GUID& guid)
{
    if (text.GetLength() != 38)
        return false;
    std::wstring wide(text.GetString(), text.GetString() + text.GetLength());
    return SUCCEEDED(::IIDFromString(wide.c_str(), &guid));
}

CString ReadValue(const CString& path, const CString& section, const char* key)
{
    char buffer[2048] = {};
    ::GetPrivateProfileStringA(section, key, "", buffer, sizeof buffer, path);
    return buffer;
}

// Quotes keep the blanks at either end of a value, which the profile functions would trim.
CString Quoted(const CString& value)
{
    return "\"" + value + "\"";
}

// A whole number within the bounds, or false.
bool ParseNumber(const CString& text, unsigned long maximum, unsigned long& value)
{
    if (text.IsEmpty())
        return false;
    char* end = nullptr;
    value = std::strtoul(text, &end, 0);
    return *end == '\0' && value <= maximum;
}
} // namespace

bool DescribeRegisteredLibrary(const GUID& guid, WORD major, WORD minor, LCID lcid, TLVLibId& reference)
{
    ComPtr<ITypeLib> library;
    if (FAILED(::LoadRegTypeLib(guid, major, minor, lcid, &library)) || !library)
        return false;
    // The description, or the library's name when it has none.
    Bstr name, doc, path;
    library->GetDocumentation(MEMBERID_NIL, &name, &doc, nullptr, nullptr);
    CString description = doc.ToString();
    if (description.IsEmpty())
        description = name.ToString();
    ::QueryPathOfRegTypeLib(guid, major, minor, lcid, &path);
    reference.guid = guid;
    reference.wMajor = major;
    reference.wMinor = minor;
    reference.lcid = lcid;
    reference.strName.Format("%s (%d.%d)", description.GetString(), major, minor);
    reference.strPath = path.ToString();
    return true;
}

std::list<TLVLibId> MacroProject::DefaultReferences()
{
    std::list<TLVLibId> references;
    TLVLibId reference;
    if (DescribeRegisteredLibrary(kStdole, 2, 0, 0, reference))
        references.push_back(reference);
    if (DescribeRegisteredLibrary(kScripting, 1, 0, 0, reference))
        references.push_back(reference);
    return references;
}

bool MacroProject::Load(const CString& path, CString& problem)
{
    problem.Empty();
    m_references = DefaultReferences();
    if (::GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
        return true;

    std::list<TLVLibId> read;
    unsigned long count = 0;
    bool sound = ParseNumber(ReadValue(path, kReferencesSection, "Count"), 10000, count);
    for (unsigned long i = 0; sound && i < count; ++i)
    {
        CString section;
        section.Format("Reference%lu", i);
        TLVLibId reference = {};
        unsigned long major = 0, minor = 0, lcid = 0;
        sound = ParseGuid(ReadValue(path, section, "Guid"), reference.guid) &&
                ParseNumber(ReadValue(path, section, "Major"), 0xFFFF, major) &&
                ParseNumber(ReadValue(path, section, "Minor"), 0xFFFF, minor) &&
                ParseNumber(ReadValue(path, section, "Lcid"), 0xFFFFFFFF, lcid);
        reference.wMajor = static_cast<WORD>(major);
        reference.wMinor = static_cast<WORD>(minor);
        reference.lcid = lcid;
        reference.strName = ReadValue(path, section, "Name");
        reference.strPath = ReadValue(path, section, "Path");
        read.push_back(reference);
    }
    if (!sound)
    {
        problem.Format("Le projet %s est endommagé : ses références ne peuvent pas être lues. "
                       "Les références par défaut sont utilisées.",
                       path.GetString());
        return false;
    }
    m_references = read;
    return true;
}

bool MacroProject::Save(const CString& path) const
{
    CString temporary = path + ".tmp";
    ::DeleteFileA(temporary);
    CString number;
    number.Format("%u", static_cast<unsigned>(m_references.size()));
    bool written = ::WritePrivateProfileStringA(kReferencesSection, "Count", number, temporary) != FALSE;
    unsigned index = 0;
    for (const TLVLibId& reference : m_references)
    {
        CString section;
        section.Format("Reference%u", index++);
        CString major, minor, lcid;
        major.Format("%u", reference.wMajor);
        minor.Format("%u", reference.wMinor);
        lcid.Format("0x%04lX", static_cast<unsigned long>(reference.lcid));
        written = written &&
                  ::WritePrivateProfileStringA(section, "Guid", GuidText(reference.guid), temporary) &&
                  ::WritePrivateProfileStringA(section, "Major", major, temporary) &&
                  ::WritePrivateProfileStringA(section, "Minor", minor, temporary) &&
                  ::WritePrivateProfileStringA(section, "Lcid", lcid, temporary) &&
                  ::WritePrivateProfileStringA(section, "Name", Quoted(reference.strName), temporary) &&
                  ::WritePrivateProfileStringA(section, "Path", Quoted(reference.strPath), temporary);
    }
    // The profile functions may cache; make sure the file is complete before it replaces the old one.
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, temporary);
    if (!written || !::MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    {
        ::DeleteFileA(temporary);
        return false;
    }
    return true;
}
