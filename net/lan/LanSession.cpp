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
    if (!IsPlayable(game_, game_.Hands[seat][slot].card))
        return false;
    return MoveSeat(game_, seat, slot, Announce::No, RuleOutside());
}

bool LanSession::ApplyPass() {
    return MoveSeat(game_, game_.ToMove, 0, Announce::No, RuleOutside());
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
