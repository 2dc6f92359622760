#pragma once
// Passwords over plain HTTP. The services take passwords in a reversible
// scramble, so over plain HTTP anybody on the way can read them. To this
// machine that does not matter and over HTTPS nobody can; to another machine
// over plain HTTP the player is told once, before the first password goes
// there, and the servers told about are remembered in a small file.
#include <filesystem>
#include <string>
#include <string_view>

namespace web {

inline constexpr std::string_view kPlainPasswordFileName = "WemPlainHttp.txt";

// True for a plain "http://" address of a host other than this machine
// (127.0.0.0/8, [::1] and "localhost" are this machine); false for HTTPS.
bool passwordReadableOnTheWay(std::string_view url);

// The servers the player has been told about, one "scheme://host:port" a
// line in `file` (the folder above the program's).
class PlainPasswordNotice {
  public:
    explicit PlainPasswordNotice(std::filesystem::path file) : file_(std::move(file)) {}
    // True when the player is to be told before a password goes to `url`:
    // it would be readable on the way and this server was not told about.
    bool due(std::string_view url) const;
    // Remembers that the player was told about `url`'s server; false when
    // the file cannot be written (the player is then told again next time).
    bool told(std::string_view url) const;

  private:
    std::filesystem::path file_;
};

} // namespace web
