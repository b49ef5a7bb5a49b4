#!/usr/bin/env python3
"""Writes the sample host's HTML Help project from the function catalogs.

    make_help.py ROOT OUT_DIR CHM_NAME

Reads the catalog records (resources/catalog.rc), which records make up which category of which
catalog (catalog/CatalogDefinitions.cpp), the browsers' help contexts (resources/resource.h) and the
base of the entries' help contexts (catalog/CBrowserItem.h), and writes into OUT_DIR a page per
record, an index page per catalog, a page per browser, the contents, the keyword index and the
project (help.hhp) that chmcmd compiles into CHM_NAME.

Every page that answers a help context is named after it ("6051.htm"): a record's page after the
record's own help number when it has one, otherwise after the entries' base plus the record's number
(what F1 on an entry asks for); the browsers' pages after the browsers' help contexts. The
application opens "<file>::/<context>.htm". The project has no [MAP]: chmcmd 3.2.2 writes the map's
pages with the project folder's absolute path, which no viewer finds inside the file.
"""
import html
import os
import re
import sys

KINDS = {
    0: "Toutes les fonctions",
    1: "Catégorie",
    2: "Fonction",
    3: "Instruction, mot clé ou type de données",
    4: "Constante",
    5: "Opérateur",
}
CATALOGS = {1: ("macro.htm", "Langage de macros"), 2: ("formula.htm", "Langage de formules")}


def read(path):
    with open(path, encoding="utf-8") as source:
        return source.read()


def rc_string(text):
    """The text of a resource-script string literal (without its quotes)."""
    text = text.replace('""', '"')
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), text)


def read_records(root):
    """Record number -> its fields, read as the module reads them (fields split at ';')."""
    records = {}
    for number, literal in re.findall(r'^\s*(\d+)\s+"((?:[^"]|"")*)"', read(os.path.join(root, "resources/catalog.rc")), re.M):
        fields = rc_string(literal).split(";") + [""] * 7
        try:
            kind = int(fields[0])
        except ValueError:
            continue
        # The browsers leave out a record of no known kind or without a name; so does the help.
        if kind not in KINDS or not fields[1]:
            continue
        help_id = int(fields[5]) if fields[5].strip().isdigit() else 0
        records[int(number)] = {
            "kind": kind, "name": fields[1], "syntax": fields[2], "description": fields[3], "help_id": help_id,
        }
    return records


def read_catalogs(root):
    """Catalog number -> list of (category record, [entry records] or None for all), in the browsers' order."""
    source = read(os.path.join(root, "catalog/CatalogDefinitions.cpp"))
    arrays = {name: [int(n) for n in re.findall(r"\d+", body) if int(n) != 0]
              for name, body in re.findall(r"const UINT (\w+)\[\] = \{([^}]*)\};", source)}
    catalogs = {}
    for number in CATALOGS:
        table = re.search(r"const _CategoryDef kCatalog%d\[\] = \{(.*?)\{0, nullptr\}\};" % number, source, re.S)
        # The all-functions category has no list: the browser fills it from the others.
        catalogs[number] = [(int(category), arrays.get(array) if array != "nullptr" else None)
                            for category, array in re.findall(r"\{(\d+), (\w+)\}", table.group(1))]
    return catalogs


def define(root, path, name):
    match = re.search(r"\b%s\b\s*=?\s*(\d+)" % name, read(os.path.join(root, path)))
    if not match:
        sys.exit("make_help.py: %s not found in %s" % (name, path))
    return int(match.group(1))


def page(title, body):
    # Plain ASCII with character references: no code page can garble the accents.
    text = ("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
            "<title>%s</title></head><body style=\"font-family: Tahoma, sans-serif; font-size: 10pt\">"
            "<h2>%s</h2>\n%s\n</body></html>\n") % (html.escape(title), html.escape(title), body)
    return text.encode("ascii", "xmlcharrefreplace")


def entry_page(record, categories, page_of):
    lines = ["<p><i>%s</i></p>" % html.escape(KINDS.get(record["kind"], ""))]
    if record["syntax"]:
        lines.append("<h3>Syntaxe</h3><pre>%s</pre>" % html.escape(record["syntax"]))
    if record["description"]:
        lines.append("<h3>Description</h3><p>%s</p>" % html.escape(record["description"]))
    if categories:
        lines.append("<h3>Catégorie</h3><ul>")
        for catalog, category, name in categories:
            lines.append("<li><a href=\"%s\">%s</a> : <a href=\"%s\">%s</a></li>"
                         % (CATALOGS[catalog][0], html.escape(CATALOGS[catalog][1]), page_of[category], html.escape(name)))
        lines.append("</ul>")
    return page(record["name"], "\n".join(lines))


def category_page(record, catalog, entries, records, page_of):
    links = "".join("<li><a href=\"%s\">%s</a></li>" % (page_of[n], html.escape(records[n]["name"])) for n in entries)
    body = "<p>%s</p><p><a href=\"%s\">%s</a></p><ul>%s</ul>" % (
        html.escape(record["description"]), CATALOGS[catalog][0], html.escape(CATALOGS[catalog][1]), links)
    return page(record["name"], body)


def sitemap(items):
    lines = ["<HTML><BODY><UL>\n"]
    for name, local, children in items:
        # The viewer reads numeric references in names, not &#x27;: only what a value cannot hold is escaped.
        lines.append('<LI><OBJECT type="text/sitemap"><param name="Name" value="%s"><param name="Local" value="%s"></OBJECT>\n'
                     % (html.escape(name, quote=False).replace('"', "&quot;"), local))
        if children:
            lines.append(sitemap(children)[len("<HTML><BODY>"):-len("</BODY></HTML>\n")])
    lines.append("</UL></BODY></HTML>\n")
    return "".join(lines)


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    root, out, chm = sys.argv[1:]
    records = read_records(root)
    catalogs = read_catalogs(root)
    base = define(root, "catalog/CBrowserItem.h", "kEntryHelpContextBase")
    object_page = "%d.htm" % define(root, "resources/resource.h", "IDH_OBJECT_BROWSER")
    function_page = "%d.htm" % define(root, "resources/resource.h", "IDH_FUNCTION_BROWSER")

    # The categories of each catalog and their entries, leaving out what the browsers leave out.
    shown = {}  # record -> [(catalog, category, category name)]
    listed = {}  # catalog -> [(category, [entries])]
    for catalog, categories in catalogs.items():
        for category, entries in categories:
            if category not in records:
                continue
            if entries is None:
                shown.setdefault(category, [])
                continue
            entries = [entry for entry in entries if entry in records]
            listed.setdefault(catalog, []).append((category, entries))
            shown.setdefault(category, [])
            for entry in entries:
                shown.setdefault(entry, []).append((catalog, category, records[category]["name"]))
    page_of = {n: "%d.htm" % (records[n]["help_id"] or base + n) for n in shown}
    if len(set(page_of.values())) != len(page_of):
        sys.exit("make_help.py: two records answer the same help context")

    pages = {}
    for number, categories in shown.items():
        if records[number]["kind"] > 1:
            pages[page_of[number]] = entry_page(records[number], categories, page_of)
    for catalog, categories in listed.items():
        for category, entries in categories:
            pages[page_of[category]] = category_page(records[category], catalog, entries, records, page_of)
        items = "".join("<li><a href=\"%s\">%s</a> (%d)</li>" % (page_of[c], html.escape(records[c]["name"]), len(e))
                        for c, e in categories)
        pages[CATALOGS[catalog][0]] = page(CATALOGS[catalog][1], "<p>Les catégories de l'Explorateur de Fonctions :</p><ul>%s</ul>" % items)
    for category in (c for c in shown if records[c]["kind"] == 0):
        pages[page_of[category]] = page(records[category]["name"], "<p>%s</p><ul>%s</ul>" % (
            html.escape(records[category]["description"]),
            "".join("<li><a href=\"%s\">%s</a></li>" % (p, html.escape(t)) for p, t in CATALOGS.values())))
    pages[object_page] = page("Explorateur d'Objets", (
        "<p>L'Explorateur d'Objets montre les bibliothèques de types référencées par le projet : leurs classes, "
        "les membres de chaque classe et leur déclaration. Un double-clic sur un membre l'insère dans le code ; "
        "Copier le place dans le Presse-papiers ; la zone de recherche trouve un nom dans toutes les bibliothèques. "
        "F1 ouvre l'aide de la bibliothèque, quand elle en a une.</p>"
        "<p>Voir aussi : <a href=\"%s\">Explorateur de Fonctions</a>.</p>") % function_page)
    pages[function_page] = page("Explorateur de Fonctions", (
        "<p>L'Explorateur de Fonctions montre les fonctions, instructions, constantes et opérateurs d'un langage, "
        "par catégorie. Un double-clic sur une entrée l'insère dans le code ; F1 ouvre sa page.</p><ul>%s</ul>")
        % "".join("<li><a href=\"%s\">%s</a></li>" % (p, html.escape(t)) for p, t in CATALOGS.values()))

    os.makedirs(out, exist_ok=True)
    for stale in os.listdir(out):  # pages of records since removed
        if stale.endswith((".htm", ".hhc", ".hhk", ".hhp", ".chm")):
            os.remove(os.path.join(out, stale))
    for name, text in pages.items():
        with open(os.path.join(out, name), "wb") as target:
            target.write(text)
    contents = [("Explorateur d'Objets", object_page, []), ("Explorateur de Fonctions", function_page, [])]
    contents += [(CATALOGS[catalog][1], CATALOGS[catalog][0], [(records[c]["name"], page_of[c], []) for c, _ in categories])
                 for catalog, categories in listed.items()]
    entries = sorted((n for n in shown if records[n]["kind"] > 1), key=lambda n: (records[n]["name"].lower(), n))
    index = [(records[n]["name"], page_of[n], []) for n in entries]
    for name, items in (("help.hhc", contents), ("help.hhk", index)):
        with open(os.path.join(out, name), "wb") as target:
            target.write(sitemap(items).encode("ascii", "xmlcharrefreplace"))

    project = [
        "[OPTIONS]", "Compatibility=1.1 or later", "Compiled file=%s" % chm, "Contents file=help.hhc",
        "Index file=help.hhk", "Default topic=%s" % function_page, "Language=0x40c French",
        "Title=Aide de l'application exemple", "", "[FILES]", *sorted(pages), "",
    ]
    with open(os.path.join(out, "help.hhp"), "wb") as target:
        target.write("\r\n".join(project).encode("ascii", "xmlcharrefreplace"))


if __name__ == "__main__":
    main()
