#include "net/tour/TourReader.h"

#include "net/lan/LanProtocol.h"
#include "net/tour/TourProtocol.h"

#include <charconv>

namespace quarn::tour {
namespace {

bool StartsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

int RoleDigit(char c) {
    return c >= '1' && c <= '4' ? c - '0' : 0;
}

// The deal: "b", 36 card codes, their 36 rank digits (the local network's
// layout). A card of another hand may be masked: kUnknownCard with the digit
// "0". The known cards must be distinct, and nine of them at least (a
// program's own hand).
bool ReadDeal(std::string_view bytes, Deck &deck) {
    if (bytes.size() != std::size_t(lan::kDealLength) || bytes.front() != 'b')
        return false;
    constexpr std::size_t kDigits = 1 + 2 * kDeckSize;
    Deck read{};
    int known = 0;
    for (int i = 1; i <= kDeckSize; ++i) {
        const TStr2 card{bytes[std::size_t(2 * i - 1)], bytes[std::size_t(2 * i)]};
        const char digit = bytes[kDigits + std::size_t(i - 1)];
        if (card == kUnknownCard && digit == '0') {
            read[i] = {kUnknownCard, kNoRank};
            continue;
        }
        const auto parsed = ParseCard(card);
        if (!parsed || digit != '0' + parsed->rank)
            return false;
        read[i] = {card, static_cast<std::uint8_t>(parsed->rank)};
        ++known;
    }
    Deck whole = read;
    if (known < kCardsPerSeat || !FillUnknownCards(whole))
        return false;
    deck = read;
    return true;
}

// The card a passed-on move carries after its slot; empty when none.
TStr2 MoveCard(std::string_view frame) {
    const TStr2 card{frame.size() > 7 ? frame[6] : '#', frame.size() > 7 ? frame[7] : '#'};
    return ParseCard(card) ? card : kEmptyCard;
}

int Slot(std::string_view frame) {
    const char a = frame.size() > 5 ? frame[4] : ' ';
    const char b = frame.size() > 5 ? frame[5] : ' ';
    if (a < '0' || a > '9' || b < '0' || b > '9')
        return 0;
    return (a - '0') * 10 + (b - '0');
}

bool ReadScores(std::string_view frame, std::array<std::int32_t, 5> &scores) {
    for (int role = 1; role <= kRoleCount; ++role) {
        std::string_view field = frame.substr(1 + 5 * (role - 1), 5);
        while (!field.empty() && field.front() == ' ')
            field.remove_prefix(1);
        int value = 0;
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (error != std::errc() || end != field.data() + field.size() || field.empty())
            return false;
        scores[role] = value;
    }
    return true;
}

} // namespace

TourMessage TourReader::Decode(std::string_view message) {
    TourMessage m;
    m.bytes = std::string(message);
    if (message.empty())
        return m;
    if (message.front() == 'b') {
        if (ReadDeal(message, m.deck))
            m.kind = TourKind::Deal;
        return m;
    }
    if (message.size() != kFrameLength)
        return m;
    m.role = RoleDigit(message.back());
    const std::string_view payload = message.substr(0, kFrameLength - 1);
    if (StartsWith(payload, kChat)) {
        m.kind = TourKind::Chat;
        m.text = std::string(payload.substr(1, payload.find(kFrameFill) - 1));
    } else if (StartsWith(payload, kBegin)) {
        m.kind = TourKind::Begin;
    } else if (StartsWith(payload, kMove)) {
        m.kind = TourKind::Move;
        m.slot = Slot(payload);
        m.card = MoveCard(payload);
    } else if (StartsWith(payload, kPass)) {
        m.kind = TourKind::Pass;
    } else if (StartsWith(payload, kSettle)) {
        m.kind = TourKind::Settlement;
    } else if (payload.front() == 'e') {
        m.kind = TourKind::GameOver;
    } else if (payload.front() == 'a') {
        m.kind = TourKind::Left;
        m.role = RoleDigit(payload[5]);
    } else if (payload.front() == 'T') {
        m.kind = TourKind::TimeOut;
    } else if (StartsWith(payload, kConnect)) {
        m.kind = TourKind::Connect;
    } else if (StartsWith(payload, kScores)) {
        if (ReadScores(payload, m.scores))
            m.kind = TourKind::Scores;
    } else if (StartsWith(payload, kLeaveSeat)) {
        m.kind = TourKind::LeaveSeat;
    }
    return m;
}

std::vector<TourMessage> TourReader::Feed(std::string_view chunk) {
    pending_.append(chunk);
    std::vector<TourMessage> messages;
    std::size_t at = 0;
    while (at < pending_.size()) {
        const std::size_t length =
            pending_[at] == 'b' ? std::size_t(lan::kDealLength) : std::size_t(kFrameLength);
        if (pending_.size() - at < length)
            break;
        messages.push_back(Decode(std::string_view(pending_).substr(at, length)));
        at += length;
    }
    pending_.erase(0, at);
    return messages;
}

} // namespace quarn::tour
