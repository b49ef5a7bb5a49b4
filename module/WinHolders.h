// Owners of Win32 handles: each closes what it holds when it goes, as the COM holders release.
#pragma once

#include "framework/CString.h"

#include <windows.h>
#include <string>
#include <vector>

// A kernel object handle (process, thread, job, event), closed with CloseHandle.
class KernelHandle
{
public:
    KernelHandle() = default;
    explicit KernelHandle(HANDLE handle) : m_handle(handle) {}
    ~KernelHandle() { Close(); }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;

    void Attach(HANDLE handle)
    {
        Close();
        m_handle = handle;
    }
    void Close()
    {
        if (m_handle && m_handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(m_handle);
        m_handle = nullptr;
    }
    HANDLE Get() const { return m_handle; }
    explicit operator bool() const { return m_handle && m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle = nullptr;
};

// An open registry key, closed when it goes.
class RegistryKey
{
public:
    RegistryKey() = default;
    ~RegistryKey() { Close(); }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    [[nodiscard]] bool Open(HKEY parent, const char* name, REGSAM access = KEY_READ)
    {
        Close();
        return ::RegOpenKeyExA(parent, name, 0, access, &m_key) == ERROR_SUCCESS;
    }
    // Opens the key, creating it and the keys above it when missing.
    [[nodiscard]] bool Create(HKEY parent, const char* name, REGSAM access = KEY_ALL_ACCESS)
    {
        Close();
        return ::RegCreateKeyExA(parent, name, 0, nullptr, 0, access, nullptr, &m_key, nullptr) ==
               ERROR_SUCCESS;
    }
    void Close()
    {
        if (m_key)
            ::RegCloseKey(m_key);
        m_key = nullptr;
    }
    HKEY Get() const { return m_key; }
    explicit operator bool() const { return m_key != nullptr; }

    // The names of the subkeys, in registry order. A name longer than a key name may be is skipped
    // so that the names after it are still seen.
    std::vector<std::string> SubkeyNames() const
    {
        std::vector<std::string> names;
        char name[256];
        for (DWORD index = 0;; ++index)
        {
            DWORD length = sizeof name;
            const LONG status =
                ::RegEnumKeyExA(m_key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
            if (status == ERROR_MORE_DATA)
                continue;
            if (status != ERROR_SUCCESS)
                break;
            names.emplace_back(name, length);
        }
        return names;
    }

    // The default value of the key, empty when it has none; false when it does not read.
    [[nodiscard]] bool ReadDefault(CString& value) const
    {
        LONG size = 0;
        if (::RegQueryValueA(m_key, nullptr, nullptr, &size) != ERROR_SUCCESS || size < 0)
            return false;
        // Room for the terminator a stored value may lack.
        std::vector<char> buffer(static_cast<size_t>(size) + 1, '\0');
        LONG read = size + 1;
        if (::RegQueryValueA(m_key, nullptr, buffer.data(), &read) != ERROR_SUCCESS)
            return false;
        value = buffer.data();
        return true;
    }

private:
    HKEY m_key = nullptr;
};
