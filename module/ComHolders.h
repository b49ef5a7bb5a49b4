// Owners of COM resources: a counted interface reference, a BSTR, a VARIANT and the descriptors a
// type library lends out, each released or given back when its holder goes. One convention throughout: a
// holder owns what it holds; Attach takes over a reference without adding one, Copy adds one.
#pragma once

#include "framework/CString.h"

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

// Asking a type info for the descriptor of its function or variable `index`.
inline HRESULT Lend(ITypeInfo* source, UINT index, FUNCDESC** descriptor)
{
    return source->GetFuncDesc(index, descriptor);
}
inline HRESULT Lend(ITypeInfo* source, UINT index, VARDESC** descriptor)
{
    return source->GetVarDesc(index, descriptor);
}

// Giving a descriptor back to the interface that lent it.
inline void GiveBack(ITypeInfo* source, TYPEATTR* descriptor)
{
    source->ReleaseTypeAttr(descriptor);
}
inline void GiveBack(ITypeInfo* source, FUNCDESC* descriptor)
{
    source->ReleaseFuncDesc(descriptor);
}
inline void GiveBack(ITypeInfo* source, VARDESC* descriptor)
{
    source->ReleaseVarDesc(descriptor);
}
inline void GiveBack(ITypeLib* source, TLIBATTR* descriptor)
{
    source->ReleaseTLibAttr(descriptor);
}

// A descriptor lent by a type info or library (TYPEATTR, FUNCDESC, VARDESC, TLIBATTR), given back
// to that interface when the holder goes; the holder keeps the interface alive meanwhile.
template <class Source, class Descriptor> class DescriptorHolder
{
public:
    DescriptorHolder() = default;
    DescriptorHolder(Source* source, Descriptor* descriptor) { Attach(source, descriptor); }
    ~DescriptorHolder() { Reset(); }
    DescriptorHolder(const DescriptorHolder&) = delete;
    DescriptorHolder& operator=(const DescriptorHolder&) = delete;

    // Takes over a descriptor the source lent; a null one holds nothing.
    void Attach(Source* source, Descriptor* descriptor)
    {
        Reset();
        if (!source || !descriptor)
            return;
        m_source.Copy(source);
        m_descriptor = descriptor;
    }
    void Reset()
    {
        if (m_descriptor)
            GiveBack(m_source.Get(), m_descriptor);
        m_descriptor = nullptr;
        m_source.Release();
    }

    Descriptor* Get() const { return m_descriptor; }
    Descriptor* operator->() const { return m_descriptor; }
    explicit operator bool() const { return m_descriptor != nullptr; }

private:
    ComPtr<Source> m_source;
    Descriptor* m_descriptor = nullptr;
};

typedef DescriptorHolder<ITypeInfo, TYPEATTR> TypeAttrHolder;
typedef DescriptorHolder<ITypeInfo, FUNCDESC> FuncDescHolder;
typedef DescriptorHolder<ITypeInfo, VARDESC> VarDescHolder;
typedef DescriptorHolder<ITypeLib, TLIBATTR> LibAttrHolder;
