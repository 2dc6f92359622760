#include "match/MemberLabel.h"

#include "rules/GameState.h"

namespace quarn {

namespace {

constexpr int NameLength = 20;

QString field(const QString &line, int first, int length) {
    return line.mid(first - 1, length).leftJustified(length, QLatin1Char(' '), true);
}

bool isEmptySlot(const QString &line) {
    return line.size() < 37 || line.at(36) == QLatin1Char('#');
}

QString handsInCycle(const QString &hands) {
    bool ok = false;
    const long long n = hands.trimmed().toLongLong(&ok);
    if (!ok)
        return QStringLiteral("###");
    return QString::number(n % kCycleLength).rightJustified(3, QLatin1Char(' '));
}

QString ratingTwoDecimals(const QString &rating) {
    QString text = rating.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok)
        return QStringLiteral("######");
    return QString::number(value, 'f', 2)
        .replace(QLatin1Char('.'), QLatin1Char(','))
        .rightJustified(6, QLatin1Char(' '));
}

} // namespace

QString memberLabel(const QString &line, ClubMode mode) {
    const QString name = field(line, 1, NameLength);
    const QString rating = field(line, 21, 10);
    const QString hands = field(line, 31, 7);
    const QString score = field(line, 39, 6);
    const bool empty = isEmptySlot(line);
    if (mode == ClubMode::Score) {
        const QString cycle = empty ? QStringLiteral("###") : handsInCycle(hands);
        return name + QStringLiteral("    ") + cycle + QStringLiteral("    ") + score;
    }
    const QString shownRating = empty ? QStringLiteral("######") : ratingTwoDecimals(rating);
    return name + QStringLiteral("  ") + hands + QStringLiteral("  ") + shownRating;
}

QString fitMemberLabel(const QString &label, int maxWidth,
                       const std::function<int(const QString &)> &widthOf) {
    const int nameLength = std::min<int>(NameLength, label.size());
    const QString name = label.left(nameLength);
    const QString rest = label.mid(nameLength);
    int keep = nameLength;
    while (keep > 0 && widthOf(name.left(keep) + rest) > maxWidth)
        --keep;
    if (keep == nameLength)
        return label;
    const QString removed = name.mid(keep);
    bool onlyFiller = true;
    for (QChar c : removed)
        onlyFiller = onlyFiller && (c == QLatin1Char(' ') || c == QLatin1Char('#'));
    QString kept = name.left(keep);
    if (!onlyFiller)
        kept = kept.left(std::max(0, keep - 3)) + QStringLiteral("...");
    return kept + rest;
}

} // namespace quarn
