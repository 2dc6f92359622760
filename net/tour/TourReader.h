#pragma once
// Takes apart the byte stream of the game-server connection into messages.
// Every message is a 50-byte frame except the deal (109 bytes, beginning
// with "b"). TCP may split a frame over two reads or join several into one,
// so the reader keeps an incomplete message for the next read; frames after
// a deal in the same read are read too. Plain C++: the connection feeds it
// what each read returned.
//
// The reader knows every message of both directions: what the server sends
// (the deal, "e", "a", and the frames of the other participants it passes
// on: "hbegin", "hhod", "hpass0", "hitogs", chat, "TOut") and what the
// program sends ("connect", "o", "disA"), which a program ignores when it
// receives it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rules/Deck.h"

namespace quarn::tour {

enum class TourKind {
    Deal,       // "b": the deck of the table's hand
    Begin,      // "hbegin"
    Move,       // "hhod" + slot (+ card)
    Pass,       // "hpass0"
    Settlement, // "hitogs"
    Chat,       // "s" + text up to the first "#"
    TimeOut,    // "T...": a participant's move clock ran out (role: 50th byte)
    GameOver,   // "e...": the table's game is over
    Left,       // "a...": a participant left (role: sixth byte)
    Connect,    // "connect" + role
    Scores,     // "o" + four scores
    LeaveSeat,  // "disA"
    Unknown,    // a frame that is none of these
};

struct TourMessage {
    TourKind kind = TourKind::Unknown;
    std::string bytes; // as it travelled
    // Chat, TimeOut, Connect and every frame: the sender's role digit (50th
    // byte); Left: the sixth byte. 0 when it is not a digit 1..4.
    int role = 0;
    int slot = 0;            // Move: the two digits, 0 when they are not digits
    TStr2 card = kEmptyCard; // Move: the card after the slot, empty when none
    std::string text;        // Chat: code page 1251 bytes before the first "#"
    Deck deck{}; // Deal: the deck in the server's order, other hands' cards kUnknownCard
    std::array<std::int32_t, 5> scores{}; // Scores: by role 1..4
};

class TourReader {
  public:
    // The messages completed by this read, in order.
    std::vector<TourMessage> Feed(std::string_view chunk);

    // Bytes held for the next read (an incomplete message); less than a deal.
    std::size_t Pending() const { return pending_.size(); }
    void Reset() { pending_.clear(); }

    // One whole message (a 50-byte frame or a 109-byte deal) read on its own.
    static TourMessage Decode(std::string_view message);

  private:
    std::string pending_;
};

} // namespace quarn::tour
