#pragma once
// The record of a test account registered through the request layer:
// ordinary values, each one overridable by name, and the country's short
// name taken from its code as the account window takes it.
#include "web/Countries.h"
#include "web/Records.h"

#include <string>

namespace servertest {

struct MemberSpec {
    std::string nick;
    std::string city = "Moscow";
    std::string countryCode = "1-001";
    char sex = 'M';
    std::string email = "x@mail.ru";
    std::string pw = "secret1";
    std::string dateR = "10.12.2025";
};

inline web::TWemUser testMember(const MemberSpec &spec) {
    web::TWemUser user;
    user.Nick = spec.nick;
    user.Pw = spec.pw;
    user.City = spec.city;
    user.Country1 = std::string(web::countryOfCode(spec.countryCode).shortName);
    user.Country2 = spec.countryCode;
    user.Sex = spec.sex;
    user.EMail = spec.email;
    user.DateR = spec.dateR;
    user.R01 = user.R02 = user.R03 = "xxx";
    return user;
}

} // namespace servertest
