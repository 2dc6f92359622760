#include "ui/options/OptionsPage.h"

#include "table/Pictures.h"

#include <QIcon>
#include <QLabel>
#include <QPixmap>

namespace quarn {

OptionsPage::OptionsPage(const OptionsPageTools &tools, const QString &objectName) : tools_(tools) {
    setObjectName(objectName);
    // The dialog's style sheet gives the pages a transparent background;
    // styled like a plain QWidget so it draws the same.
    setAttribute(Qt::WA_StyledBackground, true);
}

void OptionsPage::reportMissing(const QString &libraryFile) const {
    if (tools_.context.missingLibrary)
        tools_.context.missingLibrary(libraryFile);
}

TWemCardsButton *OptionsPage::makeButton(const QString &objectName, const QFont &font) {
    TWemCardsButton *button = tools_.makeButton(QString(), font);
    button->setParent(this);
    button->setObjectName(objectName);
    button->setFixedHeight(30);
    return button;
}

TWemCardsButton *OptionsPage::makeDownloadButton(const QString &libraryFile,
                                                 const QString &caption) {
    return tools_.makeDownloadButton(libraryFile, caption, this);
}

QuietControls::QuietControls(std::initializer_list<QObject *> controls) {
    blockers_.reserve(controls.size());
    for (QObject *control : controls)
        blockers_.emplace_back(control);
}

QString utf8Text(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QLabel *makeLabel(QWidget *parent, const QString &name) {
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

QIcon flagIcon(const QString &name) {
    if (name.isEmpty())
        return {};
    const QImage flag = Pictures::builtin(QStringLiteral("png"), name);
    return flag.isNull() ? QIcon() : QIcon(QPixmap::fromImage(flag));
}

} // namespace quarn
