#include "lang/CardNames.h"

#include "lang/Language.h"

namespace quarn {
namespace {

// Per language: the nine ranks, the four suits and how they are put together
// ("%r" the rank, "%s" the suit).
struct Words {
    const char *ranks[9];
    const char *suits[4];
    const char *pattern;
};

const Words words[languageCount] = {
    {{"six", "seven", "eight", "nine", "ten", "jack", "queen", "king", "ace"},
     {"hearts", "diamonds", "clubs", "spades"},
     "%r of %s"},
    {{"шестёрка", "семёрка", "восьмёрка", "девятка", "десятка", "валет", "дама", "король", "туз"},
     {"червей", "бубен", "треф", "пик"},
     "%r %s"},
    {{"Sechs", "Sieben", "Acht", "Neun", "Zehn", "Bube", "Dame", "König", "Ass"},
     {"Herz", "Karo", "Kreuz", "Pik"},
     "%s %r"},
    {{"six", "sept", "huit", "neuf", "dix", "valet", "dame", "roi", "as"},
     {"cœur", "carreau", "trèfle", "pique"},
     "%r de %s"},
    {{"seis", "siete", "ocho", "nueve", "diez", "jota", "reina", "rey", "as"},
     {"corazones", "diamantes", "tréboles", "picas"},
     "%r de %s"},
    {{"六", "七", "八", "九", "十", "J", "Q", "K", "A"}, {"红桃", "方块", "梅花", "黑桃"}, "%s%r"},
    {{"sei", "sette", "otto", "nove", "dieci", "fante", "donna", "re", "asso"},
     {"cuori", "quadri", "fiori", "picche"},
     "%r di %s"},
    {{}, {}, ""}, // Czech: the suit is an adjective agreeing with the rank, see below
    {{"ろく", "なな", "はち", "きゅう", "じゅう", "ジャック", "クイーン", "キング", "エース"},
     {"ハート", "ダイヤ", "クラブ", "スペード"},
     "%sの%r"},
    {{"육", "칠", "팔", "구", "십", "잭", "퀸", "킹", "에이스"},
     {"하트", "다이아몬드", "클로버", "스페이드"},
     "%s %r"},
};

constexpr int kRussian = 1;
constexpr int kCzech = 7;

// The rows of the table are named by the suit alone: Russian names them in the
// nominative (the card names use the genitive), Czech by its nouns (the card
// names use adjectives).
const char *const russianSuits[4] = {"черви", "бубны", "трефы", "пики"};
const char *const czechSuits[4] = {"srdce", "káry", "kříže", "piky"};
const char *const czechRanks[9] = {"šestka", "sedmička", "osmička", "devítka", "desítka",
                                   "kluk",   "dáma",     "král",    "eso"};

// "srdcová šestka", "pikový král", "kárové eso".
std::string czechName(int suit, int rank) {
    static const char *const stems[4] = {"srdcov", "károv", "křížov", "pikov"};
    // Feminine, masculine or neuter ending of the adjective.
    static const char *const endings[9] = {"á", "á", "á", "á", "á", "ý", "á", "ý", "é"};
    return std::string(stems[suit - 1]) + endings[rank - 1] + ' ' + czechRanks[rank - 1];
}

bool validLanguage(int language) {
    return language >= 0 && language < languageCount;
}

void replaceAll(std::string &text, const std::string &from, const std::string &to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

} // namespace

std::string spokenCardName(int language, int suit, int rank) {
    if (!validLanguage(language) || suit < 1 || suit > 4 || rank < 1 || rank > 9)
        return {};
    if (language == kCzech)
        return czechName(suit, rank);
    const Words &w = words[language];
    std::string name = w.pattern;
    replaceAll(name, "%r", w.ranks[rank - 1]);
    replaceAll(name, "%s", w.suits[suit - 1]);
    return name;
}

std::string rankName(int language, int rank) {
    if (!validLanguage(language) || rank < 1 || rank > 9)
        return {};
    return language == kCzech ? czechRanks[rank - 1] : words[language].ranks[rank - 1];
}

std::string suitName(int language, int suit) {
    if (!validLanguage(language) || suit < 1 || suit > 4)
        return {};
    if (language == kRussian)
        return russianSuits[suit - 1];
    return language == kCzech ? czechSuits[suit - 1] : words[language].suits[suit - 1];
}

} // namespace quarn
