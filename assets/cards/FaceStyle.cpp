#include "FaceStyle.h"

namespace cards {

namespace {

SuitColours twoColours(QRgb red, QRgb black) {
    SuitColours c;
    c.suit[1] = c.suit[2] = QColor(red);
    c.suit[3] = c.suit[4] = QColor(black);
    return c;
}

SuitColours fourColours(QRgb hearts, QRgb diamonds, QRgb clubs, QRgb spades) {
    SuitColours c;
    c.suit[1] = QColor(hearts);
    c.suit[2] = QColor(diamonds);
    c.suit[3] = QColor(clubs);
    c.suit[4] = QColor(spades);
    return c;
}

const QRgb classicRed = 0xCC1024;
const QRgb classicBlack = 0x16161C;

// A set with its codes; the look is filled in by the caller.
FaceStyle set(int number, const char *name, const char *code, const char *numbers = nullptr,
              const char *aces = nullptr, const char *suits = nullptr) {
    FaceStyle s;
    s.set = number;
    s.name = QLatin1String(name);
    s.code = QLatin1String(code);
    s.numberCode = numbers ? QLatin1String(numbers) : s.code;
    s.aceCode = aces ? QLatin1String(aces) : s.code;
    s.suitCode = suits ? QLatin1String(suits) : s.code;
    s.wide = number < 28 || number == 40 || number == 45;
    s.colours = twoColours(classicRed, classicBlack);
    return s;
}

FaceStyle deck(FaceStyle s, const char *deckName, Treatment treatment = {}, QColor wash = {}) {
    s.source = Source::Deck;
    s.deck = QLatin1String(deckName);
    s.treatment = treatment;
    s.wash = wash;
    return s;
}

Treatment duotone(QRgb ink, QRgb paper) {
    return {Filter::Duotone, QColor(ink), QColor(paper), 0};
}
Treatment engrave(QRgb ink, QRgb paper) {
    return {Filter::Engrave, QColor(ink), QColor(paper), 0};
}
Treatment hue(int degrees) {
    return {Filter::Hue, Qt::black, Qt::white, degrees};
}
Treatment sepia() {
    return {Filter::Sepia, Qt::black, Qt::white, 0};
}
Treatment pastel(QRgb wash) {
    return {Filter::Pastel, QColor(wash), Qt::white, 0};
}
Treatment vivid() {
    return {Filter::Vivid, Qt::black, Qt::white, 0};
}

struct Look {
    const char *courtDeck;
    Treatment treatment;
    Paper paper;
    QRgb paperTop, paperBottom;
    Frame frame;
    QRgb frameColour;
    SuitColours colours;
    Ranks ranks;
    const char *font;
    bool bold, italic;
    double indexScale;
    Court court;
    Ace ace;
    SuitSystem suits = SuitSystem::French;
};

FaceStyle drawn(FaceStyle s, const Look &look) {
    s.source = Source::Drawn;
    s.deck = QLatin1String(look.courtDeck);
    s.treatment = look.treatment;
    s.paper = look.paper;
    s.paperTop = QColor(look.paperTop);
    s.paperBottom = QColor(look.paperBottom);
    s.frame = look.frame;
    s.frameColour = QColor(look.frameColour);
    s.colours = look.colours;
    s.ranks = look.ranks;
    s.font = QLatin1String(look.font);
    s.bold = look.bold;
    s.italic = look.italic;
    s.indexScale = look.indexScale;
    s.court = look.court;
    s.ace = look.ace;
    s.suits = look.suits;
    return s;
}

std::vector<FaceStyle> makeStyles() {
    const SuitColours classic = twoColours(classicRed, classicBlack);
    const SuitColours spanish = fourColours(0xB8202A, 0xD99A12, 0x8A5424, 0x2A4F9A);
    const SuitColours german = fourColours(0xC8141E, 0xE0A81C, 0x8A5A2A, 0x3A8A2A);
    std::vector<FaceStyle> v;
    v.push_back(drawn(set(1, "Medieval-1", "Med"),
                      {"dondorf", duotone(0x3A200C, 0xF6E8C8), Paper::Grain, 0xF4E6C4, 0xE6CF9E,
                       Frame::Double, 0x6A3A14, twoColours(0xA8281A, 0x2A1A10), Ranks::Latin,
                       "DejaVu Serif", true, false, 1.0, Court::Arch, Ace::Ring}));
    v.push_back(deck(set(2, "Modern", "Mod"), "oxygen-white"));
    v.push_back(deck(set(3, "Ancient Egypt", "Anc"), "ancient-egyptians"));
    v.push_back(drawn(set(4, "Baronesse", "Bar"),
                      {"tigullio-international", pastel(0xF4E8F6), Paper::Plain, 0xFBF6FC, 0xEDE0F0,
                       Frame::Gold, 0xB08A2A, twoColours(0xB0205A, 0x3A2A4A), Ranks::Latin,
                       "Liberation Serif", true, true, 1.0, Court::Medallion, Ace::Cartouche}));
    v.push_back(drawn(set(5, "Celtic", "Cel"),
                      {"standard", duotone(0x0E3A22, 0xEAF4E4), Paper::Plain, 0xF2F8EE, 0xDDECD5,
                       Frame::Wavy, 0x1E6A3A, twoColours(0xB0182A, 0x0E3A22), Ranks::Latin,
                       "DejaVu Serif", true, false, 1.0, Court::Arch, Ace::Ring}));
    v.push_back(
        drawn(set(6, "Corona", "Cor", "Mod"),
              {"xskat-french", hue(200), Paper::Plain, 0xFFFFFF, 0xF2F0EA, Frame::Gold, 0xC09030,
               classic, Ranks::Latin, "DejaVu Sans", true, false, 1.0, Court::Panel, Ace::Gold}));
    v.push_back(
        drawn(set(7, "Crown", "Cro", "Mod", "Mod"),
              {"gm-paris", hue(150), Paper::Plain, 0xFFFFFF, 0xEEF2FA, Frame::Double, 0x1A3A8A,
               classic, Ranks::Latin, "DejaVu Sans", true, false, 1.0, Court::Panel, Ace::Plain}));
    v.push_back(deck(set(8, "English Pattern", "Eng"), "standard"));
    v.push_back(deck(set(9, "Frankfurt", "Fra"), "dondorf"));
    v.push_back(drawn(set(10, "Historical costumes", "His", "Mod", "Mod"),
                      {"tigullio-international", sepia(), Paper::Grain, 0xF6ECD6, 0xEADBB8,
                       Frame::Corners, 0x7A4A1A, classic, Ranks::Latin, "Liberation Serif", true,
                       false, 1.0, Court::Arch, Ace::Plain}));
    v.push_back(drawn(set(11, "Native Americans", "Nat", nullptr, nullptr, "Mod"),
                      {"oxygen", duotone(0x5A2410, 0xF2DCC0), Paper::Grain, 0xF4E0C6, 0xE4C49E,
                       Frame::Steps, 0x1E8A8A, twoColours(0xB8401A, 0x1E5A5A), Ranks::Latin,
                       "DejaVu Sans", true, false, 1.0, Court::Panel, Ace::Sunburst}));
    v.push_back(drawn(set(12, "Old Garden Roses", "Old"),
                      {"nicu-ornamental", sepia(), Paper::Roses, 0xFBF7EA, 0xEFE6CC, Frame::Corners,
                       0xA0284A, twoColours(0xB01E44, 0x2E4A2A), Ranks::Latin, "Liberation Serif",
                       true, true, 1.05, Court::Medallion, Ace::Ring}));
    v.push_back(
        drawn(set(13, "Parrots", "Par", "Mod", "Mod"),
              {"penguins", hue(110), Paper::Plain, 0xF4FFF0, 0xFFF6D8, Frame::Line, 0x1A9A4A,
               classic, Ranks::Latin, "DejaVu Sans", true, false, 1.0, Court::Panel, Ace::Plain}));
    v.push_back(deck(set(14, "Royal", "Roy"), "jolly-royal"));
    v.push_back(drawn(set(15, "Shakespeare", "Sha"),
                      {"gm-paris", engrave(0x2A1E14, 0xF0E4CC), Paper::Grain, 0xF2E8D2, 0xE2D2AE,
                       Frame::Line, 0x3A2A1A, twoColours(0x9A1A1A, 0x2A1E14), Ranks::Latin,
                       "Liberation Serif", false, true, 1.1, Court::Medallion, Ace::Ring}));
    v.push_back(drawn(set(16, "Big Ben", "Big"), {"standard",
                                                  {},
                                                  Paper::Plain,
                                                  0xFFFFFF,
                                                  0xF4F6FA,
                                                  Frame::None,
                                                  0x1A2A5A,
                                                  twoColours(0xD0101A, 0x101830),
                                                  Ranks::Latin,
                                                  "Liberation Sans",
                                                  true,
                                                  false,
                                                  1.6,
                                                  Court::Panel,
                                                  Ace::Plain}));
    v.push_back(drawn(set(17, "Four Reigns of English History", "004"),
                      {"dondorf", duotone(0x3A1050, 0xF6E8C8), Paper::Plain, 0xFBF4E6, 0xF0E2C6,
                       Frame::Gold, 0xB08A2A, twoColours(0xA0142A, 0x3A1050), Ranks::Latin,
                       "DejaVu Serif", true, false, 1.0, Court::Panel, Ace::Gold}));
    v.push_back(drawn(set(18, "Large Print London", "Lon"),
                      {"oxygen-air", vivid(), Paper::Plain, 0xFFFFFF, 0xFFFFFF, Frame::Line,
                       0x20304A, twoColours(0xE0001A, 0x000000), Ranks::Latin,
                       "Liberation Sans Narrow", true, false, 1.75, Court::Panel, Ace::Plain}));
    v.push_back(drawn(set(19, "Classical-2", "Cl2", "Sea", "Sea"), {"xskat-french",
                                                                    {},
                                                                    Paper::Plain,
                                                                    0xFFFFFF,
                                                                    0xF6F6F2,
                                                                    Frame::Double,
                                                                    0x20202A,
                                                                    classic,
                                                                    Ranks::Latin,
                                                                    "DejaVu Serif",
                                                                    true,
                                                                    false,
                                                                    1.0,
                                                                    Court::Panel,
                                                                    Ace::Plain}));
    v.push_back(drawn(set(20, "Hearts", "Hea", "Sea", "Sea"),
                      {"nicu-white", hue(330), Paper::Hearts, 0xFFF0F4, 0xFFDCE6, Frame::Line,
                       0xD02050, twoColours(0xD0104A, 0x4A1030), Ranks::Latin, "Comic Neue", true,
                       false, 1.1, Court::Medallion, Ace::Plain}));
    v.push_back(drawn(set(21, "Seasons", "Sea"),
                      {"future", vivid(), Paper::Seasons, 0xFFFFFF, 0xFFFFFF, Frame::Corners,
                       0x4A6A2A, twoColours(0xC4202A, 0x1E3A1E), Ranks::Latin, "DejaVu Sans", true,
                       false, 1.0, Court::Arch, Ace::Sunburst}));
    v.push_back(drawn(set(22, "Rhine Style", "Rhi"), {"dondorf",
                                                      {},
                                                      Paper::Plain,
                                                      0xFFFEF8,
                                                      0xF6F0E0,
                                                      Frame::Line,
                                                      0x8A1A1A,
                                                      classic,
                                                      Ranks::German,
                                                      "Liberation Sans",
                                                      true,
                                                      false,
                                                      1.0,
                                                      Court::Panel,
                                                      Ace::Ring}));
    v.push_back(
        drawn(set(23, "Medieval-2", "Me2"),
              {"tigullio-international", engrave(0x3A0A0A, 0xE8D4AA), Paper::Grain, 0xE8D6AE,
               0xD4BC8A, Frame::Folk, 0x7A1010, twoColours(0x8A0A0A, 0x201008), Ranks::Latin,
               "DejaVu Serif Condensed", true, false, 1.1, Court::Arch, Ace::Cartouche}));
    // Set 24 ("Doods") was the konqi-modern deck, whose licence allows
    // redistribution only within its original project: it is not made.
    v.push_back(drawn(set(25, "Playboy", "Boy", "Rhi"),
                      {"oxygen", hue(300), Paper::Gloss, 0xFFF4FA, 0xF4D8EA, Frame::Line, 0x202020,
                       twoColours(0xE0147A, 0x101010), Ranks::Latin, "Liberation Sans", true, true,
                       1.0, Court::Panel, Ace::Gold}));
    v.push_back(
        drawn(set(26, "Epic", "Epi"),
              {"ancient-egyptians", duotone(0x10183A, 0xE8C870), Paper::Plain, 0x1A2450, 0x0C1230,
               Frame::GreekKey, 0xD8B050, twoColours(0xFF5A4A, 0xF0D070), Ranks::Roman,
               "DejaVu Serif", true, false, 0.9, Court::Arch, Ace::Sunburst}));
    v.push_back(drawn(set(27, "USSR", "USR", "Big"),
                      {"standard", duotone(0x6A0A0A, 0xFFE8C0), Paper::Plain, 0xFFF8EA, 0xF6E4C8,
                       Frame::Double, 0xB01010, twoColours(0xC00010, 0x202020), Ranks::Russian,
                       "DejaVu Sans", true, false, 1.0, Court::Panel, Ace::Sunburst}));
    v.push_back(deck(set(28, "Plastic", "Pla"), "oxygen-air", vivid()));
    FaceStyle skatGerman = deck(set(29, "Skat - German suits", "SkN"), "xskat-german");
    skatGerman.suits = SuitSystem::German;
    skatGerman.colours = german;
    v.push_back(skatGerman);
    v.push_back(drawn(set(30, "Skat - Tournament suits", "SkT"),
                      {"gm-paris", vivid(), Paper::Plain, 0xFFFFFF, 0xFFFFFF, Frame::Line, 0x303030,
                       fourColours(0xD8101A, 0xE88A00, 0x101010, 0x18901E), Ranks::German,
                       "Liberation Sans", true, false, 1.15, Court::Panel, Ace::Plain}));
    v.push_back(deck(set(31, "Skat - French suits", "SkF"), "xskat-french"));
    v.push_back(drawn(set(32, "White palekh", "Bel"),
                      {"dondorf", vivid(), Paper::Plain, 0xFFFFFF, 0xFAF6EE, Frame::Corners,
                       0xC09020, twoColours(0xC0141A, 0x141414), Ranks::Russian, "DejaVu Serif",
                       true, true, 1.0, Court::Medallion, Ace::Gold}));
    v.push_back(deck(set(33, "Diana", "Dia"), "oxygen"));
    v.push_back(drawn(set(34, "Princely", "Kny"),
                      {"tigullio-international", vivid(), Paper::Plain, 0xFFF8F0, 0xF6E6D6,
                       Frame::Gold, 0x8A1020, twoColours(0xA0101A, 0x2A0A14), Ranks::Russian,
                       "DejaVu Serif", true, false, 1.0, Court::Arch, Ace::Gold}));
    v.push_back(deck(set(35, "For solitaires", "Pas"), "nicu-white"));
    v.push_back(drawn(set(36, "Satin", "Rus"),
                      {"oxygen-white", hue(280), Paper::Satin, 0xF6ECF8, 0xE4D2EC, Frame::Line,
                       0x6A3A7A, twoColours(0xB0186A, 0x3A1A5A), Ranks::Russian, "DejaVu Sans",
                       true, false, 1.0, Court::Medallion, Ace::Cartouche}));
    v.push_back(drawn(set(37, "Slavic", "Sla"),
                      {"xskat-german", duotone(0x7A0A10, 0xFFF4E8), Paper::Plain, 0xFFFAF2,
                       0xFFF0E0, Frame::Folk, 0xC01020, twoColours(0xC0101A, 0x1A1A3A),
                       Ranks::Russian, "DejaVu Sans", true, false, 1.0, Court::Panel, Ace::Ring}));
    v.push_back(
        drawn(set(38, "Maya", "May"),
              {"ancient-egyptians", duotone(0x0A4A3A, 0xE8DCC0), Paper::Grain, 0xE6DAC0, 0xCFBE98,
               Frame::Steps, 0x0A6A5A, twoColours(0xB0401A, 0x0A4A3A), Ranks::Latin,
               "DejaVu Sans Condensed", true, false, 1.0, Court::Panel, Ace::Sunburst}));
    v.push_back(drawn(set(39, "Bast", "Lub"),
                      {"nicu-white", vivid(), Paper::Grain, 0xFFF2C8, 0xF8E0A0, Frame::Folk,
                       0x1A3A9A, twoColours(0xD0201A, 0x1A2A7A), Ranks::Russian, "Comic Neue", true,
                       false, 1.15, Court::Arch, Ace::Sunburst}));
    v.push_back(drawn(set(40, "French", "Fra"), {"gm-paris",
                                                 {},
                                                 Paper::Plain,
                                                 0xFFFFFA,
                                                 0xF6F4EC,
                                                 Frame::Double,
                                                 0x1A3A8A,
                                                 twoColours(0xD0141E, 0x14204A),
                                                 Ranks::French,
                                                 "Liberation Serif",
                                                 true,
                                                 false,
                                                 1.05,
                                                 Court::Panel,
                                                 Ace::Ring}));
    v.push_back(drawn(set(41, "Spanish 1", "Mus"), {"tigullio-international",
                                                    {},
                                                    Paper::Plain,
                                                    0xFFFEF6,
                                                    0xF8F2E0,
                                                    Frame::Pinta,
                                                    0x2A2A2A,
                                                    spanish,
                                                    Ranks::Spanish,
                                                    "DejaVu Serif",
                                                    true,
                                                    false,
                                                    1.0,
                                                    Court::Panel,
                                                    Ace::Plain,
                                                    SuitSystem::Spanish}));
    v.push_back(drawn(set(42, "Spanish 2", "BS1"),
                      {"dondorf", sepia(), Paper::Grain, 0xF8ECD0, 0xEEDCB6, Frame::Pinta, 0x6A3A14,
                       spanish, Ranks::Spanish, "Liberation Serif", true, true, 1.0, Court::Arch,
                       Ace::Ring, SuitSystem::Spanish}));
    v.push_back(drawn(set(43, "Spanish 3", "BS2"),
                      {"standard", vivid(), Paper::Plain, 0xFFFFFF, 0xF0F4FA, Frame::Pinta,
                       0x1A3A7A, spanish, Ranks::Spanish, "Liberation Sans", true, false, 1.1,
                       Court::Medallion, Ace::Cartouche, SuitSystem::Spanish}));
    v.push_back(drawn(set(44, "Spanish 4", "BS3"), {"xskat-french",
                                                    {},
                                                    Paper::Satin,
                                                    0xFFF0D0,
                                                    0xF0D09A,
                                                    Frame::Gold,
                                                    0x8A0A0A,
                                                    spanish,
                                                    Ranks::Spanish,
                                                    "DejaVu Serif Condensed",
                                                    true,
                                                    false,
                                                    1.0,
                                                    Court::Panel,
                                                    Ace::Gold,
                                                    SuitSystem::Spanish}));
    v.push_back(drawn(set(45, "Chinese", "Chi"),
                      {"nicu-ornamental", hue(240), Paper::Plain, 0xFFF8E6, 0xFCEBC8,
                       Frame::GreekKey, 0xB8101A, twoColours(0xC8101A, 0x101010), Ranks::Chinese,
                       "WenQuanYi Micro Hei", true, false, 1.05, Court::Medallion, Ace::Gold}));
    v.push_back(deck(set(46, "Italian", "BIt"), "tigullio-international"));
    v.push_back(drawn(set(47, "Czech", "Cze"), {"xskat-german",
                                                {},
                                                Paper::Plain,
                                                0xFFFDF4,
                                                0xF4EEDC,
                                                Frame::Line,
                                                0x3A5A2A,
                                                german,
                                                Ranks::Czech,
                                                "DejaVu Serif",
                                                true,
                                                false,
                                                0.9,
                                                Court::Panel,
                                                Ace::Ring,
                                                SuitSystem::German}));
    return v;
}

} // namespace

const std::vector<FaceStyle> &faceStyles() {
    static const std::vector<FaceStyle> styles = makeStyles();
    return styles;
}

QString libraryOfSet(int set) {
    if (set >= 1 && set <= 31)
        return QStringLiteral("A");
    if (set >= 32 && set <= 39)
        return QStringLiteral("B");
    if (set >= 40 && set <= 47)
        return QStringLiteral("C");
    return {};
}

} // namespace cards
