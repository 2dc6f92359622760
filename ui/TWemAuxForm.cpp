#include "ui/TWemAuxForm.h"

#include "ui/Salute.h"
#include "ui/THeadingBand.h"
#include "ui/UiPictures.h"

#include <QCursor>
#include <QPainter>

namespace quarn {

namespace {

constexpr int ConciseBandHeight = 48;
constexpr int AristocraticBandHeight = 64;

} // namespace

TWemAuxForm::TWemAuxForm(const AuxContext &context, AuxLook look, const QStringList &extraNames,
                         QWidget *parent)
    : QDialog(parent), context_(context), look_(std::move(look)) {
    initUiPictures();
    static Settings fallbackSettings;
    if (context_.settings == nullptr)
        context_.settings = &fallbackSettings;
    setAttribute(Qt::WA_DeleteOnClose, false);
    chooseDesign(extraNames);

    QPalette colours = palette();
    if (design_ == AuxDesign::Purple) {
        colours.setColor(QPalette::Window, Qt::black);
        colours.setColor(QPalette::WindowText, Qt::yellow);
    } else {
        colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    }
    setPalette(colours);
    setAutoFillBackground(true);
    applyPointer(this, false);

    if (design_ != AuxDesign::Purple) {
        band_ = new THeadingBand(this);
        dressHeadingBand();
    }
}

void TWemAuxForm::chooseDesign(const QStringList &extraNames) {
    design_ = auxDesign(*context_.settings);
    if (design_ == AuxDesign::GrayAristocratic)
        return;
    const QString backgroundName = QStringLiteral("GForm") + look_.window;
    QStringList names{backgroundName};
    for (const QString &name :
         {look_.conciseHeading, look_.redHeading, look_.purpleHeading, look_.purpleIcon})
        if (!name.isEmpty())
            names << name;
    names << extraNames;
    library_ = GraphicsLibrary::load(context_.folder, names);
    if (library_)
        background_ = library_->picture(backgroundName);
    if (background_.isNull()) {
        // Without the library (or its picture of this window) only the
        // aristocratic design can be drawn; later windows keep it too.
        fallBackToAristocratic(*context_.settings);
        design_ = AuxDesign::GrayAristocratic;
        library_.reset();
        return;
    }
    if (design_ == AuxDesign::GrayConcise && !library_->has(look_.conciseHeading)) {
        // This window keeps the concise layout without its heading picture.
        if (context_.missingLibrary)
            context_.missingLibrary(graphicsLibraryFile());
        fallBackToAristocratic(*context_.settings);
    }
    if (design_ == AuxDesign::Purple) {
        purpleHeading_ = library_->picture(look_.purpleHeading);
        purpleIcon_ = library_->picture(look_.purpleIcon);
    }
}

void TWemAuxForm::dressHeadingBand() {
    switch (design_) {
    case AuxDesign::GrayConcise:
        band_->setFilled(true);
        band_->setHeading(libraryPicture(look_.conciseHeading), QPoint(0, 0));
        band_->resize(width(), ConciseBandHeight);
        break;
    case AuxDesign::GrayAristocratic: {
        const QImage ribbon = uiPicture(look_.aristocraticRibbon);
        band_->setRibbon(ribbon, QPoint(0, 0));
        band_->setTitle(look_.aristocraticTitle.toUpper(),
                        settingsFont(settings(), FontKind::Small, 32, true), Qt::yellow, 10);
        band_->resize(ribbon.isNull() ? width() : ribbon.width(), AristocraticBandHeight);
        break;
    }
    case AuxDesign::GrayRedRibbons: {
        const QImage ribbon = uiPicture(look_.redRibbon);
        const QImage heading = libraryPicture(look_.redHeading);
        band_->setRibbon(ribbon, QPoint(0, 0));
        // The heading centred on the ribbon.
        band_->setHeading(heading, QPoint((ribbon.width() - heading.width()) / 2,
                                          (ribbon.height() - heading.height()) / 2));
        band_->resize(ribbon.isNull() ? width() : ribbon.width(),
                      ribbon.isNull() ? 100 : ribbon.height());
        break;
    }
    case AuxDesign::Purple:
        break;
    }
}

void TWemAuxForm::centreHeadingBand() {
    if (band_ == nullptr)
        return;
    if (design_ == AuxDesign::GrayConcise) {
        band_->setGeometry(0, 0, width(), ConciseBandHeight);
        const QImage heading = libraryPicture(look_.conciseHeading);
        band_->setHeading(heading, QPoint((width() - heading.width()) / 2, 0));
        return;
    }
    band_->move((width() - band_->width()) / 2, 0);
}

QImage TWemAuxForm::libraryPicture(const QString &name) const {
    return library_ && !name.isEmpty() ? library_->picture(name) : QImage();
}

QByteArray TWemAuxForm::libraryBytes(const QString &name) const {
    return library_ ? library_->bytes(name) : QByteArray();
}

void TWemAuxForm::applyPointer(QWidget *widget, bool hand) const {
    widget->setCursor(windowPointer(settings().redMouseCursor, hand));
}

TWemCardsButton *TWemAuxForm::makeButton(const QString &text, const QFont &font) {
    auto *button = new TWemCardsButton(text, this);
    button->setFont(font);
    button->setNewStyle(settings().newButtons);
    if (design_ == AuxDesign::Purple) {
        button->setColorSB(TColorSB::DCards);
        button->setFontColor(QColor(200, 175, 50));
    } else {
        button->setColorSB(TColorSB::DRed);
        button->setFontColor(Qt::white);
        button->setLightFont(true);
        button->setColorMouse(Qt::yellow);
    }
    applyPointer(button, true);
    return button;
}

QColor TWemAuxForm::textColour(QColor gray) const {
    return design_ == AuxDesign::Purple ? QColor(Qt::yellow) : gray;
}

void TWemAuxForm::playSound(std::string_view name) {
    if (context_.sound)
        context_.sound->Play(name, false);
}

void TWemAuxForm::closeWithSalute() {
    if (settings().saluteOnButtons)
        playSalute(context_.folder, QCursor::pos());
    accept();
}

void TWemAuxForm::paintEvent(QPaintEvent *event) {
    QDialog::paintEvent(event);
    if (design_ != AuxDesign::Purple)
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), background_);
    if (!purpleHeading_.isNull())
        painter.drawImage(QPoint((width() - purpleHeading_.width()) / 2, 8), purpleHeading_);
    if (!purpleIcon_.isNull())
        painter.drawImage(QPoint(9, 22), purpleIcon_, QRect(0, 0, 48, 48));
}

} // namespace quarn
