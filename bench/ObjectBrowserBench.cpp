// Times the browser's user actions against the platform's own cost for the same reads, in one
// process run, and prints a markdown table. It asserts nothing: the figures are for people.
//
//   objbrowser_bench.exe [--runs N]
#include "browser/CBrowserDlg.h"
#include "module/ModuleServices.h"
#include "module/WinHolders.h"
#include "typelib/CTClass.h"
#include "typelib/CTFunction.h"
#include "typelib/CTLib.h"
#include "typelib/CTVariable.h"
#include "impl/CTypeLibBrowserImpl.h"
#include "tests/support/ModalScript.h"
#include "tests/support/StartMark.h"
#include "typelib/PlatformGuard.h"
#include "resources/resource.h"

#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <oleauto.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{
const GUID kMshtml = {0x3050F1C5, 0x98B5, 0x11CF, {0xBB, 0x82, 0x00, 0xAA, 0x00, 0xBD, 0xCE, 0x0B}};

double Now()
{
    static LARGE_INTEGER frequency = []
    {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Figures
{
    std::vector<double> ms;
    void Add(double value) { ms.push_back(value); }
    double Median() const
    {
        if (ms.empty())
            return 0;
        std::vector<double> sorted = ms;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }
    double Min() const { return ms.empty() ? 0 : *std::min_element(ms.begin(), ms.end()); }
    double Max() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

struct Row
{
    std::string action;
    Figures action_ms;
    Figures floor_ms;
    bool hasFloor = true;
};

void Print(const std::vector<Row>& rows, int runs)
{
    std::printf(
        "| action (%d runs) | median ms | min-max ms | floor median ms | floor min-max ms | ratio |\n", runs);
    std::printf("|---|---:|---:|---:|---:|---:|\n");
    for (const Row& row : rows)
    {
        if (row.hasFloor)
            std::printf("| %s | %.1f | %.1f-%.1f | %.1f | %.1f-%.1f | %.2f |\n", row.action.c_str(),
                        row.action_ms.Median(), row.action_ms.Min(), row.action_ms.Max(),
                        row.floor_ms.Median(), row.floor_ms.Min(), row.floor_ms.Max(),
                        row.floor_ms.Median() > 0 ? row.action_ms.Median() / row.floor_ms.Median() : 0.0);
        else
            std::printf("| %s | %.1f | %.1f-%.1f | | | |\n", row.action.c_str(), row.action_ms.Median(),
                        row.action_ms.Min(), row.action_ms.Max());
    }
    std::fflush(stdout);
}

// ---- The platform's floor: the same reads with plain OLE Automation calls ----

void ReadTypeAttributesAndNames(ITypeLib* library)
{
    for (UINT i = 0, count = library->GetTypeInfoCount(); i < count; ++i)
    {
        ITypeInfo* info = nullptr;
        if (FAILED(library->GetTypeInfo(i, &info)))
            continue;
        TYPEATTR* attributes = nullptr;
        if (SUCCEEDED(info->GetTypeAttr(&attributes)))
            info->ReleaseTypeAttr(attributes);
        BSTR name = nullptr;
        info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr);
        SysFreeString(name);
        info->Release();
    }
}

double FloorOfOpening(const GUID& guid, WORD major, WORD minor)
{
    const double start = Now();
    ITypeLib* library = nullptr;
    if (SUCCEEDED(LoadRegTypeLib(guid, major, minor, 0, &library)))
    {
        ReadTypeAttributesAndNames(library);
        library->Release();
    }
    return Now() - start;
}

// Members of a type and of its bases: descriptors, names and doc strings. depth bounds a loop.
void ReadMembers(ITypeInfo* info, int depth = 0)
{
    TYPEATTR* attributes = nullptr;
    if (depth > 16 || FAILED(info->GetTypeAttr(&attributes)))
        return;
    for (UINT i = 0; i < attributes->cImplTypes; ++i)
    {
        HREFTYPE reference = 0;
        ITypeInfo* base = nullptr;
        if (SUCCEEDED(info->GetRefTypeOfImplType(i, &reference)) &&
            SUCCEEDED(info->GetRefTypeInfo(reference, &base)))
        {
            ReadMembers(base, depth + 1);
            base->Release();
        }
    }
    for (UINT i = 0; i < attributes->cFuncs; ++i)
    {
        // The platform faults on some functions of some libraries (ADO): the module's guard leaves
        // them out, and so does the floor.
        FUNCDESC* function = nullptr;
        HRESULT hr = E_FAIL;
        if (!obr::GuardedCall([&] { hr = info->GetFuncDesc(i, &function); }) || FAILED(hr) || !function)
            continue;
        BSTR names[64] = {};
        UINT count = 0;
        info->GetNames(function->memid, names, 64, &count);
        for (UINT n = 0; n < count; ++n)
            SysFreeString(names[n]);
        BSTR doc = nullptr;
        info->GetDocumentation(function->memid, nullptr, &doc, nullptr, nullptr);
        SysFreeString(doc);
        info->ReleaseFuncDesc(function);
    }
    for (UINT i = 0; i < attributes->cVars; ++i)
    {
        VARDESC* variable = nullptr;
        if (FAILED(info->GetVarDesc(i, &variable)))
            continue;
        BSTR name = nullptr, doc = nullptr;
        info->GetDocumentation(variable->memid, &name, &doc, nullptr, nullptr);
        SysFreeString(name);
        SysFreeString(doc);
        info->ReleaseVarDesc(variable);
    }
    info->ReleaseTypeAttr(attributes);
}

double FloorOfReadingMembers(ITypeLib* library, const std::string& typeName)
{
    const double start = Now();
    for (UINT i = 0, count = library->GetTypeInfoCount(); i < count; ++i)
    {
        BSTR name = nullptr;
        library->GetDocumentation(static_cast<INT>(i), &name, nullptr, nullptr, nullptr);
        const bool match = name && CString::FromWide(name) == typeName.c_str();
        SysFreeString(name);
        ITypeInfo* info = nullptr;
        if (match && SUCCEEDED(library->GetTypeInfo(i, &info)))
        {
            ReadMembers(info);
            info->Release();
            break;
        }
    }
    return Now() - start;
}

// A report list view filled with n rows, drawing off, and sorted once: the floor of every
// list-filling action.
double FloorOfFillingAList(HWND parent, int rows)
{
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT | LVS_SINGLESEL, 0, 0, 200, 300,
                                parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH;
    column.cx = 100;
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    const double start = Now();
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < rows; ++i)
    {
        char text[32];
        std::snprintf(text, sizeof text, "Member%05d", (i * 7919) % rows);
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = i;
        item.pszText = text;
        item.lParam = (i * 7919) % rows;
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(list, LVM_SORTITEMS, 0,
                 reinterpret_cast<LPARAM>(+[](LPARAM a, LPARAM b, LPARAM) -> int { return a < b ? -1 : 1; }));
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    const double elapsed = Now() - start;
    DestroyWindow(list);
    return elapsed;
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

// The browser's dialog template made by the platform alone, with no framework and no back-end:
// created, and either shown and drawn up to idle (the floor of opening a function browser, which
// is timed up to idle) or destroyed at once (the floor of the bare dialog, which ends in its
// initialisation).
double FloorOfTheDialogTemplate(bool shown)
{
    const HMODULE module = GetModuleHandleA("objbrowser.dll");
    const HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(IDD_BROWSER), MAKEINTRESOURCEA(5));
    const auto* dialogTemplate =
        resource ? static_cast<LPCDLGTEMPLATEA>(LockResource(LoadResource(module, resource))) : nullptr;
    if (!dialogTemplate)
        return 0;
    const double start = Now();
    HWND dialog = CreateDialogIndirectParamA(module, dialogTemplate, nullptr, &PlainDialogProc, 0);
    double elapsed = 0;
    if (shown)
    {
        ShowWindow(dialog, SW_SHOW);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        elapsed = Now() - start;
        DestroyWindow(dialog);
    }
    else
    {
        DestroyWindow(dialog);
        elapsed = Now() - start;
    }
    return elapsed;
}

// ---- The actions, through the real dialog ----

void Select(CListCtrl* list, int row)
{
    list->SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

struct Registered
{
    GUID guid;
    WORD major, minor;
};

// Every registered library of the prefix, by the registry.
std::vector<Registered> RegisteredLibraries()
{
    std::vector<Registered> found;
    RegistryKey typeLibs;
    if (!typeLibs.Open(HKEY_CLASSES_ROOT, "TypeLib"))
        return found;
    for (const std::string& guidText : typeLibs.SubkeyNames())
    {
        GUID guid;
        RegistryKey versions;
        if (!ParseGuidText(guidText.c_str(), guid) || !versions.Open(typeLibs.Get(), guidText.c_str()))
            continue;
        const std::vector<std::string> names = versions.SubkeyNames();
        unsigned major = 0, minor = 0;
        if (!names.empty() && std::sscanf(names.front().c_str(), "%x.%x", &major, &minor) == 2)
            found.push_back({guid, static_cast<WORD>(major), static_cast<WORD>(minor)});
    }
    return found;
}

// Searches the text as the user does (typed, then the button), up to the pane drawn; the number of
// hits, and the time up to the pane filled, before it is drawn.
double TimeSearch(CBrowserDlg& dialog, const char* text, size_t& hits, double* filled = nullptr)
{
    dialog.ShowWindow(SW_SHOW);
    dialog.GetDlgItem(IDC_SEARCH_TEXT)->SetWindowText(text);
    const double start = Now();
    dialog.SendMessage(WM_COMMAND, IDC_SEARCH);
    if (filled)
        *filled = Now() - start;
    dialog.UpdateWindow();
    hits = dialog.SearchPane().GetHits().size();
    return Now() - start;
}

// The question about uses the benchmark asks: the members that return an element.
const char kUseQuestion[] = "As IHTMLElement";

struct MshtmlFigures
{
    double open = 0, allClasses = 0, worstClass = 0, describeLargest = 0, toggles = 0;
    double firstSearch = 0, search = 0, searchFilled = 0, firstUses = 0, uses = 0, usesFilled = 0;
    size_t searchHits = 0, useHits = 0;
    std::string worstName, largestName;
    int largestRows = 0;
};

MshtmlFigures TimeMshtml()
{
    MshtmlFigures figures;
    CBrowserDlg dialog(BROWSER_TYPELIB);
    dialog.m_extensions.Add(kMshtml, 4, 0);
    const double start = Now();
    obrtest::RunModal(dialog,
                      [&]()
                      {
                          figures.open = Now() - start;
                          CListCtrl* classes = dialog.m_pClassesList;
                          CListCtrl* members = dialog.m_pMembersList;
                          int largestRow = 1;
                          const double all = Now();
                          for (int row = 1; row < classes->GetItemCount(); ++row)
                          {
                              const double one = Now();
                              Select(classes, row);
                              const double took = Now() - one;
                              if (took > figures.worstClass)
                              {
                                  figures.worstClass = took;
                                  figures.worstName = classes->GetItemText(row, 0).GetString();
                              }
                              if (members->GetItemCount() > figures.largestRows)
                              {
                                  figures.largestRows = members->GetItemCount();
                                  largestRow = row;
                              }
                          }
                          figures.allClasses = Now() - all;
                          Select(classes, largestRow);
                          figures.largestName = classes->GetItemText(largestRow, 0).GetString();
                          members->SetFocus();
                          const double describe = Now();
                          for (int row = 0; row < members->GetItemCount(); ++row)
                              Select(members, row);
                          figures.describeLargest = Now() - describe;
                          const double toggles = Now();
                          dialog.SendMessage(WM_COMMAND, ID_GROUPMEMBERS);
                          dialog.SendMessage(WM_COMMAND, ID_GROUPMEMBERS);
                          dialog.SendMessage(WM_COMMAND, ID_SHOWHIDDEN);
                          dialog.SendMessage(WM_COMMAND, ID_SHOWHIDDEN);
                          figures.toggles = (Now() - toggles) / 4;
                          // The first search reads the names the lists have not read yet.
                          figures.firstSearch = TimeSearch(dialog, "item", figures.searchHits);
                          figures.search =
                              TimeSearch(dialog, "item", figures.searchHits, &figures.searchFilled);
                          // The first question about uses reads the uses (the names are read by now).
                          figures.firstUses = TimeSearch(dialog, kUseQuestion, figures.useHits);
                          figures.uses =
                              TimeSearch(dialog, kUseQuestion, figures.useHits, &figures.usesFilled);
                      });
    return figures;
}

struct AllLibrariesSearch
{
    double first = 0, again = 0, firstUses = 0, usesAgain = 0;
    size_t hits = 0, useHits = 0;
};

double TimeLibrarySwitches(const std::vector<Registered>& libraries, double& worst,
                           AllLibrariesSearch& search)
{
    CBrowserDlg dialog(BROWSER_TYPELIB);
    for (const Registered& library : libraries)
        dialog.m_extensions.Add(library.guid, library.major, library.minor);
    double total = 0;
    worst = 0;
    obrtest::RunModal(dialog,
                      [&]()
                      {
                          auto* combo = static_cast<CComboBox*>(dialog.GetDlgItem(IDC_LIB_COMBO));
                          for (int entry = 0; entry < combo->GetCount(); ++entry)
                          {
                              const double start = Now();
                              combo->SetCurSel(entry);
                              dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_LIB_COMBO, CBN_SELCHANGE),
                                                 reinterpret_cast<LPARAM>(combo->m_hWnd));
                              const double took = Now() - start;
                              worst = std::max(worst, took);
                              total += took;
                          }
                          search.first = TimeSearch(dialog, "item", search.hits);
                          search.again = TimeSearch(dialog, "item", search.hits);
                          search.firstUses = TimeSearch(dialog, kUseQuestion, search.useHits);
                          search.usesAgain = TimeSearch(dialog, kUseQuestion, search.useHits);
                      });
    return total;
}

// The dialog's own cost: the window built from its template with every control, and no back-end.
double TimeBareDialog()
{
    CBrowserDlg dialog(static_cast<BROWSER_TYPE>(BROWSER_TYPE_COUNT));
    const double start = Now();
    dialog.DoModal();
    return Now() - start;
}

size_t PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
    // Wine answers 0 for PrivateUsage; PagefileUsage is the same committed private memory.
    return counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
}

// Private bytes that walking every registered library adds while the walk holds them: by the
// platform alone (every type and member read, the libraries held), or through the model (every
// class and member built). Each is measured in a process of its own (see MemoryOfWalk).
size_t WalkWithPlatform(const std::vector<Registered>& libraries)
{
    const size_t before = PrivateBytes();
    std::vector<ITypeLib*> held;
    for (const Registered& library : libraries)
    {
        ITypeLib* loaded = nullptr;
        if (FAILED(LoadRegTypeLib(library.guid, library.major, library.minor, 0, &loaded)))
            continue;
        for (UINT i = 0, count = loaded->GetTypeInfoCount(); i < count; ++i)
        {
            ITypeInfo* info = nullptr;
            if (SUCCEEDED(loaded->GetTypeInfo(i, &info)))
            {
                ReadMembers(info);
                info->Release();
            }
        }
        held.push_back(loaded);
    }
    const size_t added = PrivateBytes() - before;
    for (ITypeLib* library : held)
        library->Release();
    return added;
}

size_t WalkWithModel(const std::vector<Registered>& libraries)
{
    const size_t before = PrivateBytes();
    std::vector<std::unique_ptr<CTLib>> model;
    for (const Registered& library : libraries)
    {
        model.push_back(std::make_unique<CTLib>(library.guid, library.major, library.minor, 0));
        CTLib* loaded = model.back().get();
        for (int c = 0; c < loaded->GetClassCount(); ++c)
        {
            CTClass* type = loaded->GetClass(c);
            for (int f = 0; f < type->GetFunctionCount(); ++f)
                type->GetFunction(f)->GetParamCount();
            type->GetVariableCount();
        }
    }
    return PrivateBytes() - before;
}

// One walk in a fresh process (this program run with "--memory platform" or "--memory model"): a
// process that has freed one walk reuses that memory for the next, which hides what it holds.
double MemoryOfWalkMb(const char* walk)
{
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string command = std::string("\"") + program + "\" --memory " + walk;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return 0;
    WaitForSingleObject(process.hProcess, 300000);
    DWORD kilobytes = 0;
    GetExitCodeProcess(process.hProcess, &kilobytes);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<double>(kilobytes) / 1024.0;
}

double TimeFunctionBrowser(BROWSER_TYPE type)
{
    CBrowserDlg dialog(type);
    const double start = Now();
    double open = 0;
    obrtest::RunModal(dialog, [&]() { open = Now() - start; });
    return open;
}
} // namespace

int main(int argc, char** argv)
{
    obrtest::MarkProgramStarted();
    int runs = 5;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
    CoInitialize(nullptr);
    // A memory walk of its own: the kilobytes it added are the exit code.
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--memory") == 0)
        {
            const std::vector<Registered> libraries = RegisteredLibraries();
            const size_t added = std::strcmp(argv[i + 1], "model") == 0 ? WalkWithModel(libraries)
                                                                        : WalkWithPlatform(libraries);
            return static_cast<int>(added / 1024);
        }
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    LoadLibraryA("riched32.dll");
    HWND scratch = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);

    Row open{"1. open the object browser on MSHTML", {}, {}};
    Row classes{"2. select every class of MSHTML (total)", {}, {}};
    Row worst{"2. select the worst class of MSHTML", {}, {}};
    Row describe{"3. describe every member of the largest class", {}, {}};
    Row toggles{"4. toggle grouping or hidden members on the largest class", {}, {}, false};
    Row switches{"5. switch library among all registered (total)", {}, {}, false};
    Row worstSwitch{"5. switch library among all registered (worst)", {}, {}, false};
    Row firstSearch{"6. search \"item\" over MSHTML, the first time (names read)", {}, {}, false};
    Row search{"6. search \"item\" over MSHTML, again", {}, {}, false};
    Row searchFilled{"6. the same, up to the pane filled (drawn at the next paint)", {}, {}, false};
    Row firstSearchAll{"6. search \"item\" over all registered, the first time", {}, {}, false};
    Row searchAll{"6. search \"item\" over all registered, again", {}, {}, false};
    Row firstUses{"8. search \"As IHTMLElement\" over MSHTML, the first time (uses read)", {}, {}, false};
    Row uses{"8. search \"As IHTMLElement\" over MSHTML, again", {}, {}, false};
    Row usesFilled{"8. the same, up to the pane filled (drawn at the next paint)", {}, {}, false};
    Row firstUsesAll{"8. search \"As IHTMLElement\" over all registered, the first time", {}, {}, false};
    Row usesAll{"8. search \"As IHTMLElement\" over all registered, again", {}, {}, false};
    Row catalog1{"7. open the macro functions browser (417 entries)", {}, {}};
    Row catalog2{"7. open the formula functions browser (117 entries)", {}, {}};
    Row list{"list view: fill the largest class's rows and sort once", {}, {}, false};
    Row bare{"the browser dialog alone: every control, no back-end", {}, {}};

    const std::vector<Registered> libraries = RegisteredLibraries();
    for (int run = 0; run < runs; ++run)
    {
        // The floor first, on a library no one holds; then the action, again from nothing.
        open.floor_ms.Add(FloorOfOpening(kMshtml, 4, 0));
        const MshtmlFigures mshtml = TimeMshtml();
        open.action_ms.Add(mshtml.open);
        classes.action_ms.Add(mshtml.allClasses);
        worst.action_ms.Add(mshtml.worstClass);
        describe.action_ms.Add(mshtml.describeLargest);
        toggles.action_ms.Add(mshtml.toggles);
        firstSearch.action_ms.Add(mshtml.firstSearch);
        search.action_ms.Add(mshtml.search);
        searchFilled.action_ms.Add(mshtml.searchFilled);
        firstUses.action_ms.Add(mshtml.firstUses);
        uses.action_ms.Add(mshtml.uses);
        usesFilled.action_ms.Add(mshtml.usesFilled);

        ITypeLib* library = nullptr;
        if (SUCCEEDED(LoadRegTypeLib(kMshtml, 4, 0, 0, &library)))
        {
            double all = 0;
            for (UINT i = 0, count = library->GetTypeInfoCount(); i < count; ++i)
            {
                BSTR name = nullptr;
                library->GetDocumentation(static_cast<INT>(i), &name, nullptr, nullptr, nullptr);
                const double start = Now();
                ITypeInfo* info = nullptr;
                if (SUCCEEDED(library->GetTypeInfo(i, &info)))
                {
                    ReadMembers(info);
                    info->Release();
                }
                all += Now() - start;
                SysFreeString(name);
            }
            classes.floor_ms.Add(all);
            worst.floor_ms.Add(FloorOfReadingMembers(library, mshtml.worstName));
            describe.floor_ms.Add(FloorOfReadingMembers(library, mshtml.largestName));
            library->Release();
        }
        double worstSwitchTime = 0;
        AllLibrariesSearch allSearch;
        switches.action_ms.Add(TimeLibrarySwitches(libraries, worstSwitchTime, allSearch));
        worstSwitch.action_ms.Add(worstSwitchTime);
        firstSearchAll.action_ms.Add(allSearch.first);
        searchAll.action_ms.Add(allSearch.again);
        firstUsesAll.action_ms.Add(allSearch.firstUses);
        usesAll.action_ms.Add(allSearch.usesAgain);
        catalog1.action_ms.Add(TimeFunctionBrowser(BROWSER_CATALOG1));
        catalog2.action_ms.Add(TimeFunctionBrowser(BROWSER_CATALOG2));
        list.action_ms.Add(FloorOfFillingAList(scratch, mshtml.largestRows));
        bare.action_ms.Add(TimeBareDialog());
        // Action 7's floor: the function browsers' template shown by the platform alone.
        catalog1.floor_ms.Add(FloorOfTheDialogTemplate(true));
        catalog2.floor_ms.Add(FloorOfTheDialogTemplate(true));
        bare.floor_ms.Add(FloorOfTheDialogTemplate(false));
        if (run == 0)
            std::printf(
                "MSHTML: largest class %s (%d rows), worst class to select %s; %zu libraries registered; "
                "\"item\" finds %zu hits in MSHTML, %zu in all; \"%s\" %zu in MSHTML, %zu in all\n\n",
                mshtml.largestName.c_str(), mshtml.largestRows, mshtml.worstName.c_str(), libraries.size(),
                mshtml.searchHits, allSearch.hits, kUseQuestion, mshtml.useHits, allSearch.useHits);
    }
    Print({open,        classes, worst,        describe,       toggles,   switches, worstSwitch,
           firstSearch, search,  searchFilled, firstSearchAll, searchAll, catalog1, catalog2,
           firstUses,   uses,    usesFilled,   firstUsesAll,   usesAll,   list,     bare},
          runs);
    const double platformMb = MemoryOfWalkMb("platform");
    const double modelMb = MemoryOfWalkMb("model");
    std::printf("\nMemory, every registered library loaded and walked: the platform holds %.1f MB of private "
                "bytes, the model %.1f MB (%.2f times)\n",
                platformMb, modelMb, platformMb > 0 ? modelMb / platformMb : 0.0);
    DestroyWindow(scratch);
    CoUninitialize();
    return 0;
}
