#include "host/ctrl/ControlStrings.h"

#include <windows.h>

namespace
{
HMODULE ThisModule()
{
    HMODULE module = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                             GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCSTR>(&ThisModule), &module);
    return module;
}
} // namespace

CString strGetStringCTRL(UINT id)
{
    CString text;
    text.LoadString(ThisModule(), id);
    return text;
}
