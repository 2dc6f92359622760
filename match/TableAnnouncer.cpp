#include "match/TableAnnouncer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace quarn {
namespace {

// Screen readers read status lines when their text changes.
QAccessibleInterface *statusLineFactory(const QString &, QObject *object) {
    if (auto *line = qobject_cast<TableAnnouncer *>(object))
        return new QAccessibleWidget(line, QAccessible::StatusBar);
    return nullptr;
}

} // namespace

TableAnnouncer::TableAnnouncer(QWidget *parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(statusLineFactory);
        return true;
    }();
    (void)installed;
    setObjectName(QStringLiteral("TableAnnouncer"));
    // A status line without a picture of its own: a screen reader finds it,
    // the mouse passes through it and nothing is painted.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
}

void TableAnnouncer::announce(const QString &sentence) {
    if (sentence.isEmpty())
        return;
    last_ = sentence;
    account_.append(sentence);
    setAccessibleDescription(account_.join(QStringLiteral(". ")));
    setAccessibleName(sentence);
    for (const auto type : {QAccessible::NameChanged, QAccessible::Alert}) {
        QAccessibleEvent event(this, type);
        QAccessible::updateAccessibility(&event);
    }
}

void TableAnnouncer::clearHand() {
    account_.clear();
    setAccessibleDescription(QString());
}

} // namespace quarn
