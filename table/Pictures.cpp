#include "table/Pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QResource>

#include <algorithm>
#include <mutex>

// The compiled-in resources live in a static library; this pulls them in.
static void registerBuiltinResources() {
    Q_INIT_RESOURCE(quarn_builtin);
}

namespace quarn {

namespace {

const char *const suitPrefixes[5] = {"", "Ch", "Bu", "Kr", "Pi"};
const char *const suitSymbolPrefixes[5] = {"", "Cher", "Bubi", "Kres", "Piki"};
const char *const rankParts[10] = {"", "06", "07", "08", "09", "10", "2J", "3Q", "4K", "5A"};
const char *const backParts[11] = {"",     "01Mo", "02Tu", "03We", "04Th", "05Fr",
                                   "06Su", "07Su", "08XX", "09XX", "10XX"};
const char *const backSetCodes[backSetCount] = {"",    "Cl1", "Cl2", "Car", "Cro", "Che", "Dia",
                                                "Kni", "Ani", "Flo", "Pla", "Oth", "Rus"};
const char *const backgroundVariantCodes[7] = {"Gr", "Re", "Or", "Ye", "B1", "B2", "Fi"};
const char *const plateNames[plateColourCount] = {"GSayYe", "GSayGr", "GSayRe", "GSayBl", "GSayGy"};

struct FaceSetRow {
    const char *code;
    const char *numberCode; // nullptr: the set's own code
    const char *aceCode;
    const char *suitCode;
};

// "Doods": its deck's licence allows redistribution only within its original
// project, so the libraries hold no pictures for it.
constexpr int withdrawnFaceSet = 24;

// Sets 1 to 47 (index 0 is the built-in set).
const FaceSetRow faceSetRows[faceSetCount] = {
    {"", nullptr, nullptr, nullptr},    {"Med", nullptr, nullptr, nullptr},
    {"Mod", nullptr, nullptr, nullptr}, {"Anc", nullptr, nullptr, nullptr},
    {"Bar", nullptr, nullptr, nullptr}, {"Cel", nullptr, nullptr, nullptr},
    {"Cor", "Mod", nullptr, nullptr},   {"Cro", "Mod", "Mod", nullptr},
    {"Eng", nullptr, nullptr, nullptr}, {"Fra", nullptr, nullptr, nullptr},
    {"His", "Mod", "Mod", nullptr},     {"Nat", nullptr, nullptr, "Mod"},
    {"Old", nullptr, nullptr, nullptr}, {"Par", "Mod", "Mod", nullptr},
    {"Roy", nullptr, nullptr, nullptr}, {"Sha", nullptr, nullptr, nullptr},
    {"Big", nullptr, nullptr, nullptr}, {"004", nullptr, nullptr, nullptr},
    {"Lon", nullptr, nullptr, nullptr}, {"Cl2", "Sea", "Sea", nullptr},
    {"Hea", "Sea", "Sea", nullptr},     {"Sea", nullptr, nullptr, nullptr},
    {"Rhi", nullptr, nullptr, nullptr}, {"Me2", nullptr, nullptr, nullptr},
    {"Doo", nullptr, nullptr, nullptr}, {"Boy", "Rhi", nullptr, nullptr},
    {"Epi", nullptr, nullptr, nullptr}, {"USR", "Big", nullptr, nullptr},
    {"Pla", nullptr, nullptr, nullptr}, {"SkN", nullptr, nullptr, nullptr},
    {"SkT", nullptr, nullptr, nullptr}, {"SkF", nullptr, nullptr, nullptr},
    {"Bel", nullptr, nullptr, nullptr}, {"Dia", nullptr, nullptr, nullptr},
    {"Kny", nullptr, nullptr, nullptr}, {"Pas", nullptr, nullptr, nullptr},
    {"Rus", nullptr, nullptr, nullptr}, {"Sla", nullptr, nullptr, nullptr},
    {"May", nullptr, nullptr, nullptr}, {"Lub", nullptr, nullptr, nullptr},
    {"Fra", nullptr, nullptr, nullptr}, {"Mus", nullptr, nullptr, nullptr},
    {"BS1", nullptr, nullptr, nullptr}, {"BS2", nullptr, nullptr, nullptr},
    {"BS3", nullptr, nullptr, nullptr}, {"Chi", nullptr, nullptr, nullptr},
    {"BIt", nullptr, nullptr, nullptr}, {"Cze", nullptr, nullptr, nullptr},
};

const QStringList pictureKinds{QStringLiteral("png"), QStringLiteral("bmp"), QStringLiteral("jpeg"),
                               QStringLiteral("gif")};

// A picture by name under a resource root (":/res" or ":/lib/<file>"),
// whatever its kind.
QImage findPicture(const QString &root, const QString &name) {
    for (const QString &kind : pictureKinds) {
        const QString path = root + QLatin1Char('/') + kind + QLatin1Char('/') + name;
        if (QFileInfo::exists(path)) {
            QImage image(path);
            if (!image.isNull())
                return image;
        }
    }
    return {};
}

// A picture drawn into a bitmap of exactly the given size.
QImage fitted(const QImage &picture, QSize size) {
    if (picture.isNull() || picture.size() == size)
        return picture;
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), picture);
    return out;
}

bool isLargeScale(const Scaling &scaling) {
    return !(scaling.S < Ratio{13, 10});
}

const QSize smallCard{69, 94};

} // namespace

void initBuiltinPictures() {
    static std::once_flag once;
    std::call_once(once, [] { registerBuiltinResources(); });
}

int faceSlot(int suit, int rank) {
    if (suit < 1 || suit > 4 || rank < 1 || rank > 9)
        return 0;
    return (rank - 1) * 4 + suit;
}

int faceSlot(TStr2 card) {
    const auto parsed = ParseCard(card);
    return parsed ? faceSlot(parsed->suit, parsed->rank) : 0;
}

QString faceResourceName(int suit, int rank, const QString &numberCode, const QString &courtCode,
                         const QString &aceCode, bool large) {
    if (suit < 1 || suit > 4 || rank < 1 || rank > 9)
        return {};
    const QString &code = rank <= 5 ? numberCode : rank == 9 ? aceCode : courtCode;
    return QLatin1String(suitPrefixes[suit]) + QLatin1String(rankParts[rank]) + code +
           (large ? QStringLiteral("B") : QString());
}

QString suitResourceName(int suit, const QString &code, bool large) {
    if (suit < 1 || suit > 4)
        return {};
    return QLatin1String(suitSymbolPrefixes[suit]) + code +
           (large ? QStringLiteral("B") : QString());
}

QString backResourceName(int back, bool turned, const QString &code, bool large) {
    if (back < 1 || back > 10)
        return {};
    return QStringLiteral("Ob") + QLatin1String(backParts[back]) +
           (turned ? QStringLiteral("R") : QString()) + code +
           (large ? QStringLiteral("B") : QString());
}

FaceSet faceSetInfo(int set) {
    if (set < 0 || set >= faceSetCount)
        set = 0;
    const FaceSetRow &row = faceSetRows[set];
    FaceSet info;
    info.code = QLatin1String(row.code);
    info.numberCode = row.numberCode ? QLatin1String(row.numberCode) : info.code;
    info.aceCode = row.aceCode ? QLatin1String(row.aceCode) : info.code;
    info.suitCode = row.suitCode ? QLatin1String(row.suitCode) : info.code;
    if (set >= 1 && set <= 31)
        info.library = QLatin1String(cardsLibraryA);
    else if (set >= 32 && set <= 39)
        info.library = QLatin1String(cardsLibraryB);
    else if (set >= 40)
        info.library = QLatin1String(cardsLibraryC);
    info.wide = set < 28 || set == 40 || set == 45;
    info.shipped = set != withdrawnFaceSet;
    return info;
}

QString backSetCode(int set) {
    if (set < 0 || set >= backSetCount)
        return {};
    return QLatin1String(backSetCodes[set]);
}

bool backSetIsRandom(int set) {
    return set >= 8 && set <= 11;
}

int backCountOfSet(int set) {
    return backSetIsRandom(set) ? 10 : 7;
}

QRgb recolourPixel(QRgb pixel, int variant) {
    const int r = qRed(pixel);
    const int g = qGreen(pixel);
    const int b = qBlue(pixel);
    const int a = qAlpha(pixel);
    switch (variant) {
    case 2: {
        if (!(g < r && b < r))
            return pixel;
        // round(0.7 x min(B, G)), then G = new B + round(0.4 x |R - new B|), halves to even.
        const int newB = int(roundHalfEven(std::int64_t(7) * std::min(b, g), 10));
        const int newG =
            std::min(255, newB + int(roundHalfEven(std::int64_t(4) * std::abs(r - newB), 10)));
        return qRgba(r, newG, newB, a);
    }
    case 3:
        return qRgba(r, r, b, a);
    case 4:
        return qRgba(g, r, b, a);
    case 5:
        return qRgba(b, r, r, a);
    case 6:
        return qRgba(b, g, r, a);
    case 7:
        return qRgba(r, g, r, a);
    default:
        return pixel;
    }
}

QImage recolourHeading(const QImage &picture, int variant) {
    if (picture.isNull() || variant < 2 || variant > 7)
        return picture;
    QImage out = picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                   : QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = recolourPixel(line[x], variant);
    }
    return out;
}

int backForDeal(int backSet, QDate day, bool alwaysOne, std::mt19937 &random) {
    if (backSetIsRandom(backSet))
        return std::uniform_int_distribution<int>(1, 10)(random);
    if (alwaysOne)
        return 7;
    const int weekday = day.isValid() ? day.dayOfWeek() : 1; // Monday 1 .. Sunday 7
    return std::clamp(weekday, 1, 7);
}

Pictures::Pictures(QString programFolder)
    : folder_(std::move(programFolder)), random_(std::random_device{}()) {
    initBuiltinPictures();
    if (!folder_.isEmpty() && !folder_.endsWith(QLatin1Char('/')))
        folder_ += QLatin1Char('/');
    loadBuiltinFaces(false);
    loadBuiltinBacks(false);
    background_ = builtin(QStringLiteral("jpeg"), QStringLiteral("FonG"));
    loadTablePictures(Scaling());
}

QImage Pictures::builtin(const QString &kind, const QString &name) {
    initBuiltinPictures();
    const QString path = QStringLiteral(":/res/") + kind + QLatin1Char('/') + name;
    if (!QFileInfo::exists(path))
        return {};
    return QImage(path);
}

void Pictures::reportMissing(const QString &file) {
    if (missing_)
        missing_(file);
}

bool Pictures::openLibrary(const QString &file, QString &root) {
    const QString mapRoot = QStringLiteral("/lib/") + file;
    const QStringList candidates{folder_ + file, folder_ + QStringLiteral("../") + file};
    for (const QString &path : candidates) {
        if (QFileInfo(path).isFile() && QResource::registerResource(path, mapRoot)) {
            root = QLatin1Char(':') + mapRoot;
            libraryPath_ = path;
            return true;
        }
    }
    return false;
}

void Pictures::closeLibrary(const QString &root) {
    QResource::unregisterResource(libraryPath_, root.mid(1));
    libraryPath_.clear();
}

void Pictures::loadBuiltinFaces(bool large) {
    const QString kind = large ? QStringLiteral("png") : QStringLiteral("bmp");
    for (int rank = 1; rank <= 9; ++rank)
        for (int suit = 1; suit <= 4; ++suit)
            faces_[faceSlot(suit, rank)] =
                builtin(kind, faceResourceName(suit, rank, {}, {}, {}, large));
    for (int suit = 1; suit <= 4; ++suit)
        suits_[suit] = builtin(kind, suitResourceName(suit, {}, large));
    largeFaces_ = large;
}

void Pictures::loadBuiltinBacks(bool large) {
    const QString kind = large ? QStringLiteral("png") : QStringLiteral("bmp");
    for (int back = 1; back <= 10; ++back) {
        const int source = back <= 7 ? back : 7; // the built-in set has seven backs
        backs_[back] = builtin(kind, backResourceName(source, false, {}, large));
        backsTurned_[back] = builtin(kind, backResourceName(source, true, {}, large));
    }
}

bool Pictures::loadFaces(int set, const Scaling &scaling) {
    const bool large = isLargeScale(scaling);
    if (set < 0 || set >= faceSetCount)
        set = 0;
    // The built-in set first: it also fills in whatever a library lacks.
    loadBuiltinFaces(large);
    faceSet_ = 0;
    if (set == 0)
        return true;

    const FaceSet info = faceSetInfo(set);
    if (!info.shipped)
        return false;
    QString root;
    if (!openLibrary(info.library, root)) {
        reportMissing(info.library);
        return false;
    }
    for (int rank = 1; rank <= 9; ++rank) {
        for (int suit = 1; suit <= 4; ++suit) {
            QImage picture = findPicture(root, faceResourceName(suit, rank, info.numberCode,
                                                                info.code, info.aceCode, large));
            if (picture.isNull())
                continue; // a missing entry keeps the built-in face
            faces_[faceSlot(suit, rank)] = large ? picture : fitted(picture, smallCard);
        }
    }
    for (int suit = 1; suit <= 4; ++suit) {
        QImage symbol = findPicture(root, suitResourceName(suit, info.suitCode, large));
        if (!symbol.isNull())
            suits_[suit] = symbol;
    }
    closeLibrary(root);
    faceSet_ = set;
    return true;
}

bool Pictures::loadBacks(int set, const Scaling &scaling) {
    const bool large = isLargeScale(scaling);
    if (set < 0 || set >= backSetCount)
        set = 0;
    loadBuiltinBacks(large);
    backSet_ = 0;
    if (set == 0)
        return true;

    QString root;
    if (!openLibrary(QLatin1String(cardsLibraryB), root)) {
        reportMissing(QLatin1String(cardsLibraryB));
        if (faceSet_ != 0)
            loadFaces(0, scaling);
        return false;
    }
    const QString code = backSetCode(set);
    const QSize upright = large ? QSize() : smallCard;
    for (int back = 1; back <= backCountOfSet(set); ++back) {
        QImage picture = findPicture(root, backResourceName(back, false, code, large));
        if (!picture.isNull())
            backs_[back] = upright.isValid() ? fitted(picture, upright) : picture;
        QImage turned = findPicture(root, backResourceName(back, true, code, large));
        if (!turned.isNull())
            backsTurned_[back] = upright.isValid() ? fitted(turned, upright.transposed()) : turned;
    }
    closeLibrary(root);
    backSet_ = set;
    return true;
}

bool Pictures::loadBackground(int picture, int variant, bool purple, QSize client) {
    const bool small = client.isEmpty() || client == QSize(760, 500);
    const QString mark = small ? QString() : QStringLiteral("B");
    QImage chosen;
    bool ok = true;
    if (purple) {
        QString root;
        if (openLibrary(QLatin1String(graphicsLibrary), root)) {
            chosen = findPicture(root, QStringLiteral("BGLilu"));
            closeLibrary(root);
        } else {
            reportMissing(QLatin1String(graphicsLibrary));
            ok = false;
        }
    } else if (!(picture == 2 && variant == 0) && picture >= 1 && picture <= 10 && variant >= 0 &&
               variant <= 6) {
        QString root;
        if (openLibrary(QLatin1String(backgroundLibrary), root)) {
            const QString name = QStringLiteral("Fon%1").arg(picture, 2, 10, QLatin1Char('0')) +
                                 QLatin1String(backgroundVariantCodes[variant]);
            chosen = findPicture(root, name + mark);
            if (chosen.isNull())
                chosen = findPicture(root, name);
            closeLibrary(root);
            backgroundPicture_ = picture;
            backgroundVariant_ = variant;
        } else {
            reportMissing(QLatin1String(backgroundLibrary));
            ok = false;
        }
    }
    if (chosen.isNull()) {
        if (!purple) {
            backgroundPicture_ = 2;
            backgroundVariant_ = 0;
        }
        chosen = builtin(QStringLiteral("jpeg"), QStringLiteral("FonG") + mark);
        if (chosen.isNull())
            chosen = builtin(QStringLiteral("jpeg"), QStringLiteral("FonG"));
    }
    if (!small && !chosen.isNull() && chosen.size() != client)
        chosen = chosen.scaled(client, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    background_ = chosen.convertToFormat(QImage::Format_RGB32);
    return ok;
}

void Pictures::loadTablePictures(const Scaling &scaling) {
    const bool small = scaling.S == Ratio{1, 1};
    const QString mark = small ? QString() : QStringLiteral("B");
    const QString png = QStringLiteral("png");
    tab_ = builtin(png, QStringLiteral("GTab") + mark);
    counter_ = builtin(png, QStringLiteral("GKon") + mark);
    bank_ = builtin(png, QStringLiteral("GBank") + mark);
    for (int c = 0; c < plateColourCount; ++c)
        plates_[c] = builtin(png, QLatin1String(plateNames[c]) + mark);
    handUp_ = builtin(png, QStringLiteral("GHandUp"));
    handRight_ = builtin(png, QStringLiteral("GHandRight"));
}

bool Pictures::loadPicture(const QString &name, const QString &library, QImage &picture) {
    picture = QImage();
    if (library.isEmpty()) {
        picture = findPicture(QStringLiteral(":/res"), name);
        return true;
    }
    QString root;
    if (!openLibrary(library, root))
        return false;
    picture = findPicture(root, name);
    closeLibrary(root);
    return true;
}

bool Pictures::loadAnimation(const QString &name, const QString &library, QByteArray &data) {
    data.clear();
    QString root = QStringLiteral(":/res");
    if (!library.isEmpty() && !openLibrary(library, root))
        return false;
    QFile file(root + QStringLiteral("/gif/") + name);
    if (file.open(QIODevice::ReadOnly))
        data = file.readAll();
    if (!library.isEmpty())
        closeLibrary(root);
    return true;
}

void Pictures::chooseBack(QDate day, bool alwaysOne) {
    chooseBack(backForDeal(backSet_, day, alwaysOne, random_));
}

void Pictures::chooseBack(int back) {
    currentBack_ = std::clamp(back, 1, 10);
}

const QImage &Pictures::face(TStr2 card) const {
    return face(faceSlot(card));
}

const QImage &Pictures::face(int slot) const {
    if (slot < 1 || slot > 36)
        return empty_;
    return faces_[slot];
}

const QImage &Pictures::suitSymbol(int suit) const {
    if (suit < 1 || suit > 4)
        return empty_;
    return suits_[suit];
}

const QImage &Pictures::back() const {
    return backs_[currentBack_];
}
const QImage &Pictures::backTurned() const {
    return backsTurned_[currentBack_];
}

const QImage &Pictures::backNumber(int back, bool turned) const {
    if (back < 1 || back > 10)
        return empty_;
    return turned ? backsTurned_[back] : backs_[back];
}

const QImage &Pictures::plate(PlateColour colour) const {
    const int c = int(colour);
    if (c < 0 || c >= plateColourCount)
        return plates_[0];
    return plates_[c];
}

const QImage &Pictures::handPointer(int seat) const {
    return seat == 1 || seat == 3 ? handUp_ : handRight_;
}

QImage Pictures::logo() {
    return builtin(QStringLiteral("png"), QStringLiteral("Logo"));
}

QImage Pictures::travellingPicture(int n) {
    return builtin(QStringLiteral("png"), QStringLiteral("GTitle%1").arg(std::clamp(n, 1, 4)));
}

QImage Pictures::menuPicture(int n) {
    return builtin(QStringLiteral("png"), QStringLiteral("PngMenu%1").arg(std::clamp(n, 1, 2)));
}

QImage Pictures::menuPicture(int n, const Scaling &scaling) {
    const QImage picture = menuPicture(n);
    const QSize size(scaling.Scale(140), scaling.Scale(240));
    if (picture.isNull() || size.isEmpty() || picture.size() == size)
        return picture;
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

namespace {
const char *const pointerNames[4] = {"CURARROW", "CURHAND", "CURWAIT", "CUREDIT"};
}

std::vector<QImage> Pictures::pointerFrames(PointerKind kind) {
    const int k = std::clamp(int(kind), 0, 3);
    const QImage strip = builtin(QStringLiteral("png"), QLatin1String(pointerNames[k]));
    std::vector<QImage> frames;
    if (strip.isNull())
        return frames;
    const int side = strip.height();
    for (int x = 0; x + side <= strip.width(); x += side)
        frames.push_back(strip.copy(x, 0, side, side));
    return frames;
}

QPoint Pictures::pointerHotSpot(PointerKind kind) {
    switch (kind) {
    case PointerKind::Arrow:
        return {1, 1};
    case PointerKind::Hand:
        return {9, 1};
    case PointerKind::Wait:
        return {16, 16};
    case PointerKind::Edit:
        return {16, 16};
    }
    return {0, 0};
}

} // namespace quarn
