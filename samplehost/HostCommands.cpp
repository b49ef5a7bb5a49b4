#include "samplehost/HostCommands.h"
#include "browser/CBrowserDlg.h"
#include "samplehost/MacroProject.h"
#include "module/ModuleServices.h"
#include "references/RegisteredTypeLibs.h"
#include "resources/resource.h"

#include <shlobj.h>
#include <cstring>

namespace
{
// A browser type on the command line: "0", "1" or "2".
bool ParseBrowserType(const char* text, int& type)
{
    if (!text || text[0] < '0' || text[0] > '2' || text[1])
        return false;
    type = text[0] - '0';
    return true;
}

// "library.class.member", the class and member optional.
_HistoryItem ParseSelection(const char* text)
{
    _HistoryItem selection;
    CString* parts[] = {&selection.strLibrary, &selection.strClass, &selection.strMember};
    size_t part = 0;
    for (const char* c = text; *c; ++c)
    {
        if (*c == '.' && part < 2)
            ++part;
        else
            *parts[part] += *c;
    }
    return selection;
}

// A project named without a folder is the current folder's, not the Windows folder's, where the
// profile functions would put it.
CString AbsolutePath(const char* path)
{
    char full[MAX_PATH] = {};
    const DWORD length = ::GetFullPathNameA(path, MAX_PATH, full, nullptr);
    return length && length < MAX_PATH ? CString(full) : CString(path);
}
} // namespace

int RunBrowser(BROWSER_TYPE type, CWnd* parent, CString& chosen, const TypeLibraryExtensions& references,
               const _HistoryItem& start, const CString& search)
{
    CBrowserDlg browser(type, parent);
    browser.m_extensions = references;
    browser.m_strInitialSearch = search;
    // A browser with a history opens on its current entry.
    if (!start.strLibrary.IsEmpty() && type >= 0 && type < BROWSER_TYPE_COUNT)
        browser.m_history[type].push_front(start);
    INT_PTR result = browser.DoModal();
    chosen = browser.GetResultString();
    if (result == IDOK && !chosen.IsEmpty())
        return 0;
    return result == -1 ? 2 : 1;
}

CString ReferencesText(const MacroProject& project)
{
    TypeLibTable registered;
    EnumRegisteredTypeLibs(registered);
    CString text;
    for (const TLVLibId& reference : project.m_references)
    {
        const CString missing =
            FindRegistered(registered, reference) ? "" : strGetStringObr(IDS_MISSING_PREFIX);
        CString line;
        line.Format("%s%s\t%s\t%d.%d\t%lx\t%s\n", missing.GetString(), reference.strName.GetString(),
                    GuidText(reference.guid).GetString(), reference.wMajor, reference.wMinor,
                    static_cast<unsigned long>(reference.lcid), reference.strPath.GetString());
        text += line;
    }
    return text;
}

TypeLibraryExtensions ReferencesOf(const MacroProject& project)
{
    TypeLibraryExtensions references;
    for (const TLVLibId& reference : project.m_references)
        references.Add(reference.guid, reference.wMajor, reference.wMinor);
    return references;
}

HostOptions ParseCommandLine(int argc, char** argv)
{
    HostOptions options;
    for (int i = 1; i < argc; ++i)
    {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "/?") == 0)
            options.help = true;
        else if (std::strcmp(arg, "--version") == 0)
            options.version = true;
        else if (std::strcmp(arg, "--browse") == 0 && i + 1 < argc &&
                 ParseBrowserType(argv[i + 1], options.browse))
            ++i;
        else if (std::strcmp(arg, "--start-browser") == 0 && i + 1 < argc &&
                 ParseBrowserType(argv[i + 1], options.startBrowser))
            ++i;
        else if (std::strcmp(arg, "--start-references") == 0)
            options.startReferences = true;
        else if (std::strcmp(arg, "--list-references") == 0)
            options.listReferences = true;
        else if (std::strcmp(arg, "--select") == 0 && i + 1 < argc)
            options.select = ParseSelection(argv[++i]);
        else if (std::strcmp(arg, "--search") == 0 && i + 1 < argc)
            options.search = argv[++i];
        else if (std::strcmp(arg, "--project") == 0 && i + 1 < argc)
            options.project = AbsolutePath(argv[++i]);
        else if (std::strcmp(arg, "--settings") == 0 && i + 1 < argc)
            options.settingsKey = argv[++i];
        else if (std::strcmp(arg, "--no-settings") == 0)
            options.settingsKey.Empty();
        else
            options.error.Format("Option inconnue ou incomplète : %s", arg);
    }
    return options;
}

const char* UsageText()
{
    return "samplehost [options]\n"
           "  (sans option)     ouvre l'éditeur de macros\n"
           "  --browse 0|1|2    ouvre l'explorateur d'objets (0), de fonctions des macros (1) ou des\n"
           "                    formules (2), écrit le texte choisi sur la sortie standard ; code de\n"
           "                    sortie 0 si un texte a été choisi, 1 si l'explorateur a été fermé sans\n"
           "                    choix, 2 s'il n'a pas pu s'ouvrir, 3 si le projet est endommagé\n"
           "  --start-browser 0|1|2  ouvre l'éditeur avec cet explorateur déjà ouvert\n"
           "  --select BIBLIOTHÈQUE[.CLASSE[.MEMBRE]]\n"
           "                    ouvre l'explorateur d'objets sur cette sélection\n"
           "  --search TEXTE    l'explorateur ouvert recherche ce texte\n"
           "  --start-references  ouvre l'éditeur avec le choix des références déjà ouvert\n"
           "  --list-references écrit les références du projet, une par ligne : nom, GUID, version,\n"
           "                    langue et chemin séparés par des tabulations ; le nom d'une référence\n"
           "                    dont la bibliothèque n'est pas inscrite commence par MANQUANT ; code de\n"
           "                    sortie 3 si le projet est endommagé (ses références lisibles sont écrites)\n"
           "  --project FICHIER utilise ce fichier de projet (références des bibliothèques)\n"
           "  --settings CLÉ    les explorateurs retiennent leurs réglages sous cette clé de\n"
           "                    HKEY_CURRENT_USER (par défaut Software\\SampleHost\\ObjectBrowser)\n"
           "  --no-settings     les explorateurs ne lisent ni n'écrivent aucun réglage\n"
           "  --version         écrit la version\n"
           "  --help            affiche cette aide\n";
}

CString HelpFilePath()
{
    char program[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, program, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return CString();
    CString path(program);
    path = path.Left(path.ReverseFind('\\') + 1) + "samplehost.chm";
    return ::GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES ? CString() : path;
}

CString DefaultProjectPath()
{
    char folder[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, folder)))
        ::GetTempPathA(MAX_PATH, folder);
    CString path(folder);
    path += "\\SampleHost";
    ::CreateDirectoryA(path, nullptr);
    return path + "\\projet.ini";
}

bool OpenProject(MacroProject& project, const CString& path, bool create, CString& problem, bool& saved)
{
    saved = true;
    const bool isNew = ::GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES;
    if (!project.Load(path, problem))
        return false;
    if (create && isNew)
        saved = project.Save(path);
    return true;
}
