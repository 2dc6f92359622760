#pragma once
// The account the world window tests and screenshots register: a player
// from Reno whose e-mail holds "no" too.
#include "tests/server/TestMember.h"
#include "web/Records.h"

namespace quarn::testing_support {

inline web::TWemUser renoAccount() {
    return servertest::testMember({.nick = "Ann",
                                   .city = "Reno",
                                   .countryCode = "3-034",
                                   .sex = 'W',
                                   .email = "snow@mail.us"});
}

} // namespace quarn::testing_support
