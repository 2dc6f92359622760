#pragma once
// Where the program's files live. Every file the program reads or writes is
// named relative to two folders: the program's folder (Quarn.ini, the club
// files, History/, the films, the resource libraries) and the folder above
// it (WemUser.wem, the chat, news and radio state files, libraries found
// there). This is the one place that decides what those two folders are.
//
// Run from a folder it can write to (the build's program folder, a copied
// folder), the program keeps everything beside itself. Installed under a
// prefix, its read-only data lies in <prefix>/share/quarn and what it writes
// goes to $XDG_DATA_HOME/quarn (~/.local/share/quarn by default): the
// program's folder is $XDG_DATA_HOME/quarn/Quarn/, seeded at every start
// from the packaged files, and the folder above is $XDG_DATA_HOME/quarn/.
// An installed program reads its club server's Quarn.srv from
// $XDG_CONFIG_HOME/quarn/ (~/.config/quarn) or else /etc/quarn/.
#include <filesystem>
#include <string>
#include <vector>

namespace quarn {

enum class FolderLayout {
    Portable,  // everything beside the executable
    Installed, // packaged data read-only, per-user files in the XDG folders
};

// The parts of the environment the choice depends on; empty means unset.
struct FolderEnvironment {
    std::string home;
    std::string xdgDataHome;
    std::string xdgConfigHome;
    std::filesystem::path systemConfig = "/etc/quarn";

    static FolderEnvironment fromProcess();
};

struct ProgramFolders {
    FolderLayout layout = FolderLayout::Portable;
    std::filesystem::path program; // the program's folder, ends with '/'
    // Installed only: the packaged read-only data and the folders searched,
    // in order, for the club server's file.
    std::filesystem::path packaged;
    std::vector<std::filesystem::path> serverFileFolders;
};

// The folders for an executable in `executableFolder`. Installed when
// <executableFolder>/../share/quarn exists or the executable's folder cannot
// be written to; portable otherwise.
ProgramFolders chooseProgramFolders(const std::filesystem::path &executableFolder,
                                    const FolderEnvironment &environment);

// Makes an installed layout's folders ready: creates the program's folder,
// links each packaged resource library (*.dll) into it (a link, so a package
// update reaches every user), copies the packaged club files the user does
// not have yet; other files of the packaged folder are left alone and links the first Quarn.srv of
// the server-file folders beside them. A file the user has is never replaced. Nothing to do for the
// portable layout. False, with the reason, when the folder cannot be made.
bool prepareProgramFolders(const ProgramFolders &folders, std::string &error);

// The program's folder (ends with '/') for an executable in
// `executableFolder`, in this process's environment, made ready as above.
// When it cannot be made `error` says why and the folder is still named.
std::filesystem::path readyProgramFolder(const std::filesystem::path &executableFolder,
                                         std::string &error);

} // namespace quarn
