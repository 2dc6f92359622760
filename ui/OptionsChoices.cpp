#include "ui/OptionsChoices.h"

#include "lang/Language.h"
#include "table/Pictures.h"

#include <QFileInfo>

#include <array>

namespace quarn {

namespace {

struct SizeNeed {
    int windowSize;
    QSize screen; // the smallest screen it fits on
};

// The small window and full screen always fit.
constexpr std::array<SizeNeed, 3> SizeNeeds{{{3, {990, 670}}, {4, {1290, 870}}, {5, {1520, 1020}}}};

bool fits(int windowSize, QSize screen) {
    for (const SizeNeed &need : SizeNeeds)
        if (need.windowSize == windowSize)
            return screen.width() >= need.screen.width() && screen.height() >= need.screen.height();
    return true;
}

} // namespace

std::vector<int> fittingWindowSizes(QSize screen) {
    std::vector<int> sizes;
    for (int size = 1; size <= windowSizeItemCount; ++size)
        if (screen.isEmpty() || fits(size, screen))
            sizes.push_back(size);
    return sizes;
}

QString windowSizeHint(int windowSize) {
    switch (windowSize) {
    case 1:
        return QStringLiteral("760 x 500");
    case 3:
        return QStringLiteral("990 x 650");
    case 4:
        return QStringLiteral("1290 x 850");
    case 5:
        return QStringLiteral("1520 x 1000");
    default:
        return {};
    }
}

BackModes backModesFor(int backSet, bool alwaysOne) {
    BackModes modes;
    if (backSetIsRandom(backSet)) {
        modes.changeDecksEnabled = false;
        modes.alwaysOneEnabled = false;
        modes.randomEnabled = true;
        modes.shown = BackMode::Random;
        return modes;
    }
    modes.shown = alwaysOne ? BackMode::AlwaysOne : BackMode::ChangeDecks;
    return modes;
}

bool storedAlwaysOne(int backSet, BackMode chosen) {
    return chosen == BackMode::AlwaysOne && !backSetIsRandom(backSet);
}

int colourNameNumberOfVariant(int variant) {
    constexpr std::array<int, backgroundColourCount> Numbers{1, 2, 3, 5, 6, 7, 4};
    return variant >= 0 && variant < backgroundColourCount ? Numbers[std::size_t(variant)] : 1;
}

bool backgroundNeedsLibrary(int picture, int variant) {
    return !(picture == 2 && variant == 0);
}

bool libraryFound(const QString &programFolder, const QString &libraryFile) {
    QString folder = programFolder;
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return QFileInfo(folder + libraryFile).isFile() ||
           QFileInfo(folder + QStringLiteral("../") + libraryFile).isFile();
}

QStringList downloadableLibraries() {
    return {QLatin1String(cardsLibraryA),        QLatin1String(cardsLibraryB),
            QLatin1String(cardsLibraryC),        QLatin1String(backgroundLibrary),
            QLatin1String(graphicsLibrary),      QStringLiteral("WemCVoice3.dll"),
            QStringLiteral("WemCalendar01.dll"), QStringLiteral("WemRadio02.dll")};
}

QString libraryOfFaceSet(int faceSet) {
    return faceSetInfo(faceSet).library;
}

QString libraryOfBackSet(int backSet) {
    return backSet >= 1 && backSet < backSetCount ? QLatin1String(cardsLibraryB) : QString();
}

QString faceSetFlag(int faceSet) {
    // Sets 0..47 in list order: the country whose flag stands beside the name.
    static const std::array<const char *, faceSetCount> Countries{
        "", "",    "", "",    "",    "",    "",    "",    "Eng", "Deu", "",    "",
        "", "",    "", "Eng", "Eng", "Eng", "Eng", "",    "",    "",    "Deu", "",
        "", "",    "", "Rus", "",    "Deu", "Deu", "Deu", "Rus", "",    "",    "",
        "", "Rus", "", "Rus", "Fra", "Spa", "Spa", "Spa", "Spa", "Chi", "Ita", "Cze"};
    if (faceSet < 0 || faceSet >= faceSetCount || *Countries[std::size_t(faceSet)] == '\0')
        return {};
    return QStringLiteral("FlagO") + QLatin1String(Countries[std::size_t(faceSet)]);
}

QString languageFlag(int language) {
    if (language == Japanese)
        return QStringLiteral("FlagOJap");
    if (language == Korean)
        return QStringLiteral("FlagOKor");
    const std::string_view code = pictureCode(language);
    return QStringLiteral("FlagO") + QString::fromLatin1(code.data(), qsizetype(code.size()));
}

int optionsHeightForDesign(int design) {
    switch (design) {
    case 1:
        return 360;
    case 3:
        return 410;
    case 4:
        return 400;
    default:
        return 375;
    }
}

} // namespace quarn
