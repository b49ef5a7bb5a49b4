// What the sample host does for its user: open a function browser and hand back the chosen text,
// and read its command line.
#pragma once

#include "browser/BrowserTypes.h"
#include "framework/CString.h"
#include "host/util/TypeLibraryExtensions.h"

class CWnd;
class MacroProject;

// Runs the browser of the type modally; the object browser shows the references. 0 with the
// chosen text when the user chose one, 1 when the dialog was cancelled, 2 when it could not be opened.
// A start selection, when its library is given, is where the browser opens; a start search, when
// given, runs as it opens.
int RunBrowser(BROWSER_TYPE type, CWnd* parent, CString& chosen,
               const TypeLibraryExtensions& references = TypeLibraryExtensions(),
               const _HistoryItem& start = _HistoryItem(), const CString& search = CString());

// Opens the project the editor works with. A new project's file is written at once when create
// says so (an interactive start), so that the user finds it (saved tells whether that worked);
// nothing else is written here: a sound file is not rewritten, and a file that cannot be read
// whole is left as it is, the project holding what could be read. False, with the problem, then.
bool OpenProject(MacroProject& project, const CString& path, bool create, CString& problem, bool& saved);

// The project's references as the browser takes them, in the project's order.
TypeLibraryExtensions ReferencesOf(const MacroProject& project);

constexpr const char* kDefaultSettingsKey = "Software\\SampleHost\\ObjectBrowser";

struct HostOptions
{
    bool help = false;
    bool version = false;         // print the version
    int browse = -1;              // 0, 1 or 2: open that browser and print the choice; -1: the editor window
    int startBrowser = -1;        // 0, 1 or 2: the editor window, with that browser opened at once
    _HistoryItem select;          // where the browser opens: --select library[.class[.member]]
    CString search;               // what the browser searches as it opens: --search text
    bool listReferences = false;  // print the project's references
    bool startReferences = false; // the editor window, with the references dialog opened at once
    CString project;              // the project file, made absolute; empty for the default one
    // Where the browsers remember their user, below HKEY_CURRENT_USER: --settings KEY, none with
    // --no-settings.
    CString settingsKey = kDefaultSettingsKey;
    CString error; // a command line that cannot be understood
};

HostOptions ParseCommandLine(int argc, char** argv);
// One line per reference: name, GUID, version, locale and path, separated by tabs; the name of a
// reference that stands for no registered library begins with "MANQUANT : ".
CString ReferencesText(const MacroProject& project);
const char* UsageText();
// The program's HTML Help file, "samplehost.chm" beside it (built from the function catalogs); empty
// when it is not there.
CString HelpFilePath();
// The project file used when none is given: SampleHost\projet.ini in the user's application data.
CString DefaultProjectPath();
