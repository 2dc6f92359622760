// The plain fetches, the photo transfers and the resource downloads of
// WebServices: each uses a client of its own, without the access token.
#include "web/WebServices.h"

#include "store/Cp1251.h"
#include "web/ReplyScan.h"
#include "web/Scramble.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace web {
namespace {

bool looksLikeJpeg(std::string_view bytes) {
    return bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
           static_cast<unsigned char>(bytes[1]) == 0xD8 &&
           static_cast<unsigned char>(bytes[2]) == 0xFF;
}

// A file name that stays inside its folder.
bool isPlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..")
        return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == '/' || c == '\\')
            return false;
    return true;
}

// The address page's text when it is an IPv4 or IPv6 address.
std::string addressIn(std::string_view page) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!page.empty() && isSpace(page.front()))
        page.remove_prefix(1);
    while (!page.empty() && isSpace(page.back()))
        page.remove_suffix(1);
    if (page.empty() || page.size() > 45)
        return {};
    for (char c : page) {
        const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!hex && c != '.' && c != ':')
            return {};
    }
    return std::string(page);
}

// The program's folder without its last path element.
std::string parentFolderOf(const std::string &folder) {
    std::filesystem::path path(folder);
    if (!path.has_filename())
        path = path.parent_path(); // "dir/" names "dir"
    return path.parent_path().string();
}

Reply<std::string> pageReply(const HttpReply &reply) {
    if (!reply.ok)
        return {};
    return {reply.body, true};
}

} // namespace

HttpReply WebServices::fetch(const std::string &url) {
    if (url.empty())
        return {};
    HttpClient own(client_->options());
    return own.get(url);
}

Reply<std::string> WebServices::FetchRemoteConfig() {
    return pageReply(fetch(Unscramble(addresses().remoteConfigPage, kConfigKey)));
}

RemoteConfig WebServices::LoadRemoteConfig() {
    const auto page = FetchRemoteConfig();
    return page.ok ? parseRemoteConfig(page.value) : RemoteConfig{};
}

RemoteConfig WebServices::StartOnline(StoredServicePaths &stored) {
    HttpOptions quick = client_->options();
    quick.connectTimeoutMs = std::min(quick.connectTimeoutMs, kStartConnectTimeoutMs);
    HttpClient once(quick);
    // A server that takes the connection but does not answer holds the
    // start no longer than a list read may.
    once.setReadTimeout(kReadTimeoutMs);
    const std::string url = Unscramble(addresses().remoteConfigPage, kConfigKey);
    const HttpReply page = url.empty() ? HttpReply{} : once.get(url);
    RemoteConfig remote = page.ok ? parseRemoteConfig(page.body) : RemoteConfig{};
    if (client_->source() == ServerSource::BuiltIn)
        putAddressesInForce(addresses(), stored, remote);
    else
        replaceAddressesFromPage(addresses(), remote);
    client_->setRemote(remote);
    return remote;
}

Reply<std::string> WebServices::FetchNews() {
    return pageReply(fetch(addresses().newsPageUrl()));
}

std::string WebServices::LookupExternalIp() {
    const HttpReply reply = fetch(addresses().externalIpPage);
    return reply.ok ? addressIn(reply.body) : std::string();
}

Reply<std::string> WebServices::FetchSongList() {
    return pageReply(fetch(addresses().songListUrl()));
}

Reply<std::string> WebServices::DownloadPhoto(const std::string &nick) {
    const auto name = quarn::utf8ToCp1251(nick);
    const std::string folder = Unscramble(addresses().photoStore, kAccountKey);
    if (!name || name->empty() || folder.empty())
        return {};
    HttpReply reply = fetch(folder + escapePathPiece(*name) + ".jpg");
    if (!reply.ok || !looksLikeJpeg(reply.body))
        return {};
    return {std::move(reply.body), true};
}

bool WebServices::UploadPhoto(const std::string &localFile, const std::string &nick) {
    const std::string url = serviceUrl(Service::Account);
    if (nick.empty() || url.empty())
        return false;
    // The account service stores the picture as the photo of the nick logged
    // in on this client's session (`nick`); the nick itself is not sent.
    std::ifstream file(localFile, std::ios::binary);
    std::string picture(kMaxPhotoBytes + 1, '\0');
    file.read(picture.data(), std::streamsize(picture.size()));
    picture.resize(std::size_t(file.gcount()));
    if (picture.empty() || picture.size() > kMaxPhotoBytes || !looksLikeJpeg(picture))
        return false;
    const HttpReply reply = sharedClient().post(url, picture, kAccessToken, kPhotoContentType);
    return reply.ok && hasStatusWord(reply.body, "ok");
}

bool WebServices::DownloadResource(const std::string &fileName, const std::string &targetFolder,
                                   const std::string &saveAs) {
    const std::string &finalName = saveAs.empty() ? fileName : saveAs;
    const std::string folderUrl = Unscramble(addresses().downloadFolder, kConfigKey);
    if (!isPlainFileName(fileName) || !isPlainFileName(finalName) || folderUrl.empty())
        return false;
    namespace fs = std::filesystem;
    const fs::path target = fs::path(targetFolder) / finalName;

    // A fresh hidden file beside the target, renamed over it once complete.
    std::string temp = (fs::path(targetFolder) / ("." + finalName + ".XXXXXX")).string();
    const int fd = mkstemp(temp.data());
    if (fd < 0)
        return false;
    ::close(fd);

    HttpClient own(client_->options());
    bool ok = own.getToFile(folderUrl + escapePathPiece(fileName), temp);
    std::error_code ec;
    if (ok) {
        fs::rename(temp, target, ec);
        ok = !ec;
    }
    if (!ok)
        fs::remove(temp, ec);
    return ok;
}

bool WebServices::DownloadLibrary(const std::string &libraryName,
                                  const std::string &programFolder) {
    return DownloadResource(libraryName, parentFolderOf(programFolder));
}

} // namespace web
