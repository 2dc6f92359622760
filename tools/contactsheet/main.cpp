// quarn-contact-sheet <library.dll> <out.png> [regex] [--columns N]
//
// Opens a resource library (a Qt binary resource bundle), lays every picture
// whose name matches the regex into a grid with its name under it, and writes
// the sheet as a PNG. Entries are "<kind>/<name>"; sounds and other data that
// do not decode as pictures are left out.

#include <QDirIterator>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QResource>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

struct Options {
    QString library;
    QString output;
    QString pattern = QStringLiteral(".*");
    int columns = 0; // 0: chosen from the count
};

struct Entry {
    QString name; // "<kind>/<name>"
    QImage image;
};

void usage() {
    std::fprintf(stderr,
                 "usage: quarn-contact-sheet <library.dll> <out.png> [regex] [--columns N]\n");
}

bool parseArguments(const QStringList &args, Options &options) {
    QStringList positional;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--columns")) {
            bool ok = false;
            options.columns = i + 1 < args.size() ? args[++i].toInt(&ok) : 0;
            if (!ok || options.columns < 1 || options.columns > 1000)
                return false;
        } else {
            positional << args[i];
        }
    }
    if (positional.size() < 2 || positional.size() > 3)
        return false;
    options.library = positional[0];
    options.output = positional[1];
    if (positional.size() == 3)
        options.pattern = positional[2];
    return true;
}

// Every picture of the mounted library whose "<kind>/<name>" (or bare name)
// matches, sorted by name. Files are named "<name>.<ext>" in some bundles, so
// the extension is dropped for matching and the caption.
std::vector<Entry> collectPictures(const QString &root, const QRegularExpression &filter) {
    std::vector<Entry> entries;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QString name = path.mid(root.size() + 1);
        const QString bare = name.section(QLatin1Char('/'), -1);
        if (!filter.match(name).hasMatch() && !filter.match(bare).hasMatch())
            continue;
        QImage image(path);
        if (image.isNull())
            continue;
        entries.push_back({name, image});
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry &a, const Entry &b) { return a.name < b.name; });
    return entries;
}

QImage layOut(const std::vector<Entry> &entries, int columns) {
    const int margin = 8;
    QSize cell(40, 20);
    for (const Entry &e : entries)
        cell = cell.expandedTo(e.image.size());
    // Very large pictures (backgrounds) are shown reduced so the sheet stays viewable.
    const QSize maxCell(400, 300);
    const QSize shown = cell.boundedTo(maxCell);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    const QFontMetrics metrics(font);
    const int captionHeight = metrics.height() + 2;
    const int cellWidth = std::max(shown.width(), 60) + margin;
    const int cellHeight = shown.height() + captionHeight + margin;
    if (columns <= 0)
        columns = std::clamp(
            int(std::ceil(std::sqrt(double(entries.size()) * cellHeight / cellWidth))), 1, 40);
    const int rows = int((entries.size() + columns - 1) / columns);

    QImage sheet(columns * cellWidth + margin, rows * cellHeight + margin, QImage::Format_RGB32);
    sheet.fill(QColor(0x2B, 0x5E, 0x3B)); // table green: shows white cards and transparent edges
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    for (size_t i = 0; i < entries.size(); ++i) {
        const int x = margin + int(i % columns) * cellWidth;
        const int y = margin + int(i / columns) * cellHeight;
        const QImage &image = entries[i].image;
        QSize size = image.size();
        if (size.width() > shown.width() || size.height() > shown.height())
            size = size.scaled(shown, Qt::KeepAspectRatio);
        painter.drawImage(QRect(QPoint(x, y), size), image);
        painter.setPen(QColor(0xF0, 0xF0, 0xE8));
        const QString caption = metrics.elidedText(
            entries[i].name.section(QLatin1Char('/'), -1).section(QLatin1Char('.'), 0, 0),
            Qt::ElideMiddle, cellWidth - 2);
        painter.drawText(QRect(x, y + shown.height() + 1, cellWidth - margin, captionHeight),
                         Qt::AlignLeft | Qt::AlignTop, caption);
    }
    return sheet;
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Options options;
    if (!parseArguments(app.arguments(), options)) {
        usage();
        return 2;
    }
    const QRegularExpression filter(options.pattern);
    if (!filter.isValid()) {
        std::fprintf(stderr, "quarn-contact-sheet: bad regex: %s\n",
                     qPrintable(filter.errorString()));
        return 2;
    }
    const QString mapRoot = QStringLiteral("/contact-sheet");
    if (!QFileInfo(options.library).isFile() ||
        !QResource::registerResource(options.library, mapRoot)) {
        std::fprintf(stderr, "quarn-contact-sheet: cannot open the library %s\n",
                     qPrintable(options.library));
        return 1;
    }
    const std::vector<Entry> entries = collectPictures(QLatin1Char(':') + mapRoot, filter);
    QResource::unregisterResource(options.library, mapRoot);
    if (entries.empty()) {
        std::fprintf(stderr, "quarn-contact-sheet: no picture in %s matches %s\n",
                     qPrintable(options.library), qPrintable(options.pattern));
        return 1;
    }
    const QImage sheet = layOut(entries, options.columns);
    if (!sheet.save(options.output, "PNG")) {
        std::fprintf(stderr, "quarn-contact-sheet: cannot write %s\n", qPrintable(options.output));
        return 1;
    }
    std::printf("%s: %zu pictures\n", qPrintable(options.output), entries.size());
    return 0;
}
