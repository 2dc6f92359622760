#include "ui/options/CardsPage.h"

#include "lang/Language.h"
#include "ui/OptionsChoices.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>

#include <algorithm>
#include <array>

namespace quarn {

namespace {

constexpr int PreviewStep = 63;
constexpr QSize PreviewCell(71, 96);

// The face-set slots the preview shows: ace of hearts, king of diamonds,
// queen of clubs, jack of spades.
constexpr std::array<std::pair<int, int>, 4> PreviewCards{{{1, 9}, {2, 8}, {3, 7}, {4, 6}}};

} // namespace

CardsPage::CardsPage(const OptionsPageTools &tools)
    : OptionsPage(tools, QStringLiteral("TabCards")), previewPictures_(tools.context.folder) {
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    faces_ = named(new QListWidget(this), QStringLiteral("ListBoxFaces"));
    faces_->setIconSize(QSize(16, 11));
    faces_->setFixedWidth(190);
    for (int set = 0; set < faceSetCount; ++set) {
        auto *item = new QListWidgetItem(flagIcon(faceSetFlag(set)), QString(), faces_);
        item->setHidden(!faceSetInfo(set).shipped);
    }
    connect(faces_, &QListWidget::currentRowChanged, this, &CardsPage::chooseFaceSet);
    previewLabel_ = named(new QLabel(this), QStringLiteral("ImagePreview"));
    previewLabel_->setAlignment(Qt::AlignCenter);
    previewLabel_->setMinimumSize(PreviewStep * 3 + PreviewCell.width(), PreviewCell.height());
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(makeDownloadButton(QLatin1String(cardsLibraryA), QStringLiteral("06A")));
    buttons->addWidget(makeDownloadButton(QLatin1String(cardsLibraryB), QStringLiteral("06B")));
    buttons->addWidget(makeDownloadButton(QLatin1String(cardsLibraryC), QStringLiteral("06C")));
    grid->addWidget(faces_, 0, 0, 2, 1);
    grid->addWidget(previewLabel_, 0, 1);
    grid->addLayout(buttons, 1, 1);
}

void CardsPage::load() {
    showFaceSet();
}

void CardsPage::showFaceSet() {
    const QSignalBlocker quiet(faces_);
    faces_->setCurrentRow(std::clamp(settings().faceSet, 0, faceSetCount - 1));
}

void CardsPage::relabel() {
    for (int set = 0; set < faceSetCount; ++set)
        faces_->item(set)->setText(utf8Text(faceSetName(set + 1)));
}

void CardsPage::chooseFaceSet(int row) {
    if (row < 0 || row >= faceSetCount)
        return;
    if (!faceSetInfo(row).shipped)
        row = 0;
    const QString library = libraryOfFaceSet(row);
    if (!library.isEmpty() && !libraryFound(folder(), library)) {
        reportMissing(library);
        row = 0;
    }
    editable().faceSet = row;
    host().facesChanged();
    // The main window may have fallen back as well.
    showFaceSet();
    emit faceSetChanged();
    drawPreview();
}

void CardsPage::drawPreview() {
    previewPictures_.loadFaces(settings().faceSet, Scaling::forWindow(WindowSize::Small));
    QImage image(PreviewStep * int(PreviewCards.size() - 1) + PreviewCell.width(),
                 PreviewCell.height(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    int x = 0;
    for (const auto &[suit, rank] : PreviewCards) {
        const QImage &face = previewPictures_.face(faceSlot(suit, rank));
        if (!face.isNull())
            painter.drawImage(QRect(x, 0, std::min(face.width(), PreviewCell.width()),
                                    std::min(face.height(), PreviewCell.height())),
                              face);
        x += PreviewStep;
    }
    painter.end();
    previewImage_ = image;
    previewLabel_->setPixmap(QPixmap::fromImage(image));
}

} // namespace quarn
