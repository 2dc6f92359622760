#include "ui/options/GamePage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace quarn {

GamePage::GamePage(const OptionsPageTools &tools) : OptionsPage(tools, QStringLiteral("TabGame")) {
    auto *box = new QVBoxLayout(this);
    minor_ = named(new QGroupBox(this), QStringLiteral("GroupMinor"));
    auto *inner = new QVBoxLayout(minor_);
    highlight_ = named(new QCheckBox(minor_), QStringLiteral("CheckBoxHighlight"));
    strongOpponents_ = named(new QCheckBox(minor_), QStringLiteral("CheckBoxStrongOpponents"));
    inner->addWidget(highlight_);
    inner->addWidget(strongOpponents_);
    connect(highlight_, &QCheckBox::toggled, this,
            [this](bool on) { editable().highlightPlayable = on; });
    connect(strongOpponents_, &QCheckBox::toggled, this,
            [this](bool on) { editable().strongOpponents = on; });
    box->addWidget(minor_);
    box->addStretch();
}

void GamePage::load() {
    const QuietControls quiet{highlight_, strongOpponents_};
    highlight_->setChecked(settings().highlightPlayable);
    strongOpponents_->setChecked(settings().strongOpponents);
}

void GamePage::relabel() {
    minor_->setTitle(word(WordEntry::OptMinor));
    highlight_->setText(word(WordEntry::OptHighlightPlayable));
    strongOpponents_->setText(word(WordEntry::OptStrongOpponents));
}

} // namespace quarn
