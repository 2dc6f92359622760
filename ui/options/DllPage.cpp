#include "ui/options/DllPage.h"

#include "ui/OptionsChoices.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>

namespace quarn {

DllPage::DllPage(const OptionsPageTools &tools) : OptionsPage(tools, QStringLiteral("TabDll")) {
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(3);
    const QStringList libraries = downloadableLibraries();
    for (int i = 0; i < libraries.size(); ++i) {
        const QString caption = QString(libraries[i]).remove(QStringLiteral(".dll"));
        grid->addWidget(makeDownloadButton(libraries[i], caption), i % 4, i / 4);
    }
    radioGroup_ = named(new QGroupBox(this), QStringLiteral("GroupRadioList"));
    auto *radios = new QHBoxLayout(radioGroup_);
    fromServer_ = named(new QRadioButton(radioGroup_), QStringLiteral("RadioFromServer"));
    fromDisk_ = named(new QRadioButton(radioGroup_), QStringLiteral("RadioFromDisk"));
    radios->addWidget(fromServer_);
    radios->addWidget(fromDisk_);
    connect(fromServer_, &QRadioButton::toggled, this, [this](bool on) {
        editable().radioListFromServer = on;
        host().radioListSourceChanged();
    });
    grid->addWidget(radioGroup_, 4, 0, 1, 2);
}

void DllPage::load() {
    const QuietControls quiet{fromServer_, fromDisk_};
    fromServer_->setChecked(settings().radioListFromServer);
    fromDisk_->setChecked(!settings().radioListFromServer);
}

void DllPage::relabel() {
    radioGroup_->setTitle(word(WordEntry::OptRadioListSource));
    fromServer_->setText(word(WordEntry::OptFromServer));
    fromDisk_->setText(word(WordEntry::OptFromDisk));
}

} // namespace quarn
