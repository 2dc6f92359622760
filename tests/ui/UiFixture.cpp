#include "UiFixture.h"

#include "ui/UiPictures.h"
#include "ui/Words.h"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRadialGradient>

#include <cmath>

namespace quarn::testing_support {

namespace {

// Library background sizes by window.
QSize backgroundSize(const QString &window) {
    if (window == QLatin1String("Count"))
        return {325, 500};
    if (window == QLatin1String("History"))
        return {820, 580};
    if (window == QLatin1String("TopTen"))
        return {460, 700};
    if (window == QLatin1String("End"))
        return {620, 720};
    return {400, 400};
}

// A deep purple night with a soft glow and scattered stars.
QImage purpleBackground(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(size.width() * 0.5, size.height() * 0.25), size.height() * 0.9);
    glow.setColorAt(0, QColor(92, 30, 128));
    glow.setColorAt(0.5, QColor(46, 10, 72));
    glow.setColorAt(1, QColor(10, 0, 18));
    p.fillRect(image.rect(), glow);
    unsigned seed = 46;
    for (int i = 0; i < 160; ++i) {
        seed = seed * 1103515245u + 12345u;
        const int x = int((seed >> 8) % unsigned(size.width()));
        seed = seed * 1103515245u + 12345u;
        const int y = int((seed >> 8) % unsigned(size.height()));
        p.setPen(QColor(255, 230, 255, 60 + int(seed % 140)));
        p.drawPoint(x, y);
    }
    p.setPen(QPen(QColor(200, 160, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(3, 3, size.width() - 6, size.height() - 6), 10, 10);
    return image;
}

// Lettering on a transparent picture: gold for "Purple", maroon otherwise.
QImage lettering(const QString &text, QSize size, bool gold) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(size.height() * 5 / 10);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    const qreal scale = std::min(1.0, (size.width() - 16) / box.width());
    QTransform t;
    t.translate(size.width() / 2.0, size.height() / 2.0);
    t.scale(scale, scale);
    t.translate(-box.center().x(), -box.center().y());
    path = t.map(path);
    p.fillPath(path.translated(1.5, 1.5), QColor(0, 0, 0, 120));
    QLinearGradient fill(0, 0, 0, size.height());
    if (gold) {
        fill.setColorAt(0, QColor(255, 240, 160));
        fill.setColorAt(1, QColor(200, 140, 30));
    } else {
        fill.setColorAt(0, QColor(160, 20, 30));
        fill.setColorAt(1, QColor(90, 0, 10));
    }
    p.fillPath(path, fill);
    return image;
}

// 60 frames of 48 x 48: a diamond turning.
QImage iconStrip() {
    QImage image(48 * 60, 48, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int f = 0; f < 60; ++f) {
        const qreal squeeze = std::abs(std::cos(f * M_PI / 30));
        QPainterPath d;
        const qreal cx = f * 48 + 24, w = 16 * std::max(0.1, squeeze);
        d.moveTo(cx, 6);
        d.lineTo(cx + w, 24);
        d.lineTo(cx, 42);
        d.lineTo(cx - w, 24);
        d.closeSubpath();
        p.fillPath(d, QColor(230, 40, 60));
        p.setPen(QPen(QColor(255, 220, 120), 1.2));
        p.drawPath(d);
    }
    return image;
}

QString windowOf(const QString &name) {
    for (const char *w : {"Count", "History", "TopTen", "End"})
        if (name.contains(QLatin1String(w)))
            return QLatin1String(w);
    return {};
}

QString headingText(const QString &window) {
    if (window == QLatin1String("Count"))
        return QStringLiteral("Information");
    if (window == QLatin1String("History"))
        return QStringLiteral("History of games");
    if (window == QLatin1String("TopTen"))
        return QStringLiteral("Top Ten");
    return QStringLiteral("The completion of game");
}

bool saveEntry(const QString &dir, const QString &name, QStringList &files, QStringList &aliases) {
    QByteArray bytes;
    QString kind = QStringLiteral("png");
    const QString window = windowOf(name);
    if (name.startsWith(QLatin1String("Gif")) && name.size() == 4) {
        bytes = uiAnimation(QStringLiteral("GClub") + name.back());
        kind = QStringLiteral("gif");
    } else {
        QImage image;
        if (name == QLatin1String("GIcon48COunt")) {
            image = iconStrip();
        } else if (name.startsWith(QLatin1String("GIcon48"))) {
            image = iconStrip().copy(0, 0, 48, 48);
        } else if (name == QLatin1String("GTouch")) {
            image = iconStrip().scaled(3000, 100);
        } else if (name == QStringLiteral("GForm") + window) {
            image = purpleBackground(backgroundSize(window));
            kind = QStringLiteral("jpeg");
        } else if (name == QLatin1String("GFormCountL")) {
            image = lettering(QStringLiteral("Info"), {200, 80}, true);
        } else if (name.startsWith(QLatin1String("GForm"))) {
            image = lettering(headingText(window),
                              {name.contains(QLatin1String("Count")) ? 300 : 380, 60}, true);
        } else {
            image = lettering(headingText(window), {300, 48}, false);
        }
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, kind == QLatin1String("jpeg") ? "JPEG" : "PNG");
    }
    const QString file = kind + QLatin1Char('_') + name;
    QFile out(dir + QLatin1Char('/') + file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        return false;
    files << file;
    aliases << kind + QLatin1Char('/') + name;
    return true;
}

} // namespace

QStringList allLibraryEntries() {
    QStringList names;
    const QString code = pictureCodeText();
    for (const char *w : {"Count", "History", "TopTen", "End"}) {
        const QString window = QLatin1String(w);
        names << QStringLiteral("GForm") + window << QStringLiteral("GForm") + window + code
              << QStringLiteral("GIcon48") + window << window + code;
    }
    names << QStringLiteral("CountInfo") << QStringLiteral("GFormCountL")
          << QStringLiteral("GIcon48COunt") << QStringLiteral("GTouch");
    for (char letter : {'A', 'B', 'C', 'E', 'F', 'G'})
        names << QStringLiteral("Gif") + QLatin1Char(letter);
    return names;
}

bool makeGraphicsLibrary(const QString &folder, const QStringList &names) {
    QTemporaryDir work;
    QStringList files, aliases;
    for (const QString &name : names)
        if (!saveEntry(work.path(), name, files, aliases))
            return false;
    QFile qrc(work.path() + QStringLiteral("/lib.qrc"));
    if (!qrc.open(QIODevice::WriteOnly))
        return false;
    qrc.write("<!DOCTYPE RCC><RCC version=\"1.0\"><qresource>\n");
    for (int i = 0; i < files.size(); ++i)
        qrc.write(
            QStringLiteral("<file alias=\"%1\">%2</file>\n").arg(aliases[i], files[i]).toUtf8());
    qrc.write("</qresource></RCC>\n");
    qrc.close();
    QProcess rcc;
    rcc.start(QStringLiteral(QUARN_RCC),
              {QStringLiteral("--binary"), qrc.fileName(), QStringLiteral("-o"),
               folder + QStringLiteral("/WemCGraph1.dll")});
    return rcc.waitForFinished(60000) && rcc.exitStatus() == QProcess::NormalExit &&
           rcc.exitCode() == 0;
}

WindowFixture::WindowFixture() {
    folder_ = root_.path() + QStringLiteral("/Quarn/");
    QDir().mkpath(folder_);
}

AuxContext WindowFixture::context() {
    AuxContext context;
    context.folder = folder_;
    context.settings = &settings;
    context.sound = &sound;
    context.missingLibrary = [this](const QString &file) { missingLibraries << file; };
    return context;
}

void chooseDesign(Settings &settings, int design) {
    settings.purpleWindows = design == 4;
    settings.windowDesign = static_cast<WindowDesign>(design == 4 ? 2 : design);
}

} // namespace quarn::testing_support

#include "store/ClubFile.h"
#include "store/History.h"

#include <filesystem>
#include <fstream>

namespace quarn::testing_support {

bool writeClubFile(const QString &folder, bool networkClub,
                   const std::vector<std::pair<std::string, int>> &topTen) {
    ClubFile club = ClubFile::fresh("0000010460", "");
    for (size_t i = 0; i < topTen.size() && i < 10; ++i)
        club.setTopTen(int(i) + 1, TopTenEntry{topTen[i].first, topTen[i].second});
    std::ofstream out(std::filesystem::path(folder.toStdString()) /
                          (networkClub ? NetworkClubFileName : LocalClubFileName),
                      std::ios::binary);
    out << club.bytes();
    return bool(out);
}

bool writeHistoryFile(const QString &folder, int number, const std::vector<HistoryLine> &lines) {
    std::vector<HisStr> entries;
    for (const HistoryLine &line : lines)
        entries.push_back(
            HisStr{line.name, line.hands, line.result, line.rating, uint8_t(line.kind)});
    const std::string bytes = historyWithEntries({}, entries, HistoryStamp{"21:05", "03.10.2024"});
    const std::filesystem::path path =
        historyFilePath(std::filesystem::path(folder.toStdString()), number);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    return bool(out);
}

} // namespace quarn::testing_support
