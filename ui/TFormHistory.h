#pragma once
// The history window "History of games": on the left the intact history
// files (from number 1 up to the first missing or damaged one), on the right
// the entries of the chosen file in a grid of seven columns, each row in the
// colour of its kind of game. The chosen file is remembered for the run.

#include "ui/TWemAuxForm.h"

#include <vector>

class QListWidget;
class QTableWidget;

namespace quarn {

class TFormHistory : public TWemAuxForm {
    Q_OBJECT
  public:
    // rememberedFile: the file chosen at the last opening (0 the first time);
    // the window updates it whenever another file is chosen.
    TFormHistory(const AuxContext &context, int &rememberedFile, QWidget *parent = nullptr);

    QListWidget *fileList() const { return list_; }
    QTableWidget *grid() const { return grid_; }
    // The file numbers the list shows, in its order.
    const std::vector<int> &files() const { return files_; }
    int chosenFile() const { return rememberedFile_; }
    // Highlights the row under the mouse (none: -1); only with two rows or more.
    void hoverRow(int row);
    int hoveredRow() const { return hoveredRow_; }

    // The colour of a row's text for its kind ('L', 'N', 'A', 'T').
    QColor kindColour(char kind) const;
    static QString kindName(char kind);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void fillList();
    void chooseFile(int listRow);
    void fillGrid(int file);
    void paintRow(int row, bool highlighted);

    int &rememberedFile_;
    std::vector<int> files_;
    QListWidget *list_ = nullptr;
    QTableWidget *grid_ = nullptr;
    int hoveredRow_ = -1;
};

} // namespace quarn
