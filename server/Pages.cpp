#include "server/Pages.h"

#include "server/FieldRules.h"
#include "server/Synth.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace server {
namespace {

constexpr qint64 kMaxServedFile = 256 * 1024 * 1024;
constexpr qint64 kMaxPhotoBytes = 2 * 1024 * 1024;

// Songs offered when the data folder has none: artist~title.mp3, "_" for
// blanks. The content is WAVE audio; players recognise it by its header.
const QStringList kGeneratedSongs = {
    QStringLiteral("Quarn_Club_Band~Nine_of_Diamonds.mp3"),
    QStringLiteral("Quarn_Club_Band~Rows_of_Hearts.mp3"),
    QStringLiteral("The_Bank~Two_Points_In.mp3"),
    QStringLiteral("The_Bank~Pass_Again.mp3"),
    QStringLiteral("Seat_Four~Thirty_Hands.mp3"),
    QStringLiteral("Seat_Four~Ace_of_Spades_Waltz.mp3"),
};

Reply fileReply(const QString &path, const QByteArray &contentType) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > kMaxServedFile ||
        !file.open(QIODevice::ReadOnly))
        return errorReply(404, QStringLiteral("not found"));
    Reply reply;
    reply.body = file.readAll();
    reply.contentType = contentType;
    return reply;
}

Reply textReply(const QByteArray &body, const QByteArray &contentType) {
    Reply reply;
    reply.body = body;
    reply.contentType = contentType;
    return reply;
}

} // namespace

Pages::Pages(QString dataDir, QString programDir)
    : dataDir_(std::move(dataDir)), programDir_(std::move(programDir)) {}

QString Pages::dataFile(const QString &relative) const {
    return QDir(dataDir_).filePath(relative);
}

bool Pages::isPlainFileName(const QString &name) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_~-][A-Za-z0-9._~-]{0,99}$"));
    return plain.match(name).hasMatch() && !name.contains(QStringLiteral(".."));
}

QByteArray Pages::baseUrl(const QByteArray &hostHeader, const QByteArray &fallbackHost) {
    static const QRegularExpression host(QStringLiteral("^[A-Za-z0-9.:\\[\\]-]{1,100}$"));
    const QByteArray chosen =
        host.match(QString::fromLatin1(hostHeader)).hasMatch() ? hostHeader : fallbackHost;
    return "http://" + chosen;
}

Reply Pages::config(const QByteArray &base) const {
    if (QFileInfo::exists(dataFile(QStringLiteral("config.txt"))))
        return fileReply(dataFile(QStringLiteral("config.txt")), "text/plain; charset=utf-8");
    // Keys the program looks for anywhere in the page: the pause keys must
    // not appear at all, or the chat and the world lists would be paused.
    const QByteArray page =
        "Quarn remote configuration, served by wem-server.\n"
        "NewsQuarn5.3=N#Welcome to the Quarn club!#Play, chat and climb the world lists.#" +
        base +
        "/news.html#0#\n"
        "DownLoad_Link_Quarn=" +
        base +
        "/downloads/progr/cards/#\n"
        "Google_Play_Link_Quarn=" +
        base + "/news.html#\n";
    return textReply(page, "text/plain; charset=utf-8");
}

Reply Pages::news(const QByteArray &base) const {
    if (QFileInfo::exists(dataFile(QStringLiteral("news.html"))))
        return fileReply(dataFile(QStringLiteral("news.html")), "text/html; charset=utf-8");
    const QByteArray page =
        "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Quarn news</title>"
        "</head>\n<body><h1>Quarn club news</h1>\n"
        "<p>The club's own server is running. Songs and radio: <a href=\"" +
        base +
        "/musik/_playlist.html\">song list</a>.</p>\n"
        "<!-- WemNews00001 -->\n</body></html>\n";
    return textReply(page, "text/html; charset=utf-8");
}

Reply Pages::externalAddress(const QHostAddress &caller) {
    bool isV4 = false;
    const quint32 v4 = caller.toIPv4Address(&isV4);
    const QString text = isV4 ? QHostAddress(v4).toString() : caller.toString();
    return textReply(text.toLatin1(), "text/plain; charset=utf-8");
}

Reply Pages::photo(const QString &fileName) const {
    if (!fileName.endsWith(QStringLiteral(".jpg")))
        return errorReply(404, QStringLiteral("not found"));
    const QString nick = fileName.chopped(4);
    if (!isAccountNick(toWire(nick)))
        return errorReply(404, QStringLiteral("not a nick"));
    Reply reply = fileReply(dataFile(QStringLiteral("ftp/photos/") + fileName), "image/jpeg");
    // Uploads are not checked on arrival: serve only what looks like a JPEG picture.
    if (reply.status == 200 &&
        (reply.body.size() > kMaxPhotoBytes || !reply.body.startsWith("\xFF\xD8")))
        return errorReply(404, QStringLiteral("not a photo"));
    return reply;
}

Reply Pages::download(const QString &fileName, const QByteArray &base) const {
    if (!isPlainFileName(fileName))
        return errorReply(404, QStringLiteral("not found"));
    // The station list names this server's own streams unless the club put one of its own.
    const bool stationList = fileName == QStringLiteral("WemRadio.rad");
    for (const QString &folder :
         {dataFile(QStringLiteral("downloads")), stationList ? QString() : programDir_}) {
        if (folder.isEmpty())
            continue;
        const QString path = QDir(folder).filePath(fileName);
        if (QFileInfo(path).isFile())
            return fileReply(path, "application/octet-stream");
    }
    if (stationList)
        return textReply(Pages::stationList(base), "text/plain");
    return errorReply(404, QStringLiteral("not found"));
}

QStringList Pages::ownSongs() const {
    QDir folder(dataFile(QStringLiteral("musik")));
    QStringList songs;
    for (const QString &name : folder.entryList({QStringLiteral("*.mp3")}, QDir::Files, QDir::Name))
        if (isPlainFileName(name))
            songs << name;
    return songs.mid(0, 1000);
}

Reply Pages::playlist() const {
    const QStringList own = ownSongs();
    const QStringList &songs = own.isEmpty() ? kGeneratedSongs : own;
    return textReply((songs.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8(),
                     "text/html; charset=utf-8");
}

Reply Pages::song(const QString &fileName) {
    if (!isPlainFileName(fileName))
        return errorReply(404, QStringLiteral("not found"));
    const QStringList own = ownSongs();
    if (!own.isEmpty()) {
        if (!own.contains(fileName))
            return errorReply(404, QStringLiteral("not found"));
        return fileReply(dataFile(QStringLiteral("musik/") + fileName), "audio/mpeg");
    }
    const qsizetype index = kGeneratedSongs.indexOf(fileName);
    if (index < 0)
        return errorReply(404, QStringLiteral("not found"));
    auto cached = generatedSongs_.find(fileName);
    if (cached == generatedSongs_.end())
        cached = generatedSongs_.insert(fileName, tuneWav(int(index) + 1, 40));
    Reply reply;
    reply.body = *cached;
    reply.contentType = "audio/wav";
    return reply;
}

const QList<Station> &Pages::stations() {
    static const QList<Station> list = {
        {"RUS", "QRN0001", "Quarn Radio Moscow", "Russian Federation", 101},
        {"RUS", "QRN0002", "Quarn Radio Volga", "Russian Federation", 102},
        {"UA0", "QRN0003", "Quarn Radio Kyiv", "Ukraine", 103},
        {"USA", "QRN0004", "Quarn Radio New York", "USA", 104},
        {"UK0", "QRN0005", "Quarn Radio London", "United Kingdom", 105},
        {"DE0", "QRN0006", "Quarn Radio Berlin", "Deutschland", 106},
        {"FRA", "QRN0007", "Quarn Radio Paris", "France", 107},
        {"JAP", "QRN0008", "Quarn Radio Tokyo", "Japan", 108},
    };
    return list;
}

QByteArray Pages::stationList(const QByteArray &base) {
    QByteArray text =
        "# Quarn radio stations served by wem-server: code#id#name#country#address#logo\r\n";
    for (const Station &s : stations())
        text += s.country + '#' + s.id + '#' + s.name + '#' + s.countryName + '#' + base +
                "/radio/" + s.id + "#RRADIO_LOGO_" + s.id + "\r\n";
    return text;
}

} // namespace server
