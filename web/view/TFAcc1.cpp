#include "web/view/TFAcc1.h"

#include "store/Cp1251.h"
#include "ui/THeadingBand.h"
#include "web/AccountSteps.h"
#include "web/Countries.h"
#include "web/ProfileLinks.h"
#include "web/Scramble.h"
#include "web/WebClient.h"
#include "web/view/AccountPictures.h"
#include "web/view/CountryPictures.h"
#include "web/view/RequestProgress.h"
#include "web/view/RequestRunner.h"
#include "web/view/TFAcc2.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include <algorithm>
#include <filesystem>
#include <memory>

namespace quarn {

namespace {

constexpr int WindowWidth = 600;
constexpr int PageHeight = 380;
constexpr int PurpleTop = 74;
constexpr int FieldLeft = 120;
constexpr int FieldWidth = 190;
constexpr int RightColumn = 370;
constexpr int RightWidth = 196;

AuxLook accountLook() {
    const QString code = pictureCodeText();
    AuxLook look;
    look.window = QStringLiteral("Acc");
    look.conciseHeading = QStringLiteral("Acc") + code;
    look.aristocraticRibbon = QStringLiteral("GCap300");
    look.aristocraticTitle = word(WordEntry::ClubName);
    look.redRibbon = QStringLiteral("GLenta590x116");
    look.redHeading = QStringLiteral("GFormAcc") + code;
    look.purpleHeading = QStringLiteral("GFormAcc") + code;
    look.purpleIcon = QStringLiteral("GIcon48Acc");
    return look;
}

// A page whose pictures and texts the window paints.
class PaintedPage : public QWidget {
  public:
    PaintedPage(std::function<void(QWidget *)> paint, QWidget *parent)
        : QWidget(parent), paint_(std::move(paint)) {}

  protected:
    void paintEvent(QPaintEvent *) override { paint_(this); }

  private:
    std::function<void(QWidget *)> paint_;
};

QString fromUtf8(const std::string &text) {
    return QString::fromStdString(text);
}

std::string toUtf8(const QString &text) {
    return text.toStdString();
}

QPixmap lampPixmap(int verdict) {
    const web::AccountState looks[] = {web::AccountState::LoggedOut, web::AccountState::LoggedOut,
                                       web::AccountState::LoggedIn,
                                       web::AccountState::PlayingForRating};
    return QPixmap::fromImage(accountPicture(lampName(looks[std::clamp(verdict, 1, 3)])));
}

const char *const kNoConnect = "No Connect";
const char *const kNoConnectMessage = "No Connect!";

} // namespace

TFAcc1::TFAcc1(const AuxContext &context, web::WebClient &client, web::Account &account,
               AccountTalk talk, RequestRunner &requests, bool forAccountMatch, QWidget *parent)
    : TWemAuxForm(context, accountLook(), {}, parent), client_(client), account_(account),
      requests_(requests), talk_(std::move(talk)), forAccountMatch_(forAccountMatch) {
    setObjectName(QStringLiteral("FAcc1"));
    setWindowTitle(word(WordEntry::ClubName));
    // The heading band is centred across the window's own width.
    setFixedWidth(WindowWidth);
    centreHeadingBand();
    const int top = headingBand() ? headingBand()->height() + 6 : PurpleTop;
    setFixedSize(WindowWidth, top + PageHeight + 60);
    progress_ = new RequestProgress(
        this, QRect((WindowWidth - 240) / 2, top + PageHeight / 2 - 18, 240, 36));

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setGeometry(8, top, WindowWidth - 16, PageHeight);
    pages_->setFont(pageFont(13, true));
    const struct {
        QString title;
        void (TFAcc1::*build)(QWidget *);
        void (TFAcc1::*paint)(QWidget *);
        const char *name;
    } pageList[] = {
        {word(WordEntry::AccPageMyAccount), &TFAcc1::buildMyAccount, &TFAcc1::paintAccountPage,
         "TabAccount"},
        {word(WordEntry::AccPageMyResults), &TFAcc1::buildResults, &TFAcc1::paintResults,
         "TabResults"},
        {QStringLiteral("Top 10"), &TFAcc1::buildTopTen, &TFAcc1::paintTopTen, "TabTop10"},
        {QStringLiteral("Wems"), &TFAcc1::buildWems, &TFAcc1::paintWems, "TabWems"},
        {word(WordEntry::AccPageAboutMe), &TFAcc1::buildAboutMe, &TFAcc1::paintAboutMe,
         "TabAboutMe"},
        {word(WordEntry::AccPagePresident), &TFAcc1::buildPresident, &TFAcc1::paintPresident,
         "TabPresident"},
    };
    for (const auto &entry : pageList) {
        auto *page =
            new PaintedPage([this, paint = entry.paint](QWidget *w) { (this->*paint)(w); }, pages_);
        page->setObjectName(QLatin1String(entry.name));
        page->setFont(pageFont(13));
        page->setAutoFillBackground(false);
        (this->*entry.build)(page);
        pages_->addTab(page, entry.title);
    }

    TWemCardsButton *ok =
        makeButton(word(WordEntry::OptOk), settingsFont(settings(), FontKind::Large, 16, true));
    ok->setObjectName(QStringLiteral("BitBtnOk"));
    ok->setGeometry((WindowWidth - 140) / 2, height() - 44, 140, 32);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { closeWithSalute(); });

    if (design() == AuxDesign::Purple)
        pages_->setStyleSheet(QStringLiteral(
            "QTabWidget::pane { background: rgba(45, 0, 70, 170); border: 1px solid #c8a0ff; }"
            "QTabBar::tab { background: rgba(70, 10, 100, 200); color: #ffff80;"
            " border: 1px solid #c8a0ff; padding: 4px 8px; }"
            "QTabBar::tab:selected { background: rgba(120, 40, 160, 230); color: yellow; }"
            "QLabel, QCheckBox { color: yellow; }"));
    // A disabled button shows gray letters.
    for (TWemCardsButton *button : findChildren<TWemCardsButton *>())
        button->setGrayDis(true);

    hidePassword_->setChecked(true);
    fillAccountPage();
    runOnAccount(
        nullptr,
        [](web::WebServices &web, web::Account &account) {
            web::ReadAccountWindowData(web, account);
        },
        [this] {
            fillAccountPage();
            redrawPages();
        });
}

TFAcc1::~TFAcc1() {
    requests_.cancelAll(this);
}

void TFAcc1::done(int result) {
    // Closing stops the window's requests at once; their late replies are dropped.
    requests_.cancelAll(this);
    TWemAuxForm::done(result);
}

bool TFAcc1::requestsRunning() const {
    return requests_.busy(this);
}

QString TFAcc1::noConnectText() const {
    // While the reads are under way nothing is known yet.
    return requestsRunning() ? QString() : QLatin1String(kNoConnect);
}

void TFAcc1::runOnAccount(QWidget *button, AccountWork work, std::function<void()> shown) {
    progress_->begin(button);
    updateLampsAndButtons();
    web::WebClient &client = client_;
    requests_.run<web::Account>(
        this,
        [&client, account = account_, work]() mutable {
            web::WebServices web(client);
            work(web, account);
            return account;
        },
        [this, button, work, shown = std::move(shown), state = account_.state,
         nick = account_.user.Nick](web::Account account) {
            progress_->end();
            // The start's silent login may have come back meanwhile: its
            // account stands, and the work is done again on it.
            if (account_.state != state || account_.user.Nick != nick) {
                runOnAccount(button, work, shown);
                return;
            }
            account_ = std::move(account);
            updateLampsAndButtons();
            shown();
            for (int i = 0; i < pages_->count(); ++i)
                pages_->widget(i)->update();
        });
}

QWidget *TFAcc1::page(Page which) const {
    return pages_->widget(int(which));
}

QFont TFAcc1::pageFont(int pixels, bool bold) const {
    return settingsFont(settings(), FontKind::Small, pixels, bold);
}

QColor TFAcc1::ink() const {
    return textColour(QColor(0, 0, 128));
}

// ---- "My account" -----------------------------------------------------------

void TFAcc1::buildMyAccount(QWidget *page) {
    const auto label = [&](WordEntry entry, int y, QWidget *buddy, const char *name) {
        auto *l = new QLabel(word(entry), page);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(10, y, FieldLeft - 14, 24);
        l->setBuddy(buddy);
        return l;
    };
    const auto edit = [&](const char *name, int y, int maxLength) {
        auto *e = new QLineEdit(page);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(FieldLeft, y, FieldWidth, 24);
        e->setMaxLength(maxLength);
        return e;
    };
    nick_ = edit("EditNick", 40, 12);
    password_ = edit("EditPassword", 70, 12);
    // Hidden letters are shown as "#".
    password_->setStyleSheet(
        QStringLiteral("QLineEdit { lineedit-password-character: 35; background: white;"
                       " border: 1px solid #a0a0a0; border-radius: 2px; padding: 1px 2px; }"
                       "QLineEdit:disabled { background: #ececec; color: #909090; }"));
    city_ = edit("EditCity", 100, 15);
    email_ = edit("EditEMail", 130, 30);
    continent_ = new QComboBox(page);
    continent_->setObjectName(QStringLiteral("ComboBoxContinent"));
    continent_->setGeometry(FieldLeft, 160, FieldWidth, 24);
    country_ = new QComboBox(page);
    country_->setObjectName(QStringLiteral("ComboBoxCountry"));
    country_->setGeometry(FieldLeft, 190, FieldWidth, 24);
    countryShort_ = edit("EditCountryShort", 220, 15);
    countryShort_->setReadOnly(true);
    sex_ = new QComboBox(page);
    sex_->setObjectName(QStringLiteral("ComboBoxSex"));
    sex_->setGeometry(FieldLeft, 250, FieldWidth, 24);
    sex_->addItems({word(WordEntry::AccMale), word(WordEntry::AccFemale)});
    dateR_ = edit("EditRegistration", 280, 10);
    dateR_->setReadOnly(true);

    label(WordEntry::AccNick, 40, nick_, "LabelNick");
    label(WordEntry::AccPassword, 70, password_, "LabelPassword");
    label(WordEntry::AccCity, 100, city_, "LabelCity");
    label(WordEntry::AccEMail, 130, email_, "LabelEMail");
    label(WordEntry::AccCountry, 160, continent_, "LabelCountry");
    label(WordEntry::AccSex, 250, sex_, "LabelSex");
    label(WordEntry::AccRegistration, 280, dateR_, "LabelRegistration");
    country_->setAccessibleName(word(WordEntry::AccCountry));
    countryShort_->setAccessibleName(word(WordEntry::AccCountry));

    const struct {
        web::FieldMode mode;
        QLineEdit *edit;
    } checked[] = {{web::kNickField, nick_},
                   {web::kPasswordField, password_},
                   {web::kCityField, city_},
                   {web::kEMailField, email_}};
    for (const auto &c : checked) {
        auto *lamp = new QLabel(page);
        lamp->setObjectName(QStringLiteral("Lamp") + c.edit->objectName().mid(4));
        lamp->setGeometry(FieldLeft + FieldWidth + 6, c.edit->y(), 24, 24);
        lamps_[std::size_t(c.mode)] = lamp;
        c.edit->installEventFilter(this);
        connect(c.edit, &QLineEdit::textChanged, this,
                [this, mode = c.mode](const QString &text) { accountEdited(mode, text); });
        if (c.mode == web::kNickField || c.mode == web::kPasswordField)
            connect(c.edit, &QLineEdit::textEdited, this, [this] {
                saveAfterEdit_ = true;
                updateLampsAndButtons();
            });
    }

    for (int continent = 1; continent <= web::kContinentCount; ++continent)
        continent_->addItem(word(WordEntry(int(WordEntry::ContinentEurope) + continent - 1)));
    connect(continent_, &QComboBox::activated, this, [this](int position) {
        account_.user.Country2 = web::formatCountryCode(position + 1, 0);
        fillCountries();
        country_->setCurrentIndex(0);
        account_.user.Country1 = std::string(web::CountryNames(position + 1, 0).shortName);
        countryShort_->setText(fromUtf8(account_.user.Country1));
    });
    connect(country_, &QComboBox::activated, this, [this](int index) {
        const int continent = continent_->currentIndex() + 1;
        account_.user.Country2 = web::formatCountryCode(continent, index);
        account_.user.Country1 = std::string(web::CountryNames(continent, index).shortName);
        countryShort_->setText(fromUtf8(account_.user.Country1));
    });
    connect(sex_, &QComboBox::activated, this,
            [this](int index) { account_.user.Sex = index == 0 ? 'M' : 'W'; });

    const auto button = [&](WordEntry entry, const char *name, int x, int y, int w) {
        auto *b = makeButton(word(entry), pageFont(14, true));
        b->setParent(page);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(x, y, w, 30);
        return b;
    };
    create_ = button(WordEntry::AccCreate, "ButtonCreate", RightColumn, 40, RightWidth);
    login_ = button(WordEntry::AccLogin, "ButtonLogin", RightColumn, 76, RightWidth);
    save_ = button(WordEntry::AccSave, "ButtonSave", RightColumn, 112, RightWidth / 2 - 3);
    delete_ = button(WordEntry::AccDelete, "ButtonDelete", RightColumn + RightWidth / 2 + 3, 112,
                     RightWidth / 2 - 3);
    connect(create_, &QPushButton::clicked, this, &TFAcc1::createAccount);
    connect(login_, &QPushButton::clicked, this, &TFAcc1::loginOrOut);
    connect(save_, &QPushButton::clicked, this, &TFAcc1::saveLogin);
    connect(delete_, &QPushButton::clicked, this, &TFAcc1::deleteLogin);

    hidePassword_ = new QCheckBox(word(WordEntry::AccHidePassword), page);
    hidePassword_->setObjectName(QStringLiteral("CheckBoxHide"));
    hidePassword_->setGeometry(RightColumn, 150, RightWidth, 24);
    connect(hidePassword_, &QCheckBox::toggled, this, [this](bool hide) {
        password_->setEchoMode(hide ? QLineEdit::Password : QLineEdit::Normal);
    });
    playRating_ = new QCheckBox(word(WordEntry::AccPlayGlobalRating), page);
    playRating_->setObjectName(QStringLiteral("CheckBoxRating"));
    playRating_->setGeometry(RightColumn, 180, RightWidth, 24);
    connect(playRating_, &QCheckBox::clicked, this, &TFAcc1::ratingToggled);

    stateLamp_ = new QLabel(page);
    stateLamp_->setObjectName(QStringLiteral("ImageLamp"));
    stateLamp_->setGeometry(RightColumn + 110, 4, 24, 24);
    star_ = new QLabel(page);
    star_->setObjectName(QStringLiteral("ImageStar"));
    star_->setGeometry(RightColumn + 140, 0, 32, 32);
    for (QLabel *label : page->findChildren<QLabel *>())
        label->setFont(pageFont(13, true));
    // Long translations shrink to the column.
    for (QCheckBox *box : {hidePassword_, playRating_})
        box->setFont(fitToWidth(pageFont(13, true), box->text(), RightWidth - 26));
}

void TFAcc1::fillCountries() {
    const int continent = continent_->currentIndex() + 1;
    country_->clear();
    const auto list = web::countriesOf(continent);
    for (std::size_t index = 0; index < list.size(); ++index)
        country_->addItem(
            QIcon(flagPicture(web::formatCountryCode(continent, int(index)))),
            QString::fromUtf8(list[index].english.data(), qsizetype(list[index].english.size())));
}

void TFAcc1::fillAccountPage() {
    filling_ = true;
    const web::TWemUser &u = account_.user;
    nick_->setText(fromUtf8(u.Nick));
    password_->setText(fromUtf8(u.Pw));
    city_->setText(fromUtf8(u.City));
    email_->setText(fromUtf8(u.EMail));
    const auto code = web::parseCountryCode(u.Country2);
    continent_->setCurrentIndex(code ? code->continent - 1 : 0);
    fillCountries();
    country_->setCurrentIndex(code ? code->index : 0);
    countryShort_->setText(fromUtf8(u.Country1));
    sex_->setCurrentIndex(u.Sex == 'M' ? 0 : 1);
    dateR_->setText(account_.isLoggedIn() ? fromUtf8(u.DateR) : QStringLiteral("00.00.0000"));
    transferNick_->setText(fromUtf8(account_.transferNick));
    filling_ = false;
    updateLampsAndButtons();
}

void TFAcc1::accountEdited(web::FieldMode field, const QString &text) {
    if (filling_)
        return;
    web::TWemUser &u = account_.user;
    switch (field) {
    case web::kNickField:
        u.Nick = toUtf8(text);
        break;
    case web::kPasswordField:
        u.Pw = toUtf8(text);
        u.PwC = web::Scramble(quarn::utf8ToCp1251(u.Pw).value_or(std::string()), web::kAccountKey);
        break;
    case web::kCityField:
        u.City = toUtf8(text);
        break;
    case web::kEMailField:
        u.EMail = toUtf8(text);
        break;
    default:
        break;
    }
    updateLampsAndButtons();
}

int TFAcc1::fieldLamp(web::FieldMode field) const {
    const web::TWemUser &u = account_.user;
    switch (field) {
    case web::kNickField:
        return web::FieldCheck(u.Nick, field);
    case web::kPasswordField:
        return web::FieldCheck(u.Pw, field);
    case web::kCityField:
        return web::FieldCheck(u.City, field);
    case web::kEMailField:
        return web::FieldCheck(u.EMail, field);
    default:
        return web::kRefused;
    }
}

void TFAcc1::updateLampsAndButtons() {
    for (web::FieldMode mode :
         {web::kNickField, web::kCityField, web::kPasswordField, web::kEMailField}) {
        const int verdict = fieldLamp(mode);
        lamps_[std::size_t(mode)]->setPixmap(lampPixmap(verdict));
        lamps_[std::size_t(mode)]->setAccessibleName(QString::number(verdict));
    }
    const web::AccountButtons b = web::accountButtons(account_, forAccountMatch_);
    // A reply under way replaces the account: what would change it waits.
    const bool ready = !(progress_ && progress_->running());
    for (QWidget *field : std::initializer_list<QWidget *>{nick_, password_, city_, email_,
                                                           continent_, country_, sex_})
        field->setEnabled(b.fields && ready);
    create_->setEnabled(b.create && ready);
    login_->setEnabled(b.loginOrOut && ready);
    login_->setText(word(account_.isLoggedIn() ? WordEntry::AccSignOut : WordEntry::AccLogin));
    login_->setAccessibleName(login_->text());
    save_->setEnabled((b.save || (saveAfterEdit_ && !account_.accountMatch)) && ready);
    delete_->setEnabled(b.remove && ready);
    playRating_->setEnabled(b.playRating && ready);
    playRating_->setChecked(account_.state == web::AccountState::PlayingForRating);
    stateLamp_->setPixmap(QPixmap::fromImage(accountPicture(lampName(account_.state))));
    star_->setPixmap(QPixmap::fromImage(accountPicture(starName(account_.state))));
    if (aboutRefresh_)
        aboutRefresh_->setEnabled(account_.isLoggedIn() && ready);
    if (addWems_) {
        addWems_->setEnabled(account_.isLoggedIn());
        amount_->setMaximum(std::max(0, account_.user.R04));
        updateTransferButton();
    }
}

bool TFAcc1::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        const bool typed = !text.isEmpty() && text.at(0).isPrint();
        web::FieldMode field = web::kTypedChar;
        if (watched == nick_)
            field = web::kNickField;
        else if (watched == password_)
            field = web::kPasswordField;
        else if (watched == city_)
            field = web::kCityField;
        else if (watched == email_)
            field = web::kEMailField;
        if (typed && field != web::kTypedChar) {
            for (const QChar c : text)
                if (!web::typedCharAccepted(field, toUtf8(QString(c))))
                    return true; // refused: the key does nothing
        }
    }
    return TWemAuxForm::eventFilter(watched, event);
}

void TFAcc1::createAccount() {
    const std::string today = toUtf8(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    auto result = std::make_shared<web::RegisterResult>(web::kRegisterFailed);
    runOnAccount(
        create_,
        [today, result](web::WebServices &web, web::Account &account) {
            *result = web::CreateAccount(web, account, today);
        },
        [this, result] {
            switch (*result) {
            case web::kRegistered:
                talk_.say(this, word(WordEntry::AccCreated));
                break;
            case web::kNickTaken:
                talk_.say(this, word(WordEntry::AccNickTaken));
                break;
            default:
                talk_.say(this, word(WordEntry::WebCannotCreateAccount));
                break;
            }
            fillAccountPage();
            redrawPages();
        });
}

void TFAcc1::loginOrOut() {
    if (account_.isLoggedIn()) {
        web::LogOut(account_);
        client_.forgetLogin(); // no quiet login again after signing out
        fillAccountPage();
        redrawPages();
        return;
    }
    auto loggedIn = std::make_shared<bool>(false);
    runOnAccount(
        login_,
        [loggedIn](web::WebServices &web, web::Account &account) {
            *loggedIn = web::LogIn(web, account);
        },
        [this, loggedIn] {
            if (!*loggedIn)
                talk_.say(this, word(WordEntry::WebLoginFailed));
            fillAccountPage();
            redrawPages();
        });
}

void TFAcc1::ratingToggled(bool ticked) {
    web::SetPlayingForRating(account_, ticked);
    updateLampsAndButtons();
}

void TFAcc1::saveLogin() {
    if (web::SaveLogin(account_, context().folder.toStdString()))
        saveAfterEdit_ = false;
    updateLampsAndButtons();
}

void TFAcc1::deleteLogin() {
    web::DeleteLogin(account_, context().folder.toStdString());
    saveAfterEdit_ = true;
    updateLampsAndButtons();
}

void TFAcc1::redrawPages() {
    updateLampsAndButtons();
    fillPresident();
    for (int i = 0; i < pages_->count(); ++i)
        pages_->widget(i)->update();
}

void TFAcc1::paintAccountPage(QWidget *page) {
    QPainter p(page);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(pageFont(16, true));
    p.setPen(ink());
    const QString title = word(WordEntry::AccMyAccountTitle);
    p.setFont(fitToWidth(pageFont(16, true), title, RightColumn + 100));
    p.drawText(QRect(10, 6, RightColumn + 100, 26), Qt::AlignLeft | Qt::AlignVCenter, title);
    if (account_.countRead) {
        p.setFont(pageFont(14, true));
        p.setPen(QColor(220, 0, 0));
        p.drawText(QRect(RightColumn, 214, RightWidth, 24), Qt::AlignLeft | Qt::AlignVCenter,
                   word(WordEntry::AccClubMembers) + QString::number(account_.memberCount));
    }
    const QImage windows = accountPicture(QStringLiteral("Windows"));
    const QImage android = accountPicture(QStringLiteral("Android"));
    const int foot = page->height() - windows.height() - 10;
    p.drawImage(RightColumn, foot, windows);
    p.drawImage(RightColumn + RightWidth - android.width(), foot, android);
}

// ---- "My results" -----------------------------------------------------------

void TFAcc1::buildResults(QWidget *page) {
    auto *refresh = makeButton(word(WordEntry::AccRefresh), pageFont(14, true));
    refresh->setParent(page);
    refresh->setObjectName(QStringLiteral("ButtonRefreshResults"));
    refresh->setGeometry(page->parentWidget()->width() - 180, PageHeight - 80, 150, 30);
    connect(refresh, &QPushButton::clicked, this, [this, refresh] { refreshResults(refresh); });
}

void TFAcc1::refreshResults(QWidget *button) {
    runOnAccount(button, web::ReadOwnResults, [] {});
}

QStringList TFAcc1::resultTexts() const {
    const web::TWemGame &g = account_.game;
    QStringList values{qText(productTitle())};
    const bool shown = account_.isLoggedIn() && !account_.user.Nick.empty();
    if (!account_.resultsRead) {
        for (int i = 0; i < 8; ++i)
            values << noConnectText();
        return values;
    }
    if (!shown) {
        for (int i = 0; i < 8; ++i)
            values << QString();
        return values;
    }
    values << fromUtf8(account_.user.Nick) << QString::fromStdString(web::formatRating(g.Rating))
           << QString::number(g.Place) << QString::number(g.Kon) << QString::number(g.Best)
           << QString::number(g.Sessions) << QString::number(g.KonL) << QString::number(g.Score);
    return values;
}

void TFAcc1::paintResults(QWidget *page) {
    QPainter p(page);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(pageFont(16, true));
    p.setPen(ink());
    p.drawText(QRect(0, 8, page->width(), 26), Qt::AlignHCenter, word(WordEntry::AccResultsTitle));
    const WordEntry labels[] = {
        WordEntry::AccResGame,         WordEntry::AccResPlayer,      WordEntry::AccResRating,
        WordEntry::AccResPlace,        WordEntry::AccResPlayedGames, WordEntry::AccResBestScore,
        WordEntry::AccResPlayedCycles, WordEntry::AccResCurrentDeal, WordEntry::AccResCurrentScore};
    const QStringList values = resultTexts();
    for (int row = 0; row < 9; ++row) {
        const int y = 44 + 30 * row;
        p.setFont(pageFont(15, true));
        p.setPen(ink());
        p.drawText(QRect(40, y, 230, 26), Qt::AlignRight | Qt::AlignVCenter,
                   word(labels[row]) + QLatin1Char(':'));
        const bool noConnect = row > 0 && !account_.resultsRead;
        p.setPen(noConnect ? QColor(220, 0, 0) : textColour(QColor(128, 0, 0)));
        p.setFont(pageFont(15, false));
        p.drawText(QRect(285, y, 260, 26), Qt::AlignLeft | Qt::AlignVCenter, values[row]);
    }
}

// ---- "Top 10" ------------------------------------------------------------------

void TFAcc1::buildTopTen(QWidget *page) {
    auto *refresh = makeButton(word(WordEntry::AccRefresh), pageFont(14, true));
    refresh->setParent(page);
    refresh->setObjectName(QStringLiteral("ButtonRefreshTop"));
    refresh->setGeometry(page->parentWidget()->width() - 180, PageHeight - 70, 150, 28);
    connect(refresh, &QPushButton::clicked, this, [this, refresh] { refreshTopTen(refresh); });
}

void TFAcc1::refreshTopTen(QWidget *button) {
    runOnAccount(button, web::ReadTopTenRows, [] {});
}

QStringList TFAcc1::topTenTexts() const {
    QStringList rows;
    for (int n = 1; n <= 10; ++n) {
        const web::TWemTop10 &row = account_.topTen[std::size_t(n - 1)];
        if (!account_.topTenRead)
            rows << noConnectText();
        else if (row.Nick.empty())
            rows << QString();
        else
            rows << QStringLiteral("%1.|%2|%3|%4")
                        .arg(n)
                        .arg(fromUtf8(row.Nick), fromUtf8(row.City),
                             QString::fromStdString(web::formatRating(row.Rating)));
    }
    return rows;
}

void TFAcc1::paintTopTen(QWidget *page) {
    QPainter p(page);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(pageFont(16, true));
    p.setPen(ink());
    p.drawText(QRect(0, 6, page->width(), 24), Qt::AlignHCenter, word(WordEntry::AccTopTitle));
    const int columns[] = {12, 48, 190, 222, 262, 420};
    const WordEntry headers[] = {WordEntry::AccTopNumber,  WordEntry::AccTopNick,
                                 WordEntry::AccTopCountry, WordEntry::AccTopSex,
                                 WordEntry::AccTopCity,    WordEntry::AccTopRating};
    p.setFont(pageFont(13, true));
    p.setPen(textColour(QColor(128, 0, 0)));
    for (int c = 0; c < 5; ++c)
        p.drawText(QRect(columns[c], 34, 130, 22), Qt::AlignLeft | Qt::AlignVCenter,
                   word(headers[c]));
    p.drawText(QRect(columns[5], 34, 110, 22), Qt::AlignRight | Qt::AlignVCenter, word(headers[5]));
    p.setFont(pageFont(13, false));
    for (int n = 1; n <= 10; ++n) {
        const web::TWemTop10 &row = account_.topTen[std::size_t(n - 1)];
        const int y = 58 + 25 * (n - 1);
        if (!account_.topTenRead) {
            p.setPen(QColor(220, 0, 0));
            p.drawText(QRect(columns[0], y, 300, 22), Qt::AlignLeft | Qt::AlignVCenter,
                       noConnectText());
            continue;
        }
        if (row.Nick.empty())
            continue;
        p.setPen(n <= 3 ? textColour(QColor(200, 0, 0)) : ink());
        p.drawText(QRect(columns[0], y, 34, 22), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::number(n) + QLatin1Char('.'));
        p.drawText(QRect(columns[1], y, 140, 22), Qt::AlignLeft | Qt::AlignVCenter,
                   fromUtf8(row.Nick));
        DrawFlag(row.Country, p, columns[2], y + 5);
        DrawSex(std::string(1, row.Sex), p, columns[3], y + 3);
        p.drawText(QRect(columns[4], y, 150, 22), Qt::AlignLeft | Qt::AlignVCenter,
                   fromUtf8(row.City));
        p.drawText(QRect(columns[5], y, 110, 22), Qt::AlignRight | Qt::AlignVCenter,
                   QString::fromStdString(web::formatRating(row.Rating)));
    }
}

// ---- "Wems" ----------------------------------------------------------------------

void TFAcc1::buildWems(QWidget *page) {
    const int width = page->parentWidget()->width();
    addWems_ = makeButton(word(WordEntry::AccAddWems), pageFont(14, true));
    addWems_->setParent(page);
    addWems_->setObjectName(QStringLiteral("ButtonAddWems"));
    addWems_->setGeometry(30, 150, 300, 30);
    connect(addWems_, &QPushButton::clicked, this, &TFAcc1::addWems);

    auto *refresh = makeButton(word(WordEntry::AccRefresh), pageFont(14, true));
    refresh->setParent(page);
    refresh->setObjectName(QStringLiteral("ButtonRefreshWems"));
    refresh->setGeometry(width - 180, 150, 150, 30);
    connect(refresh, &QPushButton::clicked, this, [this, refresh] { refreshWems(refresh); });

    amount_ = new QSpinBox(page);
    amount_->setObjectName(QStringLiteral("SpinAmount"));
    amount_->setGeometry(30, 240, 110, 26);
    amount_->setToolTip(word(WordEntry::AccTransferAmount));
    amount_->setAccessibleName(word(WordEntry::AccTransferAmount));
    transferNick_ = new QLineEdit(page);
    transferNick_->setObjectName(QStringLiteral("EditTransferNick"));
    transferNick_->setGeometry(150, 240, 180, 26);
    transferNick_->setMaxLength(12);
    transferNick_->setToolTip(word(WordEntry::AccTransferNickHint));
    transferNick_->setPlaceholderText(word(WordEntry::AccNick));
    transferNick_->setAccessibleName(word(WordEntry::AccTransferNickHint));
    transfer_ = makeButton(word(WordEntry::AccTransferWems), pageFont(14, true));
    transfer_->setParent(page);
    transfer_->setObjectName(QStringLiteral("ButtonTransfer"));
    transfer_->setGeometry(340, 238, 200, 30);
    connect(amount_, &QSpinBox::valueChanged, this, [this](int value) {
        account_.transferAmount = value;
        updateTransferButton();
    });
    connect(transferNick_, &QLineEdit::textChanged, this, [this](const QString &text) {
        account_.transferNick = toUtf8(text.trimmed());
        updateTransferButton();
    });
    connect(transfer_, &QPushButton::clicked, this, &TFAcc1::transferWems);
}

void TFAcc1::updateTransferButton() {
    transfer_->setEnabled(web::transferEnabled(account_) && !(progress_ && progress_->running()));
}

void TFAcc1::refreshWems(QWidget *button) {
    runOnAccount(
        button,
        [](web::WebServices &web, web::Account &account) { web::ReadOwnBalance(web, account); },
        [] {});
}

void TFAcc1::addWems() {
    QApplication::clipboard()->setText(fromUtf8(account_.user.Nick) + QLatin1Char('#') +
                                       word(WordEntry::AccRefill));
    talk_.showMessageWindow(this,
                            {word(WordEntry::AccPayComment), word(WordEntry::AccPayCredited)});
    talk_.open(QString::fromStdString(client_.addresses().paymentPageUrl()) +
               QStringLiteral("100"));
}

void TFAcc1::transferWems() {
    switch (web::checkTransfer(account_)) {
    case web::TransferCheck::NotEnoughWems:
        talk_.say(this, word(WordEntry::AccNotEnoughWems));
        return;
    case web::TransferCheck::EmptyTransfer:
        talk_.say(this, word(WordEntry::AccEmptyTransfer));
        return;
    case web::TransferCheck::Ready:
        break;
    }
    const QString question = word(WordEntry::AccTransferQuestion) + QStringLiteral(" \"") +
                             fromUtf8(account_.transferNick) + QStringLiteral("\" ") +
                             QString::number(account_.transferAmount) + QStringLiteral(" Wems?");
    if (!talk_.question(this, question))
        return;
    auto outcome = std::make_shared<web::TransferOutcome>(web::TransferOutcome::NoConnect);
    runOnAccount(
        transfer_,
        [outcome](web::WebServices &web, web::Account &account) {
            *outcome = web::TransferWems(web, account);
        },
        [this, outcome] {
            switch (*outcome) {
            case web::TransferOutcome::Done:
                talk_.say(this, word(WordEntry::AccTransferDone));
                break;
            case web::TransferOutcome::NoSuchMember:
                talk_.say(this, word(WordEntry::AccNoSuchMember));
                break;
            case web::TransferOutcome::NotEnoughWems:
                talk_.say(this, word(WordEntry::AccNotEnoughWems));
                break;
            case web::TransferOutcome::NoConnect:
                talk_.say(this, QLatin1String(kNoConnectMessage));
                break;
            }
        });
}

int TFAcc1::wemsFontPixels() const {
    return web::wemsFontSize(account_.user.R04);
}

void TFAcc1::paintWems(QWidget *page) {
    QPainter p(page);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.drawImage(30, 30, accountPicture(QStringLiteral("WemCoin")));
    QFont big = pageFont(wemsFontPixels(), true);
    big.setPixelSize(wemsFontPixels());
    p.setFont(big);
    p.setPen(textColour(QColor(160, 110, 0)));
    p.drawText(QRect(140, 30, 260, 96), Qt::AlignLeft | Qt::AlignVCenter,
               account_.isLoggedIn() ? QString::number(account_.user.R04) : QStringLiteral("0"));
    p.setFont(pageFont(15, true));
    p.setPen(ink());
    p.drawText(QRect(30, 206, 400, 26), Qt::AlignLeft | Qt::AlignVCenter,
               word(WordEntry::AccTransfer));
    p.setPen(textColour(QColor(128, 128, 128)));
    p.drawLine(30, 232, page->width() - 30, 232);
}

// ---- "About me" --------------------------------------------------------------

void TFAcc1::buildAboutMe(QWidget *page) {
    aboutRefresh_ = makeButton(word(WordEntry::AccRefresh), pageFont(14, true));
    aboutRefresh_->setParent(page);
    aboutRefresh_->setObjectName(QStringLiteral("ButtonRefreshProfile"));
    aboutRefresh_->setGeometry(40, 300, 150, 30);
    connect(aboutRefresh_, &QPushButton::clicked, this, &TFAcc1::openProfileEditor);
}

void TFAcc1::openProfileEditor() {
    if (editorRunner_) {
        editorRunner_();
    } else {
        TFAcc2 editor(context(), client_, account_, talk_, requests_, this);
        editor.exec();
    }
    runOnAccount(aboutRefresh_, web::ReadPresident, [this] { redrawPages(); });
}

void TFAcc1::paintAboutMe(QWidget *page) {
    QPainter p(page);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage photo = photoOrDefault(account_.photo(web::kOwnPhotoSlot), account_.user.Sex);
    const QRect photoPlace(20, 14, 176, 220);
    p.drawImage(photoPlace, photo);
    const QImage frame = accountPicture(QStringLiteral("GAcFrame"));
    p.drawImage(photoPlace.adjusted(-9, -9, 9, 9), frame);
    const auto texts = [&] {
        QStringList list;
        const web::TInfo14 &i = account_.user.Info;
        for (const std::string *t :
             {&i.Name1, &i.Name2, &i.About, &i.Telephone, &i.EMailO, &i.Skype, &i.WebSite, &i.OK,
              &i.VK, &i.Telegram, &i.FaceBook, &i.Twitter, &i.Instagramm, &i.YouTube})
            list << (account_.isLoggedIn() ? fromUtf8(*t) : QString());
        return list;
    }();
    p.setFont(pageFont(13));
    p.setPen(ink());
    const QStringList &icons = profileIconNames();
    for (int row = 0; row < icons.size(); ++row) {
        const int y = 6 + 24 * row;
        p.drawImage(QRect(230, y, 22, 22), accountPicture(icons[row]));
        const QString text = QFontMetrics(p.font()).elidedText(texts[row], Qt::ElideRight, 300);
        p.drawText(QRect(260, y, 300, 22), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

// ---- "President" -----------------------------------------------------------

// The twelve rows below the names: About ... YouTube.
namespace {
struct PresidentRow {
    const char *icon;
    std::string web::TInfo14::*text;
    bool copies; // true: to the clipboard; false: opened in the browser
};
constexpr PresidentRow kPresidentRows[] = {
    {"GAcAbout", &web::TInfo14::About, true},
    {"GAcTelephone", &web::TInfo14::Telephone, true},
    {"GAcEMail", &web::TInfo14::EMailO, true},
    {"GAcWebSite", &web::TInfo14::WebSite, false},
    {"GAcSkype", &web::TInfo14::Skype, true},
    {"GAcOK", &web::TInfo14::OK, false},
    {"GAcVK", &web::TInfo14::VK, false},
    {"GAcTelegram", &web::TInfo14::Telegram, true},
    {"GAcFaceBook", &web::TInfo14::FaceBook, false},
    {"GAcTwitter", &web::TInfo14::Twitter, false},
    {"GAcInstagramm", &web::TInfo14::Instagramm, false},
    {"GAcYouTube", &web::TInfo14::YouTube, false},
};
} // namespace

void TFAcc1::buildPresident(QWidget *page) {
    for (int row = 0; row < 12; ++row) {
        auto *b = new QPushButton(page);
        b->setObjectName(QStringLiteral("PresidentRow%1").arg(row + 1));
        b->setFlat(true);
        b->setGeometry(230, 36 + 26 * row, 330, 25);
        b->setIcon(
            QIcon(QPixmap::fromImage(accountPicture(QLatin1String(kPresidentRows[row].icon)))));
        b->setIconSize(QSize(22, 22));
        b->setStyleSheet(QStringLiteral("QPushButton { text-align: left; border: none; }"));
        b->setCursor(Qt::PointingHandCursor);
        connect(b, &QPushButton::clicked, this, [this, row] { presidentRowClicked(row); });
        presidentRows_[std::size_t(row)] = b;
    }
    fillPresident();
}

void TFAcc1::fillPresident() {
    QPalette palette = presidentRows_[0]->palette();
    palette.setColor(QPalette::ButtonText, ink());
    for (int row = 0; row < 12; ++row) {
        QPushButton *b = presidentRows_[std::size_t(row)];
        const QString text = fromUtf8(account_.president.*kPresidentRows[row].text);
        b->setText(QFontMetrics(b->font()).elidedText(text, Qt::ElideRight, 290));
        b->setAccessibleName(text);
        b->setPalette(palette);
        b->setEnabled(!text.isEmpty());
    }
}

void TFAcc1::presidentRowClicked(int row) {
    const QString text = fromUtf8(account_.president.*kPresidentRows[row].text);
    if (text.isEmpty())
        return;
    // Another player wrote the text: only a web page or an e-mail address
    // is opened; anything else is copied like the texts that are no links.
    const std::optional<std::string> link =
        kPresidentRows[row].copies ? std::nullopt : web::profileLinkToOpen(text.toStdString());
    if (link) {
        talk_.open(QString::fromStdString(*link));
    } else {
        QApplication::clipboard()->setText(text);
        talk_.say(this, word(WordEntry::AccCopied));
    }
}

void TFAcc1::paintPresident(QWidget *page) {
    QPainter p(page);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(pageFont(15, true));
    p.setPen(textColour(QColor(128, 0, 0)));
    p.drawText(QRect(0, 6, page->width(), 24), Qt::AlignHCenter,
               word(WordEntry::AccPresidentTitle) + QStringLiteral(" \"") + qText(productTitle()) +
                   QLatin1Char('"'));
    const web::TWemTop10 &first = account_.topTen[0];
    const QImage photo = photoOrDefault(account_.photo(web::kPresidentPhotoSlot), first.Sex);
    const QRect photoPlace(38, 42, 144, 180);
    p.drawImage(photoPlace, photo);
    p.drawImage(photoPlace.adjusted(-8, -8, 8, 8), accountPicture(QStringLiteral("GAcFrame")));
    p.setFont(pageFont(14, true));
    p.setPen(ink());
    const QString lines[] = {fromUtf8(account_.president.Name1), fromUtf8(account_.president.Name2),
                             fromUtf8(first.Nick), fromUtf8(first.City)};
    for (int i = 0; i < 4; ++i)
        p.drawText(QRect(10, 238 + 24 * i, 200, 22), Qt::AlignHCenter | Qt::AlignVCenter, lines[i]);
}

} // namespace quarn
