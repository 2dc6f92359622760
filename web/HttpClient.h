#pragma once
// A synchronous HTTP client on libcurl: each call blocks its own thread until
// the reply has arrived, the transfer failed or the thread's CancelScope was
// cancelled (web/Cancel.h); windows run it on a worker thread. One instance
// keeps its cookies and its read time-out between calls (the services'
// shared client); plain fetches use an instance of their own.
#include "web/Timeouts.h"

#include <atomic>
#include <string>
#include <string_view>

namespace web {

struct HttpOptions {
    // Time allowed to open the connection.
    long connectTimeoutMs = kConnectTimeoutMs;
    // A post or a fetch into memory that has not completed in this time is
    // abandoned, even when no read time-out is set.
    long requestTimeoutMs = kRequestTimeoutMs;
    // A transfer that receives nothing for this long is abandoned (the only
    // limit of a download into a file).
    long stallSeconds = kDownloadStallSeconds;
    // Replies longer than this are refused (a service reply is a few
    // kilobytes; a photo well under a megabyte).
    size_t maxReplyBytes = 8u << 20;
    // HTTPS: a PEM file of certificate authorities trusted besides the
    // system's store (a club's own); empty: the system's store alone. A
    // certificate that does not verify fails the transfer.
    std::string authorityFile;
};

struct HttpReply {
    bool ok = false;  // the transfer completed with a 2xx status
    long status = 0;  // the HTTP status, 0 when none arrived
    std::string body; // the raw bytes of the reply
    // The server's Retry-After in seconds (a refusal for load), 0 when none.
    long retryAfterSeconds = 0;
};

inline constexpr std::string_view kFormContentType = "application/x-www-form-urlencoded";

class HttpClient {
  public:
    explicit HttpClient(HttpOptions options = {});
    ~HttpClient();
    HttpClient(const HttpClient &) = delete;
    HttpClient &operator=(const HttpClient &) = delete;

    // 0 means none: only the whole-request limit and the stall guard apply.
    void setReadTimeout(long ms) { readTimeoutMs_ = ms; }
    long readTimeout() const { return readTimeoutMs_; }

    // A post of `body` with Accept "text/html, */*": by default an already
    // encoded form ("application/x-www-form-urlencoded"), or raw bytes of
    // `contentType`. `userAgent` empty sends no User-Agent.
    HttpReply post(const std::string &url, std::string_view body, std::string_view userAgent,
                   std::string_view contentType = kFormContentType);

    // A GET of a page or a file into memory.
    HttpReply get(const std::string &url);

    // A GET straight into a file; true when the whole reply arrived with a
    // 2xx status. The caller decides what to do with a partial file.
    bool getToFile(const std::string &url, const std::string &path);

  private:
    struct Curl;
    Curl *curl_;
    HttpOptions options_;
    // Set by the window's thread, read by the transfer on the worker thread.
    std::atomic<long> readTimeoutMs_ = 0;
};

// Percent-escapes a path piece (a nick in a photo address).
std::string escapePathPiece(std::string_view bytes);

} // namespace web
