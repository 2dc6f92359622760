#include "server/Tls.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>

namespace server {
namespace {

// Certificates and keys are a few kilobytes; a larger file is not one.
constexpr qint64 kMaxPemBytes = 1024 * 1024;

std::optional<QByteArray> readPem(const QString &file, QString *error) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly) || in.size() > kMaxPemBytes) {
        *error = QStringLiteral("cannot read %1%2")
                     .arg(file, in.isOpen() ? QStringLiteral(": too large")
                                            : QStringLiteral(": ") + in.errorString());
        return std::nullopt;
    }
    return in.readAll();
}

QSslKey privateKey(const QByteArray &pem) {
    for (QSsl::KeyAlgorithm algorithm : {QSsl::Rsa, QSsl::Ec, QSsl::Dsa}) {
        QSslKey key(pem, algorithm, QSsl::Pem, QSsl::PrivateKey);
        if (!key.isNull())
            return key;
    }
    return {};
}

} // namespace

std::optional<QSslConfiguration> loadTlsConfiguration(const QString &certificateFile,
                                                      const QString &keyFile, QString *error) {
    const std::optional<QByteArray> certificatePem = readPem(certificateFile, error);
    const std::optional<QByteArray> keyPem =
        certificatePem ? readPem(keyFile, error) : std::nullopt;
    if (!keyPem)
        return std::nullopt;
    const QList<QSslCertificate> chain = QSslCertificate::fromData(*certificatePem, QSsl::Pem);
    if (chain.isEmpty()) {
        *error = QStringLiteral("%1 holds no PEM certificate").arg(certificateFile);
        return std::nullopt;
    }
    const QSslKey key = privateKey(*keyPem);
    if (key.isNull()) {
        *error = QStringLiteral("%1 holds no unencrypted PEM private key").arg(keyFile);
        return std::nullopt;
    }
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificateChain(chain);
    configuration.setPrivateKey(key);
    configuration.setProtocol(QSsl::TlsV1_2OrLater);
    // Players do not show certificates of their own.
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    return configuration;
}

} // namespace server
