// Shows one type-library file in the object browser, as a user would look through it: every class
// selected, every member selected and so described. Run by the robustness suite in a process of
// its own for each damaged file; a crash or a hang here is what the suite looks for.
//
//   robustness_child.exe FILE REGISTRY-KEY
//
// The file is registered below HKEY_CURRENT_USER\REGISTRY-KEY, which stands in for
// HKEY_CLASSES_ROOT in this process only, so the prefix's registrations are never touched.
// Exit codes: 0 shown, 3 the file could not be registered, 4 nothing was shown.
#include "browser/CBrowserDlg.h"
#include "tests/support/ModalScript.h"
#include "resources/resource.h"

#include <windows.h>
#include <commctrl.h>
#include <oleauto.h>
#include <string>

namespace
{
// A fault nobody handles ends the child at once with its code, which the suite reports.
LONG WINAPI EndOnFault(EXCEPTION_POINTERS* exception)
{
    TerminateProcess(GetCurrentProcess(), exception->ExceptionRecord->ExceptionCode);
    return EXCEPTION_EXECUTE_HANDLER;
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

    HKEY root = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, argv[2], 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root, nullptr) !=
            ERROR_SUCCESS ||
        RegOverridePredefKey(HKEY_CLASSES_ROOT, root) != ERROR_SUCCESS)
        return 3;
    // Registered as the references dialog registers a file it accepted.
    ITypeLib* library = nullptr;
    TLIBATTR* attributes = nullptr;
    if (FAILED(LoadTypeLibEx(argv[1], REGKIND_NONE, &library)) || FAILED(library->GetLibAttr(&attributes)) ||
        FAILED(RegisterTypeLib(library, argv[1], nullptr)))
        return 3;
    CBrowserDlg dialog(BROWSER_TYPELIB);
    dialog.m_extensions.Add(attributes->guid, attributes->wMajorVerNum, attributes->wMinorVerNum);
    library->ReleaseTLibAttr(attributes);
    library->Release();

    int shown = 0;
    obrtest::RunModal(dialog,
                      [&]()
                      {
                          CListCtrl* classes = dialog.m_pClassesList;
                          CListCtrl* members = dialog.m_pMembersList;
                          SelectEachRow(classes, [&] { SelectEachRow(members, [&] { ++shown; }); });
                          dialog.SendMessage(WM_COMMAND, ID_SHOWHIDDEN);
                          SelectEachRow(classes, [&] { SelectEachRow(members, [&] { ++shown; }); });
                          // The search reads every name once more, and going to a hit selects across.
                          dialog.RunSearch("e");
                          CListCtrl* hits = dialog.SearchResults();
                          for (int row = 0; row < hits->GetItemCount() && row < 50; ++row)
                              hits->SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
                      });
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    RegCloseKey(root);
    return shown > 0 ? 0 : 4;
}
