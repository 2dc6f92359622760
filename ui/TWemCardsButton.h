#pragma once
// The push button of every window: it paints itself from three slices of a
// glossy button picture (left end, right end, a 2-px middle), recoloured at
// every paint into one of eight colour schemes and lightened towards white,
// in the classic look or the new look. For the classic look at the heights
// 30, 45 and 60 the middle is drawn line by line from a fixed gradient.
// It stays a real QPushButton with its text, so screen readers read it.
//
//   auto *ok = new TWemCardsButton(text, this);
//   ok->setColorSB(TColorSB::DCards);
//   ok->setHeightSB(THeightSB::D45);
//   ok->setNewStyle(settings.newButtons);

#include "ui/ButtonPalette.h"

#include <QColor>
#include <QImage>
#include <QPushButton>

#include <functional>

namespace quarn {

class TWemCardsButton : public QPushButton {
    Q_OBJECT
  public:
    enum class GlyphLayout { Left, Right, Bottom };

    // What the button was drawn as, handed to OnDrawButton.
    struct DrawState {
        bool pressed = false;
        bool disabled = false;
        bool focused = false;
    };
    using DrawHandler =
        std::function<void(TWemCardsButton &, QPainter &, const QRect &, const DrawState &)>;

    explicit TWemCardsButton(QWidget *parent = nullptr);
    explicit TWemCardsButton(const QString &text, QWidget *parent = nullptr);

    // Called after the button has painted itself (before the focus mark).
    void setOnDrawButton(DrawHandler handler) { onDrawButton_ = std::move(handler); }

    TColorSB colorSB() const { return colorSB_; }
    void setColorSB(TColorSB scheme);
    // Text colour under the mouse (with LightFont).
    QColor colorMouse() const { return colorMouse_; }
    void setColorMouse(const QColor &colour);
    bool lightFont() const { return lightFont_; }
    void setLightFont(bool on);
    // A disabled button draws its text silver.
    bool grayDis() const { return grayDis_; }
    void setGrayDis(bool on);
    THeightSB heightSB() const { return heightSB_; }
    void setHeightSB(THeightSB height); // also sets the height to 30, 45 or 60
    // Lightening of every colour towards white, percent (50 for unavailable buttons).
    int kLightSB() const { return kLightSB_; }
    void setKLightSB(int percent);
    // Draw the focus mark.
    bool kontur() const { return kontur_; }
    void setKontur(bool on);
    // Resample the ends smoothly at heights other than 30, 45, 60.
    bool smooth() const { return smooth_; }
    void setSmooth(bool on);
    // The new look ("New buttons").
    bool newStyle() const { return newStyle_; }
    void setNewStyle(bool on);
    // The text colour ("the font colour").
    QColor fontColor() const { return fontColor_; }
    void setFontColor(const QColor &colour);

    // Glyph: a picture left of, right of or below the text. Margin -1 centres
    // the text; any other margin lays it out beside the glyph.
    void setGlyph(const QImage &glyph);
    const QImage &glyph() const { return glyph_; }
    void setGlyphLayout(GlyphLayout layout);
    GlyphLayout glyphLayout() const { return layout_; }
    void setMargin(int margin);
    int margin() const { return margin_; }

    // State: the window's active button, and the mouse over the button.
    bool isFocused() const { return isFocused_; }
    bool mouseInPos() const { return mouseInPos_; }

    // The button's picture for a size and state, before the text: the ends,
    // the middle and the glyph over what lies under the button (transparent).
    QImage facePicture(QSize size, bool disabled) const;

  signals:
    void mouseEntered(); // OnMouseEnter
    void mouseLeft();    // OnMouseLeave

  protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

  private:
    QImage slice(const std::string &set, char part) const;
    void drawEnds(QPainter &painter, const ButtonPlan &plan, QSize size) const;
    void drawMiddle(QPainter &painter, const ButtonPlan &plan, QSize size) const;
    void drawGlyph(QPainter &painter, QSize size) const;
    void drawText(QPainter &painter, const DrawState &state) const;
    void drawFocusMark(QPainter &painter, const DrawState &state) const;

    DrawHandler onDrawButton_;
    TColorSB colorSB_ = TColorSB::DRed;
    QColor colorMouse_ = Qt::black;
    QColor fontColor_ = Qt::black;
    bool lightFont_ = false;
    bool grayDis_ = false;
    THeightSB heightSB_ = THeightSB::D30;
    int kLightSB_ = 0;
    bool kontur_ = true;
    bool smooth_ = true;
    bool newStyle_ = false;
    QImage glyph_;
    GlyphLayout layout_ = GlyphLayout::Left;
    int margin_ = -1;
    bool isFocused_ = false;
    bool mouseInPos_ = false;
};

// Sets the look of every TWemCardsButton inside a window.
void setNewStyleOnButtons(QWidget *window, bool newStyle);

} // namespace quarn
