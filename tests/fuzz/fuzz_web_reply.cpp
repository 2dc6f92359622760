// libs: quarn_web
// Any bytes as a reply of the web services, the remote configuration page or
// a scrambled value: every reader must return, never crash.
#include "store/Cp1251.h"
#include "web/FieldCheck.h"
#include "web/RemoteConfig.h"
#include "web/ReplyParse.h"
#include "web/ReplyScan.h"
#include "web/Scramble.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view reply(reinterpret_cast<const char *>(data), size);
    web::parseLoginReply(reply, web::TWemUser{});
    web::parseTopTenReply(reply);
    web::parseBalanceReply(reply);
    web::parseProfileReply(reply, web::TInfo14{});
    web::parseGameResultsReply(reply, web::TWemGame{});
    web::parseWorldRowsReply(reply, 46);
    web::parseStatsReply(reply);
    web::parseNumberReply(reply);
    web::statisticsAccepted(reply);
    web::hasStatusWordOutsideRecord(reply, "no");
    web::toDecimal(reply);
    web::parseRemoteConfig(reply);
    quarn::cp1251ToUtf8(reply);
    const std::string plain = web::Unscramble(reply, 0x3E95);
    web::Scramble(plain, 0x3E95);
    for (int mode = 0; mode <= 4; ++mode) {
        web::FieldCheckCp1251(reply, mode);
        web::FieldCheck(reply, mode);
    }
    return 0;
}
