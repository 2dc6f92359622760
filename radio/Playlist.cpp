#include "radio/Playlist.h"

#include "store/LineFile.h"

#include <algorithm>

namespace quarn {

namespace {

std::string withBlanks(std::string_view text) {
    std::string result(text);
    std::replace(result.begin(), result.end(), '_', ' ');
    return result;
}

bool hasControlCharacter(std::string_view line) {
    return std::any_of(line.begin(), line.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

} // namespace

std::vector<Song> parsePlaylist(std::string_view page, std::string_view songFolderUrl) {
    std::vector<Song> songs;
    for (std::string_view line : splitLines(page)) {
        if (songs.size() == kMaxSongs)
            break;
        if (line.empty() || hasControlCharacter(line))
            continue;
        Song song;
        std::string_view title = line;
        if (const std::size_t tilde = line.find('~'); tilde != std::string_view::npos) {
            song.artist = withBlanks(line.substr(0, tilde));
            title = line.substr(tilde + 1);
        }
        if (const std::size_t mp3 = title.find(".mp3"); mp3 != std::string_view::npos)
            title = title.substr(0, mp3);
        song.title = withBlanks(title);
        song.url = std::string(songFolderUrl) + std::string(line);
        songs.push_back(std::move(song));
    }
    return songs;
}

int musicVolumeAfterClick(int volume, int x) {
    if (x > 34 && volume < 100)
        return std::min(volume + kMusicVolumeStep, 100);
    if (x > 0 && x <= 25 && volume > 0)
        return std::max(volume - kMusicVolumeStep, 0);
    return volume;
}

} // namespace quarn
