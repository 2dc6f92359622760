// The main window's sound: effects, spoken card names and the melody.
#include "match/TForm1.h"

#include "match/Ask.h"
#include "match/TImage.h"
#include "ui/Words.h"

#include <QTimer>

namespace quarn {

namespace {

constexpr int MusicTimerMs = 1000;

} // namespace

void TForm1::createSound() {
    sound_ = std::make_unique<SoundSystem>(folder_);
    sound_->setEffectsSwitch([this] { return settings_.soundEffects; });
    soundDevice_ = sound_.get();

    // Right clicks on cards speak their names.
    for (int seat = 1; seat <= kSeatCount; ++seat)
        connect(handImages_[seat], &TImage::mouseUp, this,
                [this, seat](Qt::MouseButton button, QPoint at) {
                    if (button == Qt::RightButton)
                        sayHandCard(seat, at.x());
                });
    connect(tableImage_, &TImage::mouseUp, this, [this](Qt::MouseButton button, QPoint at) {
        if (button == Qt::RightButton)
            sayTableCard(tableImage_->geometry().topLeft() + at);
    });

    // The melody repeats on the title screen and in the menu.
    musicTimer_ = new QTimer(this);
    musicTimer_->setObjectName(QStringLiteral("TimerMusic"));
    musicTimer_->setInterval(MusicTimerMs);
    connect(musicTimer_, &QTimer::timeout, this, &TForm1::applyMusicSetting);
    musicTimer_->start();
}

void TForm1::Play(std::string_view name, bool waitForEnd) {
    if (!soundDevice_ || !settings_.soundEffects)
        return;
    if (!waitForEnd) {
        soundDevice_->Play(name, false);
        return;
    }
    // The move waits for its sound; the tick must not make the next move
    // from inside that wait.
    const bool ticking = tickTimer_->isActive();
    tickTimer_->stop();
    soundDevice_->Play(name, true);
    if (ticking)
        tickTimer_->start();
}

void TForm1::startMusic() {
    if (!sound_->prepareMusic())
        Ask::error(this, word(WordEntry::FileCannotCreateMusic));
    applyMusicSetting();
}

void TForm1::applyMusicSetting() {
    if (!sound_)
        return;
    const bool wanted = settings_.music && (titleShown() || menuShown()) && !game_.InGame;
    sound_->music(wanted);
}

void TForm1::closeSound() {
    if (musicTimer_)
        musicTimer_->stop();
    // The temporary music file goes before the settings are written.
    sound_->closeMusic();
}

void TForm1::sayHandCard(int seat, int x) {
    if (!game_.InGame || seat < 1 || seat > kSeatCount)
        return;
    // The other seats' cards lie open only once the hand is over.
    if (seat != kPlayerSeat && game_.ToMove <= kSeatCount)
        return;
    const int slot = canvas_->HitTest(seat, x);
    if (slot < 1 || slot > game_.CardCount[seat])
        return;
    sound_->sayCard(game_.Hands[seat][slot].card, language());
}

void TForm1::sayTableCard(QPoint clientPoint) {
    if (!game_.InGame)
        return;
    const QSize card(layout_.card.width, layout_.card.height);
    // The cards are drawn from spades to hearts, each row from the six up:
    // the last one drawn lies on top, so search in the opposite order.
    for (int suit = 1; suit <= kSuitCount; ++suit) {
        for (int rank = 9; rank >= 1; --rank) {
            const TStr2 onTable = game_.Table[suit][rank];
            if (onTable.IsEmpty())
                continue;
            if (QRect(tablePlace(layout_, suit, rank), card).contains(clientPoint)) {
                sound_->sayCard(onTable, language());
                return;
            }
        }
    }
}

} // namespace quarn
