// The calendar library holds every picture the calendar pages ask for, at the
// size the pages draw it.
#include "calendar/PageGeometry.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QResource>
#include <QStringList>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

const QString libraryFile = QStringLiteral(QUARN_DIST_DIR "/WemCalendar01.dll");
const QString root = QStringLiteral("/lib/WemCalendar01.dll");

class CalendarLibrary : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QFileInfo(libraryFile).isFile())
            << "build the library_WemCalendar01_dll target first";
        ASSERT_TRUE(QResource::registerResource(libraryFile, root));
    }
    void TearDown() override { QResource::unregisterResource(libraryFile, root); }

    static QImage picture(const std::string &name) {
        return QImage(QStringLiteral(":") + root + QStringLiteral("/png/") +
                      QString::fromStdString(name));
    }
};

struct Expected {
    std::string name;
    QSize size;
};

std::vector<Expected> expectedPictures() {
    namespace page = quarn::calendar_page;
    const QSize picture(page::pictureWidth, page::pictureHeight);
    std::vector<Expected> all{{"R_BASE", {page::width, page::height}}};
    for (int sign = 1; sign <= 12; ++sign) // "R_01" Aries .. "R_12" Pisces
        all.push_back({(sign < 10 ? "R_0" : "R_") + std::to_string(sign),
                       {page::zodiacSize, page::zodiacSize}});
    const char *animals[] = {"KRIS", "BULL", "TIGR", "RABB", "DRAG", "SNAK",
                             "HORS", "KOZA", "MONK", "PETU", "DOG0", "PIG0"};
    for (const char *animal : animals)
        all.push_back({std::string("R_VOS") + animal, picture});
    const char *holidays[] = {
        "R_NEWYEAR", "R_USAFLAG", "R_RUSZNAN", "R_RUSORDN", "R_RUSFLAG", "R_LOVE000",
        "R_RUSGEOR", "R_8MARCH0", "R_USAPATR", "R_1April0", "R_1May000", "R_ISPFLAG",
        "R_FRAFLAG", "R_BABY000", "R_FRAMUS0", "R_USA4JUL", "R_USAELVI", "R_ALLPROG",
        "R_WAR0000", "R_OLD0000", "R_DEUFLAG", "R_TEACHER", "R_ENGFLAG", "R_HALLO00",
        "R_USABLAG", "R_PASHA00", "R_PRAKRES", "R_KATKRES", "R_ROGDEST",
    };
    for (const char *holiday : holidays)
        all.push_back({holiday, picture});
    return all;
}

TEST_F(CalendarLibrary, HoldsEveryPictureAtItsSize) {
    const std::vector<Expected> expected = expectedPictures();
    EXPECT_EQ(expected.size(), 1u + 12u + 12u + 29u);
    for (const Expected &e : expected) {
        const QImage image = picture(e.name);
        ASSERT_FALSE(image.isNull()) << e.name;
        EXPECT_EQ(image.size(), e.size) << e.name;
    }
}

TEST_F(CalendarLibrary, PicturesAreDrawnNotBlank) {
    // Every picture has visible pixels of more than one colour, and the
    // holiday and animal pictures differ from each other.
    std::set<QByteArray> seen;
    for (const Expected &e : expectedPictures()) {
        const QImage image = picture(e.name).convertToFormat(QImage::Format_ARGB32);
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                if (qAlpha(image.pixel(x, y)) > 0)
                    colours.insert(image.pixel(x, y));
        EXPECT_GT(colours.size(), 20u) << e.name;
        const QByteArray bytes(reinterpret_cast<const char *>(image.constBits()),
                               image.sizeInBytes());
        EXPECT_TRUE(seen.insert(bytes).second) << e.name << " repeats another picture";
    }
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
