// Constant and default values of a type library, as a long or as display text.
#pragma once

#include "module/BrowserApi.h"
#include "framework/CString.h"

#include <windows.h>
#include <oaidl.h>

namespace obr
{
[[nodiscard]] bool VariantToLong(const VARIANT& value, long& result);
// Booleans read as the user's language's words (VARIANT_ALPHABOOL | VARIANT_LOCALBOOL).
[[nodiscard]] bool VariantToText(const VARIANT& value, CString& result);
// A text as a Basic string literal: in quotes, an inner quote doubled.
OBR_API CString BasicStringLiteral(const CString& text);
} // namespace obr
