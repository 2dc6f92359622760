#pragma once
// The online music player's song list: a plain UTF-8 page, one song per line,
// each the song's file name in the song folder, written
// "Artist_Name~Song_Title.mp3" ("_" for blanks).

#include <string>
#include <string_view>
#include <vector>

namespace quarn {

inline constexpr std::size_t kMaxSongs = 1000;
// The player is in use only with more songs than this.
inline constexpr std::size_t kFewestSongsShown = 4;
inline constexpr int kMusicVolumeStep = 5;
inline constexpr int kMusicStartVolume = 50;

struct Song {
    std::string artist; // blanks for "_"; empty without "~"
    std::string title;  // the text after "~", cut before ".mp3"
    std::string url;    // the song folder's address followed by the line
};

// The songs of the page, at most 1000; blank lines and lines holding control
// characters are left out.
std::vector<Song> parsePlaylist(std::string_view page, std::string_view songFolderUrl);

inline bool musicPlayerInUse(std::size_t songCount) {
    return songCount > kFewestSongsShown;
}

// The volume after a click at x on the volume button: right of 34 one step
// up, from 1 to 25 one step down (within 0 to 100), between them unchanged.
int musicVolumeAfterClick(int volume, int x);

} // namespace quarn
