#pragma once
// The saved login "WemUser.wem" in the folder above the program's folder:
// three lines, "Wem User File", the nick and the scrambled password, single
// bytes (code page 1251) with CR LF line ends.
#include <filesystem>
#include <optional>
#include <string>

#include "web/Records.h"

namespace web {

inline constexpr const char *kSavedLoginFileName = "WemUser.wem";
inline constexpr const char *kSavedLoginFirstLine = "Wem User File";

struct SavedLogin {
    std::string nick; // UTF-8
    std::string pwC;  // the password scrambled with the account key
};

// The file's place for a program folder ("/games/Quarn/" gives
// "/games/WemUser.wem").
std::filesystem::path savedLoginPath(const std::filesystem::path &programFolder);

// Nothing when the file is absent, unreadable, oversized or its first line is
// not "Wem User File"; LF-only line ends are read too.
std::optional<SavedLogin> readSavedLogin(const std::filesystem::path &file);

// Writes the three lines through a temporary file and a rename; false when
// the nick cannot be written in code page 1251 or the write failed (the old
// file then stays as it was).
bool writeSavedLogin(const std::filesystem::path &file, const SavedLogin &login);

// Removes the file; true when it is gone afterwards (also when it was absent).
bool deleteSavedLogin(const std::filesystem::path &file);

// The saved password as it is sent: every space, "#" and "$" becomes "-",
// characters that the services' formats would misread.
std::string passwordForSending(std::string password);

// The clear password of a saved login, ready to send (UTF-8).
std::string savedPassword(const SavedLogin &login);

} // namespace web
