// quarn-icons: the desktop icon at the sizes of the hicolor theme, drawn
// from its SVG: <out>/<size>x<size>/apps/<name>.png.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

constexpr int iconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

bool writeIcon(QSvgRenderer &renderer, int size, const QString &out, const QString &name) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
    return QDir().mkpath(folder) && image.save(folder + QLatin1Char('/') + name + ".png");
}

} // namespace

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: quarn-icons ICON.svg OUTPUT-FOLDER\n");
        return 2;
    }
    const QString svg = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "quarn-icons: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString name = QFileInfo(svg).completeBaseName();
    for (int size : iconSizes) {
        if (!writeIcon(renderer, size, QString::fromLocal8Bit(argv[2]), name)) {
            std::fprintf(stderr, "quarn-icons: cannot write the %d pixel icon\n", size);
            return 1;
        }
    }
    return 0;
}
