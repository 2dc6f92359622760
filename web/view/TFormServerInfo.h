#pragma once
// The passport window ("My Passport", 420 x 480): the nick, the country
// (continent list and country list with flags), the city and the sex under
// which local games and chat messages are sent, kept in the settings
// (lines 27 to 30). A typed character the passport check refuses is not
// taken; every edit re-checks both texts, shows each verdict as a lamp and,
// when both pass, stores them and enables "Ok". The window does not close
// while a text is refused.
//
// Any window opens it modally with the program's settings:
//
//   TFormServerInfo passport(settings, this);
//   passport.exec(); // the settings now hold the passport
#include "ui/TWemAuxForm.h"
#include "web/FieldCheck.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace quarn {

class TFormServerInfo : public TWemAuxForm {
    Q_OBJECT
  public:
    // The simple form: the program's folder as the program chooses it
    // (store/ProgramFolders.h), no sound.
    TFormServerInfo(Settings &settings, QWidget *parent = nullptr);
    TFormServerInfo(const AuxContext &context, QWidget *parent = nullptr);

    QLineEdit *nickEdit() const { return nick_; }
    QLineEdit *cityEdit() const { return city_; }
    QComboBox *continentList() const { return continent_; }
    QComboBox *countryList() const { return country_; }
    QComboBox *sexList() const { return sex_; }
    TWemCardsButton *okButton() const { return ok_; }
    web::FieldVerdict nickVerdict() const { return nickVerdict_; }
    web::FieldVerdict cityVerdict() const { return cityVerdict_; }

    // Closing is refused (the focus goes to the refused field) while a
    // field is refused.
    void done(int result) override;

  private:
    void build();
    QLabel *makeLabel(const QString &text, const char *name, int y);
    void fillCountries(int continent);
    void continentChosen(int row);
    void countryChosen(int row);
    void textsEdited();
    void showLamp(QLabel *lamp, web::FieldVerdict verdict);
    int top() const;

    Settings &passport() const { return *context().settings; }

    QLineEdit *nick_ = nullptr;
    QLineEdit *city_ = nullptr;
    QComboBox *continent_ = nullptr;
    QComboBox *country_ = nullptr;
    QComboBox *sex_ = nullptr;
    QLabel *nickLamp_ = nullptr;
    QLabel *cityLamp_ = nullptr;
    TWemCardsButton *ok_ = nullptr;
    web::FieldVerdict nickVerdict_ = web::kRefused;
    web::FieldVerdict cityVerdict_ = web::kRefused;
    bool filling_ = false;
};

} // namespace quarn
