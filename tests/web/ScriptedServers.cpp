#include "ScriptedServers.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace webtest {
namespace {

constexpr int kPollMs = 50;

int listenOnLoopback(int *port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        throw std::runtime_error("socket");
    const int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0 || ::listen(fd, 8) != 0) {
        ::close(fd);
        throw std::runtime_error("bind");
    }
    socklen_t len = sizeof addr;
    ::getsockname(fd, reinterpret_cast<sockaddr *>(&addr), &len);
    *port = ntohs(addr.sin_port);
    return fd;
}

// Waits until fd is readable or the stop flag rises; false on stop.
bool waitReadable(int fd, const std::atomic<bool> &stop) {
    while (!stop) {
        pollfd p{fd, POLLIN, 0};
        const int n = ::poll(&p, 1, kPollMs);
        if (n > 0)
            return true;
    }
    return false;
}

int acceptOne(int listenFd, const std::atomic<bool> &stop) {
    if (!waitReadable(listenFd, stop))
        return -1;
    return ::accept(listenFd, nullptr, nullptr);
}

void sendAll(int fd, const std::string &data) {
    size_t sent = 0;
    while (sent < data.size()) {
        const ssize_t n = ::send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return;
        sent += static_cast<size_t>(n);
    }
}

// Reads one line ending in LF (CR LF stripped); false when the peer is gone.
bool readLine(int fd, std::string &buffer, std::string &line, const std::atomic<bool> &stop) {
    for (;;) {
        const size_t lf = buffer.find('\n');
        if (lf != std::string::npos) {
            line = buffer.substr(0, lf);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            buffer.erase(0, lf + 1);
            return true;
        }
        if (!waitReadable(fd, stop))
            return false;
        char chunk[4096];
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n <= 0)
            return false;
        buffer.append(chunk, static_cast<size_t>(n));
    }
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

// --- HTTP ---

std::string RecordedRequest::header(const std::string &name) const {
    const std::string wanted = lower(name) + ":";
    size_t start = 0;
    while (start < head.size()) {
        size_t end = head.find("\r\n", start);
        if (end == std::string::npos)
            end = head.size();
        const std::string line = head.substr(start, end - start);
        if (lower(line.substr(0, wanted.size())) == wanted) {
            std::string value = line.substr(wanted.size());
            while (!value.empty() && value.front() == ' ')
                value.erase(0, 1);
            return value;
        }
        start = end + 2;
    }
    return {};
}

bool RecordedRequest::hasHeader(const std::string &name) const {
    return lower(head).find("\r\n" + lower(name) + ":") != std::string::npos ||
           lower(head).rfind(lower(name) + ":", 0) == 0;
}

ScriptedHttpServer::ScriptedHttpServer() {
    listenFd_ = listenOnLoopback(&port_);
    thread_ = std::thread([this] { run(); });
}

ScriptedHttpServer::~ScriptedHttpServer() {
    stop_ = true;
    thread_.join();
    ::close(listenFd_);
}

std::string ScriptedHttpServer::base() const {
    return "http://127.0.0.1:" + std::to_string(port_);
}

void ScriptedHttpServer::push(ScriptedReply reply) {
    std::lock_guard lock(mutex_);
    replies_.push_back(std::move(reply));
}

void ScriptedHttpServer::answer(std::string body, int status) {
    ScriptedReply reply;
    reply.status = status;
    reply.body = std::move(body);
    push(std::move(reply));
}

std::vector<RecordedRequest> ScriptedHttpServer::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

void ScriptedHttpServer::run() {
    while (!stop_) {
        const int fd = acceptOne(listenFd_, stop_);
        if (fd < 0)
            continue;
        serve(fd);
        ::close(fd);
    }
}

void ScriptedHttpServer::serve(int fd) {
    // One request per connection: every answer closes it.
    std::string buffer;
    std::string line;
    RecordedRequest request;
    if (!readLine(fd, buffer, line, stop_))
        return;
    const size_t sp1 = line.find(' ');
    const size_t sp2 = line.find(' ', sp1 + 1);
    request.method = line.substr(0, sp1);
    request.target = line.substr(sp1 + 1, sp2 - sp1 - 1);
    while (readLine(fd, buffer, line, stop_) && !line.empty())
        request.head += line + "\r\n";
    const std::string length = request.header("Content-Length");
    const size_t wanted = length.empty() ? 0 : std::stoul(length);
    while (buffer.size() < wanted && waitReadable(fd, stop_)) {
        char chunk[4096];
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n <= 0)
            break;
        buffer.append(chunk, static_cast<size_t>(n));
    }
    request.body = buffer.substr(0, wanted);

    ScriptedReply reply;
    reply.status = 404;
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
        if (!replies_.empty()) {
            reply = std::move(replies_.front());
            replies_.pop_front();
        }
    }
    switch (reply.kind) {
    case ScriptedReply::Kind::Close:
        return;
    case ScriptedReply::Kind::Stall:
        // Hold the connection until the client gives up (or the test ends).
        while (waitReadable(fd, stop_)) {
            char chunk[256];
            if (::recv(fd, chunk, sizeof chunk, 0) <= 0)
                return;
        }
        return;
    case ScriptedReply::Kind::Answer:
    case ScriptedReply::Kind::Truncate: {
        const size_t announced =
            reply.body.size() + (reply.kind == ScriptedReply::Kind::Truncate ? 100 : 0);
        std::string out = "HTTP/1.1 " + std::to_string(reply.status) + " Scripted\r\n";
        out += "Content-Length: " + std::to_string(announced) + "\r\n";
        out += "Connection: close\r\n";
        for (const auto &h : reply.headers)
            out += h + "\r\n";
        out += "\r\n" + reply.body;
        sendAll(fd, out);
        return;
    }
    }
}

int closedPort() {
    int port = 0;
    const int fd = listenOnLoopback(&port);
    ::close(fd);
    return port;
}

} // namespace webtest
