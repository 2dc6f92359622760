#pragma once
// An account registered straight through the request layer, for the tests
// that start from an existing member.
#include "tests/server/TestMember.h"
#include "web/WebServices.h"

#include <string>

namespace accounttest {

// Registers `nick` at the server with ordinary values; the request's result.
inline web::RegisterResult registerMember(const std::string &baseUrl, const std::string &nick,
                                          const std::string &pw = "secret1") {
    const web::TWemUser user =
        servertest::testMember({.nick = nick, .pw = pw, .dateR = "10.12.2026"});
    web::WebServices own(web::Addresses::forServer(baseUrl));
    return own.RegisterAccount(user);
}

} // namespace accounttest
