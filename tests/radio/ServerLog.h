#pragma once
// The request log of a wem-server running in the test's process: standard
// error goes to a temporary file while a ServerLog lives, and comes back
// when it ends.
#include <QFile>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

namespace quarn::radiotest {

class ServerLog {
  public:
    ServerLog() {
        if (!file_.open())
            return;
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        if (saved_ >= 0)
            dup2(file_.handle(), STDERR_FILENO);
    }
    ~ServerLog() {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
    }
    ServerLog(const ServerLog &) = delete;
    ServerLog &operator=(const ServerLog &) = delete;

    // The log lines written so far.
    QByteArray text() const {
        QFile file(file_.fileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // How many requests for `path` were answered with `status`.
    int count(const QByteArray &path, int status = 200) const {
        return int(text().count(" GET " + path + ' ' + QByteArray::number(status) + ' '));
    }

  private:
    QTemporaryFile file_;
    int saved_ = -1;
};

} // namespace quarn::radiotest
