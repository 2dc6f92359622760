// Renders the button sheet and every window in every design into PNGs under
// shots/ beside the test, for a look with the eye; each picture must come
// out whole and not blank.
#include "ui/TWemCardsButton.h"

#include <QDir>
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

namespace quarn {
namespace {

QString shotPath(const QString &name)
{
    QDir().mkpath(QStringLiteral(QUARN_UI_SHOTS));
    return QStringLiteral(QUARN_UI_SHOTS) + QLatin1Char('/') + name + QStringLiteral(".png");
}

// Distinct colours in a picture, up to a limit: a blank or flat picture has few.
int distinctColours(const QImage &image, int limit = 64)
{
    QSet<QRgb> seen;
    for (int y = 0; y < image.height() && seen.size() < limit; y += 2)
        for (int x = 0; x < image.width() && seen.size() < limit; x += 2)
            seen.insert(image.pixel(x, y));
    return int(seen.size());
}

TEST(Render, ButtonSheetInEverySchemeLookAndHeight)
{
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
                button->setFontColor(scheme == int(TColorSB::DCards) ? QColor(200, 175, 50) : Qt::white);
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
    const QImage shot = sheet.grab().toImage();
    EXPECT_TRUE(shot.save(shotPath(QStringLiteral("buttons"))));
    EXPECT_GT(distinctColours(shot), 40);
}

} // namespace
} // namespace quarn
