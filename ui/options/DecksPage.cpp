#include "ui/options/DecksPage.h"

#include "lang/Language.h"
#include "table/Pictures.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace quarn {

DecksPage::DecksPage(const OptionsPageTools &tools)
    : OptionsPage(tools, QStringLiteral("TabDecks")) {
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    backs_ = named(new QListWidget(this), QStringLiteral("ListBoxBacks"));
    backs_->setFixedWidth(190);
    for (int set = 0; set < backSetCount; ++set)
        new QListWidgetItem(QString(), backs_);
    connect(backs_, &QListWidget::currentRowChanged, this, &DecksPage::chooseBackSet);
    modification_ = named(new QGroupBox(this), QStringLiteral("GroupModification"));
    auto *modes = new QVBoxLayout(modification_);
    changeDecks_ = named(new QRadioButton(modification_), QStringLiteral("RadioChangeDecks"));
    alwaysOne_ = named(new QRadioButton(modification_), QStringLiteral("RadioAlwaysOne"));
    random_ = named(new QRadioButton(modification_), QStringLiteral("RadioRandom"));
    const std::array<std::pair<QRadioButton *, BackMode>, 3> choices{
        {{changeDecks_, BackMode::ChangeDecks},
         {alwaysOne_, BackMode::AlwaysOne},
         {random_, BackMode::Random}}};
    for (const auto &[radio, mode] : choices) {
        modes->addWidget(radio);
        connect(radio, &QRadioButton::toggled, this, [this, mode = mode](bool on) {
            if (on)
                chooseBackMode(mode);
        });
    }
    grid->addWidget(backs_, 0, 0, 2, 1);
    grid->addWidget(modification_, 0, 1);
    grid->addWidget(makeDownloadButton(QLatin1String(cardsLibraryB), QStringLiteral("06B")), 1, 1,
                    Qt::AlignBottom);
}

void DecksPage::load() {
    const QuietControls quiet{backs_, changeDecks_, alwaysOne_, random_};
    const int set = std::clamp(settings().backSet, 0, backSetCount - 1);
    backs_->setCurrentRow(set);
    const BackModes modes = backModesFor(set, settings().alwaysOneBack);
    changeDecks_->setEnabled(modes.changeDecksEnabled);
    alwaysOne_->setEnabled(modes.alwaysOneEnabled);
    random_->setEnabled(modes.randomEnabled);
    switch (modes.shown) {
    case BackMode::ChangeDecks:
        changeDecks_->setChecked(true);
        break;
    case BackMode::AlwaysOne:
        alwaysOne_->setChecked(true);
        break;
    case BackMode::Random:
        random_->setChecked(true);
        break;
    }
}

void DecksPage::relabel() {
    // The back list: "Classical-1", "Medieval-1", "Medieval-2", "Carpet", "Cross",
    // "Chess", "Diamond", "Knightly", "Animals", "Flowers", "Places", "Other", "Russian".
    const std::array<WordEntry, backSetCount> backNames{
        WordEntry::FaceSetClassical1, WordEntry::FaceSetMedieval1, WordEntry::FaceSetMedieval2,
        WordEntry::BackSetCarpet,     WordEntry::BackSetCross,     WordEntry::BackSetChess,
        WordEntry::BackSetDiamond,    WordEntry::BackSetKnightly,  WordEntry::BackSetAnimals,
        WordEntry::BackSetFlowers,    WordEntry::BackSetPlaces,    WordEntry::BackSetOther,
        WordEntry::BackSetRussian};
    for (int set = 0; set < backSetCount; ++set)
        backs_->item(set)->setText(word(backNames[std::size_t(set)]));
    modification_->setTitle(word(WordEntry::OptModification));
    changeDecks_->setText(word(WordEntry::OptChangeDecks));
    alwaysOne_->setText(word(WordEntry::OptAlwaysOne));
    random_->setText(word(WordEntry::OptRandom));
}

void DecksPage::chooseBackSet(int row) {
    if (row < 0 || row >= backSetCount)
        return;
    const QString library = libraryOfBackSet(row);
    if (!library.isEmpty() && !libraryFound(folder(), library)) {
        reportMissing(library);
        row = 0;
    }
    Settings &s = editable();
    s.backSet = row;
    s.alwaysOneBack =
        storedAlwaysOne(row, s.alwaysOneBack ? BackMode::AlwaysOne : BackMode::ChangeDecks);
    host().backsChanged();
    load();
    emit backSetChanged();
}

void DecksPage::chooseBackMode(BackMode mode) {
    editable().alwaysOneBack = storedAlwaysOne(settings().backSet, mode);
    load();
}

} // namespace quarn
