// Shows one type-library file in the object browser, as a user would look through it: every class
// selected, every member selected and so described. Run by the robustness suite in a process of
// its own for each damaged file; a crash or a hang here is what the suite looks for.
//
//   robustness_child.exe FILE REGISTRY-KEY [GUID MAJOR MINOR]
//
// The file is registered below HKEY_CURRENT_USER\REGISTRY-KEY, which stands in for
// HKEY_CLASSES_ROOT in this process only, so the prefix's registrations are never touched. With a
// GUID and version, the file is registered under them as an installer would have registered it,
// without opening it: the browser is the first to load it, as a host whose project refers to a
// library that was damaged after it was installed.
// Exit codes: 0 shown, 3 the file could not be registered, 4 nothing was shown, 5 a fault inside
// the platform's own code that no guard of the module could end, 6 a fault in the module's or the
// child's own code (its code and address on standard error). A process that ends with an
// exception's code never reached its fault handler: its stack was destroyed.
#include "browser/CBrowserDlg.h"
#include "tests/support/ModalScript.h"
#include "tests/support/PlatformRecorder.h"
#include "tests/support/ScopedClassesRoot.h"
#include "tests/support/TestPaths.h"
#include "resources/resource.h"

#include <windows.h>
#include <commctrl.h>
#include <oleauto.h>
#include <cstdio>
#include <cwchar>
#include <string>

namespace
{
constexpr UINT kFaultInThePlatform = 5;
constexpr UINT kFaultInOurCode = 6;

// Whether the address lies in the module's code or the child's own.
bool IsOurCode(const void* address)
{
    // A call through a null pointer: where it came from is not known.
    if (!address)
        return false;
    HMODULE module = nullptr;
    wchar_t path[MAX_PATH] = {};
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCWSTR>(address), &module) ||
        !GetModuleFileNameW(module, path, MAX_PATH))
        return false;
    std::wstring name = path;
    name = name.substr(name.find_last_of(L"\\/") + 1);
    for (const wchar_t* ours :
         {L"objbrowser.dll", L"framework.dll", L"qvx_ctrl.dll", L"qvx_util.dll", L"robustness_child.exe"})
        if (_wcsicmp(name.c_str(), ours) == 0)
            return true;
    return false;
}

// A fault nobody handles ends the child at once, saying whether it lies in our code or the platform's.
LONG WINAPI EndOnFault(EXCEPTION_POINTERS* exception)
{
    const EXCEPTION_RECORD* record = exception->ExceptionRecord;
    const bool ours = IsOurCode(record->ExceptionAddress);
    if (ours)
        fprintf(stderr, "fault 0x%08lx at %p\n", static_cast<unsigned long>(record->ExceptionCode),
                record->ExceptionAddress);
    TerminateProcess(GetCurrentProcess(), ours ? kFaultInOurCode : kFaultInThePlatform);
    return EXCEPTION_EXECUTE_HANDLER;
}

// Registers the file as an installer would: the keys only, nothing read from the file.
bool RegisterUnread(obrtest::ScopedClassesRoot& root, const wchar_t* file, const wchar_t* guidText,
                    const wchar_t* major, const wchar_t* minor, CBrowserDlg& dialog)
{
    GUID guid = {};
    if (FAILED(IIDFromString(guidText, &guid)))
        return false;
    const WORD majorVersion = static_cast<WORD>(wcstoul(major, nullptr, 10));
    const WORD minorVersion = static_cast<WORD>(wcstoul(minor, nullptr, 10));
    char version[32];
    std::snprintf(version, sizeof version, "%x.%x", majorVersion, minorVersion);
    if (!root.AddLibrary(obrtest::Narrow(guidText), version, "Damaged library", "0",
                         sizeof(void*) == 8 ? "win64" : "win32", obrtest::Narrow(file).c_str()))
        return false;
    dialog.m_extensions.Add(guid, majorVersion, minorVersion);
    return true;
}

void SelectEachRow(CListCtrl* list, const std::function<void()>& then)
{
    for (int row = 0; row < list->GetItemCount(); ++row)
    {
        list->SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        then();
    }
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3)
        return 2;
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    // OBR_ROBUSTNESS_BACKTRACE lets the platform's debugger report a fault instead.
    if (!GetEnvironmentVariableA("OBR_ROBUSTNESS_BACKTRACE", nullptr, 0))
        SetUnhandledExceptionFilter(&EndOnFault);
    CoInitialize(nullptr);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    LoadLibraryA("riched32.dll");

    obrtest::ScopedClassesRoot root(obrtest::Narrow(argv[2]));
    if (!root.IsInPlace())
        return 3;
    // A message ("no library loaded") is answered at once: nobody is there to close it.
    obrtest::PlatformRecorder platform;
    CBrowserDlg dialog(BROWSER_TYPELIB);
    if (argc >= 6)
    {
        if (!RegisterUnread(root, argv[1], argv[3], argv[4], argv[5], dialog))
            return 3;
    }
    else
    {
        // Registered as the references dialog registers a file it accepted.
        ITypeLib* library = nullptr;
        TLIBATTR* attributes = nullptr;
        if (FAILED(LoadTypeLibEx(argv[1], REGKIND_NONE, &library)) ||
            FAILED(library->GetLibAttr(&attributes)) || FAILED(RegisterTypeLib(library, argv[1], nullptr)))
            return 3;
        dialog.m_extensions.Add(attributes->guid, attributes->wMajorVerNum, attributes->wMinorVerNum);
        library->ReleaseTLibAttr(attributes);
        library->Release();
    }

    int shown = 0;
    obrtest::RunModal(
        dialog,
        [&]()
        {
            CListCtrl* classes = dialog.m_pClassesList;
            CListCtrl* members = dialog.m_pMembersList;
            SelectEachRow(classes, [&] { SelectEachRow(members, [&] { ++shown; }); });
            dialog.SendMessage(WM_COMMAND, ID_SHOWHIDDEN);
            SelectEachRow(classes, [&] { SelectEachRow(members, [&] { ++shown; }); });
            // The search reads every name once more, and going to a hit selects across.
            dialog.RunSearch("e");
            CListCtrl* hits = &dialog.SearchPane();
            for (int row = 0; row < hits->GetItemCount() && row < 50; ++row)
                hits->SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            // The questions about uses read every member's declared and taken types
            // and every type's implemented ones, through aliases and pointers.
            if (classes->GetItemCount() > 1)
            {
                const CString name = classes->GetItemText(1, 0);
                for (const CString& question : {"As " + name, "(" + name + ")", "Implements " + name})
                    dialog.RunSearch(question);
            }
        });
    return shown > 0 ? 0 : 4;
}
