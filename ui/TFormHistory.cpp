#include "ui/TFormHistory.h"

#include "store/History.h"
#include "ui/THeadingBand.h"

#include <QEvent>
#include <QHeaderView>
#include <QListWidget>
#include <QTableWidget>

#include <algorithm>
#include <filesystem>

namespace quarn {

namespace {

constexpr int GridWidth = 45 + 65 + 210 + 45 + 55 + 55 + 80;
constexpr int WindowHeight = 580;
constexpr int Margin = 10;
constexpr int ListWidth = 180;
constexpr int WideListWidth = 193; // with more than 16 files, room for the scroll bar
constexpr int ColumnWidths[] = {45, 65, 210, 45, 55, 55, 80};
constexpr int GridLeft = Margin + WideListWidth + Margin;
constexpr int GridFrame = 2;
constexpr int ScrollBarRoom = 18;
constexpr int WindowWidth = GridLeft + GridWidth + ScrollBarRoom + 2 * GridFrame + Margin;
constexpr int PlayerColumn = 2;

AuxLook historyLook() {
    const QString code = pictureCodeText();
    AuxLook look;
    look.window = QStringLiteral("History");
    look.conciseHeading = QStringLiteral("History") + code;
    look.aristocraticRibbon = QStringLiteral("GCap610");
    look.aristocraticTitle = word(WordEntry::HistoryTitle);
    look.redRibbon = QStringLiteral("GLenta590x116");
    look.redHeading = QStringLiteral("GFormHistory") + code;
    look.purpleHeading = QStringLiteral("GFormHistory") + code;
    look.purpleIcon = QStringLiteral("GIcon48History");
    return look;
}

std::filesystem::path folderPath(const QString &folder) {
    return std::filesystem::path(folder.toStdString());
}

} // namespace

TFormHistory::TFormHistory(const AuxContext &context, int &rememberedFile, QWidget *parent)
    : TWemAuxForm(context, historyLook(), {}, parent), rememberedFile_(rememberedFile) {
    setWindowTitle(word(WordEntry::HistoryTitle));
    setFixedSize(WindowWidth, WindowHeight);
    // "Purple": the lists start below the heading, the icon and the rule under them.
    int top = 86;
    centreHeadingBand();
    if (THeadingBand *band = headingBand()) {
        top = band->height() + 8;
    }
    const bool purple = design() == AuxDesign::Purple;
    const int bottom = WindowHeight - 56;

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ListBox1"));
    list_->setFont(settingsFont(settings(), FontKind::Special2, 13, true));
    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("StringGrid1"));
    grid_->setColumnCount(7);
    grid_->setHorizontalHeaderLabels(
        {word(WordEntry::HistoryTime), word(WordEntry::HistoryDate), word(WordEntry::HistoryPlayer),
         word(WordEntry::HistoryGames), word(WordEntry::HistoryResult),
         word(WordEntry::HistoryRating), word(WordEntry::HistoryType)});
    for (int column = 0; column < 7; ++column)
        grid_->setColumnWidth(column, ColumnWidths[column]);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->horizontalHeader()->setFont(settingsFont(settings(), FontKind::Small, 12, true));
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(20);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->setWordWrap(false);
    grid_->setFont(settingsFont(settings(), FontKind::Small, 12));
    grid_->setMouseTracking(true);
    grid_->viewport()->installEventFilter(this);
    connect(grid_, &QTableWidget::cellEntered, this, [this](int row, int) { hoverRow(row); });
    // The heading row has its own colours.
    grid_->horizontalHeader()->setStyleSheet(
        purple ? QStringLiteral("QHeaderView { background: #3c1060; } QHeaderView::section { "
                                "background: #3c1060; color: #ffd84a; font-weight: bold;"
                                " border: 1px solid #6a2a9a; padding: 2px 0px; }")
               : QStringLiteral("QHeaderView { background: #800000; } QHeaderView::section { "
                                "background: #800000; color: #ffff80; font-weight: bold;"
                                " border: 1px solid #a04040; padding: 2px 0px; }"));
    if (purple) {
        const QString dark =
            QStringLiteral("background: #14061f; color: yellow; border: 1px solid #6a2a9a;");
        grid_->setStyleSheet(QStringLiteral("QTableWidget { %1 gridline-color: #3c1a56; }"
                                            " QTableCornerButton::section { background: #3c1060; }")
                                 .arg(dark));
        list_->setStyleSheet(
            QStringLiteral("QListWidget { %1 } QListWidget::item:selected { background: #6a2a9a; }")
                .arg(dark));
    }

    fillList();
    const int listWidth = files_.size() > 16 ? WideListWidth : ListWidth;
    list_->setGeometry(Margin, top, listWidth, bottom - top - 8);
    grid_->setGeometry(GridLeft, top, WindowWidth - GridLeft - Margin, bottom - top - 8);
    connect(list_, &QListWidget::currentRowChanged, this, &TFormHistory::chooseFile);
    if (!files_.empty()) {
        const auto remembered = std::find(files_.begin(), files_.end(), rememberedFile_);
        const int row =
            remembered != files_.end() ? int(remembered - files_.begin()) : int(files_.size()) - 1;
        list_->setCurrentRow(row);
    }

    TWemCardsButton *ok =
        makeButton(word(WordEntry::OptOk), settingsFont(settings(), FontKind::Large, 20, true));
    ok->setObjectName(QStringLiteral("ButtonOk"));
    ok->setGeometry((WindowWidth - 220) / 2, bottom + 6, 220, 30);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TFormHistory::closeWithSalute);
}

void TFormHistory::fillList() {
    const std::filesystem::path folder = folderPath(context().folder);
    for (int number : listHistoryFiles(folder)) {
        const HistoryFileInfo info = checkHistoryFile(folder, number);
        files_.push_back(number);
        list_->addItem(word(WordEntry::HistoryFile) +
                       QStringLiteral("I%1 ").arg(number, 4, 10, QLatin1Char('0')) +
                       QString::fromStdString(info.date));
    }
    if (files_.empty()) {
        list_->addItem(word(WordEntry::HistoryNoFiles));
        list_->setEnabled(false);
    }
}

void TFormHistory::chooseFile(int listRow) {
    if (listRow < 0 || listRow >= int(files_.size()))
        return;
    rememberedFile_ = files_[size_t(listRow)];
    fillGrid(rememberedFile_);
}

QString TFormHistory::kindName(char kind) {
    switch (kind) {
    case 'N':
        return word(WordEntry::HistoryTypeNet);
    case 'A':
        return word(WordEntry::HistoryTypeAccount);
    case 'T':
        return word(WordEntry::HistoryTypeTourney);
    default:
        return word(WordEntry::HistoryTypeLocal);
    }
}

QColor TFormHistory::kindColour(char kind) const {
    const bool purple = design() == AuxDesign::Purple;
    switch (kind) {
    case 'N':
        return purple ? QColor(90, 230, 90) : QColor(0, 128, 0);
    case 'A':
        return purple ? QColor(255, 90, 90) : QColor(255, 0, 0);
    case 'T':
        return purple ? QColor(110, 170, 255) : QColor(0, 0, 255);
    default:
        return purple ? QColor(Qt::yellow) : palette().color(QPalette::WindowText);
    }
}

void TFormHistory::fillGrid(int file) {
    hoveredRow_ = -1;
    const std::vector<HistoryRow> rows = readHistoryFile(folderPath(context().folder), file);
    grid_->clearContents();
    grid_->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const HistoryRow &row = rows[size_t(r)];
        const QString cells[] = {QString::fromStdString(row.time).trimmed(),
                                 QString::fromStdString(row.date).trimmed(),
                                 QString::fromStdString(row.player).trimmed(),
                                 QString::fromStdString(row.games).trimmed(),
                                 QString::fromStdString(row.result).trimmed(),
                                 QString::fromStdString(row.rating).trimmed(),
                                 kindName(row.kind)};
        for (int column = 0; column < 7; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(Qt::AlignVCenter |
                                   (column == PlayerColumn ? Qt::AlignLeft : Qt::AlignHCenter));
            item->setForeground(kindColour(row.kind));
            item->setData(Qt::UserRole, int(row.kind));
            grid_->setItem(r, column, item);
        }
    }
    if (!rows.empty())
        grid_->scrollToBottom();
}

void TFormHistory::paintRow(int row, bool highlighted) {
    if (row < 0 || row >= grid_->rowCount())
        return;
    const bool purple = design() == AuxDesign::Purple;
    const QBrush background =
        highlighted ? QBrush(purple ? QColor(70, 30, 110) : QColor(255, 236, 180)) : QBrush();
    for (int column = 0; column < grid_->columnCount(); ++column)
        if (QTableWidgetItem *item = grid_->item(row, column))
            item->setBackground(background);
}

void TFormHistory::hoverRow(int row) {
    if (grid_->rowCount() < 2)
        row = -1;
    if (row == hoveredRow_)
        return;
    paintRow(hoveredRow_, false);
    hoveredRow_ = row;
    paintRow(hoveredRow_, true);
}

bool TFormHistory::eventFilter(QObject *watched, QEvent *event) {
    if (grid_ && watched == grid_->viewport() && event->type() == QEvent::Leave)
        hoverRow(-1);
    return TWemAuxForm::eventFilter(watched, event);
}

} // namespace quarn
