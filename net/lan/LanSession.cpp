#include "net/lan/LanSession.h"

#include "rules/Match.h"
#include "rules/Moves.h"

namespace quarn::lan {

LanSession::LanSession(GameState &game, const Outside &outside, QObject *parent)
    : QObject(parent), game_(game), outside_(outside) {}

Outside LanSession::RuleOutside() {
    Outside out = outside_;
    out.announcer = this;
    return out;
}

bool LanSession::ApplyMove(int slot) {
    const int seat = game_.ToMove;
    if (!game_.HandInPlay() || slot < 1 || slot > game_.CardCount[seat])
        return false;
    const TStr2 card = game_.Hands[seat][slot].card;
    if (!IsPlayable(game_, card))
        return false;
    if (!MoveSeat(game_, seat, slot, Announce::No, RuleOutside()))
        return false;
    emit seatMoved(seat, CardNumber(card));
    return true;
}

bool LanSession::ApplyPass() {
    const int seat = game_.ToMove;
    if (!MoveSeat(game_, seat, 0, Announce::No, RuleOutside()))
        return false;
    emit seatMoved(seat, 0);
    return true;
}

void LanSession::StopMatch() {
    game_.InGame = false;
    outside_.Sound().Play(kSoundInterrupted, false);
}

std::string LanSession::ChatWireText(const QString &text) {
    return ToWireText(text.left(kChatTextMax).toStdString());
}

QString LanSession::ChatText(const std::string &wireText) {
    return QString::fromStdString(NameFromWire(wireText));
}

} // namespace quarn::lan
