#include "HostCommands.h"
#include "CBrowserDlg.h"

#include <shlobj.h>
#include <cstring>

int RunBrowser(BROWSER_TYPE type, CWnd* parent, CString& chosen)
{
    CBrowserDlg browser(type, parent);
    INT_PTR result = browser.DoModal();
    chosen = browser.GetResultString();
    if (result == IDOK && !chosen.IsEmpty())
        return 0;
    return result == -1 ? 2 : 1;
}

HostOptions ParseCommandLine(int argc, char** argv)
{
    HostOptions options;
    for (int i = 1; i < argc; ++i)
    {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "/?") == 0)
            options.help = true;
        else if (std::strcmp(arg, "--browse") == 0 && i + 1 < argc &&
                 (std::strcmp(argv[i + 1], "1") == 0 || std::strcmp(argv[i + 1], "2") == 0))
            options.browse = argv[++i][0] - '0';
        else if (std::strcmp(arg, "--start-browser") == 0 && i + 1 < argc &&
                 (std::strcmp(argv[i + 1], "1") == 0 || std::strcmp(argv[i + 1], "2") == 0))
            options.startBrowser = argv[++i][0] - '0';
        else if (std::strcmp(arg, "--project") == 0 && i + 1 < argc)
            options.project = argv[++i];
        else
            options.error.Format("Option inconnue ou incomplète : %s", arg);
    }
    return options;
}

const char* UsageText()
{
    return "samplehost [options]\n"
           "  (sans option)     ouvre l'éditeur de macros\n"
           "  --browse 1|2      ouvre l'explorateur de fonctions des macros (1) ou des formules (2),\n"
           "                    écrit le texte choisi sur la sortie standard ; code de sortie 0 si un\n"
           "                    texte a été choisi, 1 si l'explorateur a été fermé sans choix\n"
           "  --start-browser 1|2  ouvre l'éditeur avec cet explorateur de fonctions déjà ouvert\n"
           "  --project FICHIER utilise ce fichier de projet (références des bibliothèques)\n"
           "  --help            affiche cette aide\n";
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
