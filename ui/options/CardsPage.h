#pragma once
// The options tab "Cards": the face-set list with the countries' flags, a
// preview of four cards of the chosen set and the download buttons of the
// three card libraries.

#include "table/Pictures.h"
#include "ui/options/OptionsPage.h"

#include <QImage>

class QLabel;
class QListWidget;

namespace quarn {

class CardsPage : public OptionsPage {
    Q_OBJECT
  public:
    explicit CardsPage(const OptionsPageTools &tools);

    void load() override;
    void relabel() override;
    // Draws the four-card preview of the chosen face set at scale 1.0.
    void drawPreview();
    const QImage &preview() const { return previewImage_; }

  signals:
    // The face set changed (the back modes are shown again).
    void faceSetChanged();

  private:
    void chooseFaceSet(int row);
    void showFaceSet();

    Pictures previewPictures_;
    QImage previewImage_;
    QListWidget *faces_ = nullptr;
    QLabel *previewLabel_ = nullptr;
};

} // namespace quarn
