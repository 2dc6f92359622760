#include "radio/view/TFormRadio.h"

#include "radio/StationList.h"
#include "radio/view/RadioController.h"
#include "table/Pictures.h"
#include "table/ResourceLibrary.h"
#include "ui/THeadingBand.h"
#include "ui/Words.h"
#include "web/Countries.h"
#include "web/view/CountryPictures.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace quarn {

namespace {

constexpr int WindowWidth = 310;
constexpr int PurpleHeadingRoom = 74;
const QString kRadioLibrary = QStringLiteral("WemRadio02.dll");

AuxLook radioLook() {
    AuxLook look;
    look.window = QStringLiteral("Radio");
    look.conciseHeading = QStringLiteral("Radio");
    look.aristocraticRibbon = QStringLiteral("GCap300");
    look.aristocraticTitle = word(WordEntry::RadioHeading);
    look.redRibbon = QStringLiteral("GLenta280x090");
    look.redHeading = QStringLiteral("GFormRadioL");
    look.purpleHeading = QStringLiteral("GFormRadioL");
    return look;
}

int clientHeight(AuxDesign design) {
    switch (design) {
    case AuxDesign::GrayConcise:
        return 279;
    case AuxDesign::GrayAristocratic:
        return 295;
    case AuxDesign::GrayRedRibbons:
        return 325;
    case AuxDesign::Purple:
        return 320;
    }
    return 295;
}

// The 14 x 12 flag of a radio country, from the program's own flags.
QPixmap flagOf(const RadioCountry &country) {
    for (int continent = 1; continent <= web::kContinentCount; ++continent) {
        const auto list = web::countriesOf(continent);
        for (std::size_t index = 0; index < list.size(); ++index)
            if (list[index].english == country.flagCountry)
                return flagPicture(web::formatCountryCode(continent, int(index)));
    }
    return {};
}

QPushButton *pictureButton(QWidget *parent, const QString &objectName, const QString &accessible) {
    auto *button = new QPushButton(parent);
    button->setObjectName(objectName);
    button->setAccessibleName(accessible);
    button->setToolTip(accessible);
    button->setFlat(true);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

// The minus or plus sign of a volume button.
QIcon signIcon(bool plus, const QColor &colour) {
    QPixmap sign(18, 18);
    sign.fill(Qt::transparent);
    QPainter painter(&sign);
    painter.fillRect(QRect(2, 7, 14, 4), colour);
    if (plus)
        painter.fillRect(QRect(7, 2, 4, 14), colour);
    return QIcon(sign);
}

} // namespace

TFormRadio::TFormRadio(RadioController &radio, QWidget *parent)
    : TWemAuxForm(radio.context().aux, radioLook(), {}, parent), radio_(radio) {
    initBuiltinPictures();
    setObjectName(QStringLiteral("FormRadio"));
    setWindowTitle(word(WordEntry::RadioCaption));
    setFixedSize(WindowWidth, clientHeight(design()));
    centreHeadingBand();
    buildControls();
    drawPlayPicture();
    fillCountries();
    countries_->setCurrentIndex(radio_.radio().KakStations);
    fillStations(radio_.radio().KakStations + 1);
    drawVolumeAndLogo();
    connect(&radio_, &RadioController::changed, this, [this] {
        drawPlayPicture();
        stations_->setToolTip(QString::fromStdString(radio_.radio().Name));
    });
}

void TFormRadio::buildControls() {
    const int height = this->height();
    const int top = headingBand() ? headingBand()->height() + 4 : PurpleHeadingRoom;
    const QFont font = settingsFont(settings(), FontKind::Small, 13, true);
    const QColor text = textColour(QColor(0, 0, 128));

    play_ = pictureButton(this, QStringLiteral("ImagePlay"), word(WordEntry::RadioOnOff));
    play_->setCheckable(true);
    play_->setGeometry(12, top + 13, 100, 68);
    play_->setIconSize(QSize(96, 64));
    connect(play_, &QPushButton::clicked, this, [this] {
        radio_.setEnabled(!radio_.radio().Enabled);
        drawPlayPicture();
    });

    logo_ = new QLabel(this);
    logo_->setObjectName(QStringLiteral("ImageLogo"));
    logo_->setGeometry(WindowWidth - 12 - 150, top, 150, 90);
    logo_->setAccessibleName(word(WordEntry::RadioStationLabel));

    auto makeLabel = [&](WordEntry entry, const QString &name, int y) {
        auto *label = new QLabel(word(entry) + QLatin1Char(':'), this);
        label->setObjectName(name);
        label->setFont(font);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, text);
        label->setPalette(palette);
        label->setGeometry(12, y, 78, 24);
        return label;
    };
    const int countryTop = height - 104;
    countryLabel_ =
        makeLabel(WordEntry::RadioCountryLabel, QStringLiteral("LabelCountry"), countryTop);
    countries_ = new QComboBox(this);
    countries_->setObjectName(QStringLiteral("ComboBoxCountry"));
    countries_->setGeometry(92, countryTop, WindowWidth - 104, 24);
    countryLabel_->setBuddy(countries_);
    connect(countries_, &QComboBox::activated, this, [this](int position) {
        radio_.setCountry(position);
        fillStations(position + 1);
    });

    stationLabel_ =
        makeLabel(WordEntry::RadioStationLabel, QStringLiteral("LabelStation"), countryTop + 30);
    stations_ = new QComboBox(this);
    stations_->setObjectName(QStringLiteral("ComboBoxStations"));
    stations_->setGeometry(92, countryTop + 30, WindowWidth - 104, 24);
    stationLabel_->setBuddy(stations_);
    connect(stations_, &QComboBox::activated, this, [this](int index) { stationChosen(index); });

    const int bottom = height - 40;
    minus_ = pictureButton(this, QStringLiteral("ButtonMinus"), word(WordEntry::RadioVolumeDown));
    minus_->setIcon(signIcon(false, text));
    minus_->setGeometry(12, bottom + 2, 26, 26);
    volume_ = new QLabel(this);
    volume_->setObjectName(QStringLiteral("ImageVolume"));
    volume_->setAccessibleName(word(WordEntry::RadioVolume));
    volume_->setGeometry(42, bottom + 5, 120, 20);
    plus_ = pictureButton(this, QStringLiteral("ButtonPlus"), word(WordEntry::RadioVolumeUp));
    plus_->setIcon(signIcon(true, text));
    plus_->setGeometry(166, bottom + 2, 26, 26);
    connect(minus_, &QPushButton::clicked, this, [this] {
        radio_.setVolume(loweredVolume(radio_.radio().Volume));
        drawVolumeAndLogo();
    });
    connect(plus_, &QPushButton::clicked, this, [this] {
        radio_.setVolume(raisedVolume(radio_.radio().Volume));
        drawVolumeAndLogo();
    });

    ok_ = makeButton(word(WordEntry::OptOk), settingsFont(settings(), FontKind::Large, 16, true));
    ok_->setObjectName(QStringLiteral("BitBtnOk"));
    ok_->setGeometry(WindowWidth - 12 - 96, bottom, 96, 30);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] { closeWithSalute(); });
}

void TFormRadio::fillCountries() {
    for (const RadioCountry &country : radioCountries())
        countries_->addItem(QIcon(flagOf(country)), word(country.word));
}

void TFormRadio::fillStations(int filter) {
    const auto list = readStationList(radio_.stationListFile().toStdString());
    if (!list)
        return;
    const std::vector<StationEntry> entries = stationsOfCountry(*list, filter);
    const QIcon flag = filter >= 1 && filter <= kRadioCountryCount
                           ? QIcon(flagOf(radioCountries()[std::size_t(filter - 1)]))
                           : QIcon();
    filling_ = true;
    stations_->clear();
    stationIds_.clear();
    for (const StationEntry &entry : entries) {
        stations_->addItem(flag, QString::fromStdString(entry.name));
        stationIds_.push_back(entry.id);
    }
    filling_ = false;
    const int current = entryOfStation(entries, radio_.radio().Name);
    if (current >= 0) {
        stations_->setCurrentIndex(current);
    } else if (!entries.empty()) {
        stations_->setCurrentIndex(0);
        stationChosen(0);
    }
    stations_->setToolTip(QString::fromStdString(radio_.radio().Name));
}

void TFormRadio::stationChosen(int index) {
    if (filling_ || index < 0 || std::size_t(index) >= stationIds_.size())
        return;
    radio_.SelectStation(stationIds_[std::size_t(index)]);
    stations_->setToolTip(QString::fromStdString(radio_.radio().Name));
    drawVolumeAndLogo();
}

QImage TFormRadio::radioPicture(const QString &name) const {
    const ResourceLibrary library(context().folder, kRadioLibrary);
    return library.isOpen() ? library.picture(name) : QImage();
}

void TFormRadio::drawPlayPicture() {
    const bool on = radio_.radio().Enabled;
    const QImage picture =
        radioPicture(on ? QStringLiteral("RRADIO_MAING") : QStringLiteral("RRADIO_MAINR"));
    play_->setIcon(QIcon(QPixmap::fromImage(picture)));
    play_->setChecked(on);
}

void TFormRadio::drawVolumeAndLogo() {
    const ResourceLibrary library(context().folder, kRadioLibrary);
    if (!library.isOpen())
        return;
    volumeName_ = QString::fromStdString(volumePictureName(radio_.radio().Volume));
    volume_->setPixmap(QPixmap::fromImage(library.picture(volumeName_)));
    volume_->setToolTip(QStringLiteral("%1 %").arg(radio_.radio().Volume));
    QImage frame = library.picture(QStringLiteral("RRADIO_RAMKA"));
    if (frame.isNull())
        frame = QImage(150, 90, QImage::Format_ARGB32_Premultiplied), frame.fill(Qt::transparent);
    logoName_ = QString::fromStdString(radio_.radio().Resurs);
    QImage logo = library.picture(logoName_);
    if (logo.isNull()) // a logo the library lacks shows the one of stations without a logo
        logo = library.picture(QString::fromLatin1(kNoLogo));
    QPainter painter(&frame);
    painter.drawImage(QPoint(15, 15), logo);
    painter.end();
    logo_->setPixmap(QPixmap::fromImage(frame));
    logo_->setToolTip(QString::fromStdString(radio_.radio().Name));
}

} // namespace quarn
