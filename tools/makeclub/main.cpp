// Makes the initial club files Quarn.clb (games against the computer) and
// Quarn.net (network games) in the folder given as the only argument: five
// empty member slots, a top ten of invented players with modest cycle
// scores, the mark and the edition stamp, with correct sums.

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "store/AtomicFile.h"
#include "store/ClubFile.h"

namespace {

// Character 1 '0': the language comes from the settings. Characters 7..9:
// the edition code of this build ("lnx"), which reports starts as usual.
constexpr const char *EditionStamp = "0Q5700lnx0";
constexpr const char *MarkTail = "Quarn club, edition 5.7";

using TopTen = std::array<quarn::TopTenEntry, quarn::ClubTopTenSize>;

const TopTen LocalTopTen = {{
    {"Aurelia Stone", 64},
    {"Boris Kettle", 57},
    {"Celeste Marr", 51},
    {"Dmitri Vale", 46},
    {"Elena Frost", 40},
    {"Felix Brandt", 35},
    {"Greta Holm", 29},
    {"Hugo Lindqvist", 23},
    {"Ines Moreau", 18},
    {"Jonas Weald", 12},
}};

const TopTen NetworkTopTen = {{
    {"Karla Nyx", 48},
    {"Leon Ashby", 43},
    {"Mira Quell", 39},
    {"Nestor Pike", 34},
    {"Olga Renn", 30},
    {"Pavel Dorn", 26},
    {"Quinn Hale", 21},
    {"Rosa Tamm", 17},
    {"Stefan Orrin", 11},
    {"Tilda Voss", 6},
}};

bool makeClubFile(const std::filesystem::path &path, const TopTen &topTen) {
    quarn::ClubFile file = quarn::ClubFile::fresh(EditionStamp, MarkTail);
    for (int place = 1; place <= quarn::ClubTopTenSize; ++place)
        file.setTopTen(place, topTen[static_cast<size_t>(place - 1)]);
    if (!quarn::writeFileAtomically(path, file.bytes())) {
        std::fprintf(stderr, "quarn-makeclub: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const bool local = makeClubFile(folder / quarn::LocalClubFileName, LocalTopTen);
    const bool network = makeClubFile(folder / quarn::NetworkClubFileName, NetworkTopTen);
    return local && network ? 0 : 1;
}
