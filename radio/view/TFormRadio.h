#pragma once
// The radio window "Wem Internet-Radio": the play picture (switches the
// radio on and off), the country box with the 28 countries and their flags,
// the station box of the chosen country, the volume buttons ButtonMinus and
// ButtonPlus with the volume picture between them, the station's logo in its
// frame, and "Ok". Every change goes to the radio at once; nothing is
// written to disk until the program closes.

#include "ui/TWemAuxForm.h"

#include <QImage>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace quarn {

class RadioController;

class TFormRadio : public TWemAuxForm {
    Q_OBJECT
  public:
    TFormRadio(RadioController &radio, QWidget *parent = nullptr);

    QComboBox *countryBox() const { return countries_; }
    QComboBox *stationBox() const { return stations_; }
    QPushButton *playButton() const { return play_; }
    QPushButton *buttonMinus() const { return minus_; }
    QPushButton *buttonPlus() const { return plus_; }
    TWemCardsButton *okButton() const { return ok_; }
    // The names of the pictures drawn now (for tests).
    QString volumePicture() const { return volumeName_; }
    QString logoPicture() const { return logoName_; }
    const std::vector<std::string> &stationIds() const { return stationIds_; }

  private:
    void buildControls();
    void fillCountries();
    // Fills the station box for filter 1 to 28 from the station list.
    void fillStations(int filter);
    void stationChosen(int index);
    void drawPlayPicture();
    void drawVolumeAndLogo();
    QImage radioPicture(const QString &name) const;

    RadioController &radio_;
    QPushButton *play_ = nullptr;
    QLabel *countryLabel_ = nullptr;
    QComboBox *countries_ = nullptr;
    QLabel *stationLabel_ = nullptr;
    QComboBox *stations_ = nullptr;
    QPushButton *minus_ = nullptr;
    QLabel *volume_ = nullptr;
    QPushButton *plus_ = nullptr;
    QLabel *logo_ = nullptr;
    TWemCardsButton *ok_ = nullptr;
    std::vector<std::string> stationIds_;
    bool filling_ = false;
    QString volumeName_;
    QString logoName_;
};

} // namespace quarn
