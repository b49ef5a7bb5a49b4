#include "impl/SearchRank.h"

#include <algorithm>
#include <array>

namespace
{
// Code page 1252: ASCII capitals and the accented letters of both cases map to their plain lower
// case letter; ligatures and other bytes stay as they are (one byte for one byte).
std::array<char, 256> MakeFoldTable()
{
    std::array<char, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[static_cast<size_t>(byte)] = static_cast<char>(byte);
    for (int byte = 'A'; byte <= 'Z'; ++byte)
        table[static_cast<size_t>(byte)] = static_cast<char>(byte - 'A' + 'a');
    struct Range
    {
        unsigned char first, last;
        char plain;
    };
    const Range accented[] = {{0xC0, 0xC5, 'a'}, {0xC7, 0xC7, 'c'}, {0xC8, 0xCB, 'e'}, {0xCC, 0xCF, 'i'},
                              {0xD0, 0xD0, 'd'}, {0xD1, 0xD1, 'n'}, {0xD2, 0xD6, 'o'}, {0xD8, 0xD8, 'o'},
                              {0xD9, 0xDC, 'u'}, {0xDD, 0xDD, 'y'}, {0xE0, 0xE5, 'a'}, {0xE7, 0xE7, 'c'},
                              {0xE8, 0xEB, 'e'}, {0xEC, 0xEF, 'i'}, {0xF0, 0xF0, 'd'}, {0xF1, 0xF1, 'n'},
                              {0xF2, 0xF6, 'o'}, {0xF8, 0xF8, 'o'}, {0xF9, 0xFC, 'u'}, {0xFD, 0xFD, 'y'},
                              {0xFF, 0xFF, 'y'}, {0x8A, 0x8A, 's'}, {0x9A, 0x9A, 's'}, {0x8E, 0x8E, 'z'},
                              {0x9E, 0x9E, 'z'}, {0x9F, 0x9F, 'y'}};
    for (const Range& range : accented)
        for (int byte = range.first; byte <= range.last; ++byte)
            table[static_cast<size_t>(byte)] = range.plain;
    table[0xC6] = static_cast<char>(0xE6); // Æ
    table[0x8C] = static_cast<char>(0x9C); // Œ
    return table;
}

const std::array<char, 256>& FoldTable()
{
    static const std::array<char, 256> table = MakeFoldTable();
    return table;
}

bool IsLetterOrDigit(unsigned char byte)
{
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') ||
           byte >= 0xC0 || byte == 0x8A || byte == 0x8C || byte == 0x8E || byte == 0x9A || byte == 0x9C ||
           byte == 0x9E || byte == 0x9F;
}

bool IsCapital(unsigned char byte)
{
    return (byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7);
}

bool StartsWord(std::string_view name, size_t position)
{
    const auto byte = static_cast<unsigned char>(name[position]);
    return position == 0 || IsCapital(byte) ||
           !IsLetterOrDigit(static_cast<unsigned char>(name[position - 1]));
}
} // namespace

void AppendFolded(std::string_view text, std::string& folded)
{
    const std::array<char, 256>& table = FoldTable();
    const size_t start = folded.size();
    folded.resize(start + text.size());
    for (size_t i = 0; i < text.size(); ++i)
        folded[start + i] = table[static_cast<unsigned char>(text[i])];
}

std::string Folded(std::string_view text)
{
    std::string folded;
    AppendFolded(text, folded);
    return folded;
}

SEARCH_RANK RankName(std::string_view name, std::string_view foldedName, std::string_view foldedText)
{
    if (foldedText.empty() || foldedName.size() < foldedText.size())
        return SEARCH_RANK_NONE;
    if (foldedName.compare(0, foldedText.size(), foldedText) == 0)
        return foldedName.size() == foldedText.size() ? SEARCH_RANK_EXACT : SEARCH_RANK_PREFIX;
    SEARCH_RANK rank = SEARCH_RANK_NONE;
    for (size_t at = foldedName.find(foldedText, 1); at != std::string_view::npos;
         at = foldedName.find(foldedText, at + 1))
    {
        if (StartsWord(name, at))
            return SEARCH_RANK_WORD;
        rank = SEARCH_RANK_CONTAINS;
    }
    return rank;
}

void AppendInRankOrder(std::vector<RankedHit>& ranked, std::vector<SearchHit>* hits)
{
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const RankedHit& a, const RankedHit& b) { return a.first < b.first; });
    hits->reserve(hits->size() + ranked.size());
    for (RankedHit& entry : ranked)
        hits->push_back(std::move(entry.second));
}
