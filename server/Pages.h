#pragma once
// What the server offers besides the services, fetched with plain GETs: the
// remote configuration page, the news page, the router help page, the
// caller's address, account
// photos, resource-library downloads (and the radio station list), the song
// list and the songs. A club overrides any of them with files in its data
// folder; the defaults are generated.
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

// Largest photo served (and accepted by the upload): a 200 x 250 JPEG needs far less.
constexpr qint64 kMaxPhotoBytes = 256 * 1024;
// The user name of the program's photo upload account.
inline constexpr const char *kPhotoUploadUser = "wemphoto";
// The key of the remote configuration entry that gives the program the
// upload account: "PhotoUpload_Quarn=" user "#" password "#".
inline constexpr const char *kPhotoUploadKey = "PhotoUpload_Quarn";

// Starts like a JPEG picture (start of image, then a marker).
bool isJpegPicture(const QByteArray &bytes);

// This installation's password of the upload account, kept in the data
// folder's file "ftp-password" (which photo-ftp reads too); made of 20 random
// letters and digits the first time. Empty, with the reason, when the file
// cannot be made or holds no usable password.
QByteArray photoUploadPassword(const QString &dataDir, QString *error);

class Pages {
  public:
    // dataDir: the server's data folder; programDir: the game's program
    // folder, whose resource libraries are offered for download;
    // photoPassword: this installation's password of the upload account.
    Pages(QString dataDir, QString programDir, QByteArray photoPassword = {});

    Reply config(const QByteArray &base) const;
    Reply news(const QByteArray &base) const;
    // The help page behind the "?" of the welcome window's network section:
    // how to let players from outside the local network reach a host
    // through its router (the game's port forwarded to the host).
    Reply routerHelp() const;
    static Reply externalAddress(const QHostAddress &caller);
    Reply photo(const QString &fileName) const;
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
    QByteArray photoPassword_;
    QHash<QString, QByteArray> generatedSongs_;
};

} // namespace server
