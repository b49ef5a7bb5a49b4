// The C interface (browser/objbrowser.h): plain types in, the C++ classes inside, and no exception
// out: whatever a call throws becomes OBR_FAILED. The functions take their C linkage from the
// header's declarations.
#include "browser/objbrowser.h"
#include "browser/CModelessBrowserDlg.h"
#include "references/CReferencesDialog.h"

#include <cstdlib>
#include <cstring>
#include <list>
#include <new>
#include <string>

struct OBR_BROWSER
{
    CModelessBrowserDlg* dialog = nullptr; // the slot the browser empties as its window goes
};

namespace
{
bool g_referencesDialogOpen = false;

// Marks the references dialog open for a scope, however the scope ends.
class ReferencesDialogShowing
{
public:
    ReferencesDialogShowing() { g_referencesDialogOpen = true; }
    ~ReferencesDialogShowing() { g_referencesDialogOpen = false; }
    ReferencesDialogShowing(const ReferencesDialogShowing&) = delete;
    ReferencesDialogShowing& operator=(const ReferencesDialogShowing&) = delete;
};

TypeLibraryExtensions LibrariesOf(const OBR_LIBRARY* libraries, size_t count)
{
    TypeLibraryExtensions extensions;
    for (size_t i = 0; libraries && i < count; ++i)
        extensions.Add(libraries[i].guid, libraries[i].major, libraries[i].minor);
    return extensions;
}

// "library[.class[.member]]"
_HistoryItem ParseStart(const char* start)
{
    _HistoryItem item;
    CString* parts[] = {&item.strLibrary, &item.strClass, &item.strMember};
    size_t part = 0;
    for (const char* c = start; c && *c; ++c)
        if (*c == '.' && part < 2)
            ++part;
        else
            *parts[part] += *c;
    return item;
}

OBR_RESULT Browse(HWND owner, OBR_BROWSER_KIND kind, const OBR_LIBRARY* libraries, size_t count,
                  const char* start, CString& chosen)
{
    if (kind < OBR_OBJECT_BROWSER || kind > OBR_FORMULA_FUNCTIONS || (count && !libraries))
        return OBR_INVALID_ARGUMENT;
    const auto type = static_cast<BROWSER_TYPE>(kind);
    CBrowserDlg browser(type, owner ? CWnd::FromHandle(owner) : nullptr);
    browser.m_extensions = LibrariesOf(libraries, count);
    // A browser with a history opens on its current entry.
    const _HistoryItem where = ParseStart(start);
    if (!where.strLibrary.IsEmpty())
        browser.m_history[type].push_front(where);
    const INT_PTR result = browser.DoModal();
    chosen = browser.GetResultString();
    if (result == -1)
        return OBR_CANNOT_OPEN;
    return result == IDOK && !chosen.IsEmpty() ? OBR_OK : OBR_CANCELLED;
}

// Copies the text with its terminator when it fits.
template <typename Char>
OBR_RESULT Hand(const std::basic_string<Char>& text, Char* out, size_t capacity, size_t* length)
{
    if (length)
        *length = text.size();
    if (capacity <= text.size())
    {
        if (capacity > 0)
            out[0] = 0;
        return OBR_BUFFER_TOO_SMALL;
    }
    std::memcpy(out, text.c_str(), (text.size() + 1) * sizeof(Char));
    return OBR_OK;
}

char* Duplicate(const CString& text)
{
    char* copy = static_cast<char*>(std::malloc(static_cast<size_t>(text.GetLength()) + 1));
    if (!copy)
        throw std::bad_alloc();
    std::memcpy(copy, text.GetString(), static_cast<size_t>(text.GetLength()) + 1);
    return copy;
}

template <typename Call> OBR_RESULT Guarded(Call&& call)
{
    try
    {
        return call();
    }
    catch (...)
    {
        return OBR_FAILED;
    }
}
// The texts in the caller's form: ANSI as the module holds them, or wide.
std::string Narrowed(const char* text)
{
    return text ? text : "";
}

std::string Narrowed(const wchar_t* text)
{
    return CString::FromWide(text).str();
}

std::string InForm(const CString& text, char)
{
    return text.str();
}

std::wstring InForm(const CString& text, wchar_t)
{
    return text.ToWide();
}

template <typename Char>
OBR_RESULT BrowseInto(HWND owner, OBR_BROWSER_KIND kind, const OBR_LIBRARY* libraries, size_t count,
                      const Char* start, Char* chosen, size_t capacity, size_t* length)
{
    if (!chosen && capacity)
        return OBR_INVALID_ARGUMENT;
    return Guarded(
        [&]
        {
            CString text;
            const OBR_RESULT result = Browse(owner, kind, libraries, count, Narrowed(start).c_str(), text);
            return result == OBR_OK ? Hand(InForm(text, Char()), chosen, capacity, length) : result;
        });
}
} // namespace

OBR_RESULT WINAPI ObrBrowseA(HWND owner, OBR_BROWSER_KIND kind, const OBR_LIBRARY* libraries,
                             size_t libraryCount, const char* start, char* chosen, size_t capacity,
                             size_t* length)
{
    return BrowseInto(owner, kind, libraries, libraryCount, start, chosen, capacity, length);
}

OBR_RESULT WINAPI ObrBrowseW(HWND owner, OBR_BROWSER_KIND kind, const OBR_LIBRARY* libraries,
                             size_t libraryCount, const wchar_t* start, wchar_t* chosen, size_t capacity,
                             size_t* length)
{
    return BrowseInto(owner, kind, libraries, libraryCount, start, chosen, capacity, length);
}

OBR_RESULT WINAPI ObrEditReferences(HWND owner, const OBR_REFERENCE* references, size_t count,
                                    OBR_REFERENCE** result, size_t* resultCount)
{
    if (!result || !resultCount || (count && !references))
        return OBR_INVALID_ARGUMENT;
    *result = nullptr;
    *resultCount = 0;
    if (g_referencesDialogOpen)
        return OBR_CANNOT_OPEN;
    return Guarded(
        [&]
        {
            std::list<TLVLibId> list;
            for (size_t i = 0; i < count; ++i)
            {
                const OBR_REFERENCE& in = references[i];
                list.push_back({in.guid, in.major, in.minor, in.lcid, in.name, in.path});
            }
            INT_PTR answer = -1;
            {
                const ReferencesDialogShowing showing;
                CReferencesDialog dialog(&list, owner ? CWnd::FromHandle(owner) : nullptr);
                answer = dialog.DoModal();
            }
            if (answer == -1)
                return OBR_CANNOT_OPEN;
            if (answer != IDOK)
                return OBR_CANCELLED;
            // Zeroed first: an array left half-filled by a failed copy frees as a whole.
            auto* out = new OBR_REFERENCE[list.size()]();
            try
            {
                size_t i = 0;
                for (const TLVLibId& reference : list)
                {
                    OBR_REFERENCE& entry = out[i++];
                    entry = {reference.guid, reference.wMajor, reference.wMinor,
                             reference.lcid, nullptr,          nullptr};
                    entry.name = Duplicate(reference.strName);
                    entry.path = Duplicate(reference.strPath);
                }
            }
            catch (...)
            {
                ObrFreeReferences(out, list.size());
                throw;
            }
            *result = out;
            *resultCount = list.size();
            return OBR_OK;
        });
}

void WINAPI ObrFreeReferences(OBR_REFERENCE* references, size_t count)
{
    for (size_t i = 0; references && i < count; ++i)
    {
        std::free(const_cast<char*>(references[i].name));
        std::free(const_cast<char*>(references[i].path));
    }
    delete[] references;
}

OBR_RESULT WINAPI ObrCreateBrowser(HWND owner, const OBR_LIBRARY* libraries, size_t libraryCount,
                                   const char* captionSuffix, OBR_BROWSER** browser)
{
    if (!browser || (libraryCount && !libraries))
        return OBR_INVALID_ARGUMENT;
    *browser = nullptr;
    return Guarded(
        [&]
        {
            auto* handle = new OBR_BROWSER;
            const TypeLibraryExtensions extensions = LibrariesOf(libraries, libraryCount);
            handle->dialog =
                new CModelessBrowserDlg(BROWSER_TYPELIB, &extensions, &handle->dialog, captionSuffix,
                                        owner ? CWnd::FromHandle(owner) : nullptr);
            // No window at all: nothing will end the object but us. Nothing to show: its window
            // goes now rather than later, while the handle it empties is still there.
            if (!handle->dialog->m_hWnd)
                delete handle->dialog;
            else if (handle->dialog->IsEnded())
                handle->dialog->DestroyWindow();
            else
            {
                *browser = handle;
                return OBR_OK;
            }
            delete handle;
            return OBR_CANNOT_OPEN;
        });
}

OBR_RESULT WINAPI ObrShowBrowser(OBR_BROWSER* browser, BOOL show)
{
    if (!browser)
        return OBR_INVALID_ARGUMENT;
    if (!browser->dialog || !browser->dialog->m_hWnd)
        return OBR_CANNOT_OPEN;
    browser->dialog->ShowWindow(show ? SW_SHOW : SW_HIDE);
    return OBR_OK;
}

OBR_RESULT WINAPI ObrUpdateBrowserLibraries(OBR_BROWSER* browser, const OBR_LIBRARY* libraries,
                                            size_t libraryCount)
{
    if (!browser || (libraryCount && !libraries))
        return OBR_INVALID_ARGUMENT;
    if (!browser->dialog || !browser->dialog->m_hWnd)
        return OBR_CANNOT_OPEN;
    return Guarded(
        [&]
        {
            browser->dialog->UpdateReferences(LibrariesOf(libraries, libraryCount));
            return OBR_OK;
        });
}

BOOL WINAPI ObrIsBrowserMessage(OBR_BROWSER* browser, MSG* message)
{
    if (!browser || !message || !browser->dialog || !browser->dialog->m_hWnd)
        return FALSE;
    try
    {
        return browser->dialog->PreTranslateMessage(message);
    }
    catch (...)
    {
        return FALSE;
    }
}

HWND WINAPI ObrBrowserWindow(OBR_BROWSER* browser)
{
    return browser && browser->dialog ? browser->dialog->m_hWnd : nullptr;
}

void WINAPI ObrDestroyBrowser(OBR_BROWSER* browser)
{
    if (!browser)
        return;
    if (browser->dialog && browser->dialog->m_hWnd)
        browser->dialog->DestroyWindow();
    delete browser;
}

OBR_RESULT WINAPI ObrSetSettingsKeyA(const char* key)
{
    return Guarded(
        [&]
        {
            CBrowserDlg::SetSettingsKey(key);
            return OBR_OK;
        });
}

OBR_RESULT WINAPI ObrSetSettingsKeyW(const wchar_t* key)
{
    return Guarded(
        [&]
        {
            CBrowserDlg::SetSettingsKey(key ? CString::FromWide(key) : CString());
            return OBR_OK;
        });
}
