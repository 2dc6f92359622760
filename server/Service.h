#pragma once
// What every web service of the server gets and gives: the form fields of one
// POST, the caller's address and session, and one Reply.
#include "server/FormFields.h"
#include "server/PasswordHash.h"
#include "server/Reply.h"

#include <QHostAddress>
#include <QString>

#include <optional>

namespace server {

struct ServiceRequest {
    FormFields form;
    QHostAddress remote;
    QString sessionNick; // the nick logged in on the caller's session, empty when none
    // Password work done beforehand on a worker thread (key derivation is
    // slow by design and must not hold up the other requests): whether the
    // request's password matches its nick, and the hash of a new password.
    std::optional<bool> passwordVerified;
    std::optional<PasswordHash> preparedHash;
};

class Service {
  public:
    virtual ~Service() = default;
    // True when the request may change stored data: the server then runs it
    // inside a transaction and answers only after the commit.
    virtual bool writes(const FormFields &form) const = 0;
    virtual Reply handle(const ServiceRequest &request) = 0;
};

} // namespace server
