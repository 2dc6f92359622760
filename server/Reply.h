#pragma once
// One HTTP answer of the services, and the pieces the replies are made of.
//
// Reply texts travel in code page 1251. The program scans them for the status
// words "ok", "is" and "no" anywhere, for records between "$" and "$" or "*",
// and for numbers after the last "$". So every number is closed by a second
// "$", and an error text never holds "ok" or "is".
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <optional>

namespace server {

struct Reply {
    int status = 200;
    QByteArray body;
    QByteArray contentType = "text/html; charset=windows-1251";
    QList<QPair<QByteArray, QByteArray>> headers;
    // Set by a successful login: the server opens a session for this nick,
    // remembering (as a keyed digest) that it was opened with this password.
    std::optional<QString> sessionNick;
    QByteArray sessionPassword;
    // A file sent in pieces from the disk instead of `body` (large downloads and songs).
    QString filePath;
    qint64 fileSize = 0;
};

// "$" + n + "$": read by the program's last-number rule.
QByteArray numberText(qint64 n);
Reply numberReply(qint64 n);
// A status word the program looks for: "$ok$", "$is$", "$no$" (+ a note).
Reply statusReply(const char *word, const QString &note = QString());
// A refused or malformed request: "$no$ error: " + why, with the given HTTP
// status. Any "ok" or "is" in `why` is written in capitals, so that the reply
// can never be read as success or as "nick taken".
Reply errorReply(int status, const QString &why);
// The "ok" of the statistics service: its reply is read after the last "$".
Reply statsOkReply();

// Text for the wire: UTF-8 to code page 1251 (a character the code page
// lacks becomes "?"), and back.
QByteArray toWire(const QString &text);
QString fromWire(const QByteArray &bytes);

// A rating or other decimal number: fixed notation, "." as separator.
QByteArray decimalText(double value);

// Masks the status words "ok" and "is" in a free text.
QString withoutStatusWords(QString text);

} // namespace server
