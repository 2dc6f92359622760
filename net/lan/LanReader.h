#pragma once
// Takes apart the byte stream of one connection into messages. TCP may split
// a message over two reads or join several into one, so the reader keeps an
// incomplete message for the next read (a game message is 7 bytes, the deal
// 109, the joining messages 19, 25 or 26). A chat line has no terminator: its
// text runs to the end of the read that carries it, but never past the chat
// line's 15 characters, and nothing in it is ever taken for a message. This
// program's senders pad chat text with blanks to 15 characters, so chat
// lines and moves sent close together and joined in one read are all read.
// Bytes that start no message are skipped one at a time, so garbage never
// swallows a valid message that follows it.
// Plain C++: the session feeds it what each read returned.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "net/lan/LanProtocol.h"

namespace quarn::lan {

// Which end reads: the host reads what clients send (hello, moves, passes,
// chat), a client what the host sends (joining messages, deals, game
// messages, chat, abort).
enum class LanSide { Host, Client };

enum class LanKind { Hello, Assignment, Update, Deal, Begin, Move, Pass, Settlement, Chat, Abort };

struct LanMessage {
    LanKind kind = LanKind::Abort;
    std::string bytes; // the message as it travelled
    // Game messages: the origin role; chat: the sender's role; assignment:
    // the role given; update: the number of clients now (2 or 3).
    int role = 0;
    int slot = 0;      // move: the two digits as a number, 0..99 (not yet checked against a hand)
    WireNames names{}; // assignment and update, by host seat
    std::string name;  // hello: four bytes
    std::string text;  // chat: code page 1251 bytes without the padding, never empty
    Deck deck{};       // deal: a complete deck (checked)
};

class LanReader {
  public:
    explicit LanReader(LanSide side) : side_(side) {}

    // The messages completed by this read, in order.
    std::vector<LanMessage> Feed(std::string_view chunk);

    // Bytes held for the next read (an incomplete message); never more than
    // a deal less one byte.
    std::size_t Pending() const { return pending_.size(); }
    void Reset() { pending_.clear(); }

  private:
    LanSide side_;
    std::string pending_;
};

} // namespace quarn::lan
