// How every browser's search compares texts and ranks what it finds. Texts are folded byte by
// byte (lower case, accents taken off, code page 1252), so that a position in the folded text is
// the same position in the original.
#pragma once

#include "module/BrowserApi.h"
#include "browser/BrowserTypes.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Best first. A name that equals the text, begins with it, has a word that begins with it (a
// capital letter, or any letter after a character that is not one, starts a word), or holds it
// somewhere; below every name, an item found by its description only.
enum SEARCH_RANK
{
    SEARCH_RANK_EXACT,
    SEARCH_RANK_PREFIX,
    SEARCH_RANK_WORD,
    SEARCH_RANK_CONTAINS,
    SEARCH_RANK_DESCRIPTION,
    SEARCH_RANK_NONE
};

// Appends the folded text to `folded`.
OBR_API void AppendFolded(std::string_view text, std::string& folded);
OBR_API std::string Folded(std::string_view text);

// The rank of a name for a folded search text, given the name and its folded form.
OBR_API SEARCH_RANK RankName(std::string_view name, std::string_view foldedName, std::string_view foldedText);

// A hit with its rank; hits gathered in the browser's order are handed out best rank first, each
// rank keeping that order.
typedef std::pair<SEARCH_RANK, SearchHit> RankedHit;
OBR_API void AppendInRankOrder(std::vector<RankedHit>& ranked, std::vector<SearchHit>* hits);
