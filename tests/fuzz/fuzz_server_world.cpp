// libs: quarn_server
// Any body posted to the server's world service, handled on a throwaway
// database: never a crash, never an empty reply, an error always "$no$".
#include "ServerFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    serverfuzz::Services::instance().handle(serverfuzz::Target::World, data, size);
    return 0;
}
