#include "ui/options/GeneralPage.h"

#include "lang/Language.h"
#include "ui/OptionsChoices.h"
#include "ui/UiPictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>

#include <algorithm>
#include <array>

namespace quarn {

GeneralPage::GeneralPage(const OptionsPageTools &tools, QSize screen)
    : OptionsPage(tools, QStringLiteral("TabGeneral")) {
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(4);

    languages_ = named(new QListWidget(this), QStringLiteral("ListBoxLanguage"));
    for (int language = 0; language < languageCount; ++language)
        new QListWidgetItem(flagIcon(languageFlag(language)), utf8Text(languageName(language)),
                            languages_);
    languages_->setIconSize(QSize(16, 11));
    languages_->setFixedWidth(150);
    connect(languages_, &QListWidget::currentRowChanged, this, &GeneralPage::chooseLanguage);

    sizes_ = named(new QComboBox(this), QStringLiteral("ComboBoxSize"));
    sizeValues_ = fittingWindowSizes(screen);
    for (std::size_t i = 0; i < sizeValues_.size(); ++i)
        sizes_->addItem(QString());
    connect(sizes_, &QComboBox::currentIndexChanged, this, &GeneralPage::chooseWindowSize);

    buildMultimedia();

    multiplayer_ = named(new QCheckBox(this), QStringLiteral("CheckBoxMultiplayer"));
    connect(multiplayer_, &QCheckBox::toggled, this, [this](bool on) {
        editable().multiplayer = on;
        host().networkModeChanged();
    });

    const QFont buttonFont = settingsFont(settings(), FontKind::Large, 14, true);
    speed_ = makeButton(QStringLiteral("ButtonSpeed"), buttonFont);
    connect(speed_, &QPushButton::clicked, this, &GeneralPage::speedRequested);
    passport_ = makeButton(QStringLiteral("ButtonPassport"), buttonFont);
    connect(passport_, &QPushButton::clicked, this, [this] { host().showPassport(); });

    grid->addWidget(languages_, 0, 0, 3, 1);
    grid->addWidget(sizes_, 3, 0);
    grid->addWidget(multimedia_, 0, 1, 2, 2);
    grid->addWidget(multiplayer_, 2, 1, 1, 2);
    grid->addWidget(speed_, 3, 1);
    grid->addWidget(passport_, 3, 2);
}

void GeneralPage::buildMultimedia() {
    multimedia_ = named(new QGroupBox(this), QStringLiteral("GroupMultimedia"));
    auto *media = new QGridLayout(multimedia_);
    media->setContentsMargins(8, 4, 8, 4);
    media->setVerticalSpacing(2);
    sound_ = named(new QCheckBox(multimedia_), QStringLiteral("CheckBoxSound"));
    music_ = named(new QCheckBox(multimedia_), QStringLiteral("CheckBoxMusic"));
    gif_ = named(new QCheckBox(multimedia_), QStringLiteral("CheckBoxGif"));
    fly_ = named(new QCheckBox(multimedia_), QStringLiteral("CheckBoxFly"));
    redCursor_ = named(new QCheckBox(multimedia_), QStringLiteral("CheckBoxCursor"));
    newButtons_ = named(new QCheckBox(multimedia_), QStringLiteral("CheckBoxNewButtons"));
    const std::array<QCheckBox *, 6> boxes{sound_, music_, gif_, fly_, redCursor_, newButtons_};
    for (int i = 0; i < int(boxes.size()); ++i)
        media->addWidget(boxes[std::size_t(i)], i, 0);
    connectMultimedia();
}

void GeneralPage::connectMultimedia() {
    connect(sound_, &QCheckBox::toggled, this, [this](bool on) { editable().soundEffects = on; });
    connect(music_, &QCheckBox::toggled, this, [this](bool on) {
        editable().music = on;
        host().musicChanged();
    });
    connect(gif_, &QCheckBox::toggled, this, [this](bool on) {
        editable().gifAnimation = on;
        host().animationsChanged();
    });
    connect(fly_, &QCheckBox::toggled, this, [this](bool on) { editable().cardFlight = on; });
    connect(redCursor_, &QCheckBox::toggled, this, &GeneralPage::chooseRedCursor);
    connect(newButtons_, &QCheckBox::toggled, this, &GeneralPage::chooseNewButtons);
}

void GeneralPage::load() {
    const QuietControls quiet{languages_, sizes_, multiplayer_, sound_,     music_,
                              gif_,       fly_,   redCursor_,   newButtons_};
    const Settings &s = settings();
    languages_->setCurrentRow(std::clamp(s.language, 0, languageCount - 1));
    const auto size = std::find(sizeValues_.begin(), sizeValues_.end(), int(s.windowSize));
    sizes_->setCurrentIndex(size == sizeValues_.end() ? -1 : int(size - sizeValues_.begin()));
    sizes_->setToolTip(windowSizeHint(int(s.windowSize)));
    multiplayer_->setChecked(s.multiplayer);
    sound_->setChecked(s.soundEffects);
    music_->setChecked(s.music);
    gif_->setChecked(s.gifAnimation);
    fly_->setChecked(s.cardFlight);
    redCursor_->setChecked(s.redMouseCursor);
    newButtons_->setChecked(s.newButtons);
    showSpeed();
}

void GeneralPage::relabel() {
    const std::array<WordEntry, windowSizeItemCount> sizeNames{
        WordEntry::OptSmallWindow, WordEntry::OptFullScreen, WordEntry::OptAverageWindow1,
        WordEntry::OptAverageWindow2, WordEntry::OptLargeWindow};
    for (std::size_t i = 0; i < sizeValues_.size(); ++i)
        sizes_->setItemText(int(i), word(sizeNames[std::size_t(sizeValues_[i] - 1)]));
    multiplayer_->setText(word(WordEntry::OptMultiplayer));
    multimedia_->setTitle(word(WordEntry::OptMultimedia));
    sound_->setText(word(WordEntry::OptSound));
    music_->setText(word(WordEntry::OptMusic));
    gif_->setText(word(WordEntry::OptGifAnimation));
    fly_->setText(word(WordEntry::OptFlyCards));
    redCursor_->setText(word(WordEntry::OptRedCursor));
    newButtons_->setText(word(WordEntry::OptNewButtons));
    showSpeed();
    passport_->setText(word(WordEntry::OptPassport));
}

void GeneralPage::showSpeed() {
    speed_->setText(word(WordEntry::OptSpeed) + QLatin1Char('=') +
                    QString::number(settings().flightSpeed));
}

void GeneralPage::chooseLanguage(int row) {
    if (row < 0 || row >= languageCount)
        return;
    editable().language = row;
    setLanguage(row);
}

void GeneralPage::chooseWindowSize(int index) {
    if (index < 0 || index >= int(sizeValues_.size()))
        return;
    Settings &s = editable();
    s.windowSize = static_cast<WindowSizeSetting>(sizeValues_[std::size_t(index)]);
    // Recording works only in the small window.
    if (s.windowSize != WindowSizeSetting::Small)
        s.recordGif = false;
    sizes_->setToolTip(windowSizeHint(int(s.windowSize)));
    host().windowSizeChanged();
    emit windowSizeChanged();
}

void GeneralPage::chooseRedCursor(bool on) {
    editable().redMouseCursor = on;
    // The whole dialog takes the new pointers at once.
    QWidget *dialog = window();
    dialog->setCursor(windowPointer(on, false));
    for (TWemCardsButton *button : dialog->findChildren<TWemCardsButton *>())
        button->setCursor(windowPointer(on, true));
    host().cursorsChanged();
}

void GeneralPage::chooseNewButtons(bool on) {
    editable().newButtons = on;
    setNewStyleOnButtons(window(), on);
    host().buttonLookChanged();
}

} // namespace quarn
