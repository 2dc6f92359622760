#pragma once
// What the server offers besides the services, fetched with plain GETs: the
// remote configuration page, the news page, the router help page, the
// caller's address, account
// photos, resource-library downloads (and the radio station list), the song
// list and the songs. A club overrides any of them with files in its data
// folder; the defaults are generated.
#include "server/HttpWire.h"
#include "server/Reply.h"

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QString>

namespace server {

struct Station {
    QByteArray country; // three-character code of the radio window's country
    QByteArray id;      // seven characters
    QByteArray name;
    QByteArray countryName;
    int seed; // of its generated tune
};

// Starts like a JPEG picture (start of image, then a marker).
bool isJpegPicture(const QByteArray &bytes);

class Pages {
  public:
    // dataDir: the server's data folder; programDir: the game's program
    // folder, whose resource libraries are offered for download.
    Pages(QString dataDir, QString programDir);

    Reply config(const QByteArray &base) const;
    Reply news(const QByteArray &base) const;
    // The help page behind the "?" of the welcome window's network section:
    // how to let players from outside the local network reach a host
    // through its router (the game's port forwarded to the host).
    Reply routerHelp() const;
    static Reply externalAddress(const QHostAddress &caller);
    Reply photo(const QString &fileName) const;
    // Stores `picture` as the photo of `sessionNick` (the nick logged in on
    // the request's session; empty: none). Only a JPEG picture of at most
    // kMaxPhotoBytes is taken; it replaces the old photo whole or not at all.
    Reply storePhoto(const QString &sessionNick, const QByteArray &picture) const;
    Reply download(const QString &fileName, const QByteArray &base) const;
    Reply playlist() const;
    Reply song(const QString &fileName);

    static const QList<Station> &stations();
    static QByteArray stationList(const QByteArray &base);
    // "http://" + the host the caller used, or the fallback when its Host header is unusable.
    static QByteArray baseUrl(const QByteArray &hostHeader, const QByteArray &fallbackHost);
    // A file name a request may ask for: letters, digits, ".", "-", "_", "~",
    // not starting with "." and at most 100 characters.
    static bool isPlainFileName(const QString &name);

  private:
    QString dataFile(const QString &relative) const;
    QStringList ownSongs() const;

    QString dataDir_;
    QString programDir_;
    QHash<QString, QByteArray> generatedSongs_;
};

} // namespace server
