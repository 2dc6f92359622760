// The pictures of the radio library WemRadio02.dll: every name the radio
// window and the main window's indicator ask for, in the size the window
// places it.

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QResource>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const QString radioLibrary = QStringLiteral(QUARN_DIST_DIR "/WemRadio02.dll");

class RadioLibrary : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QResource::registerResource(radioLibrary, root)) << qPrintable(radioLibrary);
    }
    void TearDown() override { QResource::unregisterResource(radioLibrary, root); }

    static QImage picture(const QString &name) {
        for (const char *kind : {"png", "bmp", "jpeg"}) {
            const QString path = QStringLiteral(":") + root + QLatin1Char('/') +
                                 QLatin1String(kind) + QLatin1Char('/') + name;
            if (QFileInfo::exists(path))
                return QImage(path);
        }
        return {};
    }

    static inline const QString root = QStringLiteral("/radio-test");
};

struct Named {
    QString name;
    QSize size;
};

std::vector<Named> radioPictures() {
    std::vector<Named> all = {
        {QStringLiteral("RRADIO_MAING"), QSize(96, 64)},
        {QStringLiteral("RRADIO_MAINR"), QSize(96, 64)},
        {QStringLiteral("RRADIO_RAMKA"), QSize(150, 90)},
        // The default station's logo and the one a station without its own shows.
        {QStringLiteral("RRADIO_LOGO_AVTORADIO"), QSize(120, 60)},
        {QStringLiteral("RRADIO_LOGO_RADIOUN"), QSize(120, 60)},
    };
    for (int steps = 0; steps <= 10; ++steps)
        all.push_back({QStringLiteral("RRADIO_VOLUME%1").arg(steps, 2, 10, QLatin1Char('0')),
                       QSize(120, 20)});
    return all;
}

TEST_F(RadioLibrary, HoldsEveryPictureInItsSize) {
    for (const Named &wanted : radioPictures()) {
        const QImage image = picture(wanted.name);
        ASSERT_FALSE(image.isNull()) << qPrintable(wanted.name);
        EXPECT_EQ(image.size(), wanted.size) << qPrintable(wanted.name);
    }
}

TEST_F(RadioLibrary, TheLogoFitsInsideItsFrameAtItsPlace) {
    // The window draws the frame at (0, 0) and the logo at (15, 15).
    const QImage frame = picture(QStringLiteral("RRADIO_RAMKA"));
    const QImage logo = picture(QStringLiteral("RRADIO_LOGO_RADIOUN"));
    ASSERT_FALSE(frame.isNull());
    ASSERT_FALSE(logo.isNull());
    EXPECT_EQ(frame.width(), 15 + logo.width() + 15);
    EXPECT_EQ(frame.height(), 15 + logo.height() + 15);
}

TEST_F(RadioLibrary, PicturesThatShowAStateDifferFromEachOther) {
    std::vector<QString> states = {QStringLiteral("RRADIO_MAING"), QStringLiteral("RRADIO_MAINR")};
    QSet<QByteArray> seen;
    for (const QString &name : states) {
        const QImage image = picture(name).convertToFormat(QImage::Format_ARGB32);
        seen.insert(
            QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(seen.size(), 2) << "playing and stopped look the same";
    seen.clear();
    for (int steps = 0; steps <= 10; ++steps) {
        const QImage image =
            picture(QStringLiteral("RRADIO_VOLUME%1").arg(steps, 2, 10, QLatin1Char('0')))
                .convertToFormat(QImage::Format_ARGB32);
        seen.insert(
            QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(seen.size(), 11) << "two volume steps look the same";
}

} // namespace
