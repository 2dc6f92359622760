#include "server/TableRelay.h"

#include <QRandomGenerator>

#include <algorithm>
#include <random>

namespace server {
namespace {

// Ranks six to ace and suits hearts, diamonds, clubs, spades as code page
// 1251 bytes: '6' '7' '8' '9' '1' 'В' 'Д' 'К' 'Т' and 'ч' 'б' 'к' 'п'.
constexpr unsigned char kRanks[9] = {'6', '7', '8', '9', '1', 0xC2, 0xC4, 0xCA, 0xD2};
constexpr unsigned char kSuits[4] = {0xF7, 0xE1, 0xEA, 0xEF};

int rankDigit(unsigned char rank) {
    for (int i = 0; i < 9; ++i)
        if (kRanks[i] == rank)
            return i + 1;
    return 0;
}

bool startsWith(const QByteArray &frame, const char *prefix) {
    return frame.startsWith(prefix);
}

// The frames a participant may send during the game that the others must see.
bool isRelayed(const QByteArray &frame) {
    return startsWith(frame, "hbegin") || startsWith(frame, "hhod") ||
           startsWith(frame, "hpass0") || startsWith(frame, "hitogs") || startsWith(frame, "s") ||
           startsWith(frame, "TOut");
}

} // namespace

TableRelay::TableRelay(DeckSource deck) : deck_(std::move(deck)) {}

QByteArray TableRelay::frameOf(const QByteArray &payload, char lastByte) {
    QByteArray frame = payload.left(kFrameSize - 1);
    frame.append(kFrameSize - 1 - frame.size(), '#');
    frame.append(lastByte);
    return frame;
}

QByteArray TableRelay::shuffledDeck() {
    std::array<int, 36> order;
    for (int i = 0; i < 36; ++i)
        order[size_t(i)] = i;
    std::shuffle(order.begin(), order.end(), *QRandomGenerator::system());
    QByteArray deck;
    for (int card : order) {
        deck.append(char(kRanks[card / 4]));
        deck.append(char(kSuits[card % 4]));
    }
    return deck;
}

QByteArray TableRelay::dealMessage(const QByteArray &deck) {
    QByteArray message("b");
    message += deck;
    for (int i = 0; i < deck.size(); i += 2)
        message.append(char('0' + rankDigit(static_cast<unsigned char>(deck[i]))));
    return message;
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

TableRelay::Effects TableRelay::join(int role) {
    Effects effects;
    if (playing_ || role < 1 || role > kRoles || present_[size_t(role - 1)]) {
        effects.refused = true;
        return effects;
    }
    present_[size_t(role - 1)] = true;
    if (std::all_of(present_.begin(), present_.end(), [](bool p) { return p; })) {
        const QByteArray deal = dealMessage(deck_());
        for (int r = 1; r <= kRoles; ++r)
            effects.sends.append({r, deal});
        effects.dealt = true;
        playing_ = true;
    }
    return effects;
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
    return effects;
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
    if (isRelayed(frame)) {
        toOthers(effects, role, frame);
        if (frame.startsWith("TOut"))
            return endGame(effects);
        return effects;
    }
    if (frame.startsWith('o') && role == 1) {
        effects.scores = parseScores(frame.left(kFrameSize - 1));
        if (effects.scores)
            return endGame(effects);
    }
    return effects;
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
    return effects;
}

} // namespace server
