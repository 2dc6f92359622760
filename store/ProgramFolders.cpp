#include "store/ProgramFolders.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace quarn {

namespace fs = std::filesystem;

namespace {

// The club server's file (the web layer reads it from the program's folder).
constexpr const char *serverFileName = "Quarn.srv";

std::string variable(const char *name) {
    const char *value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// An XDG base folder: the variable when it names an absolute path (the
// rule for these variables), else the default under the home folder.
fs::path baseFolder(const std::string &value, const std::string &home, const char *fallback) {
    if (!value.empty() && fs::path(value).is_absolute())
        return value;
    if (home.empty())
        return {};
    return fs::path(home) / fallback;
}

bool writable(const fs::path &folder) {
    return ::access(folder.c_str(), W_OK) == 0;
}

fs::path withSlash(fs::path folder) {
    folder += "/";
    return folder;
}

bool isLibrary(const fs::path &file) {
    return file.extension() == ".dll";
}

// The packaged files a player gets a copy of to write to: the club files.
bool isSeededCopy(const fs::path &file) {
    return file.filename() == "Quarn.clb" || file.filename() == "Quarn.net";
}

// Adds the reason of a failed step to `error`; false when there was one.
bool noted(const std::error_code &failure, const fs::path &path, std::string &error) {
    if (!failure)
        return true;
    if (!error.empty())
        error += "; ";
    error += path.string() + ": " + failure.message();
    return false;
}

// A link at `link` pointing to `target`; an existing link elsewhere is
// replaced, a file the user put there is kept.
bool linkTo(const fs::path &target, const fs::path &link, std::string &error) {
    std::error_code failure;
    const fs::file_status status = fs::symlink_status(link, failure);
    if (fs::is_symlink(status)) {
        if (fs::read_symlink(link, failure) == target)
            return true;
        fs::remove(link, failure);
    } else if (fs::exists(status)) {
        return true;
    }
    failure.clear();
    fs::create_symlink(target, link, failure);
    return noted(failure, link, error);
}

bool copyIfMissing(const fs::path &source, const fs::path &target, std::string &error) {
    std::error_code failure;
    if (fs::exists(fs::symlink_status(target, failure)))
        return true;
    fs::copy_file(source, target, failure);
    if (!failure)
        fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write,
                        fs::perm_options::add, failure);
    return noted(failure, target, error);
}

bool seedFromPackage(const ProgramFolders &folders, std::string &error) {
    bool ok = true;
    std::error_code failure;
    for (fs::directory_iterator it(folders.packaged, failure), end; !failure && it != end;
         it.increment(failure)) {
        const fs::path &source = it->path();
        if (!it->is_regular_file(failure) || !(isLibrary(source) || isSeededCopy(source)))
            continue;
        const fs::path target = folders.program / source.filename();
        ok = (isLibrary(source) ? linkTo(source, target, error)
                                : copyIfMissing(source, target, error)) &&
             ok;
    }
    return noted(failure, folders.packaged, error) && ok;
}

// The first Quarn.srv of the server-file folders, linked into the program's
// folder; a link left from a file that is gone is removed.
bool linkServerFile(const ProgramFolders &folders, std::string &error) {
    const fs::path link = folders.program / serverFileName;
    std::error_code absent; // a file that is not there is no failure here
    for (const fs::path &folder : folders.serverFileFolders) {
        const fs::path candidate = folder / serverFileName;
        if (fs::is_regular_file(candidate, absent))
            return linkTo(candidate, link, error);
    }
    std::error_code failure;
    if (fs::is_symlink(fs::symlink_status(link, absent)))
        fs::remove(link, failure);
    return noted(failure, link, error);
}

} // namespace

FolderEnvironment FolderEnvironment::fromProcess() {
    FolderEnvironment environment;
    environment.home = variable("HOME");
    environment.xdgDataHome = variable("XDG_DATA_HOME");
    environment.xdgConfigHome = variable("XDG_CONFIG_HOME");
    return environment;
}

ProgramFolders chooseProgramFolders(const fs::path &executableFolder,
                                    const FolderEnvironment &environment) {
    ProgramFolders folders;
    const fs::path executable = executableFolder.lexically_normal();
    folders.program = withSlash(executable.has_filename() ? executable : executable.parent_path());
    const fs::path prefixShare = (executable / ".." / "share" / "quarn").lexically_normal();
    std::error_code failure;
    const bool packaged = fs::is_directory(prefixShare, failure);
    if (!packaged && writable(executable))
        return folders;
    const fs::path data =
        baseFolder(environment.xdgDataHome, environment.home, ".local/share") / "quarn";
    const fs::path config = baseFolder(environment.xdgConfigHome, environment.home, ".config");
    if (data.is_relative())
        return folders; // no home folder to write to: stay beside the executable
    folders.layout = FolderLayout::Installed;
    folders.packaged = packaged ? prefixShare : executable;
    folders.program = withSlash(data / "Quarn");
    if (!config.empty())
        folders.serverFileFolders.push_back(config / "quarn");
    folders.serverFileFolders.push_back(environment.systemConfig);
    return folders;
}

bool prepareProgramFolders(const ProgramFolders &folders, std::string &error) {
    if (folders.layout == FolderLayout::Portable)
        return true;
    std::error_code failure;
    fs::create_directories(folders.program, failure);
    if (!noted(failure, folders.program, error))
        return false;
    const bool seeded = seedFromPackage(folders, error);
    return linkServerFile(folders, error) && seeded;
}

std::filesystem::path readyProgramFolder(const std::filesystem::path &executableFolder,
                                         std::string &error) {
    const ProgramFolders folders =
        chooseProgramFolders(executableFolder, FolderEnvironment::fromProcess());
    prepareProgramFolders(folders, error);
    return folders.program;
}

} // namespace quarn
