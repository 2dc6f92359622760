#include "server/PasswordHash.h"

#include <QPasswordDigestor>
#include <QRandomGenerator>

namespace server {
namespace {

QByteArray derive(const QByteArray &password, const QByteArray &salt, int iterations) {
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password, salt,
                                              iterations, 32);
}

} // namespace

PasswordHash hashPassword(const QByteArray &password, int iterations) {
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    const QByteArray salt(reinterpret_cast<const char *>(words), sizeof words);
    return {derive(password, salt, iterations).toHex(), salt.toHex(), iterations};
}

bool verifyPassword(const QByteArray &password, const PasswordHash &stored) {
    if (stored.iterations <= 0)
        return false;
    const QByteArray computed =
        derive(password, QByteArray::fromHex(stored.saltHex), stored.iterations).toHex();
    if (computed.size() != stored.hashHex.size())
        return false;
    // Compare every byte, so the time taken tells nothing about the hash.
    unsigned char difference = 0;
    for (qsizetype i = 0; i < computed.size(); ++i)
        difference |= static_cast<unsigned char>(computed[i] ^ stored.hashHex[i]);
    return difference == 0;
}

} // namespace server
