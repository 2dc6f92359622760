#include "ui/TFormSpeed.h"

#include "ui/THeadingBand.h"

#include <QLabel>
#include <QSlider>

#include <algorithm>

namespace quarn {

namespace {

constexpr int WindowWidth = 340;
constexpr int WindowHeight = 220;
constexpr int SlowestSpeed = 1;
constexpr int FastestSpeed = 6;
constexpr int SliderLeft = 40;
constexpr int SliderWidth = WindowWidth - 2 * SliderLeft;

AuxLook speedLook() {
    const QString code = pictureCodeText();
    AuxLook look;
    look.window = QStringLiteral("Speed");
    look.conciseHeading = QStringLiteral("Speed") + code;
    look.aristocraticRibbon = QStringLiteral("GCap300");
    look.aristocraticTitle = word(WordEntry::OptChoiceOfSpeed);
    look.redRibbon = QStringLiteral("GLenta280x090");
    look.redHeading = QStringLiteral("GFormSpeed") + code;
    look.purpleIcon = QStringLiteral("GIcon48Speed");
    return look;
}

} // namespace

TFormSpeed::TFormSpeed(const AuxContext &context, QWidget *parent)
    : TWemAuxForm(context, speedLook(), {}, parent) {
    setObjectName(QStringLiteral("FormSpeed"));
    setWindowTitle(word(WordEntry::OptChoiceOfSpeed));
    setFixedSize(WindowWidth, WindowHeight);
    centreHeadingBand();
    const int top = headingBand() ? headingBand()->height() + 8 : 76;

    prompt_ = new QLabel(word(WordEntry::OptSelectFlightSpeed), this);
    prompt_->setObjectName(QStringLiteral("Label1"));
    prompt_->setFont(settingsFont(settings(), FontKind::Small, 14, true));
    prompt_->setAlignment(Qt::AlignCenter);
    prompt_->setGeometry(10, top, WindowWidth - 20, 22);
    QPalette text = prompt_->palette();
    text.setColor(QPalette::WindowText, textColour(QColor(0, 0, 128)));
    prompt_->setPalette(text);

    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setObjectName(QStringLiteral("TrackBar1"));
    slider_->setRange(SlowestSpeed, FastestSpeed);
    slider_->setPageStep(1);
    slider_->setTickInterval(1);
    slider_->setTickPosition(QSlider::TicksBelow);
    slider_->setValue(std::clamp(settings().flightSpeed, SlowestSpeed, FastestSpeed));
    slider_->setGeometry(SliderLeft, top + 28, SliderWidth, 28);
    connect(slider_, &QSlider::valueChanged, this,
            [this](int speed) { this->context().settings->flightSpeed = speed; });

    // The labels 1 to 6 under the ticks.
    const QFont labelFont = settingsFont(settings(), FontKind::Small, 12, true);
    const int handleRoom = 10;
    for (int speed = SlowestSpeed; speed <= FastestSpeed; ++speed) {
        auto *label = new QLabel(QString::number(speed), this);
        label->setObjectName(QStringLiteral("LabelSpeed%1").arg(speed));
        label->setFont(labelFont);
        label->setPalette(text);
        label->setAlignment(Qt::AlignCenter);
        const int x =
            SliderLeft + handleRoom +
            (SliderWidth - 2 * handleRoom) * (speed - SlowestSpeed) / (FastestSpeed - SlowestSpeed);
        label->setGeometry(x - 10, top + 58, 20, 18);
    }

    ok_ = makeButton(word(WordEntry::OptOk), settingsFont(settings(), FontKind::Large, 16, true));
    ok_->setObjectName(QStringLiteral("BitBtnOk"));
    ok_->setGeometry((WindowWidth - 100) / 2, WindowHeight - 42, 100, 30);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] { closeWithSalute(); });
}

} // namespace quarn
