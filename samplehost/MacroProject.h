// The sample host's macro project: the type libraries it refers to, in priority order, kept in a
// project file (an INI file written with the profile functions).
#pragma once

#include "references/TLVLibId.h"

#include <list>

class MacroProject
{
public:
    std::list<TLVLibId> m_references;

    // A new project refers to stdole 2.0 and the Scripting runtime 1.0 (those registered).
    static std::list<TLVLibId> DefaultReferences();

    // Reads the project file. A missing file gives the default references. A file that cannot be
    // read whole gives every reference that could be read, and a problem text that names the parts
    // that could not; the file itself is left as it is, and the first save keeps a copy of it.
    [[nodiscard]] bool Load(const CString& path, CString& problem);
    // Writes the project to a temporary file beside it, flushed to the disk, then puts that in its
    // place, so that an interrupted save never leaves a half-written project. Over a file that
    // was read damaged, a copy of that file is kept beside it first ("projet.ini.endommagé-
    // AAAAMMJJ-HHMMSS"), whose path goes to kept; nothing is written when the copy fails.
    [[nodiscard]] bool Save(const CString& path, CString* kept = nullptr);
    // Whether the file last read could not be read whole (and has not been kept aside yet).
    bool IsDamaged() const { return m_bDamaged; }

private:
    bool m_bDamaged = false;
};

// A reference to a registered library, named "description (major.minor)"; false when it is not registered.
bool DescribeRegisteredLibrary(const GUID& guid, WORD major, WORD minor, LCID lcid, TLVLibId& reference);

// Names and paths as the project file holds them: '%' and the control characters (a line break
// in a library's name) written as %XX, so that every value reads back exactly.
CString EscapeProjectValue(const CString& value);
CString UnescapeProjectValue(const CString& value);
