#include "net/lan/LanReader.h"

#include <algorithm>
#include <optional>

namespace quarn::lan {
namespace {

// How much of a message the bytes at hand hold.
enum class Fit { Whole, Partial, None };

// Fixed-length messages by shape: literal bytes, and the classes
// 'D' a decimal digit, 'R' a role 1..4, 'C' a client role 2..4, '.' any byte.
struct Shape {
    LanKind kind;
    std::string_view shape;
};

constexpr Shape kGameShapes[] = {
    {LanKind::Begin, "hbeginR"},
    {LanKind::Move, "hhodDDR"},
    {LanKind::Pass, "hpass0R"},
    {LanKind::Settlement, "hitogsR"},
};
constexpr Shape kHostShapes[] = {
    {LanKind::Hello, "wem4625connect1...."},
    {LanKind::Abort, "abort"},
};
constexpr Shape kClientShapes[] = {
    {LanKind::Assignment, "connect2+C................"},
    {LanKind::Update, "connect3+................"},
    {LanKind::Update, "connect4+................"},
    {LanKind::Abort, "abort"},
};

bool FitsClass(char shape, char byte) {
    switch (shape) {
    case 'D':
        return byte >= '0' && byte <= '9';
    case 'R':
        return byte >= '1' && byte <= '4';
    case 'C':
        return byte >= '2' && byte <= '4';
    case '.':
        return true;
    default:
        return shape == byte;
    }
}

Fit MatchShape(std::string_view shape, std::string_view data) {
    const std::size_t n = std::min(shape.size(), data.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (!FitsClass(shape[i], data[i]))
            return Fit::None;
    }
    return data.size() >= shape.size() ? Fit::Whole : Fit::Partial;
}

std::string_view TrimChatPadding(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

int DigitValue(char c) {
    return c - '0';
}
bool IsRoleDigit(char c) {
    return c >= '1' && c <= '4';
}

// The deal: "b", 36 card codes, then the rank digit of each of those cards.
// A whole deal must hold every card once.
Fit MatchDeal(std::string_view data, Deck *deck) {
    if (data.empty() || data[0] != 'b')
        return Fit::None;
    const std::size_t n = std::min<std::size_t>(data.size(), kDealLength);
    constexpr std::size_t kDigitsStart = 1 + 2 * kDeckSize;
    for (std::size_t i = 1; i < n; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        if (i < kDigitsStart) {
            const bool rankByte = (i % 2) == 1;
            const auto &table = rankByte ? detail::kRankIndex : detail::kSuitIndex;
            if (table[byte] == 0)
                return Fit::None;
        } else {
            const std::size_t card = i - kDigitsStart; // 0-based
            const int rank = detail::kRankIndex[static_cast<unsigned char>(data[1 + 2 * card])];
            if (byte != static_cast<unsigned char>('0' + rank))
                return Fit::None;
        }
    }
    if (data.size() < static_cast<std::size_t>(kDealLength))
        return Fit::Partial;
    Deck parsed{};
    for (int i = 1; i <= kDeckSize; ++i) {
        const TStr2 card{data[2 * i - 1], data[2 * i]};
        parsed[i] =
            DeckPosition{card, static_cast<std::uint8_t>(DigitValue(data[kDigitsStart + i - 1]))};
    }
    if (!IsCompleteDeck(parsed))
        return Fit::None;
    if (deck != nullptr)
        *deck = parsed;
    return Fit::Whole;
}

LanMessage FromShape(LanKind kind, std::string_view bytes) {
    LanMessage m;
    m.kind = kind;
    m.bytes = std::string(bytes);
    auto readNames = [&](std::size_t start) {
        std::size_t at = start;
        for (int seat : {4, 2, 1, 3}) {
            m.names[seat] = std::string(bytes.substr(at, kNameLength));
            at += kNameLength;
        }
    };
    switch (kind) {
    case LanKind::Hello:
        m.name = std::string(bytes.substr(kHelloHead.size(), kNameLength));
        break;
    case LanKind::Assignment:
        m.role = DigitValue(bytes[9]);
        readNames(10);
        break;
    case LanKind::Update:
        m.role = DigitValue(bytes[7]) - 1;
        readNames(9);
        break;
    case LanKind::Move:
        m.slot = DigitValue(bytes[4]) * 10 + DigitValue(bytes[5]);
        m.role = DigitValue(bytes[6]);
        break;
    case LanKind::Begin:
    case LanKind::Pass:
    case LanKind::Settlement:
        m.role = DigitValue(bytes[6]);
        break;
    default:
        break;
    }
    return m;
}

class Parser {
  public:
    explicit Parser(LanSide side) : side_(side) {}

    // The message starting the data, with its length: set when whole;
    // partial when the data end inside a message; otherwise nothing starts here.
    struct Found {
        Fit fit = Fit::None;
        std::size_t length = 0;
        LanMessage message;
    };

    // Messages other than chat.
    Found FixedAt(std::string_view data) const {
        Found found;
        if (side_ == LanSide::Client) {
            Deck deck{};
            const Fit deal = MatchDeal(data, &deck);
            if (deal == Fit::Whole) {
                found.fit = Fit::Whole;
                found.length = kDealLength;
                found.message.kind = LanKind::Deal;
                found.message.bytes = std::string(data.substr(0, kDealLength));
                found.message.deck = deck;
                return found;
            }
            if (deal == Fit::Partial)
                found.fit = Fit::Partial;
        }
        auto tryShapes = [&](const auto &shapes) {
            for (const Shape &s : shapes) {
                const Fit fit = MatchShape(s.shape, data);
                if (fit == Fit::Whole) {
                    found.fit = Fit::Whole;
                    found.length = s.shape.size();
                    found.message = FromShape(s.kind, data.substr(0, s.shape.size()));
                    return true;
                }
                if (fit == Fit::Partial)
                    found.fit = Fit::Partial;
            }
            return false;
        };
        if (tryShapes(kGameShapes))
            return found;
        if (side_ == LanSide::Host)
            tryShapes(kHostShapes);
        else
            tryShapes(kClientShapes);
        return found;
    }

    // The chat line at the start of the data: its text runs to the end of
    // the data, but never past the chat line's 15 characters, so whatever it
    // holds (letters of game messages too) is text. Senders pad the text
    // with blanks to 15 characters, which ends the line where it ends and
    // lets messages that follow it in the same read be read; the padding is
    // not part of the text. Returns the bytes the line took.
    std::size_t TakeChat(std::string_view data, std::vector<LanMessage> &out) const {
        const std::string_view line = data.substr(0, 2 + kChatTextMax);
        const std::string_view text = TrimChatPadding(line.substr(2));
        if (!text.empty()) {
            LanMessage chat;
            chat.kind = LanKind::Chat;
            chat.role = DigitValue(data[1]);
            chat.text = std::string(text);
            chat.bytes = std::string(line);
            out.push_back(std::move(chat));
        }
        return line.size();
    }

  private:
    LanSide side_;
};

} // namespace

std::vector<LanMessage> LanReader::Feed(std::string_view chunk) {
    pending_.append(chunk);
    const Parser parser(side_);
    std::vector<LanMessage> out;
    const std::string_view all = pending_;
    std::size_t pos = 0;
    while (pos < all.size()) {
        const std::string_view data = all.substr(pos);
        if (data[0] == 's') {
            if (data.size() < 2)
                break; // the sender's digit is still to come
            if (IsRoleDigit(data[1])) {
                pos += parser.TakeChat(data, out);
                continue;
            }
            ++pos;
            continue;
        }
        Parser::Found found = parser.FixedAt(data);
        if (found.fit == Fit::Whole) {
            out.push_back(std::move(found.message));
            pos += found.length;
        } else if (found.fit == Fit::Partial) {
            break;
        } else {
            ++pos; // no message starts here
        }
    }
    pending_.erase(0, pos);
    return out;
}

} // namespace quarn::lan
