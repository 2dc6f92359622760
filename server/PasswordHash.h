#pragma once
// Passwords are kept only as salted PBKDF2-SHA256 hashes (Qt's
// QPasswordDigestor); the iteration count is stored with each hash so that it
// can be raised later without locking anyone out.
#include <QByteArray>

namespace server {

struct PasswordHash {
    QByteArray hashHex;
    QByteArray saltHex;
    int iterations = 0;
};

constexpr int kPasswordIterations = 60'000;

PasswordHash hashPassword(const QByteArray &password, int iterations = kPasswordIterations);
bool verifyPassword(const QByteArray &password, const PasswordHash &stored);

} // namespace server
