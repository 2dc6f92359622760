#include "web/HttpClient.h"

#include "web/Cancel.h"

#include <curl/curl.h>

#include <algorithm>

#include <cstdio>
#include <memory>
#include <mutex>

namespace web {
namespace {

void initialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct MemorySink {
    std::string *body;
    size_t limit;
};

size_t writeToMemory(char *data, size_t size, size_t count, void *user) {
    auto *sink = static_cast<MemorySink *>(user);
    const size_t bytes = size * count;
    if (sink->body->size() + bytes > sink->limit)
        return 0; // aborts the transfer
    sink->body->append(data, bytes);
    return bytes;
}

size_t writeToFile(char *data, size_t size, size_t count, void *user) {
    return std::fwrite(data, size, count, static_cast<FILE *>(user));
}

struct FileCloser {
    void operator()(FILE *f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

struct HeaderList {
    curl_slist *list = nullptr;
    ~HeaderList() { curl_slist_free_all(list); }
    void add(const char *header) { list = curl_slist_append(list, header); }
};

// libcurl asks this several times a second, also while it waits for a
// connection or a reply: a non-zero answer ends the transfer.
int stopWhenCancelled(void *flag, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const auto *cancelled = static_cast<const std::atomic<bool> *>(flag);
    return cancelled && cancelled->load() ? 1 : 0;
}

// Options every transfer gets: no proxy from the environment, no signals,
// the connect time-out, the stall guard, the certificate check and the
// thread's cancel flag.
void setCommonOptions(CURL *curl, const HttpOptions &options) {
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_PROXY, "");
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, options.connectTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, options.stallSeconds);
    // HTTPS verifies the server (curl's default, said here so it stays so);
    // a club's authority file is read beside the system's certificate folder.
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!options.authorityFile.empty()) // else curl's default: the system's bundle
        curl_easy_setopt(curl, CURLOPT_CAINFO, options.authorityFile.c_str());
    const std::atomic<bool> *flag = currentCancelFlag();
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, flag ? 0L : 1L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, flag ? stopWhenCancelled : nullptr);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool> *>(flag));
}

// The time-out of a post or a fetch into memory: the read time-out when one
// is set, never more than the whole-request limit.
long wholeRequestTimeout(const HttpOptions &options, long readTimeoutMs) {
    if (options.requestTimeoutMs <= 0)
        return readTimeoutMs;
    return readTimeoutMs > 0 ? std::min(readTimeoutMs, options.requestTimeoutMs)
                             : options.requestTimeoutMs;
}

long retryAfterOf(CURL *curl) {
    curl_off_t seconds = 0;
    if (curl_easy_getinfo(curl, CURLINFO_RETRY_AFTER, &seconds) != CURLE_OK || seconds < 0)
        return 0;
    return static_cast<long>(std::min<curl_off_t>(seconds, 24 * 3600));
}

bool succeeded(CURL *curl, CURLcode code, long *status = nullptr) {
    long http = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &http);
    if (status)
        *status = http;
    return code == CURLE_OK && http >= 200 && http < 300;
}

} // namespace

struct HttpClient::Curl {
    CURL *handle = nullptr;
    // A window's thread and the request worker may share one client (the
    // form client and its cookies): one transfer at a time.
    std::mutex busy;
};

HttpClient::HttpClient(HttpOptions options) : curl_(new Curl), options_(options) {
    initialiseCurlOnce();
    curl_->handle = curl_easy_init();
    if (curl_->handle) {
        // An empty cookie file switches the cookie engine on, in memory only.
        curl_easy_setopt(curl_->handle, CURLOPT_COOKIEFILE, "");
    }
}

HttpClient::~HttpClient() {
    if (curl_->handle)
        curl_easy_cleanup(curl_->handle);
    delete curl_;
}

HttpReply HttpClient::post(const std::string &url, std::string_view body,
                           std::string_view userAgent, std::string_view contentType) {
    const std::lock_guard lock(curl_->busy);
    HttpReply reply;
    CURL *curl = curl_->handle;
    if (!curl || url.empty() || transferCancelled())
        return reply;
    setCommonOptions(curl, options_);
    HeaderList headers;
    headers.add(("Content-Type: " + std::string(contentType)).c_str());
    headers.add("Accept: text/html, */*");
    headers.add("Expect:");
    const std::string agent(userAgent);
    MemorySink sink{&reply.body, options_.maxReplyBytes};
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_POST, 1L);
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    curl_easy_setopt(curl, CURLOPT_COPYPOSTFIELDS, std::string(body).c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.list);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, agent.empty() ? nullptr : agent.c_str());
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS,
                     wholeRequestTimeout(options_, readTimeoutMs_.load()));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, writeToMemory);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
    const CURLcode code = curl_easy_perform(curl);
    reply.ok = succeeded(curl, code, &reply.status);
    reply.retryAfterSeconds = retryAfterOf(curl);
    // The header list dies with this call; the handle must not keep it.
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, nullptr);
    return reply;
}

HttpReply HttpClient::get(const std::string &url) {
    const std::lock_guard lock(curl_->busy);
    HttpReply reply;
    CURL *curl = curl_->handle;
    if (!curl || url.empty() || transferCancelled())
        return reply;
    setCommonOptions(curl, options_);
    HeaderList headers;
    headers.add("Accept: text/html, */*");
    MemorySink sink{&reply.body, options_.maxReplyBytes};
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.list);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, nullptr);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS,
                     wholeRequestTimeout(options_, readTimeoutMs_.load()));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, writeToMemory);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
    const CURLcode code = curl_easy_perform(curl);
    reply.ok = succeeded(curl, code, &reply.status);
    reply.retryAfterSeconds = retryAfterOf(curl);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, nullptr);
    return reply;
}

bool HttpClient::getToFile(const std::string &url, const std::string &path) {
    const std::lock_guard lock(curl_->busy);
    CURL *curl = curl_->handle;
    if (!curl || url.empty() || transferCancelled())
        return false;
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file)
        return false;
    setCommonOptions(curl, options_);
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, nullptr);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, nullptr);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, readTimeoutMs_.load());
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, writeToFile);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, file.get());
    const CURLcode code = curl_easy_perform(curl);
    const bool ok = succeeded(curl, code);
    // A file that cannot be completed on disk is no success either.
    const bool flushed = std::fflush(file.get()) == 0 && !std::ferror(file.get());
    return ok && flushed && std::fclose(file.release()) == 0;
}

std::string escapePathPiece(std::string_view bytes) {
    std::string out;
    static constexpr char hex[] = "0123456789ABCDEF";
    for (unsigned char c : bytes) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~';
        if (plain) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

} // namespace web
