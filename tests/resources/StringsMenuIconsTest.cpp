// The module's strings, context menu, icons and cursor as the browser loads them.
#include "tests/resources/ModuleResources.h"
#include "resources/resource.h"

#include <gtest/gtest.h>
#include <string>

namespace
{
std::string LoadModuleString(UINT id)
{
    char buffer[512] = {};
    int length = LoadStringA(obrtest::BrowserModule(), id, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? length : 0);
}

std::string MenuText(HMENU menu, UINT position)
{
    char buffer[128] = {};
    GetMenuStringA(menu, position, buffer, sizeof buffer, MF_BYPOSITION);
    return buffer;
}

// Draws the icon over two different backgrounds: where the results differ the icon is transparent.
struct IconCoverage
{
    int opaque = 0;
    int transparent = 0;
};

IconCoverage MeasureCoverage(HICON icon, int size)
{
    IconCoverage coverage;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size * 2, size);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF backgrounds[2] = {RGB(255, 0, 255), RGB(0, 255, 0)};
    for (int i = 0; i < 2; ++i)
    {
        RECT area = {i * size, 0, (i + 1) * size, size};
        HBRUSH brush = CreateSolidBrush(backgrounds[i]);
        FillRect(dc, &area, brush);
        DeleteObject(brush);
        DrawIconEx(dc, i * size, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    }
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            (GetPixel(dc, x, y) == GetPixel(dc, x + size, y) ? coverage.opaque : coverage.transparent)++;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return coverage;
}
} // namespace

TEST(ModuleStrings, EveryTextByteForByteInCodePage1252)
{
    const std::pair<UINT, const char*> strings[] = {
        {IDS_TIP_BACK, "Précédent"},
        {IDS_TIP_FORWARD, "Suivant"},
        {IDS_TIP_COPY, "Copier dans le Presse-papiers"},
        {IDS_FUNCTION_BROWSER_CAPTION, "Explorateur de Fonctions"},
        {IDS_CATEGORY_LABEL, " Catégorie"},
        {IDS_ELEMENT_LABEL, " Elément"},
        {IDS_LIBRARY, "Bibliothèque "},
        {IDS_MEMBER_OF, "\n   Membre de "},
        {IDS_READ_ONLY, "\n   lecture seule"},
        {IDS_DEFAULT_MEMBER_OF, "\n   Membre par défaut de "},
        {IDS_OBJECT_BROWSER_CAPTION, "Explorateur d'Objets"},
        {IDS_NO_LIBRARY_LOADED, "Aucune bibliothèque n'a été chargée !"},
        {IDS_MEMBERS_OF, " Membres de '%s'"},
        {IDS_CLASSES_LABEL, " Classes"},
        {IDS_LOCATION, "Emplacement : "},
        {IDS_LANGUAGE, "Langue : "},
        {IDS_STANDARD_LANGUAGE, "Standard"},
        {IDS_FILTER_TYPE_LIBRARIES, "Type de Bibliothèques"},
        {IDS_FILTER_EXECUTABLES, "Fichiers Exécutables"},
        {IDS_FILTER_ACTIVEX_CONTROLS, "Contrôles ActiveX"},
        {IDS_FILTER_ALL_FILES, "Tous les Fichiers"},
        {IDS_NOT_A_TYPE_LIBRARY, "Le fichier %s n'est pas un fichier de type de bibliothèque valide"},
        {IDS_GUID, "Guide : "},
        {IDS_NOT_REGISTERED, "La bibliothèque du fichier %s n'a pas pu être enregistrée"},
        {IDS_COLUMN_LIBRARY, "Bibliothèque"},
        {IDS_COLUMN_CLASS, "Classe"},
        {IDS_COLUMN_MEMBER, "Membre"},
        {IDS_COLUMN_CATEGORY, "Catégorie"},
        {IDS_COLUMN_ELEMENT, "Élément"},
        {IDS_NO_SEARCH_HITS, "Aucun résultat pour « %s »."},
        {IDS_TIP_SEARCH, "Rechercher (Ctrl+F)"},
        {IDS_TIP_CLOSE_RESULTS, "Fermer les résultats (Échap)"},
    };
    for (const auto& [id, text] : strings)
        EXPECT_EQ(std::string(text), LoadModuleString(id)) << "string " << id;
    // The accents really are single code page 1252 bytes, whatever the source file's encoding.
    EXPECT_EQ(std::string("Pr\xE9"
                          "c\xE9"
                          "dent"),
              LoadModuleString(IDS_TIP_BACK));
    // A line feed alone: the description pane's RTF turns it into a paragraph break.
    EXPECT_EQ('\n', LoadModuleString(IDS_MEMBER_OF).front());
    // Numbers no text uses hold nothing.
    EXPECT_EQ("", LoadModuleString(12305));
    EXPECT_EQ("", LoadModuleString(12335));
}

TEST(ContextMenu, TwoPopupsWithTheirCommands)
{
    HMENU menu = LoadMenuA(obrtest::BrowserModule(), MAKEINTRESOURCEA(IDR_CONTEXT_MENU));
    ASSERT_NE(nullptr, menu);
    ASSERT_EQ(2, GetMenuItemCount(menu));
    EXPECT_EQ("ObjBrowse", MenuText(menu, 0));
    EXPECT_EQ("FuncBrowse", MenuText(menu, 1));

    struct Item
    {
        UINT id; // 0 for a separator
        const char* text;
    };
    const std::vector<Item> objBrowse = {
        {ID_COPY, "&Copier"},
        {ID_COPY_DECLARATION, "Copier la &déclaration"},
        {0, ""},
        {ID_GROUPMEMBERS, "Membres du &Groupe"},
        {ID_SHOWHIDDEN, "Afficher les Membre&s Cachés"},
        {0, ""},
        {ID_FIND_RETURNING, "Membres qui &renvoient le type"},
        {ID_FIND_TAKING, "Membres qui acce&ptent le type"},
        {ID_FIND_IMPLEMENTING, "Classes qui &implémentent le type"},
        {0, ""},
        {ID_REFERENCES, "&Références"},
        {ID_HELP_ITEM, "&Aide"},
    };
    const std::vector<Item> funcBrowse = {{ID_COPY, "&Copier"},
                                          {ID_COPY_DECLARATION, "Copier la &déclaration"},
                                          {0, ""},
                                          {ID_HELP_ITEM, "&Aide"}};
    const std::vector<Item>* expected[] = {&objBrowse, &funcBrowse};
    for (int popup = 0; popup < 2; ++popup)
    {
        HMENU sub = GetSubMenu(menu, popup);
        ASSERT_NE(nullptr, sub);
        ASSERT_EQ(static_cast<int>(expected[popup]->size()), GetMenuItemCount(sub));
        for (UINT i = 0; i < expected[popup]->size(); ++i)
        {
            const Item& item = (*expected[popup])[i];
            SCOPED_TRACE("popup " + std::to_string(popup) + " item " + std::to_string(i));
            if (item.id == 0)
            {
                EXPECT_TRUE(GetMenuState(sub, i, MF_BYPOSITION) & MF_SEPARATOR);
                continue;
            }
            EXPECT_EQ(item.id, GetMenuItemID(sub, i));
            EXPECT_EQ(item.text, MenuText(sub, i));
        }
    }
    DestroyMenu(menu);
}

TEST(ModuleIcons, EveryIconIs16By16WithTransparency)
{
    const int icons[] = {IDI_BROWSER,    IDI_CLASS,    IDI_ENUM,    IDI_PROPERTY,  IDI_METHOD,
                         IDI_EVENT,      IDI_CONSTANT, IDI_GLOBALS, IDI_MODULE,    IDI_DEFAULT_MEMBER,
                         IDI_FORWARD,    IDI_BACK,     IDI_COPY,    IDI_STATEMENT, IDI_OPERATOR,
                         IDI_DOWN_ARROW, IDI_UP_ARROW};
    for (int id : icons)
    {
        SCOPED_TRACE("icon " + std::to_string(id));
        HICON icon = static_cast<HICON>(
            LoadImageA(obrtest::BrowserModule(), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
        ASSERT_NE(nullptr, icon);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        EXPECT_TRUE(info.fIcon);
        BITMAP mask = {};
        ASSERT_TRUE(GetObjectA(info.hbmMask, sizeof mask, &mask));
        EXPECT_EQ(16, mask.bmWidth);
        DeleteObject(info.hbmMask);
        DeleteObject(info.hbmColor);

        IconCoverage coverage = MeasureCoverage(icon, 16);
        EXPECT_GT(coverage.opaque, 0);
        EXPECT_GT(coverage.transparent, 0);
        DestroyIcon(icon);
    }
}

TEST(ModuleIcons, HandCursorPointsWithItsFingertip)
{
    HCURSOR cursor = static_cast<HCURSOR>(LoadImageA(
        obrtest::BrowserModule(), MAKEINTRESOURCEA(IDC_HAND_CURSOR), IMAGE_CURSOR, 32, 32, LR_DEFAULTCOLOR));
    ASSERT_NE(nullptr, cursor);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(5u, info.xHotspot);
    EXPECT_EQ(0u, info.yHotspot);
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    DestroyCursor(cursor);
}
