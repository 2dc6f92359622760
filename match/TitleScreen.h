#pragma once
// The animated title screen shown while the program starts: the short
// product title letter by letter in rotating colours, four small pictures
// travelling round a rectangle, the version text, the build date and a
// credits line, all on a black 760 x 500 picture.
//
// Only the travelling pictures move at every tick; the letters change colour
// every tenth. A tick therefore reports the few places that changed, and the
// still parts are drawn once into a picture of their own.

#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>
#include <QVector>

class QPainter;

namespace quarn {

class TitleScreen {
  public:
    TitleScreen();

    // One tick of the animation; returns the places that look different
    // afterwards (the travellers' old and new places, and the title when its
    // colours turn), in the screen's own 760 x 500 coordinates.
    QRegion advance();
    int tick() const { return tick_; }

    // The places to repaint on a window of the given size (the screen is stretched to it).
    static QRegion onWindow(const QRegion &changed, QSize window);

    // Draws the screen with a painter that stretches it to the window;
    // windowArea (in the window's coordinates; null for all of it) is the
    // part to draw, and what lies outside it costs nothing.
    void paint(QPainter &painter, const QRect &windowArea = QRect()) const;

    // Frees the pictures once the title screen has been left for good; a
    // later paint builds them again.
    void release();

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
    static QFont titleFont();
    QRect travellerArea(int traveller, int tick) const;
    QRect titleArea() const;
    void loadPictures() const;
    void paintStill(QPainter &painter) const;

    int tick_ = 0;
    QString title_;
    QString buildDate_;
    QString credits_;
    mutable QPixmap logo_;
    mutable QVector<QPixmap> travellers_;
    // The frames, logos and texts: everything that does not move.
    mutable QImage still_;
    mutable QRect titleArea_; // measured once for the title's letters
};

} // namespace quarn
