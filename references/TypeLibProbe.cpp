#include "references/TypeLibProbe.h"
#include "module/ComHolders.h"
#include "module/ModuleServices.h"

#include <oleauto.h>
#include <set>
#include <string>
#include <vector>

namespace
{
// Exit codes of the probing process; not 0, which rundll32 also gives when it finds no entry point.
constexpr DWORD kSound = 0x4F4B;
constexpr DWORD kNotALibrary = 0x4E4F;
constexpr int kDeepestBase = 64;

void FreeNames(BSTR* names, UINT count)
{
    for (UINT i = 0; i < count; ++i)
        ::SysFreeString(names[i]);
}

// Reads what the browser reads of a type: attributes, name, members with their names and doc
// strings, and its bases, each at most once on the way down.
void WalkType(ITypeInfo* info, std::set<ITypeInfo*>& path, int depth)
{
    TYPEATTR* lent = nullptr;
    if (depth > kDeepestBase || path.count(info) || FAILED(info->GetTypeAttr(&lent)) || !lent)
        return;
    const TypeAttrHolder attributes(info, lent);
    path.insert(info);
    {
        Bstr name;
        info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr);
    }
    for (UINT i = 0; i < attributes->cFuncs; ++i)
    {
        FUNCDESC* lentFunction = nullptr;
        if (FAILED(info->GetFuncDesc(i, &lentFunction)) || !lentFunction)
            continue;
        const FuncDescHolder function(info, lentFunction);
        std::vector<BSTR> names(static_cast<size_t>(function->cParams) + 1, nullptr);
        UINT count = 0;
        if (SUCCEEDED(info->GetNames(function->memid, names.data(), static_cast<UINT>(names.size()), &count)))
            FreeNames(names.data(), count);
        Bstr doc;
        info->GetDocumentation(function->memid, nullptr, &doc, nullptr, nullptr);
    }
    for (UINT i = 0; i < attributes->cVars; ++i)
    {
        VARDESC* lentVariable = nullptr;
        if (FAILED(info->GetVarDesc(i, &lentVariable)) || !lentVariable)
            continue;
        const VarDescHolder variable(info, lentVariable);
        Bstr name;
        info->GetDocumentation(variable->memid, &name, nullptr, nullptr, nullptr);
    }
    for (UINT i = 0; i < attributes->cImplTypes; ++i)
    {
        HREFTYPE reference = 0;
        INT flags = 0;
        ComPtr<ITypeInfo> base;
        if (SUCCEEDED(info->GetRefTypeOfImplType(i, &reference)) &&
            SUCCEEDED(info->GetImplTypeFlags(i, &flags)) && SUCCEEDED(info->GetRefTypeInfo(reference, &base)) &&
            base)
            WalkType(base.Get(), path, depth + 1);
    }
    path.erase(info);
}

// Where the probe registers the file: a key of its own standing in for HKEY_CLASSES_ROOT in the
// probing process only, removed by the host once the probe has ended.
std::string ScratchKey(DWORD processId)
{
    return "Software\\ObjectBrowserProbe\\" + std::to_string(processId);
}

void WalkLibrary(ITypeLib* library)
{
    for (UINT i = 0, count = library->GetTypeInfoCount(); i < count; ++i)
    {
        ITypeInfo* info = nullptr;
        if (FAILED(library->GetTypeInfo(i, &info)) || !info)
            continue;
        std::set<ITypeInfo*> path;
        WalkType(info, path, 0);
        info->Release();
    }
}

// Does with the file what the host will, in the same order: the references dialog loads it, reads
// its attributes and description, registers it and lets it go; the browser loads it again by its
// registration, reads every type and member and lets it go. The platform faults on some damaged
// files only while it frees them.
DWORD WalkFile(const wchar_t* path)
{
    HKEY scratch = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, ScratchKey(::GetCurrentProcessId()).c_str(), 0, nullptr, 0,
                          KEY_ALL_ACCESS, nullptr, &scratch, nullptr) == ERROR_SUCCESS)
        ::RegOverridePredefKey(HKEY_CLASSES_ROOT, scratch);
    ITypeLib* library = nullptr;
    if (FAILED(::LoadTypeLibEx(path, REGKIND_NONE, &library)) || !library)
        return kNotALibrary;
    TLIBATTR identity = {};
    TLIBATTR* attributes = nullptr;
    if (FAILED(library->GetLibAttr(&attributes)) || !attributes)
    {
        library->Release();
        return kNotALibrary;
    }
    {
        const LibAttrHolder lent(library, attributes);
        identity = *lent.Get();
    }
    BSTR text = nullptr;
    library->GetDocumentation(MEMBERID_NIL, nullptr, &text, nullptr, nullptr);
    ::SysFreeString(text);
    const HRESULT registered = ::RegisterTypeLib(library, const_cast<LPOLESTR>(path), nullptr);
    library->Release();

    library = nullptr;
    if (SUCCEEDED(registered) &&
        SUCCEEDED(::LoadRegTypeLib(identity.guid, identity.wMajorVerNum, identity.wMinorVerNum, identity.lcid,
                                   &library)) &&
        library)
    {
        WalkLibrary(library);
        library->Release();
    }
    else if (SUCCEEDED(::LoadTypeLibEx(path, REGKIND_NONE, &library)) && library)
    {
        WalkLibrary(library);
        library->Release();
    }
    ::RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    if (scratch)
        ::RegCloseKey(scratch);
    return kSound;
}

// A fault nobody handles ends the probe at once with its code: no debugger, no report.
LONG WINAPI EndOnFault(EXCEPTION_POINTERS* exception)
{
    ::TerminateProcess(::GetCurrentProcess(), exception->ExceptionRecord->ExceptionCode);
    return EXCEPTION_EXECUTE_HANDLER;
}
} // namespace

extern "C" void CALLBACK ProbeTypeLibraryW(HWND, HINSTANCE, LPWSTR path, int)
{
    // No message box for a fault: the process just ends, and the host reads that.
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    ::SetUnhandledExceptionFilter(&EndOnFault);
    ::CoInitialize(nullptr);
    const DWORD result = path ? WalkFile(path) : kNotALibrary;
    ::ExitProcess(result);
}

ProbeResult ProbeTypeLibraryFile(const CString& path, DWORD timeoutMs)
{
    wchar_t module[MAX_PATH] = {};
    wchar_t system[MAX_PATH] = {};
    if (!::GetModuleFileNameW(ObrModuleInstance(), module, MAX_PATH) ||
        !::GetSystemDirectoryW(system, MAX_PATH))
        return ProbeResult::NotProbed;
    const std::wstring runner = std::wstring(system) + L"\\rundll32.exe";
    std::wstring commandLine = L"\"" + runner + L"\" \"" + module + L"\",ProbeTypeLibrary " + path.ToWide();
    // The module's own libraries sit beside it: the probe runs in its folder so that it finds them.
    std::wstring folder = module;
    const size_t separator = folder.find_last_of(L"\\/");
    folder.erase(separator == std::wstring::npos ? 0 : separator);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessW(runner.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &process))
        return ProbeResult::NotProbed;
    ProbeResult result = ProbeResult::Faulted;
    if (::WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0)
    {
        DWORD exitCode = 0;
        ::GetExitCodeProcess(process.hProcess, &exitCode);
        if (exitCode == kSound)
            result = ProbeResult::Sound;
        else if (exitCode == kNotALibrary)
            result = ProbeResult::NotALibrary;
    }
    else
        ::TerminateProcess(process.hProcess, 1);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, ScratchKey(process.dwProcessId).c_str());
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return result;
}
