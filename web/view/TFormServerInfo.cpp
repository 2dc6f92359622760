#include "web/view/TFormServerInfo.h"

#include "store/ProgramFolders.h"
#include "ui/THeadingBand.h"
#include "ui/UiPictures.h"
#include "web/Countries.h"
#include "web/WorldLists.h"
#include "web/view/CountryPictures.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QValidator>

namespace quarn {

namespace {

constexpr int WindowWidth = 420;
constexpr int WindowHeight = 480;
constexpr int LabelLeft = 30;
constexpr int FieldLeft = 150;
constexpr int FieldWidth = 200;
constexpr int RowHeight = 28;
constexpr int LampSide = 16;

AuxLook passportLook() {
    const QString code = pictureCodeText();
    AuxLook look;
    look.window = QStringLiteral("ServerInfo");
    look.conciseHeading = QStringLiteral("ServerInfo") + code;
    look.aristocraticRibbon = QStringLiteral("GCap300");
    look.aristocraticTitle = word(WordEntry::WorldPassportCaption);
    look.redRibbon = QStringLiteral("GLenta360x100");
    look.redHeading = QStringLiteral("GFormServerInfo") + code;
    look.purpleHeading = QStringLiteral("GFormServerInfo") + code;
    look.purpleIcon = QStringLiteral("GIcon48ServerInfo");
    return look;
}

// The program's folder as the program itself chooses it (beside the
// executable, or the user's data folder when installed).
AuxContext simpleContext(Settings &settings) {
    std::string error;
    const std::filesystem::path folder =
        readyProgramFolder(QCoreApplication::applicationDirPath().toStdString(), error);
    return {QString::fromStdString(folder.string()), &settings, nullptr, {}};
}

// Refuses every character the passport check refuses as a typed key, also
// in pasted text.
class TypedCharValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override {
        for (const QChar ch : input)
            if (web::PassportCheck(QString(ch).toStdString(), web::kTypedChar) == web::kRefused)
                return Invalid;
        return Acceptable;
    }
};

QPixmap lampPicture(web::FieldVerdict verdict) {
    QPixmap lamp(LampSide, LampSide);
    lamp.fill(Qt::transparent);
    QPainter painter(&lamp);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = verdict == web::kAccepted   ? QColor(0, 190, 0)
                          : verdict == web::kCyrillic ? QColor(230, 190, 0)
                                                      : QColor(220, 0, 0);
    QRadialGradient glow(LampSide / 3.0, LampSide / 3.0, LampSide);
    glow.setColorAt(0, colour.lighter(170));
    glow.setColorAt(1, colour.darker(130));
    painter.setBrush(glow);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawEllipse(1, 1, LampSide - 2, LampSide - 2);
    return lamp;
}

} // namespace

TFormServerInfo::TFormServerInfo(Settings &settings, QWidget *parent)
    : TFormServerInfo(simpleContext(settings), parent) {}

TFormServerInfo::TFormServerInfo(const AuxContext &context, QWidget *parent)
    : TWemAuxForm(context, passportLook(), {}, parent) {
    setObjectName(QStringLiteral("FormServerInfo"));
    setWindowTitle(word(WordEntry::WorldPassportCaption));
    setFixedSize(WindowWidth, WindowHeight);
    centreHeadingBand();
    build();
}

int TFormServerInfo::top() const {
    return headingBand() ? headingBand()->y() + headingBand()->height() + 12 : 90;
}

QLabel *TFormServerInfo::makeLabel(const QString &text, const char *name, int y) {
    auto *label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(settingsFont(settings(), FontKind::Small, 16, true));
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, textColour(QColor(0, 0, 128)));
    label->setPalette(colours);
    label->setGeometry(LabelLeft, y, FieldLeft - LabelLeft - 8, RowHeight);
    return label;
}

void TFormServerInfo::build() {
    int y = top();
    QLabel *title = makeLabel(word(WordEntry::WorldPassport), "LabelPassport", y);
    title->setFont(settingsFont(settings(), FontKind::Small, 20, true));
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(0, y, WindowWidth, RowHeight + 4);
    y += 48;

    const QFont fieldFont = settingsFont(settings(), FontKind::Small, 15, false);
    auto addEdit = [&](QLineEdit *&edit, QLabel *&lamp, const QString &label, const char *labelName,
                       const char *editName, const char *lampName, int maxLength,
                       const std::string &value) {
        QLabel *caption = makeLabel(label, labelName, y);
        edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(editName));
        edit->setFont(fieldFont);
        edit->setMaxLength(maxLength);
        edit->setValidator(new TypedCharValidator(edit));
        edit->setText(QString::fromStdString(value).left(maxLength));
        edit->setGeometry(FieldLeft, y, FieldWidth, RowHeight);
        edit->setAccessibleName(label);
        caption->setBuddy(edit);
        lamp = new QLabel(this);
        lamp->setObjectName(QString::fromLatin1(lampName));
        lamp->setGeometry(FieldLeft + FieldWidth + 10, y + (RowHeight - LampSide) / 2, LampSide,
                          LampSide);
        connect(edit, &QLineEdit::textEdited, this, [this] { textsEdited(); });
        y += RowHeight + 14;
    };
    addEdit(nick_, nickLamp_, word(WordEntry::WorldPassportNick), "LabelNick", "EditNick",
            "LampNick", web::kPassportNickLength, passport().nick);

    const std::optional<web::CountryCode> code = web::parseCountryCode(passport().country);
    QLabel *countryCaption = makeLabel(word(WordEntry::WorldCountry), "LabelCountry", y);
    continent_ = new QComboBox(this);
    continent_->setObjectName(QStringLiteral("ComboContinent"));
    continent_->setFont(fieldFont);
    continent_->setAccessibleName(word(WordEntry::WorldCountry));
    const WordEntry continents[] = {
        WordEntry::ContinentEurope,       WordEntry::ContinentAsia,
        WordEntry::ContinentNorthAmerica, WordEntry::ContinentSouthAmerica,
        WordEntry::ContinentOceania,      WordEntry::ContinentAfrica};
    for (WordEntry name : continents)
        continent_->addItem(word(name));
    continent_->setGeometry(FieldLeft, y, FieldWidth, RowHeight);
    countryCaption->setBuddy(continent_);
    y += RowHeight + 6;
    country_ = new QComboBox(this);
    country_->setObjectName(QStringLiteral("ComboCountry"));
    country_->setFont(fieldFont);
    country_->setIconSize(QSize(kFlagWidth, kFlagHeight));
    country_->setAccessibleName(word(WordEntry::WorldCountry));
    country_->setGeometry(FieldLeft - 40, y, FieldWidth + 40, RowHeight);
    y += RowHeight + 14;
    filling_ = true;
    continent_->setCurrentIndex(code ? code->continent - 1 : 0);
    fillCountries(code ? code->continent : 1);
    country_->setCurrentIndex(code ? code->index : 1);
    filling_ = false;
    connect(continent_, &QComboBox::currentIndexChanged, this,
            [this](int row) { continentChosen(row); });
    connect(country_, &QComboBox::currentIndexChanged, this,
            [this](int row) { countryChosen(row); });

    addEdit(city_, cityLamp_, word(WordEntry::WorldCity), "LabelCity", "EditCity", "LampCity",
            web::kPassportCityLength, passport().city);

    QLabel *sexCaption = makeLabel(word(WordEntry::WorldPassportSex), "LabelSex", y);
    sex_ = new QComboBox(this);
    sex_->setObjectName(QStringLiteral("ComboSex"));
    sex_->setFont(fieldFont);
    sex_->setAccessibleName(word(WordEntry::WorldPassportSex));
    sex_->addItem(QIcon(sexPicture("M")), word(WordEntry::WorldMale));
    sex_->addItem(QIcon(sexPicture("W")), word(WordEntry::WorldFemale));
    sex_->setCurrentIndex(passport().sex == 'W' ? 1 : 0);
    sex_->setGeometry(FieldLeft, y, FieldWidth, RowHeight);
    sexCaption->setBuddy(sex_);
    connect(sex_, &QComboBox::currentIndexChanged, this,
            [this](int row) { passport().sex = web::sexOfListEntry(row); });

    ok_ = makeButton(word(WordEntry::OptOk), settingsFont(settings(), FontKind::Large, 18, true));
    ok_->setObjectName(QStringLiteral("ButtonOk"));
    ok_->setGeometry((WindowWidth - 160) / 2, WindowHeight - 50, 160, 32);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] { closeWithSalute(); });

    textsEdited();
}

void TFormServerInfo::fillCountries(int continent) {
    const bool wasFilling = filling_;
    filling_ = true;
    country_->clear();
    const auto countries = web::countriesOf(continent);
    for (size_t index = 0; index < countries.size(); ++index)
        country_->addItem(QIcon(flagPicture(web::formatCountryCode(continent, int(index)))),
                          QString::fromUtf8(countries[index].english.data(),
                                            qsizetype(countries[index].english.size())));
    filling_ = wasFilling;
}

void TFormServerInfo::continentChosen(int row) {
    if (filling_ || row < 0)
        return;
    const int continent = row + 1;
    passport().country = web::continentOnlyCode(continent);
    fillCountries(continent);
    filling_ = true;
    country_->setCurrentIndex(0);
    filling_ = false;
}

void TFormServerInfo::countryChosen(int row) {
    if (filling_ || row < 0)
        return;
    passport().country = web::formatCountryCode(continent_->currentIndex() + 1, row);
}

void TFormServerInfo::showLamp(QLabel *lamp, web::FieldVerdict verdict) {
    lamp->setPixmap(lampPicture(verdict));
    lamp->setAccessibleName(verdict == web::kRefused ? QStringLiteral("refused")
                                                     : QStringLiteral("accepted"));
}

void TFormServerInfo::textsEdited() {
    const std::string nick = nick_->text().toStdString();
    const std::string city = city_->text().toStdString();
    nickVerdict_ = web::PassportCheck(nick, web::kNickField);
    cityVerdict_ = web::PassportCheck(city, web::kCityField);
    showLamp(nickLamp_, nickVerdict_);
    showLamp(cityLamp_, cityVerdict_);
    const bool usable = web::passportUsable(nick, city);
    if (usable) {
        passport().nick = nick;
        passport().city = city;
    }
    ok_->setEnabled(usable);
}

void TFormServerInfo::done(int result) {
    if (nickVerdict_ == web::kRefused) {
        nick_->setFocus();
        return;
    }
    if (cityVerdict_ == web::kRefused) {
        city_->setFocus();
        return;
    }
    TWemAuxForm::done(result);
}

} // namespace quarn
