#include "match/MenuHeadings.h"

#include "lang/Language.h"
#include "table/Pictures.h"

namespace quarn {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

const QImage &MenuHeadings::cached(Entry &entry, const QString &name, int variant) {
    if (entry.name != name || entry.variant != variant) {
        entry.name = name;
        entry.variant = variant;
        entry.picture = recolourHeading(Pictures::builtin(QStringLiteral("png"), name), variant);
    }
    return entry.picture;
}

const QImage &MenuHeadings::product(int variant) {
    return cached(product_, QString::fromStdString(mainHeadingPictureName()), variant);
}

const QImage &MenuHeadings::club(bool network, int variant) {
    const QString name =
        (network ? QStringLiteral("Net__") : QStringLiteral("Elite")) + fromUtf8(pictureCode());
    return cached(club_, name, variant);
}

} // namespace quarn
