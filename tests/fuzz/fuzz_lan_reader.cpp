// libs: quarn_net_lan
// The network stream reader meets arbitrary bytes in arbitrary reads.
// Beyond not crashing: it never holds back more than a deal less one byte,
// every message it gives is well formed, and after any garbage and a filler
// of 26 bytes a valid stream in a new read comes out exactly as sent.
//
// Input: byte 0 picks the side (even: the host reads, odd: a client reads),
// byte 1 the size of the reads (1 to 32 bytes), the rest is the stream.
#include "net/lan/LanReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quarn;
using namespace quarn::lan;

void Require(bool condition) {
    if (!condition)
        std::abort();
}

void CheckWellFormed(const LanMessage &m) {
    switch (m.kind) {
    case LanKind::Hello:
        Require(m.bytes.size() == std::size_t(kHelloLength) &&
                m.name.size() == std::size_t(kNameLength));
        break;
    case LanKind::Assignment:
        Require(m.bytes.size() == std::size_t(kAssignmentLength) && m.role >= 2 && m.role <= 4);
        break;
    case LanKind::Update:
        Require(m.bytes.size() == std::size_t(kUpdateLength) && (m.role == 2 || m.role == 3));
        break;
    case LanKind::Deal:
        Require(m.bytes.size() == std::size_t(kDealLength) && IsCompleteDeck(m.deck));
        break;
    case LanKind::Move:
        Require(m.slot >= 0 && m.slot <= 99);
        [[fallthrough]];
    case LanKind::Begin:
    case LanKind::Pass:
    case LanKind::Settlement:
        Require(m.bytes.size() == std::size_t(kGameMessageLength) && m.role >= 1 && m.role <= 4);
        break;
    case LanKind::Chat:
        Require(!m.text.empty() && m.role >= 1 && m.role <= 4 &&
                m.bytes.size() == m.text.size() + 2);
        break;
    case LanKind::Abort:
        Require(m.bytes == kAbort);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 2)
        return 0;
    const LanSide side = (data[0] % 2 == 0) ? LanSide::Host : LanSide::Client;
    const std::size_t readSize = data[1] % 32 + 1;
    const std::string_view stream(reinterpret_cast<const char *>(data + 2), size - 2);

    LanReader reader(side);
    for (std::size_t at = 0; at < stream.size(); at += readSize) {
        for (const LanMessage &m : reader.Feed(stream.substr(at, readSize)))
            CheckWellFormed(m);
        Require(reader.Pending() < std::size_t(kDealLength));
    }

    for (const LanMessage &m : reader.Feed(std::string(kAssignmentLength, 'x')))
        CheckWellFormed(m);
    const std::vector<std::string> valid = {"hhod031", "hpass02", "hitogs1", "hbegin1"};
    std::string tail;
    for (const std::string &v : valid)
        tail += v;
    const std::vector<LanMessage> after = reader.Feed(tail);
    Require(after.size() == valid.size());
    for (std::size_t i = 0; i < valid.size(); ++i)
        Require(after[i].bytes == valid[i]);
    Require(reader.Pending() == 0);
    return 0;
}
