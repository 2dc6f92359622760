#pragma once
// The base of every auxiliary window (history, top ten, end of game, game
// information, and the windows built later): it chooses the window's design
// from the settings, loads the library pictures that design needs and falls
// back to "Gray aristocratic" when they are missing, paints the "Purple"
// background, builds the heading band of the gray designs, styles the
// window's buttons and pointers, and closes on Escape.

#include "rules/SoundPlayer.h"
#include "store/Settings.h"
#include "ui/AuxDesign.h"
#include "ui/GraphicsLibrary.h"
#include "ui/TWemCardsButton.h"
#include "ui/UiText.h"

#include <QDialog>
#include <QImage>
#include <QStringList>

#include <functional>
#include <optional>
#include <string_view>

namespace quarn {

class THeadingBand;

// What every auxiliary window takes from the program.
struct AuxContext {
    QString folder;               // the program's folder
    Settings *settings = nullptr; // the program's settings; a design fall-back changes them
    SoundPlayer *sound = nullptr; // null plays nothing
    // Shows the missing-library message for a library file name.
    std::function<void(const QString &libraryFile)> missingLibrary;
};

// How a window is dressed in each design.
struct AuxLook {
    QString window;             // W: library pictures "GForm" + W, "GIcon48" + W
    QString conciseHeading;     // "Gray concise": the library's heading picture
    QString aristocraticRibbon; // "Gray aristocratic": the program's ribbon ...
    QString aristocraticTitle;  //   ... and the title on it (shown in capitals)
    QString redRibbon;          // "Gray with red ribbons": the program's ribbon ...
    QString redHeading;         //   ... and the library's heading picture over it
    QString purpleHeading;      // "Purple": the library's heading picture
    QString purpleIcon;         //   and its icon
};

class TWemAuxForm : public QDialog {
    Q_OBJECT
  public:
    AuxDesign design() const { return design_; }
    // The picture the design found in the library (for tests and the screenshots).
    bool hasLibraryPicture(const QString &name) const { return library_ && library_->has(name); }

  protected:
    // Chooses the design and loads its library pictures; `extraNames` are
    // further library entries the window wants in the non-aristocratic designs.
    TWemAuxForm(const AuxContext &context, AuxLook look, const QStringList &extraNames = {},
                QWidget *parent = nullptr);

    const AuxContext &context() const { return context_; }
    const Settings &settings() const { return *context_.settings; }
    const AuxLook &look() const { return look_; }
    QImage libraryPicture(const QString &name) const;
    QByteArray libraryBytes(const QString &name) const;

    // The heading band of the gray designs, dressed for the design; the
    // window places it. Null in the "Purple" design.
    THeadingBand *headingBand() const { return band_; }
    // Puts the band across the top of the window: the concise band spans the
    // width with its heading picture centred, a ribbon is centred.
    void centreHeadingBand();
    // A button of the window in the design's scheme, look and pointer.
    TWemCardsButton *makeButton(const QString &text, const QFont &font);
    // Colours of the window's texts in the design.
    QColor textColour(QColor gray) const;

    void playSound(std::string_view name);
    // The OK button's salute (when on), then the window closes.
    void closeWithSalute();

    void paintEvent(QPaintEvent *event) override;

  private:
    void chooseDesign(const QStringList &extraNames);
    void dressHeadingBand();
    void applyPointer(QWidget *widget, bool hand) const;

    AuxContext context_;
    AuxLook look_;
    AuxDesign design_ = AuxDesign::GrayAristocratic;
    std::optional<GraphicsLibrary> library_;
    QImage background_;
    QImage purpleHeading_;
    QImage purpleIcon_;
    THeadingBand *band_ = nullptr;
};

} // namespace quarn
