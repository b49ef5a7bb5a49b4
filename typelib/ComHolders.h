// Owners of COM resources: a counted interface reference, a BSTR and a VARIANT, each released when
// its holder goes. One convention throughout: a holder owns what it holds; Attach takes over a
// reference without adding one, Copy adds one.
#pragma once

#include "CString.h"

#include <windows.h>
#include <oleauto.h>
#include <cassert>

template <class T> class ComPtr
{
public:
    ComPtr() = default;
    ~ComPtr() { Release(); }
    ComPtr(const ComPtr& other) { Copy(other.m_ptr); }
    ComPtr& operator=(const ComPtr& other)
    {
        if (this != &other)
        {
            Release();
            Copy(other.m_ptr);
        }
        return *this;
    }

    // Takes over a reference the caller owned.
    void Attach(T* ptr)
    {
        Release();
        m_ptr = ptr;
    }
    // Holds a new reference of ptr.
    void Copy(T* ptr)
    {
        Release();
        m_ptr = ptr;
        if (m_ptr)
            m_ptr->AddRef();
    }
    // Hands the reference to the caller.
    T* Detach()
    {
        T* ptr = m_ptr;
        m_ptr = nullptr;
        return ptr;
    }
    void Release()
    {
        if (m_ptr)
            m_ptr->Release();
        m_ptr = nullptr;
    }

    T* Get() const { return m_ptr; }
    T* operator->() const { return m_ptr; }
    explicit operator bool() const { return m_ptr != nullptr; }
    // For an out parameter: the holder must be empty, so that nothing is overwritten unreleased.
    T** operator&()
    {
        assert(!m_ptr);
        return &m_ptr;
    }

private:
    T* m_ptr = nullptr;
};

class Bstr
{
public:
    Bstr() = default;
    ~Bstr() { ::SysFreeString(m_bstr); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;

    BSTR* operator&()
    {
        assert(!m_bstr);
        return &m_bstr;
    }
    BSTR Get() const { return m_bstr; }
    // The text in the ANSI code page; empty for a null BSTR.
    CString ToString() const
    {
        return m_bstr ? CString::FromWide(m_bstr, static_cast<int>(::SysStringLen(m_bstr))) : CString();
    }

private:
    BSTR m_bstr = nullptr;
};

class Variant
{
public:
    Variant() { ::VariantInit(&m_value); }
    ~Variant() { ::VariantClear(&m_value); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;

    VARIANT* operator&() { return &m_value; }
    const VARIANT& Get() const { return m_value; }

private:
    VARIANT m_value;
};
