// Checks a platform call that prepares a test (building a library, say): a failed call fails the
// test with the call's text and result, wherever it was made.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#define OBR_CHECKED(call) ::obrtest::Checked((call), #call)

namespace obrtest
{
inline bool Checked(HRESULT result, const char* call)
{
    if (SUCCEEDED(result))
        return true;
    ADD_FAILURE() << call << " failed: 0x" << std::hex << static_cast<unsigned long>(result);
    return false;
}
} // namespace obrtest
