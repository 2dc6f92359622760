#include "store/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quarn {
namespace {

// Closes a descriptor when it goes out of scope unless released.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd_; }
    bool closeChecked() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// A name next to the target that no other writer uses; 46 is the game's code.
std::filesystem::path temporaryNameFor(const std::filesystem::path &path) {
    static std::atomic<unsigned> counter{0};
    const std::string name = "." + path.filename().string() + ".46-" + std::to_string(::getpid()) +
                             "-" + std::to_string(counter++) + ".tmp";
    return path.parent_path() / name;
}

void syncFolder(const std::filesystem::path &folder) {
    const std::string name = folder.empty() ? std::string(".") : folder.string();
    Descriptor dir(::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

} // namespace

FileBytes readFileBytes(const std::filesystem::path &path, std::size_t maxBytes) {
    FileBytes result;
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        result.status =
            errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Unreadable;
        return result;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        result.status = ReadStatus::Unreadable;
        return result;
    }
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            result.status = ReadStatus::Unreadable;
            result.bytes.clear();
            return result;
        }
        if (got == 0)
            break;
        if (result.bytes.size() + static_cast<size_t>(got) > maxBytes) {
            result.status = ReadStatus::TooLarge;
            result.bytes.clear();
            return result;
        }
        result.bytes.append(buffer, static_cast<size_t>(got));
    }
    result.status = ReadStatus::Ok;
    return result;
}

bool writeFileAtomically(const std::filesystem::path &path, std::string_view bytes) {
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && (!S_ISREG(existing.st_mode) || ::access(path.c_str(), W_OK) != 0))
        return false;

    const std::filesystem::path temporary = temporaryNameFor(path);
    Descriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.get() < 0)
        return false;
    // The new file keeps the permissions of the one it replaces.
    bool ok = !exists || ::fchmod(fd.get(), existing.st_mode & 07777) == 0;
    ok = ok && writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    ok = fd.closeChecked() && ok;
    ok = ok && ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(path.parent_path());
    return true;
}

} // namespace quarn
