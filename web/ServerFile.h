#pragma once
// The club server a program talks to. A club hands its players a short
// file, Quarn.srv, naming its server ("club.example.org",
// "192.168.1.20:8046", "http://club.example.org:8046" or
// "https://club.example.org:8046") on its first line; the program looks for
// it in its own folder and then in the folder above. Without the file the
// built-in addresses stand (wem-server on this machine). A second line may
// name the club's own certificate authority (a PEM file, relative to the
// server file's folder or absolute) for an HTTPS server whose certificate
// the system's store does not vouch for.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "web/Addresses.h"

namespace web {

inline constexpr std::string_view kServerFileName = "Quarn.srv";

// The base address "http://host:port" (or "https://host:port") of a server
// line: a host name, an IPv4 address or a bracketed IPv6 address, an optional
// port (8046 without one), an optional "http://" or "https://" in front and
// "/" behind; blanks around it are allowed. Nothing for anything else (other schemes, paths, user
// names, characters a host name cannot hold), so a bad line never reaches a request.
std::optional<std::string> serverBaseUrl(std::string_view line);

enum class ServerSource {
    BuiltIn, // no server file
    File,    // the file names a server
    BadFile, // the file exists but names no server: every request fails at once
};

struct ServerOfRun {
    ServerSource source = ServerSource::BuiltIn;
    std::filesystem::path file; // the server file that was read, if any
    Addresses addresses = Addresses::builtIn();
    // The club's certificate authority named on the file's second line; empty
    // when none (the system's store alone decides).
    std::filesystem::path authorityFile;
};

// The server of this run, from the first server file found in
// `programFolder` or the folder above. A file that cannot be read, is empty
// or longer than a few short lines is a bad file; its first line names the
// server, its second the authority.
ServerOfRun serverOfRun(const std::filesystem::path &programFolder);

} // namespace web
