#include "match/TFormMessage.h"

#include "lang/QtWords.h"
#include "match/Ask.h"
#include "ui/TWemCardsButton.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace quarn {

namespace {

constexpr int LineHeight = 40;
constexpr int TopMargin = 16;

QFont messageFont() {
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSize(20);
    font.setBold(true);
    return font;
}

} // namespace

int TFormMessage::windowWidth(int widestLine) {
    const int width = widestLine + LeftMargin + 50;
    return width < 350 ? 400 : width;
}

bool TFormMessage::isOpenableLink(const QString &text) {
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    return url.isValid() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) &&
           !url.host().isEmpty();
}

TFormMessage::TFormMessage(const QStringList &lines, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormMessage"));
    setWindowTitle(QStringLiteral("Attention"));
    const QFont font = messageFont();
    const QFontMetrics metrics(font);
    const QStringList shown = lines.mid(0, 3);
    int widest = 0;
    for (const QString &line : shown)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int width = windowWidth(widest);

    int y = TopMargin;
    for (int i = 0; i < shown.size(); ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("Line%1").arg(i + 1));
        label->setFont(font);
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(LeftMargin, y, width - LeftMargin, LineHeight);
        if (i == 2) {
            QFont link = font;
            link.setUnderline(true);
            label->setFont(link);
            label->setText(shown[i]);
            label->setCursor(Qt::PointingHandCursor);
            label->setTextInteractionFlags(Qt::NoTextInteraction);
            label->installEventFilter(this);
            label->setProperty("link", shown[i]);
            label->setAccessibleName(shown[i]);
        } else {
            label->setText(shown[i]);
        }
        y += LineHeight;
    }
    auto *ok = new TWemCardsButton(word(WordEntry::OptOk), this);
    ok->setObjectName(QStringLiteral("ButtonOk"));
    ok->setAccessibleName(word(WordEntry::OptOk));
    ok->setDefault(true);
    ok->setGeometry((width - 90) / 2, y + 12, 90, 32);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(width, y + 12 + 32 + 16);
}

bool TFormMessage::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        openLink(watched->property("link").toString());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormMessage::openLink(const QString &text) {
    if (isOpenableLink(text))
        QDesktopServices::openUrl(QUrl(text.trimmed()));
}

void TFormMessage::showMessage(QWidget *parent, const QStringList &lines) {
    Ask::record(lines.join(QLatin1Char('\n')));
    if (Ask::quiet())
        return;
    TFormMessage form(lines, parent);
    form.exec();
}

} // namespace quarn
