// The two function catalogs: categories, counts, the records as data, and help requests.
#include "catalog/CBrowserCategory.h"
#include "framework/Framework.h"
#include "module/ModuleServices.h"
#include "tests/support/PlatformRecorder.h"
#include "tests/support/TestPaths.h"
#include "resources/resource.h"

#include <gmock/gmock.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace
{
// The categories of a catalog.
struct Catalog
{
    explicit Catalog(int mode) { LoadCatalog(mode, categories); }
    CatalogCategories categories;
};

struct Expected
{
    const char* name;
    int count;
};

void ExpectCategories(int mode, const std::vector<Expected>& expected, int total)
{
    Catalog catalog(mode);
    ASSERT_EQ(expected.size(), catalog.categories.size());
    std::vector<CBrowserItem*> inOrder;
    for (size_t i = 0; i < expected.size(); ++i)
    {
        CBrowserCategory* category = catalog.categories[i].get();
        EXPECT_EQ(expected[i].name, category->m_strName) << "category " << i;
        EXPECT_EQ(expected[i].count, category->GetItemCount()) << expected[i].name;
        for (int k = 0; i > 0 && k < category->GetItemCount(); ++k)
            inOrder.push_back(category->GetItem(k));
    }
    CBrowserCategory* all = catalog.categories[0].get();
    EXPECT_EQ(CATALOG_KIND_ALL_FUNCTIONS, all->m_nKind);
    ASSERT_EQ(total, all->GetItemCount());
    for (int k = 0; k < total; ++k)
        EXPECT_EQ(inOrder[static_cast<size_t>(k)], all->GetItem(k)) << k;
}

} // namespace

TEST(Catalogs, TheMacroLanguageHas22CategoriesOf417Items)
{
    ExpectCategories(1,
                     {{"(Toutes les Fonctions)", 417},
                      {"Déclaration", 16},
                      {"Type de Données", 13},
                      {"Attribution", 5},
                      {"Contrôle du Flux", 14},
                      {"Erreur Manipulation", 4},
                      {"Conversion", 14},
                      {"Info Variable", 12},
                      {"Constante", 7},
                      {"Math", 41},
                      {"Chaîne", 32},
                      {"Objet", 3},
                      {"Heure/Date", 20},
                      {"Fichier", 32},
                      {"Entrée Utilisateur", 15},
                      {"Boîtes de Dialogue Perso.", 14},
                      {"Fonction Dialogue", 14},
                      {"DDE", 6},
                      {"Paramétrage", 4},
                      {"Divers", 20},
                      {"Opérateurs", 22},
                      {"Matrice", 58},
                      {"Distributions", 51}},
                     417);
}

TEST(Catalogs, TheFormulaLanguageHas6CategoriesOf117Items)
{
    ExpectCategories(2,
                     {{"(Toutes les Fonctions)", 117},
                      {"Général", 4},
                      {"Opérateurs", 16},
                      {"Math", 26},
                      {"Distributions", 51},
                      {"Statistiques", 9},
                      {"Texte", 11}},
                     117);
}

TEST(Catalogs, AnUnknownModeIsEmpty)
{
    EXPECT_EQ(nullptr, GetCatalogDefinition(0));
    EXPECT_EQ(nullptr, GetCatalogDefinition(3));
    Catalog none(3);
    EXPECT_TRUE(none.categories.empty());
}

// Every record of both catalogs is listed once and splits into its seven fields: a ';' inside a
// text would end that field and shift the rest (the description's tail would become the insert
// text). The records read irregularly on purpose, and those dropped for want of a name, are kept
// apart.
TEST(Catalogs, EveryListedRecordIsSoundListedOnceAndHasSevenFields)
{
    const std::set<UINT> dropped = {5252, 5253, 5254, 5257, 5261, 5275, 5289, 5290, 5291};
    const std::set<UINT> irregular = {5804, 6037};
    std::set<UINT> records;
    for (int mode = 1; mode <= 2; ++mode)
    {
        std::set<UINT> seen;
        for (const _CategoryDef* def = GetCatalogDefinition(mode); def->nHeaderId; ++def)
        {
            std::vector<UINT> ids = {def->nHeaderId};
            for (const UINT* id = def->pItemIds; id && *id; ++id)
                ids.push_back(*id);
            for (UINT id : ids)
            {
                SCOPED_TRACE("record " + std::to_string(id));
                EXPECT_TRUE(seen.insert(id).second);
                records.insert(id);
                const std::string record = strGetStringObr(id).GetString();
                std::vector<std::string> fields;
                size_t start = 0;
                for (size_t end; (end = record.find(';', start)) != std::string::npos; start = end + 1)
                    fields.push_back(record.substr(start, end - start));
                if (!irregular.count(id))
                {
                    EXPECT_EQ("", record.substr(start)) << "the record ends with ';'";
                    ASSERT_EQ(7u, fields.size()) << record;
                    EXPECT_EQ(std::string::npos, fields[5].find_first_not_of("0123456789")) << fields[5];
                    EXPECT_TRUE(fields[4].empty() || fields[4].back() != '.') << "prose as insert text";
                    EXPECT_EQ(std::string::npos, fields[4].find(". ")) << "prose as insert text";
                }
                if (id == def->nHeaderId)
                    continue;
                CBrowserItem item(id);
                ASSERT_EQ(!dropped.count(id), item.IsValid());
                if (!item.IsValid())
                    continue;
                EXPECT_GE(item.m_nKind, CATALOG_KIND_FUNCTION);
                EXPECT_FALSE(item.m_nKind == CATALOG_KIND_FUNCTION &&
                             (item.m_strSyntax.IsEmpty() || item.m_strInsertText.IsEmpty()));
                EXPECT_FALSE(item.m_strDescription.IsEmpty());
            }
        }
    }
    EXPECT_GT(records.size(), 480u);
}

TEST(Catalogs, EveryMatrixEntryReachesItsHelpTopic)
{
    Catalog catalog(1);
    CBrowserCategory* matrix = catalog.categories[21].get();
    ASSERT_EQ("Matrice", matrix->m_strName);
    ASSERT_EQ(58, matrix->GetItemCount());
    for (int i = 0; i < matrix->GetItemCount(); ++i)
    {
        CBrowserItem* item = matrix->GetItem(i);
        EXPECT_NE(0u, item->m_nHelpId) << item->m_strName;
        EXPECT_EQ("", item->m_strHelpFile) << item->m_strName;
    }
    CBrowserItem redim(5264);
    EXPECT_EQ("ReDim ", redim.m_strInsertText);
    EXPECT_EQ(10025u, CBrowserItem(5865).m_nHelpId);
}

TEST(Catalogs, TheIrregularRecordsReadAsTheyStand)
{
    CBrowserItem division(5804); // "5;\;;Division Entière;;;@WW", no final ';'
    EXPECT_EQ(CATALOG_KIND_OPERATOR, division.m_nKind);
    EXPECT_EQ("\\", division.m_strName);
    EXPECT_EQ("", division.m_strSyntax);
    EXPECT_EQ("Division Entière", division.m_strDescription);
    EXPECT_EQ("", division.m_strInsertText);
    EXPECT_EQ(0u, division.m_nHelpId);
    EXPECT_EQ("@WW", division.m_strHelpFile);

    CBrowserItem iif(6037); // a ';' inside the description ends it
    EXPECT_EQ("Renvoie si_vrai quand la condition est vraie", iif.m_strDescription);
    EXPECT_EQ(" sinon si_faux.", iif.m_strInsertText);
    EXPECT_EQ(0u, iif.m_nHelpId);
    EXPECT_EQ("0", iif.m_strHelpFile);

    CBrowserItem nameless(5252);
    EXPECT_FALSE(nameless.IsValid());
    EXPECT_EQ(CATALOG_KIND_STATEMENT, nameless.m_nKind);
    EXPECT_FALSE(CBrowserItem(5275).IsValid());
    EXPECT_FALSE(CBrowserItem(4999).IsValid()); // no such string

    CBrowserCategory attribution({5005, nullptr});
    EXPECT_EQ(0, attribution.GetItemCount());
    EXPECT_THAT(attribution.m_strSyntax.str(), ::testing::HasSubstr("variable = expression"));

    EXPECT_EQ("@@W", CBrowserItem(5421).m_strHelpFile);
    EXPECT_EQ("@ww", CBrowserItem(5386).m_strHelpFile);
    CBrowserItem matrix(5840);
    EXPECT_EQ(10000u, matrix.m_nHelpId);
    EXPECT_EQ("", matrix.m_strHelpFile);
    EXPECT_EQ(10057u, CBrowserItem(5909).m_nHelpId);

    CBrowserItem badKind("9;Nom;Syntaxe;;;;;");
    EXPECT_EQ(CATALOG_KIND_INVALID, badKind.m_nKind);
    EXPECT_EQ("", badKind.m_strName); // not read further
}

TEST(Catalogs, HelpGoesToTheRightFileAndTopic)
{
    obrtest::PlatformRecorder help;
    CWinApp app("Hôte");
    app.m_strHelpFilePath = "hote.hlp";

    CBrowserItem abs(6041);
    EXPECT_TRUE(abs.ShowItemHelp());
    EXPECT_EQ("wwb6_000.hlp", help.m_helpFile);
    EXPECT_EQ(UINT(HELP_KEY), help.m_helpCommand);
    EXPECT_EQ("Abs", help.m_helpKeyword);

    CBrowserItem lowerTag(5386);
    lowerTag.ShowItemHelp();
    EXPECT_EQ("wwb6_000.hlp", help.m_helpFile);
    EXPECT_EQ("vbTab", help.m_helpKeyword);

    CBrowserItem matrix(5841);
    matrix.ShowItemHelp();
    EXPECT_EQ("hote.hlp", help.m_helpFile);
    EXPECT_EQ(UINT(HELP_CONTEXT), help.m_helpCommand);
    EXPECT_EQ(10001u, help.m_helpData);

    CBrowserItem other("2;Autre;Autre();Une fonction documentée ailleurs.;Autre(;42;autre.hlp;");
    other.ShowItemHelp();
    EXPECT_EQ("autre.hlp", help.m_helpFile);
    EXPECT_EQ(UINT(HELP_CONTEXT), help.m_helpCommand);
    EXPECT_EQ(42u, help.m_helpData);

    CBrowserItem format(5421); // "@@W" is a file name, not the tag
    format.ShowItemHelp();
    EXPECT_EQ("@@W", help.m_helpFile);
    EXPECT_EQ(UINT(HELP_CONTEXT), help.m_helpCommand);
    EXPECT_EQ(5, help.m_helpRequests);
}

namespace
{
// A page of the sample host's help, named after its help context, as the build wrote it for the
// help compiler (the test help_file_holds_every_page checks that the compiled file holds them all).
std::string HelpPage(UINT32 context)
{
    return obrtest::ReadFileText(obrtest::ModuleDirectory() + "\\..\\samplehost\\help\\" +
                                 std::to_string(context) + ".htm");
}
} // namespace

TEST(Catalogs, TheSampleHostsHelpHasAPageForEveryEntryAndBrowser)
{
    int pages = 0;
    for (int mode : {1, 2})
    {
        Catalog catalog(mode);
        for (const auto& category : catalog.categories)
        {
            EXPECT_NE("", HelpPage(category->HelpContext())) << category->m_strName;
            for (int i = 0; i < category->GetItemCount(); ++i, ++pages)
                EXPECT_NE("", HelpPage(category->GetItem(i)->HelpContext()))
                    << category->GetItem(i)->m_strName;
        }
    }
    EXPECT_EQ(2 * (417 + 117), pages); // each entry under its category and under all functions
    EXPECT_THAT(HelpPage(IDH_OBJECT_BROWSER), ::testing::HasSubstr("Explorateur d'Objets"));
    EXPECT_THAT(HelpPage(IDH_FUNCTION_BROWSER), ::testing::HasSubstr("Explorateur de Fonctions"));
    // Mod is an operator of the macro language and a function of the formula language.
    EXPECT_THAT(HelpPage(CBrowserItem(5823).HelpContext()), ::testing::HasSubstr("nombre1 Mod nombre2"));
    EXPECT_THAT(HelpPage(CBrowserItem(6089).HelpContext()), ::testing::HasSubstr("Mod(nombre, diviseur)"));
    EXPECT_THAT(HelpPage(CBrowserItem(5840).HelpContext()), ::testing::HasSubstr("MatAdd"));
    EXPECT_EQ(10000u, CBrowserItem(5840).HelpContext());
    EXPECT_EQ("", HelpPage(99));
    EXPECT_EQ(0u, CBrowserItem("2;Autre;Autre();;;0;;").HelpContext());
}
