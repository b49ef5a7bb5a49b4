#include "samplehost/MacroProject.h"
#include "module/ComHolders.h"
#include "module/ModuleServices.h"
#include "module/WinHolders.h"
#include "references/RegisteredTypeLibs.h"

#include <oleauto.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <vector>

namespace
{
const GUID kStdole = {0x00020430, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID kScripting = {0x420B2830, 0xE718, 0x11CF, {0x89, 0x3D, 0x00, 0xA0, 0xC9, 0x05, 0x42, 0x28}};
const char kReferencesSection[] = "References";
// Files of format 2 write names and paths escaped; files without a format were written raw.
constexpr unsigned long kEscapedFormat = 2;
constexpr unsigned long kMostReferences = 10000;

CString ReadValue(const CString& path, const CString& section, const char* key)
{
    std::vector<char> buffer(32768, '\0');
    ::GetPrivateProfileStringA(section, key, "", buffer.data(), static_cast<DWORD>(buffer.size()), path);
    return buffer.data();
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

// The numbers n of the file's "Reference<n>" sections.
std::set<unsigned long> ReferenceSections(const CString& path)
{
    std::vector<char> names(65536, '\0');
    const DWORD length =
        ::GetPrivateProfileSectionNamesA(names.data(), static_cast<DWORD>(names.size()), path);
    std::set<unsigned long> numbers;
    for (const char* name = names.data(); name < names.data() + length && *name;
         name += std::strlen(name) + 1)
    {
        const CString text(name);
        unsigned long number = 0;
        if (text.GetLength() > 9 && text.Left(9).CompareNoCase("Reference") == 0 &&
            ParseNumber(text.Mid(9), kMostReferences, number))
            numbers.insert(number);
    }
    return numbers;
}

bool ReadReference(const CString& path, const CString& section, bool escaped, TLVLibId& reference)
{
    unsigned long major = 0, minor = 0, lcid = 0;
    if (!ParseGuidText(ReadValue(path, section, "Guid"), reference.guid) ||
        !ParseNumber(ReadValue(path, section, "Major"), 0xFFFF, major) ||
        !ParseNumber(ReadValue(path, section, "Minor"), 0xFFFF, minor) ||
        !ParseNumber(ReadValue(path, section, "Lcid"), 0xFFFFFFFF, lcid))
        return false;
    reference.wMajor = static_cast<WORD>(major);
    reference.wMinor = static_cast<WORD>(minor);
    reference.lcid = lcid;
    reference.strName = ReadValue(path, section, "Name");
    reference.strPath = ReadValue(path, section, "Path");
    if (escaped)
    {
        reference.strName = UnescapeProjectValue(reference.strName);
        reference.strPath = UnescapeProjectValue(reference.strPath);
    }
    return true;
}

// The file's bytes reach the disk before it replaces anything.
bool FlushToDisk(const CString& path)
{
    const KernelHandle file(
        ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && ::FlushFileBuffers(file.Get()) != FALSE;
}

CString DamagedCopyPath(const CString& path)
{
    SYSTEMTIME now = {};
    ::GetLocalTime(&now);
    CString copy;
    copy.Format("%s.endommagé-%04u%02u%02u-%02u%02u%02u", path.GetString(), now.wYear, now.wMonth, now.wDay,
                now.wHour, now.wMinute, now.wSecond);
    return copy;
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
    m_bDamaged = false;
    m_references = DefaultReferences();
    if (::GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
        return true;

    // Every reference that reads is kept: one damaged section loses nothing else.
    CString unreadable;
    unsigned long format = 1, count = 0;
    ParseNumber(ReadValue(path, kReferencesSection, "Format"), 0xFFFFFFFF, format);
    if (!ParseNumber(ReadValue(path, kReferencesSection, "Count"), kMostReferences, count))
        unreadable = "Count";
    const std::set<unsigned long> sections = ReferenceSections(path);
    const unsigned long last = sections.empty() ? count : std::max(count, *sections.rbegin() + 1);
    m_references.clear();
    for (unsigned long i = 0; i < last; ++i)
    {
        CString section;
        section.Format("Reference%lu", i);
        TLVLibId reference = {};
        if (ReadReference(path, section, format >= kEscapedFormat, reference))
            m_references.push_back(reference);
        else
            unreadable += (unreadable.IsEmpty() ? "" : ", ") + section;
    }
    if (unreadable.IsEmpty())
        return true;
    m_bDamaged = true;
    problem.Format("Le projet %s est endommagé : ces parties n'ont pas pu être lues : %s. Les %u références "
                   "lisibles sont gardées ; le fichier sera copié à côté de lui avant d'être réécrit.",
                   path.GetString(), unreadable.GetString(), static_cast<unsigned>(m_references.size()));
    return false;
}

bool MacroProject::Save(const CString& path, CString* kept)
{
    if (m_bDamaged && ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES)
    {
        const CString copy = DamagedCopyPath(path);
        if (!::CopyFileA(path, copy, TRUE))
            return false;
        if (kept)
            *kept = copy;
    }
    CString temporary = path + ".tmp";
    ::DeleteFileA(temporary);
    CString number, format;
    number.Format("%u", static_cast<unsigned>(m_references.size()));
    format.Format("%lu", kEscapedFormat);
    bool written = ::WritePrivateProfileStringA(kReferencesSection, "Format", format, temporary) &&
                   ::WritePrivateProfileStringA(kReferencesSection, "Count", number, temporary);
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
                  ::WritePrivateProfileStringA(section, "Name", Quoted(EscapeProjectValue(reference.strName)),
                                               temporary) &&
                  ::WritePrivateProfileStringA(section, "Path", Quoted(EscapeProjectValue(reference.strPath)),
                                               temporary);
    }
    // The profile functions may cache: the file is complete, and on the disk, before it replaces the old one.
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, temporary);
    if (!written || !FlushToDisk(temporary) ||
        !::MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    {
        ::DeleteFileA(temporary);
        return false;
    }
    m_bDamaged = false;
    return true;
}

CString EscapeProjectValue(const CString& value)
{
    CString escaped;
    for (int i = 0; i < value.GetLength(); ++i)
    {
        const unsigned char c = static_cast<unsigned char>(value[i]);
        if (c < 0x20 || c == 0x7F || c == '%')
        {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", c);
            escaped += code;
        }
        else
            escaped += static_cast<char>(c);
    }
    return escaped;
}

CString UnescapeProjectValue(const CString& value)
{
    CString text;
    for (int i = 0; i < value.GetLength(); ++i)
    {
        unsigned long code = 0;
        if (value[i] == '%' && i + 2 < value.GetLength() &&
            ParseNumber("0x" + value.Mid(i + 1, 2), 0xFF, code))
        {
            text += static_cast<char>(code);
            i += 2;
        }
        else
            text += value[i];
    }
    return text;
}
