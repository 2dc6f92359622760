#include "OptionsFixture.h"

#include <QBuffer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

namespace quarn::testing_support {

namespace {

QImage purpleBackground() {
    QImage image(500, 410, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient fade(0, 0, 0, 410);
    fade.setColorAt(0, QColor(70, 20, 90));
    fade.setColorAt(1, QColor(20, 0, 30));
    p.fillRect(image.rect(), fade);
    p.setPen(QPen(QColor(200, 160, 60), 3));
    p.drawRect(image.rect().adjusted(2, 2, -3, -3));
    return image;
}

QImage heading(QSize size, const QString &text, bool purple) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(size.height() * 2 / 3);
    font.setBold(true);
    p.setFont(font);
    p.setPen(purple ? QColor(255, 220, 90) : QColor(40, 40, 90));
    p.drawText(image.rect(), Qt::AlignCenter, text);
    return image;
}

QImage icon() {
    QImage image(48, 48, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(220, 180, 60));
    p.setPen(QPen(QColor(120, 80, 20), 2));
    p.drawEllipse(6, 6, 36, 36);
    p.setBrush(QColor(70, 20, 90));
    p.drawEllipse(18, 18, 12, 12);
    return image;
}

bool save(const QString &dir, const QString &kind, const QString &name, const QImage &image,
          QStringList &lines) {
    const QString file = dir + QLatin1Char('/') + kind + QLatin1Char('_') + name;
    if (!image.save(file, kind == QLatin1String("jpeg") ? "JPEG" : "PNG"))
        return false;
    lines << QStringLiteral("<file alias=\"%1/%2\">%3</file>").arg(kind, name, file);
    return true;
}

} // namespace

void RecordingHost::downloadLibrary(const QString &libraryFile, std::function<void(bool)> done) {
    ++calls["download"];
    downloaded << libraryFile;
    if (downloadsArrive)
        placeLibrary(folder, libraryFile);
    if (holdDownloads)
        heldDownload = std::move(done);
    else
        done(downloadsArrive);
}

void placeLibrary(const QString &folder, const QString &libraryFile) {
    QFile file(folder + QLatin1Char('/') + libraryFile);
    if (file.open(QIODevice::WriteOnly))
        file.write("library");
}

bool makeOptionsLibrary(const QString &folder) {
    QTemporaryDir work;
    QStringList lines;
    bool ok =
        save(work.path(), QStringLiteral("jpeg"), QStringLiteral("GFormOpt"), purpleBackground(),
             lines) &&
        save(work.path(), QStringLiteral("png"), QStringLiteral("GIcon48Opt"), icon(), lines) &&
        save(work.path(), QStringLiteral("jpeg"), QStringLiteral("GFormSpeed"), purpleBackground(),
             lines) &&
        save(work.path(), QStringLiteral("png"), QStringLiteral("GIcon48Speed"), icon(), lines) &&
        save(work.path(), QStringLiteral("png"), QStringLiteral("GTouch"),
             QImage(3000, 100, QImage::Format_ARGB32), lines);
    for (const char *code : {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze"}) {
        const QString c = QLatin1String(code);
        ok = ok &&
             save(work.path(), QStringLiteral("png"), QStringLiteral("GFormOpt") + c,
                  heading({260, 56}, QStringLiteral("Options ") + c, true), lines) &&
             save(work.path(), QStringLiteral("png"), QStringLiteral("Options") + c,
                  heading({240, 44}, QStringLiteral("Options ") + c, false), lines) &&
             save(work.path(), QStringLiteral("png"), QStringLiteral("GFormSpeed") + c,
                  heading({240, 56}, QStringLiteral("Speed ") + c, true), lines) &&
             save(work.path(), QStringLiteral("png"), QStringLiteral("Speed") + c,
                  heading({240, 44}, QStringLiteral("Speed ") + c, false), lines);
    }
    if (!ok)
        return false;
    QFile qrc(work.path() + QStringLiteral("/lib.qrc"));
    if (!qrc.open(QIODevice::WriteOnly))
        return false;
    qrc.write("<!DOCTYPE RCC><RCC version=\"1.0\"><qresource>\n");
    qrc.write(lines.join(QLatin1Char('\n')).toUtf8());
    qrc.write("\n</qresource></RCC>\n");
    qrc.close();
    QProcess rcc;
    rcc.start(QStringLiteral(QUARN_RCC),
              {QStringLiteral("--binary"), qrc.fileName(), QStringLiteral("-o"),
               folder + QStringLiteral("/WemCGraph1.dll")});
    return rcc.waitForFinished(60000) && rcc.exitStatus() == QProcess::NormalExit &&
           rcc.exitCode() == 0;
}

} // namespace quarn::testing_support
