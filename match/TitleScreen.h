#pragma once
// The animated title screen shown while the program starts: the short
// product title letter by letter in rotating colours, four small pictures
// travelling round a rectangle, the version text, the build date and a
// credits line, all on a black 760 x 500 picture.

#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QVector>

class QPainter;

namespace quarn {

class TitleScreen {
  public:
    TitleScreen();

    // One tick of the animation.
    void advance() { ++tick_; }
    int tick() const { return tick_; }

    void paint(QPainter &painter) const;

    // Texts drawn under the title.
    void setTexts(const QString &title, const QString &buildDate, const QString &credits);

    // The left edge of each letter of the title.
    static QVector<int> letterPositions(const QString &title);
    // Which of the ten colours letter i has after the given number of ticks.
    static int letterColour(int letter, int tick);
    // The place of a travelling picture `distance` pixels along the rectangle
    // (155, 68) - (550, 362), clockwise from its top left corner.
    static QPoint travellerPlace(int distance);

    static constexpr int Width = 760;
    static constexpr int Height = 500;
    static constexpr int TitleTop = 175;

  private:
    int tick_ = 0;
    QString title_;
    QString buildDate_;
    QString credits_;
    QPixmap logo_;
    QVector<QPixmap> travellers_;
};

} // namespace quarn
