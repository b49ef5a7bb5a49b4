#include "references/TypeLibProbe.h"
#include "module/ComHolders.h"
#include "module/ModuleServices.h"
#include "module/TypeWalk.h"
#include "module/WinHolders.h"

#include <oleauto.h>
#include <string>
#include <vector>

namespace
{
// Exit codes of the probing process; not 0 or 1, which a program that failed to start may give.
constexpr DWORD kSound = 0x4F4B;
constexpr DWORD kNotALibrary = 0x4E4F;
constexpr SIZE_T kProbeMemoryLimit = SIZE_T(1) << 30;
const char kProbeProgramName[] = "objbrowser_probe.exe";

void FreeNames(BSTR* names, UINT count)
{
    for (UINT i = 0; i < count; ++i)
        ::SysFreeString(names[i]);
}

// Reads what the browser reads of a type: attributes, name, members with their names and doc
// strings, and its bases, each type once however many paths lead to it.
void WalkType(ITypeInfo* info, TypeWalk<ITypeInfo*>& walk, int depth)
{
    TYPEATTR* lent = nullptr;
    if (!walk.Enter(info, depth) || FAILED(info->GetTypeAttr(&lent)) || !lent)
        return;
    const TypeAttrHolder attributes(info, lent);
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
            SUCCEEDED(info->GetImplTypeFlags(i, &flags)) &&
            SUCCEEDED(info->GetRefTypeInfo(reference, &base)) && base)
            WalkType(base.Get(), walk, depth + 1);
    }
}

// Where the probe registers the file: a key of its own standing in for HKEY_CLASSES_ROOT in the
// probing process only. The probe removes it as it ends; the host removes it again when the probe
// could not.
std::string ScratchKey(DWORD processId)
{
    return "Software\\ObjectBrowserProbe\\" + std::to_string(processId);
}

void WalkLibrary(ITypeLib* library)
{
    for (UINT i = 0, count = library->GetTypeInfoCount(); i < count; ++i)
    {
        ComPtr<ITypeInfo> info;
        if (FAILED(library->GetTypeInfo(i, &info)) || !info)
            continue;
        TypeWalk<ITypeInfo*> walk;
        WalkType(info.Get(), walk, 0);
    }
}

// Does with the file what the host will, in the same order: the references dialog loads it, reads
// its attributes and description, registers it and lets it go; the browser loads it again by its
// registration, reads every type and member and lets it go. The platform faults on some damaged
// files only while it frees them.
DWORD WalkFile(const wchar_t* path)
{
    TLIBATTR identity = {};
    HRESULT registered = E_FAIL;
    {
        ComPtr<ITypeLib> library;
        if (FAILED(::LoadTypeLibEx(path, REGKIND_NONE, &library)) || !library)
            return kNotALibrary;
        TLIBATTR* attributes = nullptr;
        if (FAILED(library->GetLibAttr(&attributes)) || !attributes)
            return kNotALibrary;
        identity = *LibAttrHolder(library.Get(), attributes).Get();
        Bstr text;
        library->GetDocumentation(MEMBERID_NIL, nullptr, &text, nullptr, nullptr);
        registered = ::RegisterTypeLib(library.Get(), const_cast<LPOLESTR>(path), nullptr);
    }
    ComPtr<ITypeLib> again;
    if (SUCCEEDED(registered) &&
        SUCCEEDED(::LoadRegTypeLib(identity.guid, identity.wMajorVerNum, identity.wMinorVerNum, identity.lcid,
                                   &again)) &&
        again)
        WalkLibrary(again.Get());
    else
    {
        again.Release();
        if (SUCCEEDED(::LoadTypeLibEx(path, REGKIND_NONE, &again)) && again)
            WalkLibrary(again.Get());
    }
    return kSound;
}

// A fault nobody handles ends the probe at once with its code: no debugger, no report.
LONG WINAPI EndOnFault(EXCEPTION_POINTERS* exception)
{
    ::TerminateProcess(::GetCurrentProcess(), exception->ExceptionRecord->ExceptionCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

CString& ProbeProgramOverride()
{
    static CString program;
    return program;
}

// A job that ends the probe with the host (its handle closes when the host's process goes) and
// caps the memory a damaged file can make it take.
HANDLE CreateProbeJob()
{
    HANDLE job = ::CreateJobObjectW(nullptr, nullptr);
    if (!job)
        return nullptr;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags =
        JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | JOB_OBJECT_LIMIT_PROCESS_MEMORY;
    limits.ProcessMemoryLimit = kProbeMemoryLimit;
    ::SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return job;
}

// Waits for the process, painting the thread's windows meanwhile: nothing else of the user's
// reaches them, so nothing can start a second probe. False when the time ran out.
bool WaitPainting(HANDLE process, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;)
    {
        const DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
        const DWORD woken = ::MsgWaitForMultipleObjects(1, &process, FALSE, timeoutMs - elapsed, QS_PAINT);
        if (woken == WAIT_OBJECT_0)
            return true;
        if (woken != WAIT_OBJECT_0 + 1)
            return ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
        MSG message;
        while (::PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
            ::DispatchMessageW(&message);
    }
}
} // namespace

extern "C" void RunTypeLibraryProbe(const wchar_t* path)
{
    // No message box for a fault: the process just ends, and the host reads that.
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    ::SetUnhandledExceptionFilter(&EndOnFault);
    ::CoInitialize(nullptr);
    const std::string scratchKey = ScratchKey(::GetCurrentProcessId());
    RegistryKey scratch;
    if (scratch.Create(HKEY_CURRENT_USER, scratchKey.c_str()))
        ::RegOverridePredefKey(HKEY_CLASSES_ROOT, scratch.Get());
    const DWORD result = path && *path ? WalkFile(path) : kNotALibrary;
    ::RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    scratch.Close();
    ::RegDeleteTreeA(HKEY_CURRENT_USER, scratchKey.c_str());
    ::ExitProcess(result);
}

void SetProbeProgram(const CString& path)
{
    ProbeProgramOverride() = path;
}

CString ProbeProgram()
{
    if (!ProbeProgramOverride().IsEmpty())
        return ProbeProgramOverride();
    char module[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(ObrModuleInstance(), module, MAX_PATH);
    if (!length || length >= MAX_PATH)
        return CString();
    CString folder(module);
    return folder.Left(folder.ReverseFind('\\') + 1) + kProbeProgramName;
}

ProbeResult ProbeTypeLibraryFile(const CString& path, DWORD timeoutMs)
{
    const CString program = ProbeProgram();
    if (program.IsEmpty() || ::GetFileAttributesA(program) == INVALID_FILE_ATTRIBUTES)
        return ProbeResult::NotProbed;
    // Quoted whole: a path may hold blanks and commas, and never a quote.
    const std::wstring programPath = program.ToWide();
    std::wstring commandLine = L"\"" + programPath + L"\" \"" + path.ToWide() + L"\"";
    std::wstring folder = programPath.substr(0, programPath.find_last_of(L"\\/") + 1);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    // Started suspended, so that it is in its job before it runs a single instruction.
    if (!::CreateProcessW(programPath.c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                          CREATE_NO_WINDOW | CREATE_SUSPENDED, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &started))
        return ProbeResult::NotProbed;
    const KernelHandle process(started.hProcess), thread(started.hThread);
    const KernelHandle job(CreateProbeJob());
    if (job)
        ::AssignProcessToJobObject(job.Get(), process.Get());
    ::ResumeThread(thread.Get());

    HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32514) /* IDC_WAIT */));
    ProbeResult result = ProbeResult::Faulted;
    if (WaitPainting(process.Get(), timeoutMs))
    {
        DWORD exitCode = 0;
        ::GetExitCodeProcess(process.Get(), &exitCode);
        if (exitCode == kSound)
            result = ProbeResult::Sound;
        else if (exitCode == kNotALibrary)
            result = ProbeResult::NotALibrary;
    }
    else
    {
        ::TerminateProcess(process.Get(), 1);
        ::WaitForSingleObject(process.Get(), 5000);
    }
    ::SetCursor(previous);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, ScratchKey(started.dwProcessId).c_str());
    return result;
}
