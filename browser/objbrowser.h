/* objbrowser.h: the object browser's C interface, for a host written in C, in C++ with any
 * compiler, or in any language that calls a DLL's C functions. Plain types only; every call returns
 * an OBR_RESULT and throws nothing. Texts are wide (UTF-16) in the ...W calls and ANSI (the
 * process's code page, as the module's own texts: 1252 in Western locales) in the ...A calls.
 * Call from the host's user-interface thread, after CoInitialize, InitCommonControlsEx (list
 * views) and LoadLibraryA("riched32.dll"). */
#ifndef OBJBROWSER_H
#define OBJBROWSER_H

#include <windows.h>

#ifdef objbrowser_EXPORTS
#define OBR_C_API __declspec(dllexport)
#else
#define OBR_C_API __declspec(dllimport)
#endif

/* The declarations stay at the left margin, as C reads them. */
/* clang-format off */
#ifdef __cplusplus
extern "C" {
#endif

typedef enum OBR_RESULT
{
    OBR_OK = 0,               /* done; for a browser, a text was chosen */
    OBR_CANCELLED = 1,        /* the user closed the dialog without a choice */
    OBR_CANNOT_OPEN = 2,      /* nothing to show (no reference loaded) or the window could not be made */
    OBR_INVALID_ARGUMENT = 3, /* a null pointer where one is needed, or an unknown browser kind */
    OBR_BUFFER_TOO_SMALL = 4, /* the chosen text did not fit: *length says how many units it needs */
    OBR_FAILED = 5            /* anything else (memory, the platform) */
} OBR_RESULT;

typedef enum OBR_BROWSER_KIND
{
    OBR_OBJECT_BROWSER = 0,   /* the COM type libraries of the references */
    OBR_MACRO_FUNCTIONS = 1,  /* the macro language's functions */
    OBR_FORMULA_FUNCTIONS = 2 /* the formula language's functions */
} OBR_BROWSER_KIND;

/* A reference the object browser shows: a registered type library by GUID and version. */
typedef struct OBR_LIBRARY
{
    GUID guid;
    WORD major;
    WORD minor;
} OBR_LIBRARY;

/* A reference of the references dialog; name and path are ANSI texts. Arrays the module returns
 * are freed with ObrFreeReferences. */
typedef struct OBR_REFERENCE
{
    GUID guid;
    WORD major;
    WORD minor;
    LCID lcid;
    const char* name; /* description and version, e.g. "Microsoft Scripting Runtime (1.0)" */
    const char* path; /* the library's file */
} OBR_REFERENCE;

/* Shows a browser modally over owner (may be null) on the libraries (ignored by the function
 * browsers) and, when library is not null, opens on "library[.class[.member]]". On OBR_OK the
 * chosen text is in chosen (capacity units, terminator included) and its length, without the
 * terminator, in *length (length may be null); OBR_BUFFER_TOO_SMALL leaves chosen empty and says
 * in *length how long the text is. */
OBR_C_API OBR_RESULT WINAPI ObrBrowseW(HWND owner, OBR_BROWSER_KIND kind, const OBR_LIBRARY* libraries,
                                       size_t libraryCount, const wchar_t* start, wchar_t* chosen,
                                       size_t capacity, size_t* length);
OBR_C_API OBR_RESULT WINAPI ObrBrowseA(HWND owner, OBR_BROWSER_KIND kind, const OBR_LIBRARY* libraries,
                                       size_t libraryCount, const char* start, char* chosen,
                                       size_t capacity, size_t* length);

/* Runs the references dialog over owner on the host's references. On OBR_OK (the user confirmed)
 * *result holds the new list, *resultCount entries, to free with ObrFreeReferences; on
 * OBR_CANCELLED *result is null and *resultCount 0. One dialog at a time: a call while another
 * references dialog of the module is open answers OBR_CANNOT_OPEN. */
OBR_C_API OBR_RESULT WINAPI ObrEditReferences(HWND owner, const OBR_REFERENCE* references, size_t count,
                                              OBR_REFERENCE** result, size_t* resultCount);
OBR_C_API void WINAPI ObrFreeReferences(OBR_REFERENCE* references, size_t count);

/* The modeless object browser beside owner: created hidden (show it with ObrShowBrowser), it pastes
 * by posting WM_COMMAND 0xE125 (the standard paste command) to owner after putting the chosen text
 * on the clipboard; Escape hides it. The host's message loop passes each message to
 * ObrIsBrowserMessage first and skips those it takes. ObrDestroyBrowser ends it and frees the
 * handle, also when the user's actions or the libraries already ended its window. */
typedef struct OBR_BROWSER OBR_BROWSER;
OBR_C_API OBR_RESULT WINAPI ObrCreateBrowser(HWND owner, const OBR_LIBRARY* libraries,
                                             size_t libraryCount, const char* captionSuffix,
                                             OBR_BROWSER** browser);
OBR_C_API OBR_RESULT WINAPI ObrShowBrowser(OBR_BROWSER* browser, BOOL show);
OBR_C_API OBR_RESULT WINAPI ObrUpdateBrowserLibraries(OBR_BROWSER* browser, const OBR_LIBRARY* libraries,
                                                      size_t libraryCount);
OBR_C_API BOOL WINAPI ObrIsBrowserMessage(OBR_BROWSER* browser, MSG* message);
OBR_C_API HWND WINAPI ObrBrowserWindow(OBR_BROWSER* browser);
OBR_C_API void WINAPI ObrDestroyBrowser(OBR_BROWSER* browser);

/* Names the key of HKEY_CURRENT_USER (e.g. "Software\\MyHost\\ObjectBrowser") under which every
 * browser of the process remembers its user from one showing to the next: placement, splitters,
 * options, last selection, searches and the last chosen functions, per browser kind. Null or empty
 * (the default): nothing is read or written. Takes effect at the next showing. */
OBR_C_API OBR_RESULT WINAPI ObrSetSettingsKeyW(const wchar_t* key);
OBR_C_API OBR_RESULT WINAPI ObrSetSettingsKeyA(const char* key);

#ifdef __cplusplus
}
#endif
/* clang-format on */

#endif
