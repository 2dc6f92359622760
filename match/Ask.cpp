#include "match/Ask.h"

#include "lang/QtWords.h"

#include <QApplication>
#include <QList>

namespace quarn {

namespace {

QList<QMessageBox::StandardButton> &queuedAnswers() {
    static QList<QMessageBox::StandardButton> answers;
    return answers;
}

QStringList &askedTexts() {
    static QStringList texts;
    return texts;
}

bool &quietFlag() {
    static bool quiet = false;
    return quiet;
}

// Texts keep the word table's "\n\r" line breaks; a box shows one line break.
QString forDisplay(QString text) {
    return text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
}

} // namespace

QMessageBox::StandardButton Ask::run(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                     QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton fallback) {
    askedTexts().append(text);
    if (!queuedAnswers().isEmpty())
        return queuedAnswers().takeFirst();
    if (quietFlag())
        return fallback;
    QMessageBox box(icon, qText(productTitle()), forDisplay(text), buttons, parent);
    box.setObjectName(QStringLiteral("AskBox"));
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(fallback);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

bool Ask::question(QWidget *parent, const QString &text) {
    return run(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No) == QMessageBox::Yes;
}

void Ask::error(QWidget *parent, const QString &text) {
    run(parent, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

void Ask::inform(QWidget *parent, const QString &text) {
    run(parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void Ask::setNextAnswer(QMessageBox::StandardButton answer) {
    queuedAnswers().append(answer);
}
void Ask::setQuiet(bool quiet) {
    quietFlag() = quiet;
}
bool Ask::quiet() {
    return quietFlag();
}
QStringList Ask::asked() {
    return askedTexts();
}
void Ask::clearAsked() {
    askedTexts().clear();
    queuedAnswers().clear();
}
void Ask::record(const QString &text) {
    askedTexts().append(text);
}

} // namespace quarn
