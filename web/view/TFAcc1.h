#pragma once
// The account window: six pages "My account" (registration, login, sign-out,
// the saved login, "Play global rating"), "My results", "Top 10", "Wems"
// (balance, payment page, transfers), "About me" (own profile and photo,
// opens the profile editor) and "President" (the profile of top-ten row 1),
// and "Ok". It works on the run's Account through the shared web client.
// Every request runs on the request runner off the window's thread, on a copy
// of the account that becomes the window's account when the reply is back;
// the reads of the pages start when the window opens. Closing the window
// cancels what still runs.

#include "ui/TWemAuxForm.h"
#include "web/Account.h"
#include "web/FieldCheck.h"
#include "web/WebServices.h"
#include "web/view/AccountTalk.h"

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace web {
class WebClient;
}

namespace quarn {

class RequestProgress;
class RequestRunner;

class TFAcc1 : public TWemAuxForm {
    Q_OBJECT
  public:
    // forAccountMatch: opened by the start of an account match, the only
    // opening in which "Play global rating" can be ticked.
    TFAcc1(const AuxContext &context, web::WebClient &client, web::Account &account,
           AccountTalk talk, RequestRunner &requests, bool forAccountMatch = false,
           QWidget *parent = nullptr);
    ~TFAcc1() override;

    enum Page { MyAccount, MyResults, TopTen, Wems, AboutMe, President };
    QTabWidget *pages() const { return pages_; }
    QWidget *page(Page page) const;

    // The lamp each checked field shows now: 1 red, 2 yellow, 3 green.
    int fieldLamp(web::FieldMode field) const;
    // The texts of a painted page's rows (for tests): "My results" values,
    // "Top 10" rows as "n.|nick|city|rating".
    QStringList resultTexts() const;
    QStringList topTenTexts() const;
    int wemsFontPixels() const;

    // Runs the profile editor (opened by "Refresh" on "About me"); tests replace it.
    void setProfileEditorRunner(std::function<void()> runner) { editorRunner_ = std::move(runner); }

    // True while one of the window's requests has not come back.
    bool requestsRunning() const;
    const RequestProgress &progress() const { return *progress_; }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  protected:
    void done(int result) override;

  private:
    // Runs `work` with a copy of the account on the request runner; the copy
    // becomes the window's account when it is back, and `shown` shows it.
    using AccountWork = std::function<void(web::WebServices &, web::Account &)>;
    void runOnAccount(QWidget *button, AccountWork work, std::function<void()> shown);

    void buildMyAccount(QWidget *page);
    void buildResults(QWidget *page);
    void buildTopTen(QWidget *page);
    void buildWems(QWidget *page);
    void buildAboutMe(QWidget *page);
    void buildPresident(QWidget *page);

    void fillAccountPage();
    void fillCountries();
    void updateLampsAndButtons();
    void accountEdited(web::FieldMode field, const QString &text);
    void createAccount();
    void loginOrOut();
    void ratingToggled(bool ticked);
    void saveLogin();
    void deleteLogin();
    void refreshResults(QWidget *button);
    void refreshTopTen(QWidget *button);
    void refreshWems(QWidget *button);
    void updateTransferButton();
    void addWems();
    void transferWems();
    void openProfileEditor();
    void presidentRowClicked(int row);
    void fillPresident();
    void redrawPages();

    void paintAccountPage(QWidget *page);
    void paintResults(QWidget *page);
    void paintTopTen(QWidget *page);
    void paintWems(QWidget *page);
    void paintAboutMe(QWidget *page);
    void paintPresident(QWidget *page);
    QFont pageFont(int pixels, bool bold = false) const;
    QColor ink() const;
    // "No Connect" for a read that failed; nothing while it runs.
    QString noConnectText() const;

    web::WebClient &client_;
    web::Account &account_;
    RequestRunner &requests_;
    RequestProgress *progress_ = nullptr;
    AccountTalk talk_;
    bool forAccountMatch_ = false;
    bool filling_ = false;
    bool saveAfterEdit_ = false;
    std::function<void()> editorRunner_;

    QTabWidget *pages_ = nullptr;
    QLineEdit *nick_ = nullptr;
    QLineEdit *password_ = nullptr;
    QLineEdit *city_ = nullptr;
    QLineEdit *email_ = nullptr;
    QComboBox *continent_ = nullptr;
    QComboBox *country_ = nullptr;
    QComboBox *sex_ = nullptr;
    QLineEdit *countryShort_ = nullptr;
    QLineEdit *dateR_ = nullptr;
    QCheckBox *hidePassword_ = nullptr;
    QCheckBox *playRating_ = nullptr;
    QPushButton *create_ = nullptr;
    QPushButton *login_ = nullptr;
    QPushButton *save_ = nullptr;
    QPushButton *delete_ = nullptr;
    std::array<QLabel *, 5> lamps_{}; // by field mode 1 to 4
    QLabel *stateLamp_ = nullptr;
    QLabel *star_ = nullptr;

    QPushButton *addWems_ = nullptr;
    QPushButton *transfer_ = nullptr;
    QSpinBox *amount_ = nullptr;
    QLineEdit *transferNick_ = nullptr;
    QPushButton *aboutRefresh_ = nullptr;
    std::array<QPushButton *, 12> presidentRows_{};
};

} // namespace quarn
