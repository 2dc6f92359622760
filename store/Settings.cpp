#include "store/Settings.h"

#include "store/AtomicFile.h"
#include "store/Cp1251.h"
#include "store/LineFile.h"

#include <charconv>
#include <optional>

namespace quarn {
namespace {

// Larger files are not settings files; reading stops short of line 35 and
// every default stands.
constexpr std::size_t maxSettingsFileSize = 64 * 1024;

constexpr std::array<std::string_view, settingsLineCount + 1> markers{"",
                                                                      "<# General>",
                                                                      "",
                                                                      "<# Cards>",
                                                                      "",
                                                                      "<# Decks>",
                                                                      "",
                                                                      "<# Individual>",
                                                                      "",
                                                                      "<# Fonts>",
                                                                      "",
                                                                      "",
                                                                      "",
                                                                      "",
                                                                      "",
                                                                      "",
                                                                      "",
                                                                      "",
                                                                      "<# IP & Port>",
                                                                      "",
                                                                      "",
                                                                      "<# Background>",
                                                                      "",
                                                                      "<# Name Of Player>",
                                                                      "",
                                                                      "<# World Top Ten>",
                                                                      "",
                                                                      "",
                                                                      "",
                                                                      "",
                                                                      "",
                                                                      "",
                                                                      "<# Save Games as GIF>",
                                                                      "",
                                                                      "",
                                                                      ""};

constexpr char gifOnMarker = '\xE8';  // 'и' in code page 1251
constexpr char gifOffMarker = '\xEB'; // 'л'

// Continent digit 1 to 6 and the highest country number it allows.
constexpr std::array<int, 7> highestCountryNumber{-1, 48, 51, 35, 14, 23, 54};

bool inRange(int value, int low, int high) {
    return value >= low && value <= high;
}

// Whole text as a decimal integer with an optional minus sign; nothing for
// anything else (blanks, '+', other characters, overflow).
std::optional<int> strictInteger(std::string_view text) {
    int value = 0;
    const char *end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || rest != end)
        return std::nullopt;
    return value;
}

bool isValidCountryCode(std::string_view code) {
    if (code.size() != 5 || code[1] != '-' || code[0] < '1' || code[0] > '6')
        return false;
    const std::optional<int> number = strictInteger(code.substr(2));
    return number && code.substr(2).find('-') == std::string_view::npos &&
           inRange(*number, 0, highestCountryNumber[static_cast<size_t>(code[0] - '0')]);
}

// Reads the lines in order; each read* returns false when its line breaks
// the rule that stops the reading.
class SettingsReader {
  public:
    SettingsReader(const std::vector<std::string_view> &lines, Settings &values)
        : lines_(lines), v_(values) {}

    // The number of the line that stopped the reading, 0 when none did.
    int run() {
        if (!readGeneralLine())
            return 2;
        if (!readFaceSet())
            return 4;
        if (!readBacks())
            return 6;
        readIndividual();
        for (int i = 0; i < 4; ++i) {
            if (!readFontName(i))
                return 10 + i;
        }
        for (int i = 0; i < 4; ++i) {
            if (!readFontScale(i))
                return 14 + i;
        }
        if (line(18).empty())
            return 18;
        if (!readRequiredText(19, v_.hostAddress))
            return 19;
        if (!readRequiredText(20, v_.port))
            return 20;
        if (line(21).empty())
            return 21;
        if (!readBackground())
            return 22;
        if (line(23).empty())
            return 23;
        if (!readRequiredText(24, v_.playerName))
            return 24;
        if (!readPassport())
            return 28;
        return readGif();
    }

  private:
    std::string_view line(int number) const { return lines_[static_cast<size_t>(number - 1)]; }

    bool readGeneralLine() {
        const std::string_view flags = line(2);
        auto at = [&](size_t position) {
            return position <= flags.size() ? flags[position - 1] : '\0';
        };

        if (char c = at(1); c >= '0' && c <= '9')
            v_.language = c - '0';
        else if (c >= 'a' && c <= 'k')
            v_.language = 0; // reserved for languages this table lacks
        switch (at(2)) {
        case '0':
            v_.soundEffects = false, v_.music = false;
            break;
        case '1':
            v_.soundEffects = true, v_.music = true;
            break;
        case '2':
            v_.soundEffects = true, v_.music = false;
            break;
        case '3':
            v_.soundEffects = false, v_.music = true;
            break;
        default:
            break;
        }
        if (at(3) == '0')
            v_.gifAnimation = false;
        if (at(4) == '0')
            v_.cardFlight = false;
        if (at(5) == '2')
            v_.clubDisplayMode = ClubDisplayMode::Rating;
        if (at(6) == '1')
            v_.multiplayer = true;
        if (at(7) == '0')
            v_.redMouseCursor = false;
        if (char c = at(8); c >= '1' && c <= '6')
            v_.flightSpeed = c - '0';
        if (char c = at(9); c >= '1' && c <= '5')
            v_.windowSize = static_cast<WindowSizeSetting>(c - '0');
        if (flags.size() >= 10)
            v_.startReported = at(10) == 'R';
        if (flags.size() >= 11)
            v_.likeSent = at(11) == 'L';
        if (flags.size() >= 12)
            v_.radioListFromServer = at(12) == '0';
        if (flags.size() >= 13) {
            const char c = at(13);
            if (c < '0' || c > '9')
                return false;
            if (c >= '1' && c <= '7')
                v_.headingColour = c - '0';
        }
        if (flags.size() >= 14)
            v_.newButtons = at(14) == '1';
        if (flags.size() >= 15)
            v_.purpleWindows = at(15) == '1';
        if (char c = at(16); c >= '1' && c <= '3')
            v_.windowDesign = static_cast<WindowDesign>(c - '0');
        if (char c = at(17); c == '0' || c == '1')
            v_.menuDesign = static_cast<ScreenDesign>(c - '0');
        if (char c = at(18); c == '0' || c == '1')
            v_.tableDesign = static_cast<ScreenDesign>(c - '0');
        if (char c = at(19); c == '0' || c == '1')
            v_.saluteOnButtons = c == '1';
        if (char c = at(20); c == '0' || c == '1')
            v_.saluteOnCards = c == '1';
        return true;
    }

    bool readFaceSet() {
        const std::optional<int> set = strictInteger(line(4));
        if (!set)
            return false;
        if (inRange(*set, 0, faceSetCount - 1))
            v_.faceSet = *set;
        return true;
    }

    bool readBacks() {
        const std::string_view backs = line(6);
        if (backs.size() < 3)
            return false;
        const std::optional<int> set = strictInteger(backs.substr(0, 2));
        if (!set)
            return false;
        if (inRange(*set, 0, backSetCount - 1))
            v_.backSet = *set;
        v_.alwaysOneBack = backs[2] == '1';
        return true;
    }

    void readIndividual() {
        const std::string_view individual = line(8);
        if (!individual.empty() && individual[0] == '0')
            v_.highlightPlayable = false;
        // '1' asks for strong computer opponents; '#' or anything else, the standard chooser.
        if (individual.size() >= 2)
            v_.strongOpponents = individual[1] == '1';
    }

    bool readFontName(int font) {
        if (line(10 + font).size() <= 1)
            return false;
        v_.fontNames[static_cast<size_t>(font)] = cp1251ToUtf8(line(10 + font));
        return true;
    }

    bool readFontScale(int font) {
        const std::optional<int> scale = strictInteger(line(14 + font));
        if (!scale)
            return false;
        if (inRange(*scale, minFontScale, maxFontScale))
            v_.fontScales[static_cast<size_t>(font)] = *scale;
        return true;
    }

    bool readRequiredText(int number, std::string &value) {
        if (line(number).empty())
            return false;
        value = cp1251ToUtf8(line(number));
        return true;
    }

    bool readBackground() {
        const std::string_view background = line(22);
        if (background.size() < 3)
            return false;
        const std::optional<int> picture = strictInteger(background.substr(0, 2));
        const std::optional<int> colour = strictInteger(background.substr(2, 1));
        if (!picture || !colour)
            return false;
        if (inRange(*picture, 1, backgroundPictureCount))
            v_.backgroundPicture = *picture;
        if (inRange(*colour, 0, backgroundColourCount - 1))
            v_.backgroundColour = *colour;
        return true;
    }

    bool readPassport() {
        if (!line(26).empty())
            v_.ratingsPath = cp1251ToUtf8(line(26));
        v_.nick = cp1251ToUtf8(line(27).substr(0, 12));
        if (line(28).size() != 5)
            return false;
        if (isValidCountryCode(line(28)))
            v_.country = std::string(line(28));
        v_.city = cp1251ToUtf8(line(29).substr(0, 15));
        v_.sex = line(30) == "W" ? 'W' : 'M';
        if (!line(31).empty())
            v_.statisticsPath = cp1251ToUtf8(line(31));
        return true;
    }

    int readGif() {
        v_.recordGif = line(33) == std::string_view(&gifOnMarker, 1);
        const std::optional<int> area = strictInteger(line(34));
        if (!area)
            return 34;
        if (inRange(*area, 1, 2))
            v_.gifCaptureArea = static_cast<GifCaptureArea>(*area);
        const std::optional<int> delay = strictInteger(line(35));
        if (!delay)
            return 35;
        if (inRange(*delay, minGifFrameDelay, maxGifFrameDelay))
            v_.gifFrameDelay = *delay;
        return 0;
    }

    const std::vector<std::string_view> &lines_;
    Settings &v_;
};

char flag(bool on) {
    return on ? '1' : '0';
}

char digitIn(int value, int low, int high, char otherwise) {
    return inRange(value, low, high) ? static_cast<char>('0' + value) : otherwise;
}

std::string generalLine(const Settings &s) {
    std::string flags(20, '#');
    flags[0] = digitIn(s.language, 0, 9, '0');
    flags[1] = s.soundEffects ? (s.music ? '1' : '2') : (s.music ? '3' : '0');
    flags[2] = flag(s.gifAnimation);
    flags[3] = flag(s.cardFlight);
    flags[4] = s.clubDisplayMode == ClubDisplayMode::Rating ? '2' : '1';
    flags[5] = flag(s.multiplayer);
    flags[6] = flag(s.redMouseCursor);
    flags[7] = digitIn(s.flightSpeed, 1, 6, '4');
    flags[8] = digitIn(static_cast<int>(s.windowSize), 1, 5, '1');
    if (s.startReported)
        flags[9] = 'R';
    if (s.likeSent)
        flags[10] = 'L';
    flags[11] = s.radioListFromServer ? '0' : '1';
    flags[12] = digitIn(s.headingColour, 1, 7, '1');
    flags[13] = flag(s.newButtons);
    flags[14] = flag(s.purpleWindows);
    flags[15] = digitIn(static_cast<int>(s.windowDesign), 1, 3, '1');
    flags[16] = s.menuDesign == ScreenDesign::Purple ? '1' : '0';
    flags[17] = s.tableDesign == ScreenDesign::Purple ? '1' : '0';
    flags[18] = flag(s.saluteOnButtons);
    flags[19] = flag(s.saluteOnCards);
    return flags;
}

std::string twoDigits(int value) {
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

// The text in code page 1251 when the reader will take it back unchanged:
// at least minLength characters and no line break; `fallback` otherwise.
std::string writableText(const std::string &text, std::string_view fallback, size_t minLength = 0) {
    const std::optional<std::string> bytes = utf8ToCp1251(text);
    if (!bytes || bytes->size() < minLength || bytes->find_first_of("\r\n") != std::string::npos) {
        return utf8ToCp1251(fallback).value_or(std::string());
    }
    return *bytes;
}

} // namespace

void resetFontNames(Settings &settings) {
    for (size_t i = 0; i < settings.fontNames.size(); ++i)
        settings.fontNames[i] = defaultFontNames[i];
}

SettingsRead parseSettings(std::string_view bytes, const Settings &defaults) {
    SettingsRead read{defaults, false, 0};
    const std::vector<std::string_view> lines = splitLines(bytes);
    if (lines.size() < static_cast<size_t>(settingsLineCount)) {
        read.ignored = true;
        return read;
    }
    read.stoppedAtLine = SettingsReader(lines, read.values).run();
    return read;
}

std::vector<std::string> settingsLines(const Settings &s) {
    const Settings standard;
    std::vector<std::string> lines(markers.begin() + 1, markers.end());
    auto set = [&](int number, std::string text) {
        lines[static_cast<size_t>(number - 1)] = std::move(text);
    };

    set(2, generalLine(s));
    set(4, std::to_string(s.faceSet));
    set(6, twoDigits(inRange(s.backSet, 0, 99) ? s.backSet : 0) + flag(s.alwaysOneBack));
    set(8, std::string{flag(s.highlightPlayable), s.strongOpponents ? '1' : '#'} + "####");
    for (size_t i = 0; i < 4; ++i) {
        set(10 + static_cast<int>(i), writableText(s.fontNames[i], standard.fontNames[i], 2));
        set(14 + static_cast<int>(i), std::to_string(s.fontScales[i]));
    }
    set(19, writableText(s.hostAddress, standard.hostAddress, 1));
    set(20, writableText(s.port, standard.port, 1));
    const int picture =
        inRange(s.backgroundPicture, 1, 99) ? s.backgroundPicture : standard.backgroundPicture;
    const int colour =
        inRange(s.backgroundColour, 0, 9) ? s.backgroundColour : standard.backgroundColour;
    set(22, twoDigits(picture) + static_cast<char>('0' + colour));
    set(24, writableText(s.playerName, standard.playerName, 1));
    set(26, writableText(s.ratingsPath, standard.ratingsPath, 1));
    set(27, writableText(s.nick, standard.nick));
    set(28, isValidCountryCode(s.country) ? s.country : standard.country);
    set(29, writableText(s.city, standard.city));
    set(30, std::string(1, s.sex == 'W' ? 'W' : 'M'));
    set(31, writableText(s.statisticsPath, standard.statisticsPath, 1));
    set(33, std::string(1, s.recordGif ? gifOnMarker : gifOffMarker));
    set(34, s.gifCaptureArea == GifCaptureArea::WholeWindow ? "2" : "1");
    set(35, std::to_string(s.gifFrameDelay));
    return lines;
}

Settings loadSettings(const std::filesystem::path &folder, const Settings &defaults) {
    const std::filesystem::path path = folder / settingsFileName;
    FileBytes file = readFileBytes(path, maxSettingsFileSize);
    if (file.status != ReadStatus::Ok && file.status != ReadStatus::TooLarge) {
        file = readFileBytes(path, maxSettingsFileSize);
    }
    Settings settings =
        file.status == ReadStatus::Ok ? parseSettings(file.bytes, defaults).values : defaults;
    resetFontNames(settings);
    return settings;
}

SettingsSaved saveSettings(const std::filesystem::path &folder, const Settings &settings) {
    const std::string bytes = joinCrlfLines(settingsLines(settings));
    const std::filesystem::path path = folder / settingsFileName;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (writeFileAtomically(path, bytes))
            return {true, {}};
    }
    return {false, cantSaveOptionsMessage};
}

} // namespace quarn
