#include "store/ProgramFolders.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace quarn {
namespace {

namespace fs = std::filesystem;

// A temporary folder removed with everything in it.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "quarn-folders-XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(root_, ignored);
    }
    const fs::path &path() const { return root_; }

  private:
    fs::path root_;
};

void put(const fs::path &file, const std::string &text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

std::string contents(const fs::path &file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// A prefix as a package installs it: bin/ and share/quarn/ with two
// resource libraries and the club files.
fs::path installPrefix(const fs::path &root) {
    const fs::path prefix = root / "usr";
    fs::create_directories(prefix / "bin");
    put(prefix / "share/quarn/WemCards06A.dll", "cards");
    put(prefix / "share/quarn/WemCGraph1.dll", "graphics");
    put(prefix / "share/quarn/Quarn.clb", "club");
    put(prefix / "share/quarn/Quarn.net", "network club");
    put(prefix / "share/quarn/README", "not for the player's folder");
    return prefix;
}

struct ChoiceCase {
    const char *name;
    bool packaged;          // share/quarn beside ../share
    const char *home;       // relative to the temporary folder; nullptr: unset
    const char *dataHome;   // as given (a relative value is not a valid one)
    const char *configHome; // as given
    FolderLayout layout;
    const char *program;     // expected, relative to the temporary folder
    const char *serverFirst; // first server-file folder, relative; nullptr: none
};

const ChoiceCase choiceCases[] = {
    {"build tree", false, "home", nullptr, nullptr, FolderLayout::Portable, "usr/bin/", nullptr},
    {"installed, defaults under the home folder", true, "home", nullptr, nullptr,
     FolderLayout::Installed, "home/.local/share/quarn/Quarn/", "home/.config/quarn"},
    {"installed, XDG folders set", true, "home", "@/data", "@/config", FolderLayout::Installed,
     "data/quarn/Quarn/", "config/quarn"},
    {"installed, relative XDG values are ignored", true, "home", "data", "config",
     FolderLayout::Installed, "home/.local/share/quarn/Quarn/", "home/.config/quarn"},
    {"installed without any home: stays beside the executable", true, nullptr, nullptr, nullptr,
     FolderLayout::Portable, "usr/bin/", nullptr},
};

// "@" at the start of a value stands for the temporary folder.
std::string resolved(const char *value, const fs::path &root) {
    if (!value)
        return {};
    const std::string text(value);
    return text.rfind('@', 0) == 0 ? (root.string() + text.substr(1)) : text;
}

TEST(ProgramFolders, ChoosesTheLayoutFromWhereTheProgramLies) {
    for (const ChoiceCase &c : choiceCases) {
        SCOPED_TRACE(c.name);
        TempFolder temp;
        const fs::path root = temp.path();
        fs::path bin = root / "usr/bin";
        if (c.packaged)
            bin = installPrefix(root) / "bin";
        else
            fs::create_directories(bin);
        FolderEnvironment environment;
        environment.home = c.home ? (root / c.home).string() : std::string();
        environment.xdgDataHome = resolved(c.dataHome, root);
        environment.xdgConfigHome = resolved(c.configHome, root);
        environment.systemConfig = root / "etc/quarn";

        const ProgramFolders folders = chooseProgramFolders(bin, environment);
        EXPECT_EQ(folders.layout, c.layout);
        EXPECT_EQ(folders.program, root / c.program);
        if (c.layout == FolderLayout::Installed) {
            EXPECT_EQ(folders.packaged, root / "usr/share/quarn");
            ASSERT_EQ(folders.serverFileFolders.size(), 2u);
            EXPECT_EQ(folders.serverFileFolders[0], root / c.serverFirst);
            EXPECT_EQ(folders.serverFileFolders[1], root / "etc/quarn");
        } else {
            EXPECT_TRUE(folders.serverFileFolders.empty());
        }
    }
}

TEST(ProgramFolders, AnExecutableFolderItCannotWriteToIsInstalled) {
    TempFolder temp;
    const fs::path bin = temp.path() / "opt/quarn";
    put(bin / "WemCards06A.dll", "cards");
    fs::permissions(bin, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(bin.c_str(), W_OK) == 0)
        GTEST_SKIP() << "this user may write to any folder";
    FolderEnvironment environment;
    environment.home = (temp.path() / "home").string();
    const ProgramFolders folders = chooseProgramFolders(bin, environment);
    fs::permissions(bin, fs::perms::owner_all);
    EXPECT_EQ(folders.layout, FolderLayout::Installed);
    EXPECT_EQ(folders.packaged, bin);
    EXPECT_EQ(folders.program, temp.path() / "home/.local/share/quarn/Quarn/");
}

TEST(ProgramFolders, ReadsTheXdgVariablesOfTheProcess) {
    ::setenv("HOME", "/home/someone", 1);
    ::setenv("XDG_DATA_HOME", "/data/someone", 1);
    ::unsetenv("XDG_CONFIG_HOME");
    const FolderEnvironment environment = FolderEnvironment::fromProcess();
    EXPECT_EQ(environment.home, "/home/someone");
    EXPECT_EQ(environment.xdgDataHome, "/data/someone");
    EXPECT_EQ(environment.xdgConfigHome, "");
}

// An installed layout in a temporary folder, ready to be prepared.
class PreparedFolders : public ::testing::Test {
  protected:
    void SetUp() override {
        const fs::path prefix = installPrefix(temp_.path());
        environment_.home = (temp_.path() / "home").string();
        environment_.systemConfig = temp_.path() / "etc/quarn";
        folders_ = chooseProgramFolders(prefix / "bin", environment_);
        ASSERT_EQ(folders_.layout, FolderLayout::Installed);
    }
    bool prepare() {
        std::string error;
        const bool ok = prepareProgramFolders(folders_, error);
        EXPECT_EQ(ok, error.empty()) << error;
        return ok;
    }
    fs::path program(const char *name) const { return folders_.program / name; }
    fs::path packaged(const char *name) const { return folders_.packaged / name; }

    TempFolder temp_;
    FolderEnvironment environment_;
    ProgramFolders folders_;
};

TEST_F(PreparedFolders, FirstStartLinksTheLibrariesAndCopiesTheClubFiles) {
    ASSERT_TRUE(prepare());
    for (const char *library : {"WemCards06A.dll", "WemCGraph1.dll"}) {
        EXPECT_TRUE(fs::is_symlink(program(library))) << library;
        EXPECT_EQ(fs::read_symlink(program(library)), packaged(library)) << library;
    }
    for (const char *club : {"Quarn.clb", "Quarn.net"}) {
        EXPECT_FALSE(fs::is_symlink(program(club))) << club;
        EXPECT_EQ(contents(program(club)), contents(packaged(club))) << club;
    }
    EXPECT_FALSE(fs::exists(program("Quarn.srv")));
    EXPECT_FALSE(fs::exists(program("README")));
}

TEST_F(PreparedFolders, LaterStartsKeepWhatThePlayerHasAndFollowThePackage) {
    ASSERT_TRUE(prepare());
    put(program("Quarn.clb"), "the player's club");
    put(program("WemCards06A.dll.part"), "ignored");
    // A library the player downloaded into the program's folder stays his.
    fs::remove(program("WemCGraph1.dll"));
    put(program("WemCGraph1.dll"), "downloaded");
    // A package moved: a link to elsewhere is renewed.
    fs::remove(program("WemCards06A.dll"));
    fs::create_symlink(temp_.path() / "old/WemCards06A.dll", program("WemCards06A.dll"));
    put(packaged("WemRadio02.dll"), "radio");

    ASSERT_TRUE(prepare());
    EXPECT_EQ(contents(program("Quarn.clb")), "the player's club");
    EXPECT_EQ(contents(program("WemCGraph1.dll")), "downloaded");
    EXPECT_EQ(fs::read_symlink(program("WemCards06A.dll")), packaged("WemCards06A.dll"));
    EXPECT_EQ(fs::read_symlink(program("WemRadio02.dll")), packaged("WemRadio02.dll"));
}

TEST_F(PreparedFolders, TheServerFileComesFromTheUserConfigurationThenTheSystem) {
    const fs::path user = temp_.path() / "home/.config/quarn/Quarn.srv";
    const fs::path system = temp_.path() / "etc/quarn/Quarn.srv";
    struct Step {
        const char *name;
        bool userFile, systemFile;
        const fs::path *expected; // nullptr: no server file
    };
    const Step steps[] = {
        {"system only", false, true, &system},
        {"user and system: the user's wins", true, true, &user},
        {"the user's removed", false, true, &system},
        {"both removed: the link goes", false, false, nullptr},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.name);
        std::error_code ignored;
        fs::remove(user, ignored);
        fs::remove(system, ignored);
        if (step.userFile)
            put(user, "club.example.org\n");
        if (step.systemFile)
            put(system, "192.0.2.7:8046\n");
        ASSERT_TRUE(prepare());
        if (step.expected) {
            EXPECT_EQ(fs::read_symlink(program("Quarn.srv")), *step.expected);
            EXPECT_EQ(contents(program("Quarn.srv")), contents(*step.expected));
        } else {
            EXPECT_FALSE(fs::exists(fs::symlink_status(program("Quarn.srv"))));
        }
    }
}

TEST_F(PreparedFolders, AServerFileThePlayerPutThereIsKept) {
    put(temp_.path() / "etc/quarn/Quarn.srv", "192.0.2.7\n");
    put(program("Quarn.srv"), "own.example.org\n");
    ASSERT_TRUE(prepare());
    EXPECT_FALSE(fs::is_symlink(program("Quarn.srv")));
    EXPECT_EQ(contents(program("Quarn.srv")), "own.example.org\n");
}

TEST_F(PreparedFolders, AFolderThatCannotBeMadeIsReported) {
    put(temp_.path() / "home/.local/share/quarn", "a file in the way");
    std::string error;
    EXPECT_FALSE(prepareProgramFolders(folders_, error));
    EXPECT_NE(error.find("quarn"), std::string::npos) << error;
}

TEST(ProgramFolders, ThePortableLayoutIsLeftAsItIs) {
    TempFolder temp;
    const fs::path bin = temp.path() / "dist/Quarn";
    fs::create_directories(bin);
    const ProgramFolders folders = chooseProgramFolders(bin, FolderEnvironment{});
    std::string error;
    EXPECT_TRUE(prepareProgramFolders(folders, error));
    EXPECT_TRUE(fs::is_empty(bin));
    EXPECT_EQ(folders.program, bin.string() + "/");
}

} // namespace
} // namespace quarn
