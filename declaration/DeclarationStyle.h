// What the Basic builder's rich text shares: sizes, the link colour, the declaration font and the
// link sequences.
#pragma once

#include "host/ctrl/CRTFBuilder.h"
#include "framework/CString.h"

class CTClass;
class CTLib;

namespace obr
{
constexpr int kTitleSize = 20;       // the title of a catalog item
constexpr int kDeclarationSize = 18; // a declaration line
constexpr int kNoteSize = 16;        // the notes and documentation after a declaration
constexpr COLORREF kLinkColor = 0x008200;

// The face name of declaration text (the control library's string 4340).
CString DeclarationFace();

// A link to a class or a library: the data word is the object's address.
CRTFHyperlink LinkTo(CTClass* type);
CRTFHyperlink LinkTo(CTLib* library);

// The class of the library that type name t stands for, when the library defines the name as a class.
CTClass* LinkedClass(CTLib* library, const CString& typeName);

// "Library.Class" as two green links with a plain black dot between them.
void WriteMemberOfLinks(CRTFBuilder& rtf, CTClass* owner);
} // namespace obr
