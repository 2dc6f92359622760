// libs: quarn_server
// Any sequence of joins, frames and leaves at one game-server table: the
// relay never crashes, sends only to the roles at the table, never passes a
// participant's frame back to it, and deals whole decks.
#include "server/TableRelay.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

void checkEffects(const server::TableRelay::Effects &effects, int sender, bool relayed) {
    for (const auto &out : effects.sends) {
        check(out.role >= 1 && out.role <= server::TableRelay::kRoles);
        check(out.bytes.size() == server::TableRelay::kFrameSize ||
              out.bytes.size() == server::TableRelay::kDealSize);
        if (relayed && out.bytes.size() == server::TableRelay::kFrameSize &&
            !out.bytes.startsWith("end"))
            check(out.role != sender);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // One deck for the whole run, so that a saved input replays the same game:
    // the relay checks every move against the cards it dealt.
    static const QByteArray deck = server::TableRelay::shuffledDeck();
    server::TableRelay relay([] { return deck; });
    size_t at = 0;
    while (at < size) {
        const uint8_t op = data[at++];
        const int role = (op >> 2) & 7; // 0 to 7: roles outside 1 to 4 too
        switch (op & 3) {
        case 0:
            checkEffects(relay.join(role), role, false);
            break;
        case 1: {
            QByteArray frame(reinterpret_cast<const char *>(data + at),
                             qsizetype(std::min<size_t>(size - at, 50)));
            at += size_t(frame.size());
            const bool wasPlaying = relay.playing();
            const auto effects = relay.frame(role, frame);
            checkEffects(effects, role, wasPlaying);
            if (effects.over)
                check(!relay.playing());
            break;
        }
        case 2:
            checkEffects(relay.leave(role), role, false);
            break;
        default: {
            const QByteArray frame(reinterpret_cast<const char *>(data + at),
                                   qsizetype(std::min<size_t>(size - at, 50)));
            at += size_t(frame.size());
            if (const auto announced = server::TableRelay::connectRole(frame))
                check(*announced >= 1 && *announced <= 4);
            server::TableRelay::parseScores(frame);
            break;
        }
        }
    }
    return 0;
}
