// Owners of Win32 handles: each closes what it holds when it goes, as the COM holders release.
#pragma once

#include <windows.h>

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
