#include "ui/options/BackgroundPage.h"

#include "lang/Language.h"
#include "table/Pictures.h"
#include "ui/OptionsChoices.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace quarn {

BackgroundPage::BackgroundPage(const OptionsPageTools &tools)
    : OptionsPage(tools, QStringLiteral("TabBackground")) {
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(8, 6, 8, 6);
    backgroundGroup_ = named(new QGroupBox(this), QStringLiteral("GroupBackground"));
    auto *lists = new QHBoxLayout(backgroundGroup_);
    bgPictures_ = named(new QListWidget(backgroundGroup_), QStringLiteral("ListBoxBackground"));
    for (int picture = 1; picture <= backgroundPictureCount; ++picture)
        new QListWidgetItem(QString(), bgPictures_);
    bgColours_ = named(new QListWidget(backgroundGroup_), QStringLiteral("ListBoxColour"));
    for (int variant = 0; variant < backgroundColourCount; ++variant)
        new QListWidgetItem(QString(), bgColours_);
    lists->addWidget(bgPictures_);
    lists->addWidget(bgColours_);
    connect(bgPictures_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            chooseBackground(row + 1, settings().backgroundColour);
    });
    connect(bgColours_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            chooseBackground(settings().backgroundPicture, row);
    });
    box->addWidget(backgroundGroup_);
    box->addWidget(makeDownloadButton(QLatin1String(backgroundLibrary), QStringLiteral("BG")), 0,
                   Qt::AlignRight);
}

void BackgroundPage::load() {
    const QuietControls quiet{bgPictures_, bgColours_};
    bgPictures_->setCurrentRow(std::clamp(settings().backgroundPicture, 1, backgroundPictureCount) -
                               1);
    bgColours_->setCurrentRow(
        std::clamp(settings().backgroundColour, 0, backgroundColourCount - 1));
    // Neither the menu nor the table shows the background in Purple + Purple.
    const bool bothPurple = settings().menuDesign == ScreenDesign::Purple &&
                            settings().tableDesign == ScreenDesign::Purple;
    bgPictures_->setEnabled(!bothPurple);
    bgColours_->setEnabled(!bothPurple);
}

void BackgroundPage::relabel() {
    // Pictures 1..10 are the names after "Classic".
    backgroundGroup_->setTitle(word(WordEntry::OptBackground));
    for (int picture = 1; picture <= backgroundPictureCount; ++picture)
        bgPictures_->item(picture - 1)->setText(utf8Text(backgroundName(picture + 1)));
    for (int variant = 0; variant < backgroundColourCount; ++variant)
        bgColours_->item(variant)->setText(
            utf8Text(backgroundColourName(colourNameNumberOfVariant(variant))));
}

void BackgroundPage::chooseBackground(int picture, int variant) {
    if (backgroundNeedsLibrary(picture, variant) &&
        !libraryFound(folder(), QLatin1String(backgroundLibrary))) {
        reportMissing(QLatin1String(backgroundLibrary));
        picture = 2;
        variant = 0;
    }
    Settings &s = editable();
    s.backgroundPicture = picture;
    s.backgroundColour = variant;
    host().backgroundChanged();
    load();
}

} // namespace quarn
