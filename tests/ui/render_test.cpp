// Renders the button sheet and every window in every design into PNGs under
// shots/ beside the test, for a look with the eye; each picture must come
// out whole and not flat.
#include "UiFixture.h"

#include "ui/EndOfGame.h"
#include "ui/TFormCount.h"
#include "ui/TFormEndGame.h"
#include "ui/TFormHistory.h"
#include "ui/TFormTopTen.h"
#include "ui/TWemCardsButton.h"

#include <QDir>
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace quarn {
namespace {

using namespace testing_support;

QString shotPath(const QString &name) {
    QDir().mkpath(QStringLiteral(QUARN_UI_SHOTS));
    return QStringLiteral(QUARN_UI_SHOTS) + QLatin1Char('/') + name + QStringLiteral(".png");
}

// Distinct colours in a picture, up to a limit: a blank or flat picture has few.
int distinctColours(const QImage &image, int limit = 64) {
    QSet<QRgb> seen;
    for (int y = 0; y < image.height() && seen.size() < limit; y += 2)
        for (int x = 0; x < image.width() && seen.size() < limit; x += 2)
            seen.insert(image.pixel(x, y));
    return int(seen.size());
}

void saveShot(QWidget &window, const QString &name) {
    window.show();
    const QImage shot = window.grab().toImage();
    EXPECT_TRUE(shot.save(shotPath(name))) << name.toStdString();
    EXPECT_GT(distinctColours(shot), 30) << name.toStdString();
    window.hide();
}

TEST(Render, ButtonSheetInEverySchemeLookAndHeight) {
    QWidget sheet;
    sheet.setStyleSheet(QStringLiteral("background: #d4d0c8"));
    const int heights[] = {22, 30, 40, 45, 60};
    int y = 10;
    for (bool newLook : {false, true}) {
        for (int height : heights) {
            for (int scheme = 0; scheme < colorSBCount; ++scheme) {
                auto *button = new TWemCardsButton(QStringLiteral("Ok"), &sheet);
                button->setGeometry(10 + scheme * 130, y, 120, height);
                button->setColorSB(TColorSB(scheme));
                button->setNewStyle(newLook);
                button->setFontColor(scheme == int(TColorSB::DCards) ? QColor(200, 175, 50)
                                                                     : Qt::white);
                QFont font(QStringLiteral("Comic Sans MS"));
                font.setBold(true);
                font.setPixelSize(height / 2);
                button->setFont(font);
                if (scheme == 7 && height == 30)
                    button->setKLightSB(50);
            }
            y += height + 8;
        }
        y += 12;
    }
    sheet.resize(10 + colorSBCount * 130, y);
    saveShot(sheet, QStringLiteral("buttons"));
}

// Every window in the four designs, with a library that holds every picture.
TEST(Render, EveryWindowInEveryDesign) {
    WindowFixture f;
    ASSERT_TRUE(makeGraphicsLibrary(f.folder(), allLibraryEntries()));
    ASSERT_TRUE(writeClubFile(f.folder(), false,
                              {{"Anna", 142},
                               {"Boris", 97},
                               {"Mr.X", 64},
                               {"Clara", 51},
                               {"Dmitri", 40},
                               {"Eve", 22},
                               {"Felix", 9},
                               {"Greta", 0},
                               {"Hugo", -12},
                               {"Ivan", -30}}));
    ASSERT_TRUE(writeHistoryFile(f.folder(), 1,
                                 {{"Anna", 12, 34, 2.83, 0},
                                  {"Anna/Boris", 9, -6, -0.67, 3},
                                  {"Anna", 3, 11, 3.67, 1},
                                  {"Anna/PC 1/PC 2/Boris", 1, 8, 8.0, 2},
                                  {"Mr.X", 30, -15, -0.5, 0}}));
    const char *designNames[] = {"", "concise", "aristocratic", "ribbons", "purple"};
    for (int design = 1; design <= 4; ++design) {
        chooseDesign(f.settings, design);
        const QString suffix = QLatin1Char('-') + QLatin1String(designNames[design]);
        TCount count{"60", "30", "12", "5", "17", "  0,40", "  0,37"};
        TFormCount info(f.context(), count, {QStringLiteral("Anna                "), 2, false});
        EXPECT_EQ(int(info.design()), design);
        saveShot(info, QStringLiteral("count") + suffix);

        int remembered = 0;
        TFormHistory history(f.context(), remembered);
        history.hoverRow(2);
        saveShot(history, QStringLiteral("history") + suffix);

        TFormTopTen topTen(f.context(), false);
        saveShot(topTen, QStringLiteral("topten") + suffix);

        for (int place : {1, 4, 0}) {
            TFormEndGame end(f.context(),
                             EndOfGameFacts{EndOfGameKind::Local, place, 97 - place, 0});
            saveShot(end, QStringLiteral("end%1").arg(place) + suffix);
        }
    }
    chooseDesign(f.settings, 3);
    TFormEndGame account(f.context(), EndOfGameFacts{EndOfGameKind::Account, 2, 120, 10});
    saveShot(account, QStringLiteral("end-account"));
}

// The windows whose texts are longest in other languages, in the default design.
TEST(Render, WindowsInOtherLanguages) {
    WindowFixture f;
    ASSERT_TRUE(writeHistoryFile(f.folder(), 1,
                                 {{"Anna", 12, 34, 2.83, 0}, {"Anna/Boris", 9, -6, -0.67, 3}}));
    const std::pair<int, const char *> languages[] = {
        {1, "ru"}, {2, "de"}, {3, "fr"}, {5, "zh"}, {9, "ko"}};
    for (const auto &[language, code] : languages) {
        useLanguage(language);
        const QString suffix = QLatin1Char('-') + QLatin1String(code);
        TFormCount info(f.context(), TCount{"60", "30", "12", "5", "17", "  0,40", "  0,37"}, {});
        saveShot(info, QStringLiteral("count") + suffix);
        int remembered = 0;
        TFormHistory history(f.context(), remembered);
        saveShot(history, QStringLiteral("history") + suffix);
        TFormEndGame end(f.context(), EndOfGameFacts{EndOfGameKind::Network, 1, 88, 0});
        saveShot(end, QStringLiteral("end1") + suffix);
    }
    useLanguage(0);
}

} // namespace
} // namespace quarn
