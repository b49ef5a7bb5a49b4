#include "DeclarationStyle.h"
#include "ControlStrings.h"
#include "CTClass.h"
#include "CTLib.h"

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
    if (!library || typeName.IsEmpty() || !library->IsName(typeName))
        return nullptr;
    return library->FindClass(typeName);
}

void WriteMemberOfLinks(CRTFBuilder& rtf, CTClass* owner)
{
    rtf << push << color(kLinkColor) << underline << bold << LinkTo(owner->GetLib()) << push << normal
        << black << "." << pull << LinkTo(owner) << pull;
}
} // namespace obr
