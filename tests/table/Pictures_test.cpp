// The program's own pictures, the names of library pictures, the choice of
// the back, and loading from resource libraries with their fall-backs.

#include "table/Pictures.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QResource>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quarn {
namespace {

const Scaling smallScale;
const Scaling largeScale = Scaling::forWindow(WindowSize::Large);
const Scaling average1Scale = Scaling::forWindow(WindowSize::Average1);

TEST(BuiltinPictures, EveryFaceAndBackIsThereAtBothSizes) {
    Pictures pictures{QString()};
    struct Case {
        const Scaling *scale;
        QSize face;
        QSize back;
        QSize turned;
        QSize suit;
    };
    const Case cases[] = {
        {&smallScale, {69, 94}, {69, 94}, {94, 69}, {20, 20}},
        {&average1Scale, {146, 198}, {146, 198}, {198, 146}, {40, 40}},
        {&largeScale, {146, 198}, {146, 198}, {198, 146}, {40, 40}},
    };
    for (const Case &c : cases) {
        ASSERT_TRUE(pictures.loadFaces(0, *c.scale));
        ASSERT_TRUE(pictures.loadBacks(0, *c.scale));
        for (int slot = 1; slot <= 36; ++slot)
            EXPECT_EQ(pictures.face(slot).size(), c.face) << "slot " << slot;
        for (int suit = 1; suit <= 4; ++suit)
            EXPECT_EQ(pictures.suitSymbol(suit).size(), c.suit) << "suit " << suit;
        for (int back = 1; back <= 10; ++back) {
            EXPECT_EQ(pictures.backNumber(back).size(), c.back) << "back " << back;
            EXPECT_EQ(pictures.backNumber(back, true).size(), c.turned) << "back " << back;
        }
    }
    EXPECT_TRUE(pictures.face(0).isNull());
    EXPECT_TRUE(pictures.face(37).isNull());
}

TEST(BuiltinPictures, FacesDifferFromEachOther) {
    Pictures pictures{QString()};
    for (int a = 1; a <= 36; ++a)
        for (int b = a + 1; b <= 36; ++b)
            EXPECT_NE(pictures.face(a), pictures.face(b)) << a << " and " << b;
    for (int a = 1; a <= 7; ++a)
        for (int b = a + 1; b <= 7; ++b)
            EXPECT_NE(pictures.backNumber(a), pictures.backNumber(b))
                << "weekday backs " << a << " and " << b;
}

TEST(BuiltinPictures, TableTitleMenuAndPointerPicturesAreThere) {
    Pictures pictures{QString()};
    for (const Scaling *scale : {&smallScale, &largeScale}) {
        pictures.loadTablePictures(*scale);
        const int f = scale == &smallScale ? 1 : 2;
        EXPECT_EQ(pictures.tab().size(), QSize(155, 95) * f);
        EXPECT_EQ(pictures.counter().size(), QSize(120, 150) * f);
        EXPECT_FALSE(pictures.bank().isNull());
        for (int c = 0; c < plateColourCount; ++c)
            EXPECT_EQ(pictures.plate(PlateColour(c)).size(), QSize(160, 20) * f);
        for (int seat = 1; seat <= 4; ++seat)
            EXPECT_FALSE(pictures.handPointer(seat).isNull());
    }
    EXPECT_NE(pictures.handPointer(1), pictures.handPointer(2))
        << "up for the side seats, right for the others";
    EXPECT_FALSE(Pictures::logo().isNull());
    for (int n = 1; n <= 4; ++n)
        EXPECT_FALSE(Pictures::travellingPicture(n).isNull());
    EXPECT_FALSE(Pictures::menuPicture(1).isNull());
    EXPECT_FALSE(Pictures::menuPicture(2).isNull());
    EXPECT_EQ(Pictures::menuPicture(1, smallScale).size(), QSize(140, 240));
    EXPECT_EQ(Pictures::menuPicture(2, average1Scale).size(), QSize(182, 312));
    for (PointerKind kind :
         {PointerKind::Arrow, PointerKind::Hand, PointerKind::Wait, PointerKind::Edit}) {
        const auto frames = Pictures::pointerFrames(kind);
        ASSERT_FALSE(frames.empty()) << int(kind);
        EXPECT_EQ(frames.front().width(), frames.front().height());
        EXPECT_EQ(frames.size() > 1, kind != PointerKind::Arrow) << "only the arrow stands still";
    }
    EXPECT_EQ(Pictures::builtin(QStringLiteral("jpeg"), QStringLiteral("FonG")).size(),
              QSize(760, 500));
    EXPECT_EQ(Pictures::builtin(QStringLiteral("jpeg"), QStringLiteral("FonGB")).size(),
              QSize(1520, 1000));
}

TEST(ResourceNames, FollowTheNamingScheme) {
    struct Case {
        int set;
        int suit;
        int rank;
        bool large;
        const char *name;
    };
    const Case cases[] = {
        {0, 1, 1, false, "Ch06"},     {0, 4, 9, true, "Pi5AB"},
        {0, 2, 5, false, "Bu10"},     {7, 1, 1, false, "Ch06Mod"}, // numbers and aces from "Mod"
        {7, 3, 6, false, "Kr2JCro"},  {7, 4, 9, true, "Pi5AModB"},
        {6, 2, 9, false, "Bu5ACor"}, // numbers only from "Mod"
        {6, 2, 2, false, "Bu07Mod"},  {25, 3, 7, true, "Kr3QBoyB"},
        {25, 3, 3, false, "Kr08Rhi"}, {19, 1, 9, false, "Ch5ASea"},
        {27, 4, 1, false, "Pi06Big"}, {47, 4, 8, false, "Pi4KCze"},
    };
    for (const Case &c : cases) {
        const FaceSet set = faceSetInfo(c.set);
        EXPECT_EQ(faceResourceName(c.suit, c.rank, set.numberCode, set.code, set.aceCode, c.large),
                  QLatin1String(c.name))
            << "set " << c.set;
    }
    EXPECT_EQ(suitResourceName(1, faceSetInfo(11).suitCode, false), QStringLiteral("CherMod"));
    EXPECT_EQ(suitResourceName(4, QString(), true), QStringLiteral("PikiB"));
    EXPECT_EQ(backResourceName(1, false, QString(), false), QStringLiteral("Ob01Mo"));
    EXPECT_EQ(backResourceName(6, false, QString(), false), QStringLiteral("Ob06Su"));
    EXPECT_EQ(backResourceName(1, true, backSetCode(3), true), QStringLiteral("Ob01MoRCarB"));
    EXPECT_EQ(backResourceName(10, false, backSetCode(8), false), QStringLiteral("Ob10XXAni"));
    EXPECT_TRUE(faceResourceName(0, 1, {}, {}, {}, false).isEmpty());
    EXPECT_TRUE(backResourceName(11, false, {}, false).isEmpty());
}

TEST(FaceSets, LibraryAndWidthBySet) {
    struct Case {
        int set;
        const char *library;
        bool wide;
    };
    const Case cases[] = {
        {0, "", true},
        {1, "WemCards06A.dll", true},
        {27, "WemCards06A.dll", true},
        {28, "WemCards06A.dll", false},
        {31, "WemCards06A.dll", false},
        {32, "WemCards06B.dll", false},
        {35, "WemCards06B.dll", false},
        {39, "WemCards06B.dll", false},
        {40, "WemCards06C.dll", true},
        {45, "WemCards06C.dll", true},
        {47, "WemCards06C.dll", false},
        {48, "", true},
        {-3, "", true},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(faceSetInfo(c.set).library, QLatin1String(c.library)) << c.set;
        EXPECT_EQ(faceSetInfo(c.set).wide, c.wide) << c.set;
    }
    EXPECT_EQ(faceSetInfo(9).code, faceSetInfo(40).code) << "sets 9 and 40 share a code";
    EXPECT_NE(faceSetInfo(9).library, faceSetInfo(40).library);
}

TEST(BackForDeal, WeekdayAlwaysOneAndRandomSets) {
    std::mt19937 random(5);
    const QDate monday(2024, 6, 3);
    struct Case {
        int set;
        int daysAfterMonday;
        bool alwaysOne;
        int back;
    };
    const Case cases[] = {
        {0, 0, false, 1}, {0, 1, false, 2}, {0, 5, false, 6},
        {0, 6, false, 7}, {3, 2, true, 7},  {12, 4, false, 5},
    };
    for (const Case &c : cases)
        EXPECT_EQ(backForDeal(c.set, monday.addDays(c.daysAfterMonday), c.alwaysOne, random),
                  c.back)
            << c.set;
    // The random sets ignore "Always one" and draw every back from 1 to 10.
    std::vector<int> seen(11, 0);
    for (int i = 0; i < 2000; ++i) {
        const int back = backForDeal(9, monday, true, random);
        ASSERT_GE(back, 1);
        ASSERT_LE(back, 10);
        ++seen[back];
    }
    for (int back = 1; back <= 10; ++back)
        EXPECT_GT(seen[back], 0) << back;
    EXPECT_EQ(backForDeal(0, QDate(), false, random), 1) << "an invalid date gives Monday's back";
}

TEST(HeadingColours, RecolourEachPixelByVariant) {
    struct Case {
        int variant;
        QRgb in;
        QRgb out;
    };
    const Case cases[] = {
        {1, qRgb(200, 100, 50), qRgb(200, 100, 50)},
        // B = round(0.7 x 50) = 35, G = 35 + round(0.4 x 165) = 101.
        {2, qRgb(200, 100, 50), qRgb(200, 101, 35)},
        // round(0.7 x 15) = 10.5 -> 10; G = 10 + round(0.4 x 90) = 46.
        {2, qRgb(100, 15, 20), qRgb(100, 46, 10)},
        {2, qRgb(100, 150, 20), qRgb(100, 150, 20)}, // G is not below R: unchanged
        {2, qRgb(100, 20, 100), qRgb(100, 20, 100)}, // B is not below R: unchanged
        {3, qRgb(10, 20, 30), qRgb(10, 10, 30)},
        {4, qRgb(10, 20, 30), qRgb(20, 10, 30)},
        {5, qRgb(10, 20, 30), qRgb(30, 10, 10)},
        {6, qRgb(10, 20, 30), qRgb(30, 20, 10)},
        {7, qRgb(10, 20, 30), qRgb(10, 20, 10)},
        {8, qRgb(10, 20, 30), qRgb(10, 20, 30)}, // outside 1..7: unchanged
    };
    for (const Case &c : cases) {
        EXPECT_EQ(recolourPixel(c.in, c.variant), c.out) << "variant " << c.variant;
        QImage picture(2, 1, QImage::Format_RGB32);
        picture.fill(c.in);
        EXPECT_EQ(recolourHeading(picture, c.variant).pixel(1, 0), c.out)
            << "variant " << c.variant;
    }
    EXPECT_TRUE(recolourHeading(QImage(), 3).isNull());
}

// A folder with a program folder inside it, and resource libraries made
// with rcc in either of the two.
class LibraryTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        program = root.path() + QStringLiteral("/Quarn/");
        QDir().mkpath(program);
    }

    // A library holding the named PNG pictures, each a plain colour.
    bool makeLibrary(const QString &path, const QStringList &names, QSize size) {
        QTemporaryDir work;
        QFile qrc(work.path() + QStringLiteral("/lib.qrc"));
        if (!qrc.open(QIODevice::WriteOnly))
            return false;
        qrc.write("<RCC><qresource prefix=\"/\">\n");
        int hue = 0;
        for (const QString &name : names) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(QColor::fromHsv((hue += 37) % 360, 200, 200));
            if (!image.save(work.path() + QLatin1Char('/') + name + QStringLiteral(".png")))
                return false;
            qrc.write(QStringLiteral("<file alias=\"png/%1\">%1.png</file>\n").arg(name).toUtf8());
        }
        qrc.write("</qresource></RCC>\n");
        qrc.close();
        QProcess rcc;
        rcc.start(QStringLiteral(QUARN_RCC),
                  {QStringLiteral("--binary"), qrc.fileName(), QStringLiteral("-o"), path});
        return rcc.waitForFinished(30000) && rcc.exitCode() == 0;
    }

    QTemporaryDir root;
    QString program;
    QStringList missing;
};

TEST_F(LibraryTest, MissingLibrariesFallBackToTheBuiltInPictures) {
    Pictures pictures(program);
    pictures.setMissingLibraryHandler([&](const QString &file) { missing << file; });
    const QImage builtinSix = pictures.face(1);

    EXPECT_FALSE(pictures.loadFaces(5, smallScale));
    EXPECT_EQ(pictures.faceSet(), 0);
    EXPECT_EQ(pictures.face(1), builtinSix);

    EXPECT_FALSE(pictures.loadBacks(3, smallScale));
    EXPECT_EQ(pictures.backSet(), 0);
    EXPECT_FALSE(pictures.backNumber(7).isNull());

    EXPECT_FALSE(pictures.loadBackground(7, 1, false, QSize(760, 500)));
    EXPECT_EQ(pictures.background(), 2);
    EXPECT_EQ(pictures.backgroundVariant(), 0);
    EXPECT_EQ(pictures.backgroundImage().size(), QSize(760, 500));

    EXPECT_FALSE(pictures.loadBackground(2, 0, true, QSize(1520, 1000)));
    EXPECT_EQ(pictures.backgroundImage().size(), QSize(1520, 1000));

    EXPECT_EQ(missing, (QStringList{"WemCards06A.dll", "WemCards06B.dll", "WemBackG03.dll",
                                    "WemCGraph1.dll"}));

    // The built-in set and the default background need no library.
    missing.clear();
    EXPECT_TRUE(pictures.loadFaces(0, largeScale));
    EXPECT_TRUE(pictures.loadBacks(0, largeScale));
    EXPECT_TRUE(pictures.loadBackground(2, 0, false, QSize(1520, 1000)));
    EXPECT_TRUE(missing.isEmpty());
}

TEST_F(LibraryTest, FacesComeFromALibraryInTheParentFolderAndGapsKeepTheBuiltInFaces) {
    // Set 35 ("Pas", narrow) lies in WemCards06B.dll; the library lacks the
    // ace of spades.
    QStringList names;
    for (const char *suit : {"Ch", "Bu", "Kr", "Pi"})
        for (const char *rank : {"06", "07", "08", "09", "10", "2J", "3Q", "4K", "5A"})
            if (QLatin1String(suit) + QLatin1String(rank) != QLatin1String("Pi5A"))
                names << QLatin1String(suit) + QLatin1String(rank) + QStringLiteral("PasB");
    names << QStringLiteral("CherPasB");
    ASSERT_TRUE(
        makeLibrary(root.path() + QStringLiteral("/WemCards06B.dll"), names, QSize(126, 198)));

    Pictures pictures(program);
    pictures.setMissingLibraryHandler([&](const QString &file) { missing << file; });
    const QImage builtinAce = Pictures::builtin(QStringLiteral("png"), QStringLiteral("Pi5AB"));
    ASSERT_TRUE(pictures.loadFaces(35, average1Scale));
    EXPECT_TRUE(missing.isEmpty());
    EXPECT_EQ(pictures.faceSet(), 35);
    EXPECT_FALSE(pictures.wideFaces());
    EXPECT_EQ(pictures.face(MakeCard(kHearts, kSix)).size(), QSize(126, 198));
    EXPECT_EQ(pictures.face(MakeCard(kSpades, kAce)), builtinAce)
        << "a missing entry keeps the built-in face";
    EXPECT_EQ(pictures.suitSymbol(1).size(), QSize(126, 198));

    // The library was released after loading.
    EXPECT_FALSE(QFile::exists(QStringLiteral(":/lib/WemCards06B.dll/png/Ch06PasB")));

    // At the small window the library's pictures are drawn into 69 x 94 bitmaps.
    ASSERT_TRUE(pictures.loadFaces(35, smallScale));
    EXPECT_EQ(pictures.face(MakeCard(kHearts, kSix)).size(), QSize(69, 94));
}

TEST_F(LibraryTest, SinglePicturesFromTheProgramOrALibrary) {
    ASSERT_TRUE(makeLibrary(program + QStringLiteral("WemCGraph1.dll"), {QStringLiteral("BGLilu")},
                            QSize(760, 500)));
    Pictures pictures(program);
    QImage picture;
    EXPECT_TRUE(pictures.loadPicture(QStringLiteral("Logo"), QString(), picture));
    EXPECT_FALSE(picture.isNull());
    EXPECT_TRUE(
        pictures.loadPicture(QStringLiteral("BGLilu"), QStringLiteral("WemCGraph1.dll"), picture));
    EXPECT_EQ(picture.size(), QSize(760, 500));
    EXPECT_TRUE(
        pictures.loadPicture(QStringLiteral("GTouch"), QStringLiteral("WemCGraph1.dll"), picture))
        << "the library opens; the missing name gives a null picture";
    EXPECT_TRUE(picture.isNull());
    EXPECT_FALSE(pictures.loadPicture(QStringLiteral("GIcon48Opt"),
                                      QStringLiteral("WemCalendar01.dll"), picture));
    QByteArray animation;
    EXPECT_FALSE(pictures.loadAnimation(QStringLiteral("GTouch"),
                                        QStringLiteral("WemCalendar01.dll"), animation));
    EXPECT_TRUE(pictures.loadAnimation(QStringLiteral("GTouch"), QStringLiteral("WemCGraph1.dll"),
                                       animation));
    EXPECT_TRUE(animation.isEmpty());

    // The purple design's background comes from the graphics library, stretched.
    EXPECT_TRUE(pictures.loadBackground(2, 0, true, QSize(1520, 1000)));
    EXPECT_EQ(pictures.backgroundImage().size(), QSize(1520, 1000));
}

TEST_F(LibraryTest, AFileThatIsNoLibraryCountsAsMissing) {
    QFile junk(program + QStringLiteral("WemCards06A.dll"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is not a resource library");
    junk.close();
    Pictures pictures(program);
    pictures.setMissingLibraryHandler([&](const QString &file) { missing << file; });
    EXPECT_FALSE(pictures.loadFaces(3, smallScale));
    EXPECT_EQ(missing, QStringList{QStringLiteral("WemCards06A.dll")});
    EXPECT_EQ(pictures.faceSet(), 0);
}

TEST_F(LibraryTest, BacksFallBackAndTakeTheFacesWithThem) {
    QStringList names;
    for (const char *suit : {"Ch", "Bu", "Kr", "Pi"})
        for (const char *rank : {"06", "07", "08", "09", "10", "2J", "3Q", "4K", "5A"})
            names << QLatin1String(suit) + QLatin1String(rank) + QStringLiteral("Med");
    ASSERT_TRUE(makeLibrary(program + QStringLiteral("WemCards06A.dll"), names, QSize(69, 94)));
    Pictures pictures(program);
    pictures.setMissingLibraryHandler([&](const QString &file) { missing << file; });
    ASSERT_TRUE(pictures.loadFaces(1, smallScale));
    EXPECT_EQ(pictures.faceSet(), 1);
    EXPECT_FALSE(pictures.loadBacks(4, smallScale));
    EXPECT_EQ(pictures.backSet(), 0);
    EXPECT_EQ(pictures.faceSet(), 0)
        << "faces from a library return to the built-in set with the backs";
    EXPECT_EQ(missing, QStringList{QStringLiteral("WemCards06B.dll")});
}

} // namespace
} // namespace quarn
