#include "ui/options/SaveGamesPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

#include <algorithm>

namespace quarn {

SaveGamesPage::SaveGamesPage(const OptionsPageTools &tools)
    : OptionsPage(tools, QStringLiteral("TabSaveGames")) {
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(12, 10, 12, 10);
    recordGif_ = named(new QCheckBox(this), QStringLiteral("CheckBoxRecordGif"));
    capture_ = named(new QComboBox(this), QStringLiteral("ComboBoxCapture"));
    capture_->addItem(QString());
    capture_->addItem(QString());
    delayLabel_ = makeLabel(this, QStringLiteral("LabelDelay"));
    delay_ = named(new QSpinBox(this), QStringLiteral("EditDelay"));
    delay_->setRange(minGifFrameDelay, maxGifFrameDelay);
    delay_->setSingleStep(10);
    connect(recordGif_, &QCheckBox::toggled, this, [this](bool on) {
        editable().recordGif = on;
        load();
    });
    connect(capture_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            editable().gifCaptureArea = static_cast<GifCaptureArea>(index + 1);
    });
    connect(delay_, &QSpinBox::valueChanged, this, [this](int value) {
        if (value >= minGifFrameDelay && value <= maxGifFrameDelay)
            editable().gifFrameDelay = value;
    });
    grid->addWidget(recordGif_, 0, 0, 1, 2);
    grid->addWidget(capture_, 1, 0, 1, 2);
    grid->addWidget(delayLabel_, 2, 0);
    grid->addWidget(delay_, 2, 1);
    grid->setRowStretch(3, 1);
}

void SaveGamesPage::load() {
    const QuietControls quiet{recordGif_, capture_, delay_};
    const Settings &s = settings();
    recordGif_->setChecked(s.recordGif);
    recordGif_->setEnabled(s.windowSize == WindowSizeSetting::Small);
    capture_->setCurrentIndex(s.gifCaptureArea == GifCaptureArea::WholeWindow ? 1 : 0);
    delay_->setValue(std::clamp(s.gifFrameDelay, minGifFrameDelay, maxGifFrameDelay));
    capture_->setEnabled(s.recordGif);
    delay_->setEnabled(s.recordGif);
    delayLabel_->setEnabled(s.recordGif);
}

void SaveGamesPage::relabel() {
    recordGif_->setText(word(WordEntry::OptSaveGamesAsGif));
    capture_->setItemText(0, word(WordEntry::OptSaveMainWindow));
    capture_->setItemText(1, word(WordEntry::OptSaveScreen));
    delayLabel_->setText(word(WordEntry::OptFrameDelay));
}

} // namespace quarn
