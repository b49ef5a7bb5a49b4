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

    // Reads the project file. A missing file gives the default references and no problem; a damaged
    // one gives the defaults and a problem text for the user. The file itself is left as it is.
    [[nodiscard]] bool Load(const CString& path, CString& problem);
    // Writes the project to a temporary file beside it, then puts that in its place, so that an
    // interrupted save never leaves a half-written project.
    [[nodiscard]] bool Save(const CString& path) const;
};

// A reference to a registered library, named "description (major.minor)"; false when it is not registered.
bool DescribeRegisteredLibrary(const GUID& guid, WORD major, WORD minor, LCID lcid, TLVLibId& reference);
