#include "declaration/DeclarationStyle.h"
#include "host/ctrl/ControlStrings.h"
#include "typelib/CTClass.h"
#include "typelib/CTLib.h"

namespace obr
{
CString DeclarationFace()
{
    return strGetStringCTRL(IDS_DECLARATION_FACE);
}

CRTFHyperlink LinkTo(CTClass* type)
{
    return CRTFHyperlink(type->GetName(), reinterpret_cast<DWORD_PTR>(type));
}

CRTFHyperlink LinkTo(CTLib* library)
{
    return CRTFHyperlink(library->GetName(), reinterpret_cast<DWORD_PTR>(library));
}

CTClass* LinkedClass(CTLib* library, const CString& typeName)
{
    // The library's own type names are indexed: asking the platform whether the library defines
    // the name would scan all its names for every type written.
    if (!library || typeName.IsEmpty())
        return nullptr;
    return library->FindClass(typeName);
}

void WriteMemberOfLinks(CRTFBuilder& rtf, CTClass* owner)
{
    rtf << push << color(kLinkColor) << underline << bold << LinkTo(owner->GetLib()) << push << normal
        << black << "." << pull << LinkTo(owner) << pull;
}
} // namespace obr
