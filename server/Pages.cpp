#include "server/Pages.h"

#include "server/FieldRules.h"
#include "server/Synth.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace server {
namespace {

// Files up to this size go out in one piece; larger ones are streamed from the disk.
constexpr qint64 kInMemoryFile = 64 * 1024;

// What the download folder offers, and nothing else: the resource libraries
// the program fetches when one is missing, and the radio station list. The
// program's folder also holds the club files, the settings and the program
// itself, which must never be served.
const QStringList kDownloadable = {
    QStringLiteral("WemCards06A.dll"),   QStringLiteral("WemCards06B.dll"),
    QStringLiteral("WemCards06C.dll"),   QStringLiteral("WemBackG03.dll"),
    QStringLiteral("WemCGraph1.dll"),    QStringLiteral("WemCVoice3.dll"),
    QStringLiteral("WemCalendar01.dll"), QStringLiteral("WemRadio02.dll"),
    QStringLiteral("WemRadio.rad"),
};

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

// A file's reply: small files are read at once, larger ones are named for
// the front to stream, so a reply never holds a large file in memory.
Reply fileReply(const QString &path, const QByteArray &contentType) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return errorReply(404, QStringLiteral("not found"));
    Reply reply;
    reply.contentType = contentType;
    if (file.size() > kInMemoryFile) {
        reply.filePath = path;
        reply.fileSize = file.size();
    } else {
        reply.body = file.read(kInMemoryFile);
    }
    return reply;
}

// A small file read whole, at most `limit` bytes; nothing when it is larger or missing.
std::optional<QByteArray> smallFile(const QString &path, qint64 limit) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > limit || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(limit);
}

Reply textReply(const QByteArray &body, const QByteArray &contentType) {
    Reply reply;
    reply.body = body;
    reply.contentType = contentType;
    return reply;
}

} // namespace

bool isJpegPicture(const QByteArray &bytes) {
    return bytes.startsWith("\xFF\xD8\xFF");
}

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
    if (QFileInfo::exists(dataFile(QStringLiteral("config.txt")))) {
        auto own = smallFile(dataFile(QStringLiteral("config.txt")), kInMemoryFile);
        if (!own)
            return errorReply(404, QStringLiteral("configuration page missing or too large"));
        return textReply(*own, "text/plain; charset=utf-8");
    }
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

Reply Pages::routerHelp() const {
    if (QFileInfo::exists(dataFile(QStringLiteral("router.html"))))
        return fileReply(dataFile(QStringLiteral("router.html")), "text/html; charset=utf-8");
    const QByteArray page = R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>Quarn: network games through a router</title></head>
<body>
<h1>Network games through a router</h1>
<p>One program is the <b>server</b> (the host: it chooses "Server create the game" in the
welcome window); the others are <b>clients</b> ("Client enters to game"). The clients connect
to the host over TCP, on the port written in "Enter Port of server:" (25666 unless you change
it). Everyone must use the same port.</p>

<h2>All players on the same local network</h2>
<p>Nothing needs to be set on the router. The host presses "To receive the IP-addresses" and
tells the others one of its local addresses (such as 192.168.1.20); the clients enter it in
"Enter IP of server:". If a client still finds "There are no accessible games", allow Quarn
through the firewall of the host's computer for incoming TCP connections on the port.</p>

<h2>Players outside the host's network</h2>
<p>A router does not pass connections from the internet to a computer behind it unless it is
told to. Only the host's router needs this; clients connect outwards and need no change.</p>
<ol>
<li>On the host, press "To receive the IP-addresses". Note the local address of the computer
(for example 192.168.1.20) and the address as seen from the internet (the one the program
fetches from the web; it is the router's outside address).</li>
<li>Open the router's settings page in a web browser: usually http://192.168.0.1 or
http://192.168.1.1 (it is printed on the router or in its manual), and log in.</li>
<li>Find the page called "Port forwarding", "Virtual server", "NAT" or "Applications".</li>
<li>Add a rule: protocol <b>TCP</b>, outside (external) port <b>25666</b>, inside (internal)
port <b>25666</b>, inside address: the host computer's local address from step 1. Save it.</li>
<li>Give the host computer a fixed local address (an address reservation in the router's DHCP
settings), so that the rule still points to it after a restart.</li>
<li>Allow Quarn through the host computer's firewall for incoming TCP on the same port.</li>
<li>Tell the other players the router's outside address and the port. They choose "Client
enters to game", enter that address and port, and confirm.</li>
</ol>
<p>If you use another port, forward that port instead and have every player enter it.
Some internet providers give no address of your own (the router's outside address differs from
the one the program fetches, or starts with 10. or 100.64 to 100.127); then forwarding cannot
work, and one of the other players should try to be the host.</p>
</body></html>
)";
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
    const auto bytes =
        smallFile(dataFile(QStringLiteral("ftp/photos/") + fileName), kMaxPhotoBytes);
    if (!bytes)
        return errorReply(404, QStringLiteral("no photo"));
    // Serve only what looks like a JPEG picture, whatever came to lie there.
    if (!isJpegPicture(*bytes))
        return errorReply(404, QStringLiteral("not a photo"));
    return textReply(*bytes, "image/jpeg");
}

Reply Pages::storePhoto(const QString &sessionNick, const QByteArray &picture) const {
    if (sessionNick.isEmpty())
        return errorReply(403, QStringLiteral("log in first"));
    if (picture.size() > kMaxPhotoBytes || !isJpegPicture(picture))
        return errorReply(
            400,
            QStringLiteral("a photo is a JPEG picture of at most %1 bytes").arg(kMaxPhotoBytes));
    if (!isAccountNick(toWire(sessionNick)))
        return errorReply(400, QStringLiteral("the nick cannot name a photo"));
    // Written beside the old photo and renamed over it: a reader sees the old
    // picture or the new one, never a part.
    QSaveFile file(dataFile(QStringLiteral("ftp/photos/") + sessionNick + QStringLiteral(".jpg")));
    if (!file.open(QIODevice::WriteOnly) || file.write(picture) != picture.size() || !file.commit())
        return errorReply(500, QStringLiteral("the photo could not be stored"));
    return statusReply("ok");
}

Reply Pages::download(const QString &fileName, const QByteArray &base) const {
    if (!kDownloadable.contains(fileName))
        return errorReply(404, QStringLiteral("not offered for download"));
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
