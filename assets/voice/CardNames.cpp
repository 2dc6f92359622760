#include "CardNames.h"

namespace {

const char *const suitPrefixes[5] = {"", "Ch", "Bu", "Kr", "Pi"};
const char *const rankParts[10] = {"", "06", "07", "08", "09", "10", "2J", "3Q", "4K", "5A"};

// Per language: the nine ranks, the four suits and how they are put together
// ("%r" the rank, "%s" the suit).
struct Words {
    const char *ranks[9];
    const char *suits[4];
    const char *pattern;
};

const Words words[kVoiceLanguages] = {
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

constexpr int kCzech = 7;

// "srdcová šestka", "pikový král", "kárové eso".
QString czechName(int suit, int rank) {
    static const char *const stems[4] = {"srdcov", "károv", "křížov", "pikov"};
    static const char *const ranks[9] = {"šestka", "sedmička", "osmička", "devítka", "desítka",
                                         "kluk",   "dáma",     "král",    "eso"};
    // Feminine, masculine or neuter ending of the adjective.
    static const char *const endings[9] = {"á", "á", "á", "á", "á", "ý", "á", "ý", "é"};
    return QString::fromUtf8(stems[suit - 1]) + QString::fromUtf8(endings[rank - 1]) +
           QLatin1Char(' ') + QString::fromUtf8(ranks[rank - 1]);
}

} // namespace

const VoiceLanguage voiceLanguages[kVoiceLanguages] = {
    {"Eng", "en"},  {"Rus", "ru"}, {"Deu", "de"}, {"Fra", "fr"}, {"Spa", "es"},
    {"Chi", "cmn"}, {"Ita", "it"}, {"Cze", "cs"}, {"Jap", "ja"}, {"Kor", "ko"},
};

QString spokenCardName(int language, int suit, int rank) {
    if (language < 0 || language >= kVoiceLanguages || suit < 1 || suit > 4 || rank < 1 || rank > 9)
        return {};
    if (language == kCzech)
        return czechName(suit, rank);
    const Words &w = words[language];
    QString name = QString::fromUtf8(w.pattern);
    name.replace(QStringLiteral("%r"), QString::fromUtf8(w.ranks[rank - 1]));
    name.replace(QStringLiteral("%s"), QString::fromUtf8(w.suits[suit - 1]));
    return name;
}

QString voiceResourceName(int language, int suit, int rank) {
    return QLatin1String(suitPrefixes[suit]) + QLatin1String(rankParts[rank]) +
           QStringLiteral("Voice") + QLatin1String(voiceLanguages[language].code);
}
