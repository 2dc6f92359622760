#pragma once
// An account registered straight through the request layer, for the tests
// that start from an existing member.
#include "web/WebServices.h"

#include <string>

namespace accounttest {

// Registers `nick` at the server with ordinary values; the request's result.
inline web::RegisterResult registerMember(const std::string &baseUrl, const std::string &nick,
                                          const std::string &pw = "secret1") {
    web::TWemUser user;
    user.Nick = nick;
    user.Pw = pw;
    user.City = "Moscow";
    user.Country1 = "Russia";
    user.Country2 = "1-001";
    user.EMail = "x@mail.ru";
    user.DateR = "10.12.2026";
    user.R01 = user.R02 = user.R03 = "xxx";
    web::WebServices own(web::Addresses::forServer(baseUrl));
    return own.RegisterAccount(user);
}

} // namespace accounttest
