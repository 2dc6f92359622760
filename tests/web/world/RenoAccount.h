#pragma once
// The account the world window tests and screenshots register: a player
// from Reno whose e-mail holds "no" too.
#include "web/Records.h"

namespace quarn::testing_support {

inline web::TWemUser renoAccount() {
    web::TWemUser ann;
    ann.Nick = "Ann";
    ann.Pw = "secret1";
    ann.City = "Reno";
    ann.Country1 = "USA";
    ann.Country2 = "3-034";
    ann.Sex = 'W';
    ann.EMail = "snow@mail.us";
    ann.DateR = "10.12.2025";
    ann.R01 = ann.R02 = ann.R03 = "xxx";
    return ann;
}

} // namespace quarn::testing_support
