#include "ui/TFormCount.h"

#include "ui/Resample.h"
#include "ui/TAnimation.h"
#include "ui/THeadingBand.h"
#include "ui/UiPictures.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace quarn {

namespace {

constexpr int WindowWidth = 325;
constexpr int IconSide = 48;
constexpr int IconFrames = 60;
constexpr int IconTickMs = 50;
constexpr QPoint IconAt(9, 22);
constexpr QPoint PurpleAccountAt(270, 22);
constexpr int GenCountStillFrame = 14;
const QColor Maroon(128, 0, 0);
const QColor Purple(128, 0, 128);

constexpr int ValueLeft = 200;
constexpr int ValueWidth = 73;
constexpr int CycleCaptionWidth = 123;
constexpr int CycleCaptionHeight = 38;

int globalIconFrame = 0;

// The wrapping caption keeps to two lines: a long translation gets a smaller font.
void fitOnTwoLines(QLabel *label) {
    QFont font = label->font();
    while (font.pixelSize() > 8) {
        const QFontMetrics metrics(font);
        const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 1000),
                                                  Qt::TextWordWrap, label->text());
        if (needed.height() <= label->height() && needed.height() <= 2 * metrics.lineSpacing())
            break;
        font.setPixelSize(font.pixelSize() - 1);
    }
    label->setFont(font);
}

AuxLook countLook() {
    AuxLook look;
    look.window = QStringLiteral("Count");
    look.conciseHeading = QStringLiteral("CountInfo");
    look.aristocraticRibbon = QStringLiteral("GCap300");
    look.aristocraticTitle = QStringLiteral("INFO");
    look.redRibbon = QStringLiteral("GLenta200x100");
    look.redHeading = QStringLiteral("GFormCountL");
    return look;
}

QString lampName(int accountState) {
    switch (accountState) {
    case kAccountLoggedIn:
        return QStringLiteral("LampY24");
    case kAccountPlayingForRating:
        return QStringLiteral("LampG24");
    default:
        return QStringLiteral("LampR24");
    }
}

} // namespace

// Tops and places of one design, in pixels.
struct TFormCount::Layout {
    int clientHeight;
    int bandHeight; // 0: no band
    int barTop;
    int scrollTop;
    int headingTop;
    int headingLeft;
    int captionLeft;
    std::array<int, 7> captionTops;
    std::array<int, 7> valueTops;
    int okTop;
    QPoint genCountAt;
    QSize clubSize;
    int clubLeft[2];
    int clubTop;
    QPoint accountAt; // relative to the band (the window in "Purple")
};

const TFormCount::Layout &TFormCount::layoutOf(AuxDesign design) {
    static const Layout concise{510,
                                48,
                                55,
                                65,
                                120,
                                10,
                                63,
                                {155, 180, 220, 245, 270, 295, 320},
                                {152, 181, 217, 242, 267, 292, 317},
                                475,
                                {112, 330},
                                {60, 75},
                                {50, 215},
                                350,
                                {23, 0}};
    static const Layout aristocratic{525,
                                     64,
                                     72,
                                     82,
                                     135,
                                     10,
                                     63,
                                     {170, 195, 235, 260, 285, 310, 335},
                                     {167, 196, 232, 257, 282, 307, 332},
                                     490,
                                     {112, 345},
                                     {60, 75},
                                     {50, 215},
                                     365,
                                     {25, 7}};
    static const Layout ribbons{560,
                                100,
                                107,
                                117,
                                170,
                                10,
                                63,
                                {205, 230, 270, 295, 320, 345, 370},
                                {202, 231, 267, 292, 317, 342, 367},
                                525,
                                {112, 380},
                                {60, 75},
                                {50, 215},
                                400,
                                {0, 25}};
    static const Layout purple{500,
                               0,
                               0,
                               0,
                               120,
                               5,
                               55,
                               {158, 180, 219, 248, 279, 309, 339},
                               {155, 185, 215, 245, 275, 305, 335},
                               465,
                               {115, 370},
                               {70, 70},
                               {10, 245},
                               380,
                               PurpleAccountAt};
    switch (design) {
    case AuxDesign::GrayConcise:
        return concise;
    case AuxDesign::GrayRedRibbons:
        return ribbons;
    case AuxDesign::Purple:
        return purple;
    case AuxDesign::GrayAristocratic:
        break;
    }
    return aristocratic;
}

TFormCount::TFormCount(const AuxContext &context, const TCount &count, const Situation &situation,
                       QWidget *parent)
    : TWemAuxForm(context, countLook(),
                  {QStringLiteral("GIcon48COunt"), QStringLiteral("GifA"), QStringLiteral("GifB"),
                   QStringLiteral("GifC"), QStringLiteral("GifE"), QStringLiteral("GifF"),
                   QStringLiteral("GifG")},
                  parent),
      situation_(situation) {
    const Layout &layout = layoutOf(design());
    conciseWithoutHeading_ =
        design() == AuxDesign::GrayConcise && !hasLibraryPicture(look().conciseHeading);
    setFixedSize(WindowWidth, layout.clientHeight);
    setWindowTitle(word(WordEntry::InfoPlayer) + QStringLiteral(":  ") + situation_.playerName);

    if (design() == AuxDesign::Purple) {
        background_ = libraryPicture(QStringLiteral("GFormCount"));
        iconStrip_ = libraryPicture(QStringLiteral("GIcon48COunt"));
        iconTimer_ = new QTimer(this);
        iconTimer_->setInterval(IconTickMs);
        connect(iconTimer_, &QTimer::timeout, this, &TFormCount::iconTick);
        iconTimer_->start();
    } else {
        buildGrayParts(layout);
    }
    buildTexts(layout, count);
    buildAnimations(layout);
    placeAccount(layout);

    TWemCardsButton *ok =
        makeButton(word(WordEntry::OptOk), settingsFont(settings(), FontKind::Large, 20, true));
    ok->setObjectName(QStringLiteral("ButtonOk"));
    ok->setGeometry(2, layout.okTop, 315, 30);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TFormCount::pressOk);
}

void TFormCount::buildGrayParts(const Layout &layout) {
    THeadingBand *band = headingBand();
    band->setGeometry(12, 5, 300, layout.bandHeight);
    switch (design()) {
    case AuxDesign::GrayAristocratic:
        band->setTitle(QStringLiteral("INFO"), settingsFont(settings(), FontKind::Small, 40, true),
                       Qt::yellow, 10);
        break;
    case AuxDesign::GrayRedRibbons:
        band->setRibbon(uiPicture(look().redRibbon), QPoint(50, 0));
        band->setHeading(libraryPicture(look().redHeading), QPoint(50, -7));
        break;
    default:
        break;
    }
    barTop_ = layout.barTop;
    scrollTop_ = layout.scrollTop;
    scroll_ = resampleBilinear(uiPicture(QStringLiteral("GSvitok")), QSize(315, 400));
}

void TFormCount::buildTexts(const Layout &layout, const TCount &count) {
    const QColor headingColour = textColour(Maroon);
    heading_ = new QLabel(word(WordEntry::InfoTitle), this);
    heading_->setObjectName(QStringLiteral("LabelInfo"));
    heading_->setFont(
        fitToWidth(settingsFont(settings(), FontKind::Small, 20), heading_->text(), 305));
    heading_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    heading_->setStyleSheet(QStringLiteral("color: %1").arg(headingColour.name()));
    heading_->setGeometry(layout.headingLeft, layout.headingTop, 305, 30);

    const WordEntry captionWords[] = {WordEntry::InfoTotalGames,   WordEntry::InfoRoundInCycle,
                                      WordEntry::InfoInitialScore, WordEntry::InfoCurrentScore,
                                      WordEntry::InfoGeneralScore, WordEntry::InfoInitialRating,
                                      WordEntry::InfoCurrentRating};
    const std::string *texts[] = {&count.Count_KonAll, &count.Count_KonCur, &count.Count_ScoBeg,
                                  &count.Count_ScoCur, &count.Count_ScoAll, &count.Count_ReiBeg,
                                  &count.Count_ReiCur};
    const QColor captionColour = textColour(Purple);
    const QColor valueColour = textColour(Maroon);
    for (int i = 0; i < 7; ++i) {
        auto *caption = new QLabel(word(captionWords[i]), this);
        caption->setObjectName(QStringLiteral("LabelCaption%1").arg(i + 1));
        caption->setFont(
            captionWords[i] == WordEntry::InfoInitialScore
                ? scaledFont(settings(), QStringLiteral("Comic Sans MS"), FontKind::Small, 16)
                : settingsFont(settings(), FontKind::Small, 16));
        caption->setStyleSheet(QStringLiteral("color: %1").arg(captionColour.name()));
        if (i == 1) {
            caption->setWordWrap(true);
            caption->setGeometry(layout.captionLeft, layout.captionTops[size_t(i)],
                                 CycleCaptionWidth, CycleCaptionHeight);
            fitOnTwoLines(caption);
        }
        captions_[size_t(i)] = caption;

        const QString valueText = QString::fromStdString(*texts[i]);
        auto *value = new QLabel(valueText, this);
        value->setObjectName(QStringLiteral("LabelValue%1").arg(i + 1));
        value->setFont(fitToWidth(settingsFont(settings(), FontKind::Small, 24),
                                  valueText.trimmed(), ValueWidth));
        if (i != 1) {
            // A caption ends before its value begins: a long translation gets a smaller font.
            const int valueLeft =
                ValueLeft + ValueWidth -
                QFontMetrics(value->font()).horizontalAdvance(valueText.trimmed());
            caption->setFont(
                fitToWidth(caption->font(), caption->text(), valueLeft - 6 - layout.captionLeft));
            caption->adjustSize();
            caption->move(layout.captionLeft, layout.captionTops[size_t(i)]);
        }
        value->setStyleSheet(QStringLiteral("color: %1").arg(valueColour.name()));
        value->setAlignment(Qt::AlignRight | Qt::AlignTop);
        value->setGeometry(ValueLeft, layout.valueTops[size_t(i)], ValueWidth, 32);
        values_[size_t(i)] = value;
    }
}

std::pair<QString, QString> TFormCount::clubAnimations(const Situation &situation, bool networkMode,
                                                       bool purple) {
    auto name = [purple](char letter) {
        return (purple ? QStringLiteral("Gif") : QStringLiteral("GClub")) + QLatin1Char(letter);
    };
    if (situation.tournament)
        return {name('E'), QString()};
    if (networkMode)
        return {name('G'), QString()};
    if (situation.accountState == kAccountPlayingForRating)
        return {name('A'), name('B')};
    return {name('C'), name('F')};
}

void TFormCount::buildAnimations(const Layout &layout) {
    const bool purple = design() == AuxDesign::Purple;
    const bool animate = settings().gifAnimation;
    genCount_ = new TAnimation(this);
    genCount_->setObjectName(QStringLiteral("GGenCount"));
    genCount_->load(uiAnimation(QStringLiteral("GGenCount")));
    genCount_->setGeometry(QRect(layout.genCountAt, QSize(100, 90)));
    genCount_->present(animate, GenCountStillFrame);

    const auto [left, right] = clubAnimations(situation_, settings().multiplayer, purple);
    const int clubTop =
        conciseWithoutHeading_ ? layoutOf(AuxDesign::GrayAristocratic).clubTop : layout.clubTop;
    TAnimation **targets[] = {&leftClub_, &rightClub_};
    const QString names[] = {left, right};
    for (int i = 0; i < 2; ++i) {
        auto *club = new TAnimation(this);
        *targets[i] = club;
        club->setObjectName(i == 0 ? QStringLiteral("ClubLeft") : QStringLiteral("ClubRight"));
        club->setGeometry(QRect(QPoint(layout.clubLeft[i], clubTop), layout.clubSize));
        if (names[i].isEmpty()) {
            club->hide();
            continue;
        }
        club->load(purple ? libraryBytes(names[i]) : uiAnimation(names[i]));
        // The gray designs always run them; "Purple" follows the setting.
        club->present(!purple || animate, 1);
    }
}

void TFormCount::placeAccount(const Layout &layout) {
    QWidget *host = this;
    QPoint at = layout.accountAt;
    if (THeadingBand *band = headingBand()) {
        host = band;
        if (conciseWithoutHeading_)
            at = layoutOf(AuxDesign::GrayAristocratic).accountAt;
    }
    auto *account = new QLabel(host);
    account->setObjectName(QStringLiteral("ImageAccount"));
    account->setPixmap(QPixmap::fromImage(uiPicture(QStringLiteral("Account48"))));
    account->setGeometry(QRect(at, QSize(48, 48)));
    auto *lamp = new QLabel(host);
    lamp->setObjectName(QStringLiteral("ImageLamp"));
    lamp->setPixmap(QPixmap::fromImage(uiPicture(lampName(situation_.accountState))));
    lamp->setGeometry(QRect(at + QPoint(24, 0), QSize(24, 24)));
}

int TFormCount::iconFrame() {
    return globalIconFrame;
}

void TFormCount::iconTick() {
    globalIconFrame = globalIconFrame >= IconFrames ? 1 : globalIconFrame + 1;
    update(QRect(IconAt, QSize(IconSide, IconSide)));
}

void TFormCount::pressOk() {
    if (genCount_) {
        genCount_->clear();
        genCount_->hide();
    }
    closeWithSalute();
}

void TFormCount::paintEvent(QPaintEvent *event) {
    if (design() == AuxDesign::Purple) {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.drawImage(QPoint(0, 0), background_);
        // The icon: the background behind it, then frame n of the strip.
        if (globalIconFrame > 0 && !iconStrip_.isNull()) {
            QImage icon(IconSide, IconSide, QImage::Format_ARGB32_Premultiplied);
            icon.fill(Qt::black);
            QPainter iconPainter(&icon);
            iconPainter.drawImage(QPoint(0, 0), background_,
                                  QRect(IconAt, QSize(IconSide, IconSide)));
            iconPainter.drawImage(QPoint(0, 0), iconStrip_,
                                  QRect(IconSide * (globalIconFrame - 1), 0, IconSide, IconSide));
            iconPainter.end();
            painter.drawImage(IconAt, icon);
        }
        return;
    }
    TWemAuxForm::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(QRect(5, barTop_, 315, 6), QColor(192, 0, 0));
    painter.fillRect(QRect(5, scrollTop_, 315, 400), palette().color(QPalette::Button));
    if (!scroll_.isNull())
        painter.drawImage(QPoint(5, scrollTop_), scroll_);
}

} // namespace quarn
