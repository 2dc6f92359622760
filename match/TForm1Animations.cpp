// The main window's two animated pictures: `RxGIFAn1` and `RxGIFAn2` in the
// top corners of the menu, `RxGIFAn1` also in the top right corner of the
// table. They run at their own frame delays while "Gif-animation" is on and
// stand on their first frame while it is off; each repaints only itself, and
// a hidden one keeps no timer (ui/TAnimation). The "Purple" menu design takes
// them from the graphics library, the other design from the program.
#include "match/TForm1.h"

#include "lang/QtWords.h"
#include "ui/TAnimation.h"
#include "ui/UiPictures.h"

#include <QMovie>

namespace quarn {

namespace {

struct AnimationSpec {
    const char *name;
    char club;      // the club emblem it plays: "GClub" / "Gif" + letter
    QPoint menuAt;  // the centre of its place in the menu (base coordinates)
    bool onTable;   // shown on the table as well
    QPoint tableAt; // the centre of its place on the table
};

// Beside the heading pictures, above the two menu pictures; on the table in
// the free top right corner, above the right hand.
constexpr AnimationSpec animationSpecs[] = {
    {"RxGIFAn1", 'F', {90, 62}, true, {715, 55}},
    {"RxGIFAn2", 'C', {670, 62}, false, {}},
};
constexpr int StandingFrame = 1;

} // namespace

void TForm1::createAnimations() {
    for (std::size_t i = 0; i < animations_.size(); ++i) {
        auto *animation = new TAnimation(this);
        animation->setObjectName(QString::fromLatin1(animationSpecs[i].name));
        animation->setAttribute(Qt::WA_TransparentForMouseEvents);
        animation->hide();
        animations_[i] = animation;
    }
    nameAnimations();
}

void TForm1::nameAnimations() {
    for (std::size_t i = 0; i < animations_.size(); ++i)
        animations_[i]->setAccessibleName(word(WordEntry::OptGifAnimation) +
                                          QStringLiteral(" %1").arg(i + 1));
}

// The emblems of the menu's design: the library's when it is "Purple" and
// the library can be read, the program's own otherwise.
void TForm1::loadAnimations() {
    const bool purple = settings_.menuDesign == ScreenDesign::Purple;
    for (std::size_t i = 0; i < animations_.size(); ++i) {
        const QLatin1Char letter(animationSpecs[i].club);
        QByteArray bytes;
        if (purple)
            pictures_->loadAnimation(QStringLiteral("Gif") + letter, QLatin1String(graphicsLibrary),
                                     bytes);
        if (bytes.isEmpty())
            bytes = uiAnimation(QStringLiteral("GClub") + letter);
        const bool shown = !animations_[i]->isHidden();
        animations_[i]->load(bytes);
        if (shown)
            animations_[i]->present(settings_.gifAnimation, StandingFrame);
    }
    placeAnimations();
}

// Each at its frame size for the window's scale, centred on its place of
// the screen shown.
void TForm1::placeAnimations() {
    const Scaling &s = layout_.scaling;
    for (std::size_t i = 0; i < animations_.size(); ++i) {
        TAnimation *animation = animations_[i];
        const QSize frame = animation->movie() ? animation->movie()->frameRect().size() : QSize();
        if (frame.isEmpty())
            continue;
        const QPoint base =
            screen_ == Screen::Table ? animationSpecs[i].tableAt : animationSpecs[i].menuAt;
        animation->setGeometry(s.place(base.x() - frame.width() / 2, base.y() - frame.height() / 2,
                                       frame.width(), frame.height()));
    }
}

// Shows the animations of the screen shown and hides the others.
void TForm1::showAnimations() {
    placeAnimations();
    for (std::size_t i = 0; i < animations_.size(); ++i) {
        const bool belongs =
            screen_ == Screen::Menu || (screen_ == Screen::Table && animationSpecs[i].onTable);
        if (belongs && animations_[i]->loaded())
            animations_[i]->present(settings_.gifAnimation, StandingFrame);
        else
            animations_[i]->hide();
    }
}

void TForm1::animationsChanged() {
    for (TAnimation *animation : animations_)
        if (!animation->isHidden())
            animation->present(settings_.gifAnimation, StandingFrame);
}

} // namespace quarn
