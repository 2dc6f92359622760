#pragma once
// The rules behind the options dialog's lists, kept apart from the window:
// which window sizes fit a screen, which back modes a back set allows, the
// order of the background colours, which library holds a choice, and whether
// a library lies beside the program or in its parent folder.

#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

namespace quarn {

// ---- Window sizes ---------------------------------------------------------
// The size list in its full order: small, full screen, average 1, average 2,
// large; an item's setting value is its position + 1.
inline constexpr int windowSizeItemCount = 5;
// The setting values (1..5) of the sizes that fit the screen, in list order.
// An empty screen size (unknown) keeps them all.
std::vector<int> fittingWindowSizes(QSize screen);
// The list's hint for a size: "760 x 500", ...; empty for full screen.
QString windowSizeHint(int windowSize);

// ---- Back modes -------------------------------------------------------------
enum class BackMode { ChangeDecks, AlwaysOne, Random };
struct BackModes {
    bool changeDecksEnabled = true;
    bool alwaysOneEnabled = true;
    bool randomEnabled = false;
    BackMode shown = BackMode::ChangeDecks;
};
// Sets 8 to 11 force "Random" and disable the other two; the others allow
// "To change decks" and "Always one" and disable "Random".
BackModes backModesFor(int backSet, bool alwaysOne);
// What the settings keep of a chosen mode: only "Always one" is stored, and
// only for a set that allows it.
bool storedAlwaysOne(int backSet, BackMode chosen);

// ---- Backgrounds --------------------------------------------------------------
// The colour list shows the variants in their stored order 0..6 (green, red,
// orange, yellow, light blue, dark blue, violet); the word table keeps violet
// fourth, so this gives the colour-name number (1..7) of a variant.
int colourNameNumberOfVariant(int variant);
// (picture 2, variant 0) is built in; every other background needs the library.
bool backgroundNeedsLibrary(int picture, int variant);

// ---- Libraries ------------------------------------------------------------------
// True when the library lies in the program's folder or in its parent folder.
bool libraryFound(const QString &programFolder, const QString &libraryFile);
// The resource libraries of the DLL tab, in its order.
QStringList downloadableLibraries();
// The library a face set or back set needs; empty when it is built in.
QString libraryOfFaceSet(int faceSet);
QString libraryOfBackSet(int backSet);

// The flag picture ("FlagO" + code) shown beside a face set's name: the
// country the set comes from, when it is one of the languages' countries;
// empty when it has none.
QString faceSetFlag(int faceSet);
// The flag picture of the language list's item.
QString languageFlag(int language);

// The dialog's client height in the four auxiliary designs (1..4).
int optionsHeightForDesign(int design);

} // namespace quarn
