// The owner-drawn button as painted: colours of its slices and middle in each
// scheme, the focus mark, the text colours, clicks and the mouse.
#include "ui/Resample.h"
#include "ui/TWemCardsButton.h"
#include "ui/UiPictures.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace quarn {
namespace {

QRgb opaque(int r, int g, int b) {
    return qRgb(r, g, b);
}

// The button's picture as painted into an image, unpremultiplied.
QImage face(const TWemCardsButton &button) {
    return button.facePicture(button.size(), !button.isEnabled())
        .convertToFormat(QImage::Format_ARGB32);
}

struct PixelCase {
    const char *what;
    TColorSB scheme;
    int lighten;
    bool newLook;
    int height;
    QPoint at;
    QRgb colour;
};

class ButtonPixel : public ::testing::TestWithParam<PixelCase> {};

TEST_P(ButtonPixel, IsTheSchemesColour) {
    const PixelCase &c = GetParam();
    TWemCardsButton button;
    button.resize(100, c.height);
    button.setColorSB(c.scheme);
    button.setKLightSB(c.lighten);
    button.setNewStyle(c.newLook);
    const QRgb got = face(button).pixel(c.at);
    EXPECT_EQ(QColor(got).name(), QColor(c.colour).name()) << c.what;
    EXPECT_EQ(qAlpha(got), 255) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Middle, ButtonPixel,
    ::testing::Values(
        PixelCase{"red row 16 of the 30-px gradient",
                  TColorSB::DRed,
                  0,
                  false,
                  30,
                  {50, 15},
                  opaque(136, 0, 0)},
        PixelCase{
            "navy turns row 16 blue", TColorSB::DNavy, 0, false, 30, {50, 15}, opaque(0, 0, 136)},
        PixelCase{"red lightened by half, top row",
                  TColorSB::DRed,
                  50,
                  false,
                  30,
                  {50, 0},
                  opaque(192, 128, 128)},
        PixelCase{"green, 45 px, first ramp row",
                  TColorSB::DGreen,
                  0,
                  false,
                  45,
                  {50, 23},
                  opaque(0, 136, 0)},
        PixelCase{"violet, 60 px, last ramp row",
                  TColorSB::DViolet,
                  0,
                  false,
                  60,
                  {50, 57},
                  opaque(246, 0, 246)},
        PixelCase{"cards stretch the middle slice, recoloured",
                  TColorSB::DCards,
                  0,
                  false,
                  30,
                  {50, 15},
                  opaque(95, 0, 136)},
        PixelCase{"the line middle reaches the right end",
                  TColorSB::DRed,
                  0,
                  false,
                  30,
                  {100 - 8 - 2, 15},
                  opaque(136, 0, 0)}));

TEST(ButtonSlices, RedUnlightenedPaintsTheSlicesUnchanged) {
    for (int height : {30, 45, 60}) {
        TWemCardsButton button;
        button.resize(120, height);
        const QImage painted = button.facePicture(button.size(), false);
        const std::string set = sliceSetName(height, false);
        const auto premultiplied = QImage::Format_ARGB32_Premultiplied;
        const QImage left =
            uiPicture(QString::fromStdString(set + "_L")).convertToFormat(premultiplied);
        const QImage right =
            uiPicture(QString::fromStdString(set + "_R")).convertToFormat(premultiplied);
        ASSERT_FALSE(left.isNull());
        const int s = sideWidth(height);
        EXPECT_EQ(painted.copy(0, 0, s, height - 1), left) << height;
        EXPECT_EQ(painted.copy(120 - s - 1, 0, s, height - 1), right) << height;
    }
}

TEST(ButtonSlices, NewLookCardsKeepsTheDarkRim) {
    const QImage middle = uiPicture(QStringLiteral("Q29_2")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(middle.isNull());
    const QRgb rim = middle.pixel(0, 0);
    ASSERT_FALSE(nearPureRed({qRed(rim), qGreen(rim), qBlue(rim)})) << "the rim is far from red";
    const QRgb body = middle.pixel(0, 20);
    ASSERT_TRUE(nearPureRed({qRed(body), qGreen(body), qBlue(body)}));

    TWemCardsButton button;
    button.setColorSB(TColorSB::DCards);
    button.setNewStyle(true);
    const QImage painted = face(button);
    EXPECT_EQ(painted.pixel(50, 0), rim);
    const Rgb changed =
        recolourSlicePixel({qRed(body), qGreen(body), qBlue(body)}, TColorSB::DCards, 0, true);
    EXPECT_EQ(painted.pixel(50, 20), qRgba(changed.r, changed.g, changed.b, qAlpha(body)));
}

TEST(ButtonSlices, OddHeightUsesTheNextSetResampledWithAStretchedMiddle) {
    const ButtonPlan plan = planButton(40, TColorSB::DRed, false);
    EXPECT_EQ(plan.sliceSet, "R44");
    EXPECT_EQ(plan.side, 12);
    EXPECT_FALSE(plan.middleAsLines);

    TWemCardsButton button;
    button.resize(100, 40);
    const QImage painted = face(button);
    // The ends take 12 px, the picture h - 1 rows; the last row and column stay free
    // for the pressed button's shift.
    for (int x = 0; x < 100; ++x)
        EXPECT_EQ(qAlpha(painted.pixel(x, 39)), 0) << x;
    for (int y = 0; y < 40; ++y)
        EXPECT_EQ(qAlpha(painted.pixel(99, y)), 0) << y;
    for (int x = 12; x < 100 - 12; ++x)
        EXPECT_EQ(qAlpha(painted.pixel(x, 20)), 255) << x;
    EXPECT_LT(qAlpha(painted.pixel(0, 0)), 255) << "a rounded end leaves the corner open";
}

TEST(ButtonSlices, SchemeAndLightLeaveExactHeightsAsLinesOnlyInTheClassicLook) {
    struct Case {
        int height;
        TColorSB scheme;
        bool newLook;
        bool lines;
    };
    const Case cases[] = {{30, TColorSB::DRed, false, true},   {45, TColorSB::DNavy, false, true},
                          {60, TColorSB::DOrang, false, true}, {30, TColorSB::DCards, false, false},
                          {30, TColorSB::DRed, true, false},   {44, TColorSB::DRed, false, false}};
    for (const Case &c : cases)
        EXPECT_EQ(planButton(c.height, c.scheme, c.newLook).middleAsLines, c.lines) << c.height;
}

// A shown window whose button has the keyboard focus.
struct FocusedButton {
    QWidget window;
    TWemCardsButton *button = new TWemCardsButton(&window);
    TWemCardsButton *other = new TWemCardsButton(&window);

    FocusedButton() {
        window.resize(240, 80);
        button->setGeometry(10, 10, 100, 30);
        other->setGeometry(120, 10, 100, 30);
        window.show();
        QApplication::setActiveWindow(&window);
        button->setFocus();
    }
};

TEST(ButtonFocus, ClassicRectangleAndNewLookDotsOnlyWhileFocused) {
    FocusedButton f;
    QTRY_VERIFY(f.button->hasFocus());
    EXPECT_TRUE(f.button->isFocused());

    f.button->setColorSB(TColorSB::DNavy);
    QImage shot = f.button->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(50, 4)), QColor(200, 255, 200))
        << "classic mark on the top edge of its rectangle";

    f.button->setNewStyle(true);
    shot = f.button->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(12, 15)), QColor(0, 255, 0)) << "left dot";
    EXPECT_EQ(QColor(shot.pixel(100 - 12, 15)), QColor(0, 255, 0)) << "right dot";

    f.button->setKontur(false);
    shot = f.button->grab().toImage();
    EXPECT_NE(QColor(shot.pixel(12, 15)), QColor(0, 255, 0)) << "no mark without Kontur";

    f.button->setKontur(true);
    f.other->setFocus();
    QTRY_VERIFY(f.other->hasFocus());
    EXPECT_FALSE(f.button->isFocused());
    shot = f.button->grab().toImage();
    EXPECT_NE(QColor(shot.pixel(12, 15)), QColor(0, 255, 0)) << "no mark once the focus moved on";
}

struct TextCase {
    const char *what;
    bool enabled;
    bool grayDis;
    bool lightFont;
    bool mouseIn;
    QColor expected;
};

class ButtonText : public ::testing::TestWithParam<TextCase> {};

TEST_P(ButtonText, TakesItsColourFromTheState) {
    const TextCase &c = GetParam();
    const QColor font(0, 0, 255), mouse(0, 255, 0), silver(192, 192, 192);
    QWidget window;
    auto *button = new TWemCardsButton(QStringLiteral("MMMM"), &window);
    button->setGeometry(0, 0, 160, 45);
    QFont big(QStringLiteral("DejaVu Sans"));
    big.setPixelSize(26);
    big.setBold(true);
    button->setFont(big);
    button->setColorSB(TColorSB::DCards);
    button->setFontColor(font);
    button->setColorMouse(mouse);
    button->setGrayDis(c.grayDis);
    button->setLightFont(c.lightFont);
    button->setEnabled(c.enabled);
    if (c.mouseIn) {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(button, &enter);
    }
    const QImage shot = button->grab().toImage();
    int hits = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            hits += QColor(shot.pixel(x, y)) == c.expected;
    EXPECT_GT(hits, 20) << c.what;
    for (const QColor &other : {font, mouse, silver}) {
        if (other == c.expected)
            continue;
        int wrong = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                wrong += QColor(shot.pixel(x, y)) == other;
        EXPECT_LT(wrong, 3) << c.what << " also shows " << other.name().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    States, ButtonText,
    ::testing::Values(
        TextCase{"enabled", true, false, false, false, QColor(0, 0, 255)},
        TextCase{"mouse over without LightFont", true, false, false, true, QColor(0, 0, 255)},
        TextCase{"mouse over with LightFont", true, false, true, true, QColor(0, 255, 0)},
        TextCase{"disabled with GrayDis", false, true, false, false, QColor(192, 192, 192)},
        TextCase{"disabled without GrayDis", false, false, false, false, QColor(0, 0, 255)}));

TEST(ButtonMouse, DoubleClickCountsAsSecondClick) {
    QWidget window;
    auto *button = new TWemCardsButton(QStringLiteral("Ok"), &window);
    window.show();
    QSignalSpy clicks(button, &QPushButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(clicks.count(), 1);
    // The system's sequence of a double click: press, release, double click, release.
    QTest::mouseDClick(button, Qt::LeftButton);
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 2);
}

TEST(ButtonMouse, EnterAndLeaveSetTheStateThenTellTheWindow) {
    TWemCardsButton button;
    bool inWhenEntered = false, inWhenLeft = true;
    QObject::connect(&button, &TWemCardsButton::mouseEntered,
                     [&] { inWhenEntered = button.mouseInPos(); });
    QObject::connect(&button, &TWemCardsButton::mouseLeft,
                     [&] { inWhenLeft = button.mouseInPos(); });
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&button, &enter);
    EXPECT_TRUE(inWhenEntered);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_FALSE(inWhenLeft);
}

TEST(ButtonSize, NewButtonAndHeightSetting) {
    TWemCardsButton button;
    EXPECT_EQ(button.size(), QSize(100, 30));
    EXPECT_EQ(button.colorSB(), TColorSB::DRed);
    EXPECT_TRUE(button.kontur());
    EXPECT_TRUE(button.smooth());
    EXPECT_FALSE(button.newStyle());
    const std::pair<THeightSB, int> heights[] = {
        {THeightSB::D45, 45}, {THeightSB::D60, 60}, {THeightSB::D30, 30}};
    for (const auto &[setting, height] : heights) {
        button.setHeightSB(setting);
        EXPECT_EQ(button.height(), height);
        EXPECT_EQ(button.width(), 100);
    }
}

TEST(ButtonPaint, TinyAndHugeButtonsPaintWithoutFault) {
    const QSize sizes[] = {{1, 1}, {2, 2}, {10, 5}, {16, 16}, {5, 90}, {400, 120}};
    for (const QSize size : sizes) {
        for (bool newLook : {false, true}) {
            TWemCardsButton button(QStringLiteral("Text"));
            button.resize(size);
            button.setNewStyle(newLook);
            button.setGlyph(QImage(12, 12, QImage::Format_ARGB32));
            button.setMargin(4);
            EXPECT_FALSE(button.grab().isNull()) << size.width() << "x" << size.height();
        }
    }
}

struct ResampleCase {
    const char *what;
    QImage::Format format;
    QSize from, to;
    ResampleResult result;
};

TEST(Resample, RefusesOtherFormatsAndTinySides) {
    const ResampleCase cases[] = {
        {"RGBA", QImage::Format_ARGB32, {8, 29}, {12, 39}, ResampleResult::Done},
        {"RGB", QImage::Format_RGB888, {8, 29}, {5, 19}, ResampleResult::Done},
        {"palette", QImage::Format_Indexed8, {8, 29}, {12, 39}, ResampleResult::UnsupportedFormat},
        {"grey", QImage::Format_Grayscale8, {8, 29}, {12, 39}, ResampleResult::UnsupportedFormat},
        {"source one pixel wide",
         QImage::Format_ARGB32,
         {1, 29},
         {12, 39},
         ResampleResult::TooSmall},
        {"target one pixel high",
         QImage::Format_ARGB32,
         {8, 29},
         {12, 1},
         ResampleResult::TooSmall},
    };
    for (const ResampleCase &c : cases) {
        QImage source(c.from, c.format);
        source.fill(0);
        ResampleResult result = ResampleResult::Done;
        const QImage out = resampleBilinear(source, c.to, &result);
        EXPECT_EQ(result, c.result) << c.what;
        EXPECT_EQ(out.isNull(), c.result != ResampleResult::Done) << c.what;
        if (!out.isNull()) {
            EXPECT_EQ(out.size(), c.to) << c.what;
        }
    }
}

TEST(Resample, InterpolatesBetweenNeighbours) {
    QImage source(2, 2, QImage::Format_ARGB32);
    source.setPixel(0, 0, qRgb(0, 0, 0));
    source.setPixel(1, 0, qRgb(200, 0, 0));
    source.setPixel(0, 1, qRgb(0, 100, 0));
    source.setPixel(1, 1, qRgb(200, 100, 0));
    const QImage out = resampleBilinear(source, QSize(3, 3)).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(QColor(out.pixel(1, 1)), QColor(100, 50, 0));
    EXPECT_EQ(QColor(out.pixel(2, 2)), QColor(200, 100, 0));
    EXPECT_EQ(QColor(out.pixel(1, 0)), QColor(100, 0, 0));
}

} // namespace
} // namespace quarn

namespace quarn {
namespace {

TEST(ButtonGlyph, SitsAtItsLayoutsPlace) {
    struct Case {
        int height;
        TWemCardsButton::GlyphLayout layout;
        QPoint topLeft;
    };
    using L = TWemCardsButton::GlyphLayout;
    // A 16 x 16 glyph on a button 120 px wide.
    const Case cases[] = {
        {30, L::Left, {15, 6}},
        {45, L::Left, {18, 14}},
        {60, L::Left, {20, 22}},
        {40, L::Left, {19, 12}},
        {30, L::Right, {120 - 16 - 15, 6}},
        {40, L::Right, {120 - 16 - 19, 12}},
        {30, L::Bottom, {52, 6}},
    };
    QImage glyph(16, 16, QImage::Format_ARGB32);
    glyph.fill(QColor(0, 255, 0));
    for (const Case &c : cases) {
        TWemCardsButton button;
        button.resize(120, c.height);
        button.setGlyph(glyph);
        button.setGlyphLayout(c.layout);
        const QImage painted =
            button.facePicture(button.size(), false).convertToFormat(QImage::Format_ARGB32);
        auto green = [&](QPoint p) { return QColor(painted.pixel(p)) == QColor(0, 255, 0); };
        EXPECT_TRUE(green(c.topLeft)) << c.height << " top left";
        EXPECT_TRUE(green(c.topLeft + QPoint(15, 15))) << c.height << " bottom right";
        EXPECT_FALSE(green(c.topLeft - QPoint(1, 0))) << c.height << " left of it";
        EXPECT_FALSE(green(c.topLeft - QPoint(0, 1))) << c.height << " above it";
    }
}

} // namespace
} // namespace quarn
