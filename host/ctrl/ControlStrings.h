// Strings of the host control library's own resources.
#pragma once

#include "framework/CString.h"
#include "host/ctrl/QvxCtrlApi.h"

// String 4340 is the face name of declaration text.
constexpr UINT IDS_DECLARATION_FACE = 4340;

QVX_CTRL_API CString strGetStringCTRL(UINT id);
