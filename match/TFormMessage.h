#pragma once
// The small "Attention" window: up to three lines in a large bold font, the
// third one a link that opens in the browser when clicked. Used for missing
// picture libraries and for notices from the online services.

#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;

namespace quarn {

class TFormMessage : public QDialog {
    Q_OBJECT
  public:
    explicit TFormMessage(const QStringList &lines, QWidget *parent = nullptr);

    // Shows the window modally (or only records the text in quiet test mode).
    static void showMessage(QWidget *parent, const QStringList &lines);

    // Width of the window for lines of the given pixel widths.
    static int windowWidth(int widestLine);

    // Only web addresses are opened; anything else in the link line stays text.
    static bool isOpenableLink(const QString &text);

    static constexpr int LeftMargin = 20;

  private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void openLink(const QString &text);
};

} // namespace quarn
