#include "server/Reply.h"

#include "store/Cp1251.h"

#include <cmath>
#include <cstdio>

namespace server {
namespace {

bool isAscii(const QByteArray &bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

QByteArray numberText(qint64 n) {
    return '$' + QByteArray::number(n) + '$';
}

Reply numberReply(qint64 n) {
    Reply reply;
    reply.body = numberText(n);
    return reply;
}

Reply statusReply(const char *word, const QString &note) {
    Reply reply;
    reply.body = QByteArray("$") + word + "$";
    if (!note.isEmpty())
        reply.body += ' ' + toWire(withoutStatusWords(note));
    return reply;
}

Reply errorReply(int status, const QString &why) {
    Reply reply;
    reply.status = status;
    reply.body = "$no$ error: " + toWire(withoutStatusWords(why));
    return reply;
}

Reply statsOkReply() {
    Reply reply;
    reply.body = "$ ok#";
    return reply;
}

QString withoutStatusWords(QString text) {
    text.replace(QStringLiteral("ok"), QStringLiteral("OK"));
    text.replace(QStringLiteral("is"), QStringLiteral("IS"));
    return text;
}

QByteArray toWire(const QString &text) {
    const QByteArray utf8 = text.toUtf8();
    if (isAscii(utf8))
        return utf8;
    if (const auto whole = quarn::utf8ToCp1251(std::string_view(utf8.constData(), utf8.size())))
        return QByteArray::fromStdString(*whole);
    QByteArray out;
    for (const QChar ch : text) {
        const QByteArray one = QString(ch).toUtf8();
        const auto converted = quarn::utf8ToCp1251(std::string_view(one.constData(), one.size()));
        out += converted ? QByteArray::fromStdString(*converted) : QByteArray("?");
    }
    return out;
}

QString fromWire(const QByteArray &bytes) {
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    return QString::fromStdString(
        quarn::cp1251ToUtf8(std::string_view(bytes.constData(), bytes.size())));
}

QByteArray decimalText(double value) {
    if (!std::isfinite(value))
        value = 0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6f", value);
    QByteArray text(buffer);
    text.replace(',', '.'); // whatever the C locale says
    return text;
}

} // namespace server
