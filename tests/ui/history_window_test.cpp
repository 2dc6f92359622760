// The history window: the list of intact files, the grid of the chosen file
// with its colours by kind, and the file remembered between openings.
#include "UiFixture.h"

#include "store/History.h"
#include "ui/AuxWindowSet.h"
#include "ui/TFormHistory.h"

#include <QFile>
#include <QHeaderView>
#include <QListWidget>
#include <QTableWidget>

#include <filesystem>

#include <gtest/gtest.h>

namespace quarn {
namespace {

using namespace testing_support;

class HistoryWindow : public ::testing::Test {
  protected:
    std::filesystem::path folderPath() const {
        return std::filesystem::path(f.folder().toStdString());
    }
    QString fileName(int number) const {
        return QString::fromStdString(historyFilePath(folderPath(), number).string());
    }
    void writeFiles(int count) {
        for (int number = 1; number <= count; ++number)
            ASSERT_TRUE(
                writeHistoryFile(f.folder(), number,
                                 {{"Player " + std::to_string(number), number, number, 1.0, 0}}));
    }
    QStringList listTexts(const TFormHistory &window) const {
        QStringList texts;
        for (int i = 0; i < window.fileList()->count(); ++i)
            texts << window.fileList()->item(i)->text();
        return texts;
    }

    WindowFixture f;
    int remembered = 0;
};

TEST_F(HistoryWindow, GridShowsTheEntriesOfAPreparedFileByKind) {
    ASSERT_TRUE(writeHistoryFile(f.folder(), 1,
                                 {{"Anna", 12, 34, 2.83, 0},
                                  {"Anna/Boris", 9, -6, -0.67, 3},
                                  {"Anna", 3, 11, 3.67, 1},
                                  {"Anna/PC 1/PC 2/Boris", 1, 8, 8.0, 2}}));
    TFormHistory window(f.context(), remembered);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("History of games"));
    const QString date = QString::fromStdString(checkHistoryFile(folderPath(), 1).date);
    EXPECT_EQ(listTexts(window), QStringList{QStringLiteral("File I0001 ") + date});
    EXPECT_EQ(window.fileList()->currentRow(), 0);

    QTableWidget *grid = window.grid();
    const QStringList headings{"Time", "Date", "Player", "Games", "Result", "Rating", "Type"};
    const int widths[] = {45, 65, 210, 45, 55, 55, 80};
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(grid->horizontalHeaderItem(column)->text(), headings[column]);
        EXPECT_EQ(grid->columnWidth(column), widths[column]);
    }
    ASSERT_EQ(grid->rowCount(), 4);
    struct Row {
        const char *cells[7];
        QColor colour;
    };
    const QColor windowText = window.palette().color(QPalette::WindowText);
    const Row rows[] = {
        {{"21:05", "03.10.2024", "Anna", "12", "34", "2,83", "Local"}, windowText},
        {{"21:05", "03.10.2024", "Anna/Boris", "9", "-6", "-0,67", "Net"}, QColor(0, 128, 0)},
        {{"21:05", "03.10.2024", "Anna", "3", "11", "3,67", "Account"}, QColor(255, 0, 0)},
        {{"21:05", "03.10.2024", "Anna/PC 1/PC 2/Boris", "1", "8", "8,00", "Tourney"},
         QColor(0, 0, 255)},
    };
    for (int r = 0; r < 4; ++r) {
        for (int column = 0; column < 7; ++column) {
            const QTableWidgetItem *item = grid->item(r, column);
            ASSERT_NE(item, nullptr);
            EXPECT_EQ(item->text(), QString::fromUtf8(rows[r].cells[column])) << r << "," << column;
            EXPECT_EQ(item->foreground().color(), rows[r].colour) << r << "," << column;
            const Qt::Alignment horizontal =
                Qt::Alignment(item->textAlignment()) & Qt::AlignHorizontal_Mask;
            EXPECT_EQ(horizontal, column == 2 ? Qt::AlignLeft : Qt::AlignHCenter)
                << r << "," << column;
        }
    }
}

TEST_F(HistoryWindow, WithoutFilesTheListSaysSoAndIsDisabled) {
    TFormHistory window(f.context(), remembered);
    EXPECT_EQ(listTexts(window), QStringList{QStringLiteral("No History Files")});
    EXPECT_FALSE(window.fileList()->isEnabled());
    EXPECT_EQ(window.grid()->rowCount(), 0);
    EXPECT_EQ(remembered, 0);
}

TEST_F(HistoryWindow, RemembersTheChosenFileAndFallsBackToTheLast) {
    writeFiles(3);
    {
        TFormHistory first(f.context(), remembered);
        EXPECT_EQ(first.fileList()->currentRow(), 2) << "the first opening shows the last file";
        EXPECT_EQ(remembered, 3);
        first.fileList()->setCurrentRow(1);
        EXPECT_EQ(remembered, 2);
        EXPECT_EQ(first.grid()->item(0, 2)->text(), QStringLiteral("Player 2"))
            << "choosing reloads the grid";
    }
    {
        TFormHistory again(f.context(), remembered);
        EXPECT_EQ(again.fileList()->currentRow(), 1);
        EXPECT_EQ(again.grid()->item(0, 2)->text(), QStringLiteral("Player 2"));
    }
    // Deleting file 2 ends the list at file 1; the remembered file has gone.
    ASSERT_TRUE(QFile::remove(fileName(2)));
    TFormHistory after(f.context(), remembered);
    EXPECT_EQ(after.files(), std::vector<int>{1});
    EXPECT_EQ(after.fileList()->currentRow(), 0);
    EXPECT_EQ(remembered, 1);
}

TEST_F(HistoryWindow, ADamagedFileEndsTheList) {
    writeFiles(3);
    QFile file(fileName(2));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    bytes[20] = bytes[20] == 'x' ? 'y' : 'x'; // a character of the name
    file.seek(0);
    file.write(bytes);
    file.close();
    TFormHistory window(f.context(), remembered);
    EXPECT_EQ(window.files(), std::vector<int>{1});
}

TEST_F(HistoryWindow, ListWidensForMoreThanSixteenFiles) {
    writeFiles(16);
    {
        TFormHistory window(f.context(), remembered);
        EXPECT_EQ(window.fileList()->width(), 180);
    }
    writeFiles(17);
    TFormHistory window(f.context(), remembered);
    EXPECT_EQ(window.fileList()->count(), 17);
    EXPECT_EQ(window.fileList()->width(), 193);
}

TEST_F(HistoryWindow, RowUnderTheMouseIsHighlightedOnlyWithSeveralRows) {
    ASSERT_TRUE(writeHistoryFile(f.folder(), 1, {{"One", 1, 1, 1.0, 0}}));
    ASSERT_TRUE(writeHistoryFile(f.folder(), 2, {{"One", 1, 1, 1.0, 0}, {"Two", 2, 2, 1.0, 3}}));
    TFormHistory window(f.context(), remembered);
    window.hoverRow(1);
    EXPECT_EQ(window.hoveredRow(), 1);
    const QBrush lit = window.grid()->item(1, 0)->background();
    EXPECT_NE(lit.style(), Qt::NoBrush);
    window.hoverRow(0);
    EXPECT_EQ(window.grid()->item(1, 0)->background().style(), Qt::NoBrush)
        << "the old row is cleared";
    window.hoverRow(-1);
    EXPECT_EQ(window.grid()->item(0, 0)->background().style(), Qt::NoBrush);

    window.fileList()->setCurrentRow(0);
    window.hoverRow(0);
    EXPECT_EQ(window.hoveredRow(), -1) << "a single row is not highlighted";
}

TEST_F(HistoryWindow, WindowSetPlaysTheOpeningSoundAndKeepsTheChoice) {
    writeFiles(2);
    AuxWindowSet windows(f.context(), nullptr);
    std::vector<int> chosen;
    bool chooseFirst = true;
    windows.setRunner([&](QDialog &dialog) {
        auto &history = dynamic_cast<TFormHistory &>(dialog);
        chosen.push_back(history.chosenFile());
        if (chooseFirst)
            history.fileList()->setCurrentRow(0);
    });
    windows.showHistory();
    chooseFirst = false;
    windows.showHistory();
    EXPECT_EQ(chosen, (std::vector<int>{2, 1}));
    EXPECT_EQ(f.sound.played, (std::vector<std::string>{"WOpenFo", "WOpenFo"}));
}

} // namespace
} // namespace quarn
