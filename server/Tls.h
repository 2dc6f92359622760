#pragma once
// The server's TLS identity: its certificate (with the chain behind it, as
// certificate authorities hand it out) and its private key, both PEM files.
#include <QSslConfiguration>
#include <QString>

#include <optional>

namespace server {

// The configuration a TLS connection of the server uses; nothing, with the
// reason in `error`, when a file cannot be read or does not hold what it
// should (a key that does not belong to the certificate shows in the
// handshakes, which then fail).
std::optional<QSslConfiguration> loadTlsConfiguration(const QString &certificateFile,
                                                      const QString &keyFile, QString *error);

} // namespace server
