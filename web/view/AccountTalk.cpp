#include "web/view/AccountTalk.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace quarn {

void AccountTalk::say(QWidget *parent, const QString &text) const {
    if (inform)
        inform(text);
    else
        QMessageBox::information(parent, QString(), text);
}

bool AccountTalk::question(QWidget *parent, const QString &text) const {
    if (ask)
        return ask(text);
    return QMessageBox::question(parent, QString(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void AccountTalk::showMessageWindow(QWidget *parent, const QStringList &lines) const {
    if (messageWindow)
        messageWindow(lines);
    else
        QMessageBox::information(parent, QString(), lines.join(QLatin1Char('\n')));
}

void AccountTalk::open(const QString &url) const {
    if (openUrl)
        openUrl(url);
    else
        QDesktopServices::openUrl(QUrl::fromUserInput(url));
}

QString AccountTalk::photoFile(QWidget *parent) const {
    if (choosePhotoFile)
        return choosePhotoFile();
    return QFileDialog::getOpenFileName(parent, QString(), QString(),
                                        QStringLiteral("JPEG (*.jpg *.jpeg)"));
}

} // namespace quarn
