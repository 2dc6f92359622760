#pragma once
// The radio's state (the station playing, on or off, the volume and the
// country chosen in the radio window) and its state file WemRadio.ini in the
// folder above the program's folder: seven code page 1251 lines, Name, URL,
// Country, Resurs, Enabled ("1" on), Volume and KakStations.

#include <filesystem>
#include <string>
#include <string_view>

namespace quarn {

inline constexpr std::string_view kRadioStateFile = "WemRadio.ini";
inline constexpr int kRadioVolumeStep = 10;
inline constexpr int kRadioMaxVolume = 100;

struct TRadio {
    bool CanUse = false;  // the radio library and a station list are present
    std::string Name;     // UTF-8
    std::string URL;      // the stream address
    std::string Country;  // UTF-8
    std::string Resurs;   // the station's logo picture in the radio library
    bool Enabled = false; // switched on
    int Volume = 30;      // 0 to 100
    int KakStations = 0;  // the radio window's country, 0 to 27

    bool operator==(const TRadio &) const = default;
};

// The site of the club server built into the program ("http://host:port/").
std::string builtInRadioSite();

// The default station ("CanUse" cleared): the first station the club server
// at `site` lists, streamed from that server.
TRadio defaultRadio(std::string_view site = builtInRadioSite());

// The state file's lines read over `start`, line by line: a missing line
// keeps the value it would set. A volume or country that is not a number in
// range keeps its value too.
TRadio readRadioState(std::string_view fileBytes, TRadio start);

// The seven lines the state file holds (code page 1251, CR LF).
std::string formatRadioState(const TRadio &radio);

// When the station is incomplete (any of Name, URL, Country and Resurs empty)
// all seven values return to the default station of `site`; CanUse is kept.
void resetIncompleteStation(TRadio &radio, std::string_view site = builtInRadioSite());

// "RRADIO_VOLUME" and two digits: "00" for 0, "01" for 1 to 10, ... "10" for 91 to 100.
std::string volumePictureName(int volume);

// The volume after a press of the plus or minus button: a step of 10 while
// it stays within 0 to 100, otherwise unchanged.
int raisedVolume(int volume);
int loweredVolume(int volume);

// A station stream that ends while the radio is on is opened again after a
// wait that doubles with each attempt in a row, from the base (2 s) up to
// 60 s: attempt 0 waits the base, 1 twice the base, ...
inline constexpr int kRadioReconnectBaseMs = 2000;
inline constexpr int kRadioReconnectMaxMs = 60000;
int radioReconnectDelayMs(int attempt, int baseMs = kRadioReconnectBaseMs);

// The folder above the program's folder, where the radio keeps its files.
std::filesystem::path radioFolder(const std::filesystem::path &programFolder);
// The state file of the folder above the program's folder.
std::filesystem::path radioStatePath(const std::filesystem::path &programFolder);
// Reads the file over the default station of `site`; that default station
// when it cannot be opened.
TRadio loadRadioState(const std::filesystem::path &file,
                      std::string_view site = builtInRadioSite());
// Resets an incomplete station, then rewrites the file atomically; false
// when it cannot be written (the old file stays).
bool saveRadioState(const std::filesystem::path &file, TRadio &radio,
                    std::string_view site = builtInRadioSite());

} // namespace quarn
