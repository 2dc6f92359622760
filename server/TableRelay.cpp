#include "server/TableRelay.h"

#include "rules/Match.h"
#include "rules/Moves.h"

#include <QRandomGenerator>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <random>

namespace server {
namespace {

QByteArray noteOf(int role, const QByteArray &what) {
    return "role " + QByteArray::number(role) + ' ' + what;
}

// The frame's payload without its "#" padding, for the log.
QByteArray payloadOf(const QByteArray &frame) {
    QByteArray payload = frame.left(TableRelay::kFrameSize - 1);
    while (payload.endsWith('#'))
        payload.chop(1);
    return payload;
}

// The slot of a "hhod" payload, two decimal digits; 0 when it is not one.
int slotOf(const QByteArray &frame) {
    const char tens = frame[4], ones = frame[5];
    if (tens < '0' || tens > '9' || ones < '0' || ones > '9')
        return 0;
    return (tens - '0') * 10 + (ones - '0');
}

QByteArray scoresText(const std::array<qint64, TableRelay::kRoles> &scores) {
    QByteArray text;
    for (qint64 score : scores)
        text += ' ' + QByteArray::number(score);
    return text;
}

} // namespace

TableRelay::TableRelay(DeckSource deck, Clock clock)
    : deck_(std::move(deck)), clock_(std::move(clock)) {}

qint64 TableRelay::steadyClock() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void TableRelay::nextTurn() {
    ++turn_;
    turnStartedMs_ = clock_();
}

bool TableRelay::timeOutAgreed(int role) const {
    return role == awaitedRole() && clock_() - turnStartedMs_ >= kOwnTimeOutMs - kTimeOutSlackMs;
}

bool TableRelay::chatAllowed(int role) {
    const qint64 now = clock_();
    auto &last = lastChatMs_[size_t(role - 1)];
    if (last && now - *last < kChatIntervalMs)
        return false;
    last = now;
    return true;
}

int TableRelay::seatOfRole(int role) {
    return role == 2 ? 3 : role == 3 ? 2 : role;
}

QByteArray TableRelay::frameOf(const QByteArray &payload, char lastByte) {
    QByteArray frame = payload.left(kFrameSize - 1);
    frame.append(kFrameSize - 1 - frame.size(), '#');
    frame.append(lastByte);
    return frame;
}

QByteArray TableRelay::shuffledDeck() {
    std::array<int, quarn::kDeckSize> numbers;
    std::iota(numbers.begin(), numbers.end(), 1);
    std::shuffle(numbers.begin(), numbers.end(), *QRandomGenerator::system());
    QByteArray deck;
    for (int number : numbers)
        deck += QByteArray::fromStdString(quarn::CardFromNumber(number).Bytes());
    return deck;
}

QByteArray TableRelay::dealMessage(const QByteArray &deck) {
    QByteArray message("b");
    message += deck;
    for (int i = 0; i + 1 < deck.size(); i += 2) {
        const auto card = quarn::ParseCard({deck[i], deck[i + 1]});
        message.append(char('0' + (card ? card->rank : 0)));
    }
    return message;
}

QByteArray TableRelay::maskedDeck(const QByteArray &deck, int role) {
    QByteArray masked = deck;
    const int own = kRoles - role; // the role's block, counted from 0
    const QByteArray opening = QByteArray::fromStdString(quarn::kOpeningCard.Bytes());
    for (int i = 0; i < quarn::kDeckSize && 2 * i + 1 < deck.size(); ++i)
        if (i / quarn::kCardsPerSeat != own && deck.mid(2 * i, 2) != opening)
            masked.replace(2 * i, 2, kUnknownCard);
    return masked;
}

std::optional<std::array<qint64, TableRelay::kRoles>>
TableRelay::parseScores(const QByteArray &payload) {
    if (!payload.startsWith('o') || payload.size() < 1 + 5 * kRoles)
        return std::nullopt;
    std::array<qint64, kRoles> scores{};
    for (int r = 0; r < kRoles; ++r) {
        const QByteArray text = payload.mid(1 + 5 * r, 5).trimmed();
        bool ok = false;
        const int value = text.toInt(&ok);
        if (!ok || text.isEmpty() || value < -9999 || value > 99999)
            return std::nullopt;
        scores[size_t(r)] = value;
    }
    return scores;
}

std::optional<int> TableRelay::connectRole(const QByteArray &frame) {
    if (frame.size() != kFrameSize || !frame.startsWith("connect"))
        return std::nullopt;
    const char digit = frame[7];
    if (digit < '1' || digit > '4' || frame[kFrameSize - 1] != digit)
        return std::nullopt;
    return digit - '0';
}

QByteArray TableRelay::connectToken(const QByteArray &frame) {
    if (frame.size() != kFrameSize)
        return {};
    QByteArray token = frame.mid(8, kFrameSize - 9);
    const qsizetype fill = token.indexOf('#');
    return fill < 0 ? token : token.left(fill);
}

bool TableRelay::dealOwnGame(const QByteArray &deck) {
    if (deck.size() != 2 * quarn::kDeckSize)
        return false;
    // Role p holds deck block 5 - p, nine cards in deck order.
    quarn::SeatHands hands{};
    for (int role = 1; role <= kRoles; ++role) {
        quarn::Hand &hand = hands[size_t(seatOfRole(role))];
        quarn::ClearHand(hand);
        const int first = (kRoles - role) * quarn::kCardsPerSeat;
        for (int i = 0; i < quarn::kCardsPerSeat; ++i) {
            const qsizetype at = 2 * (first + i);
            const quarn::TStr2 card{deck[at], deck[at + 1]};
            const auto parsed = quarn::ParseCard(card);
            if (!parsed)
                return false;
            hand[size_t(i + 1)] = {card, std::uint8_t(parsed->rank)};
        }
    }
    game_ = quarn::GameState{};
    game_.Tournament = true;
    return quarn::NewHand(game_, hands);
}

TableRelay::Effects TableRelay::join(int role) {
    Effects effects;
    if (playing_ || role < 1 || role > kRoles || present_[size_t(role - 1)]) {
        effects.refused = true;
        return effects;
    }
    present_[size_t(role - 1)] = true;
    if (std::all_of(present_.begin(), present_.end(), [](bool p) { return p; })) {
        QByteArray deck = deck_();
        if (!dealOwnGame(deck)) {
            effects.notes += "the deck source gave no whole deck; shuffled one instead";
            deck = shuffledDeck();
            dealOwnGame(deck);
        }
        // Each program gets its own nine cards; the others travel masked.
        for (int r = 1; r <= kRoles; ++r)
            effects.sends.append({r, dealMessage(maskedDeck(deck, r))});
        effects.dealt = true;
        playing_ = true;
        settled_ = false;
        settlementPassed_ = false;
        lastChatMs_ = {};
        nextTurn();
    }
    return effects;
}

int TableRelay::awaitedRole() const {
    if (!playing_)
        return 0;
    if (game_.HandInPlay())
        return roleAtSeat(game_.ToMove);
    return 1; // the start, the settlement and the scores are the leader's
}

void TableRelay::toOthers(Effects &effects, int sender, const QByteArray &bytes) const {
    for (int r = 1; r <= kRoles; ++r)
        if (r != sender && present_[size_t(r - 1)])
            effects.sends.append({r, bytes});
}

TableRelay::Effects TableRelay::endGame(Effects effects) {
    for (int r = 1; r <= kRoles; ++r)
        if (present_[size_t(r - 1)])
            effects.sends.append({r, frameOf("end", '0')});
    effects.over = true;
    present_ = {};
    playing_ = false;
    settled_ = false;
    settlementPassed_ = false;
    return effects;
}

bool TableRelay::applyMove(int role, const QByteArray &frame) {
    using quarn::Announce;
    const int seat = seatOfRole(role);
    if (frame.startsWith("hbegin"))
        return role == 1 && quarn::StartHand(game_);
    if (frame.startsWith("hitogs")) {
        // The server settled when the hand ended; the leader's settlement
        // only shows it to the others.
        if (role != 1 || !settled_ || settlementPassed_)
            return false;
        settlementPassed_ = true;
        return true;
    }
    const bool toMove = game_.HandInPlay() && game_.ToMove == seat;
    if (frame.startsWith("hpass0"))
        return toMove && quarn::HasNoPlay(game_, seat) &&
               quarn::MoveSeat(game_, seat, 0, Announce::No);
    if (frame.startsWith("hhod")) {
        const int slot = slotOf(frame);
        return toMove && slot >= 1 && slot <= game_.CardCount[seat] &&
               quarn::IsPlayable(game_, game_.Hands[seat][slot].card) &&
               quarn::MoveSeat(game_, seat, slot, Announce::No);
    }
    return false;
}

QByteArray TableRelay::relayedMove(int role, const QByteArray &frame) const {
    const int seat = seatOfRole(role);
    const int slot = slotOf(frame);
    if (slot < 1 || slot > game_.CardCount[seat])
        return frame;
    const QByteArray card = QByteArray::fromStdString(game_.Hands[seat][slot].card.Bytes());
    return frameOf(frame.left(6) + card, frame[kFrameSize - 1]);
}

std::array<qint64, TableRelay::kRoles> TableRelay::settledScores() const {
    std::array<qint64, kRoles> scores{};
    for (int r = 1; r <= kRoles; ++r)
        scores[size_t(r - 1)] = game_.Score[seatOfRole(r)];
    return scores;
}

TableRelay::Effects TableRelay::scoresClaimed(int role, const QByteArray &payload) {
    Effects effects;
    if (role != 1) {
        effects.notes += noteOf(role, "sent scores; only the leader does: ignored");
        return effects;
    }
    if (!settlementPassed_) {
        effects.notes += noteOf(role, "sent scores before the settlement: ignored");
        return effects;
    }
    const auto claimed = parseScores(payload);
    const auto own = settledScores();
    if (claimed != own)
        effects.notes += noteOf(role, "sent scores \"" + payloadOf(payload) +
                                          "\" that disagree with the settlement" + scoresText(own) +
                                          ": ignored");
    return endGame(effects);
}

TableRelay::Effects TableRelay::frame(int role, const QByteArray &frame) {
    Effects effects;
    if (!joined(role) || frame.size() != kFrameSize)
        return effects;
    if (frame.startsWith("disA"))
        return leave(role);
    // A frame must carry its sender's own role; others are forged and dropped.
    if (frame[kFrameSize - 1] != char('0' + role) || !playing_)
        return effects;
    if (frame.startsWith('s')) {
        if (chatAllowed(role))
            toOthers(effects, role, frame);
        return effects; // a flood is dropped unnoted: the log stays for the game
    }
    if (frame.startsWith("TOut")) {
        if (!timeOutAgreed(role)) {
            effects.notes +=
                noteOf(role, "sent \"TOut\" the server's clock does not agree with: dropped");
            return effects;
        }
        toOthers(effects, role, frame);
        return endGame(effects);
    }
    if (frame.startsWith('o'))
        return scoresClaimed(role, frame.left(kFrameSize - 1));
    if (!frame.startsWith('h'))
        return effects;
    const QByteArray relayed = frame.startsWith("hhod") ? relayedMove(role, frame) : frame;
    if (!applyMove(role, frame)) {
        effects.notes += noteOf(role, "\"" + payloadOf(frame) + "\" is not its move now: dropped");
        return effects;
    }
    toOthers(effects, role, relayed);
    nextTurn();
    if (game_.ToMove == quarn::kHandEnded)
        settle(effects);
    return effects;
}

void TableRelay::settle(Effects &effects) {
    if (!quarn::SettleHand(game_))
        return;
    settled_ = true;
    effects.scores = settledScores();
}

TableRelay::Effects TableRelay::clockRanOut() {
    Effects effects;
    if (!playing_)
        return effects;
    if (awaitingSettlement()) {
        // The leader kept the settlement back: the server shows its own.
        effects.notes += noteOf(1, "sent no settlement in time: the server sends it");
        for (int r = 1; r <= kRoles; ++r)
            if (present_[size_t(r - 1)])
                effects.sends.append({r, frameOf("hitogs", '0')});
        return endGame(effects);
    }
    if (settled_) {
        effects.notes += noteOf(1, "sent no scores after the settlement: the game ends");
        return endGame(effects);
    }
    const int role = awaitedRole();
    effects.notes += noteOf(role, "did not act in time: it loses by time");
    toOthers(effects, role, frameOf("TOut", char('0' + role)));
    return endGame(effects);
}

TableRelay::Effects TableRelay::leave(int role) {
    Effects effects;
    if (!joined(role))
        return effects;
    present_[size_t(role - 1)] = false;
    if (!playing_) {
        effects.leftBeforeDeal = role;
        return effects;
    }
    toOthers(effects, role, frameOf(QByteArray("aleft") + char('0' + role), '0'));
    effects.over = true;
    present_ = {};
    playing_ = false;
    settled_ = false;
    settlementPassed_ = false;
    return effects;
}

} // namespace server
