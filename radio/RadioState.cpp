#include "radio/RadioState.h"

#include "store/AtomicFile.h"
#include "store/Cp1251.h"
#include "store/LineFile.h"
#include "web/Addresses.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace quarn {

namespace {

constexpr std::size_t kMaxStateBytes = 64 * 1024;

std::optional<int> decimalIn(std::string_view text, int low, int high) {
    int value = 0;
    const char *end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || last != end || text.empty() || value < low || value > high)
        return std::nullopt;
    return value;
}

// A text field as the file keeps it; a text code page 1251 cannot write is
// left empty, so the incomplete station is reset rather than garbled.
std::string fileText(const std::string &utf8) {
    return utf8ToCp1251(utf8).value_or(std::string());
}

} // namespace

std::string builtInRadioSite() {
    return web::Addresses::builtIn().makerSiteUrl();
}

TRadio defaultRadio(std::string_view site) {
    while (!site.empty() && site.back() == '/')
        site.remove_suffix(1);
    TRadio radio;
    radio.Name = "Quarn Radio Moscow";
    radio.URL = std::string(site) + "/radio/QRN0001";
    radio.Country = "Russian Federation";
    radio.Resurs = "RRADIO_LOGO_QRN0001";
    return radio;
}

TRadio readRadioState(std::string_view fileBytes, TRadio start) {
    const std::vector<std::string_view> lines = splitLines(fileBytes);
    TRadio radio = std::move(start);
    auto line = [&](std::size_t i) -> std::optional<std::string_view> {
        if (i < lines.size())
            return lines[i];
        return std::nullopt;
    };
    if (auto l = line(0))
        radio.Name = cp1251ToUtf8(*l);
    if (auto l = line(1))
        radio.URL = cp1251ToUtf8(*l);
    if (auto l = line(2))
        radio.Country = cp1251ToUtf8(*l);
    if (auto l = line(3))
        radio.Resurs = cp1251ToUtf8(*l);
    if (auto l = line(4))
        radio.Enabled = *l == "1";
    if (auto l = line(5))
        radio.Volume = decimalIn(*l, 0, kRadioMaxVolume).value_or(radio.Volume);
    if (auto l = line(6))
        radio.KakStations = decimalIn(*l, 0, 27).value_or(radio.KakStations);
    return radio;
}

std::string formatRadioState(const TRadio &radio) {
    return joinCrlfLines({fileText(radio.Name), fileText(radio.URL), fileText(radio.Country),
                          fileText(radio.Resurs), radio.Enabled ? "1" : "0",
                          std::to_string(radio.Volume), std::to_string(radio.KakStations)});
}

void resetIncompleteStation(TRadio &radio, std::string_view site) {
    if (!radio.Name.empty() && !radio.URL.empty() && !radio.Country.empty() &&
        !radio.Resurs.empty())
        return;
    const bool canUse = radio.CanUse;
    radio = defaultRadio(site);
    radio.CanUse = canUse;
}

std::string volumePictureName(int volume) {
    const int steps =
        (std::clamp(volume, 0, kRadioMaxVolume) + kRadioVolumeStep - 1) / kRadioVolumeStep;
    std::string name = "RRADIO_VOLUME";
    name += char('0' + steps / 10);
    name += char('0' + steps % 10);
    return name;
}

int raisedVolume(int volume) {
    return volume < kRadioMaxVolume ? std::min(volume + kRadioVolumeStep, kRadioMaxVolume) : volume;
}

int loweredVolume(int volume) {
    return volume > 0 ? std::max(volume - kRadioVolumeStep, 0) : volume;
}

int radioReconnectDelayMs(int attempt, int baseMs) {
    long long delay = std::max(baseMs, 1);
    for (int i = 0; i < attempt && delay < kRadioReconnectMaxMs; ++i)
        delay *= 2;
    return int(std::min<long long>(delay, kRadioReconnectMaxMs));
}

std::filesystem::path radioFolder(const std::filesystem::path &programFolder) {
    std::filesystem::path folder = programFolder;
    if (!folder.has_filename())
        folder = folder.parent_path(); // "dir/" names "dir"
    return folder.parent_path();
}

std::filesystem::path radioStatePath(const std::filesystem::path &programFolder) {
    return radioFolder(programFolder) / kRadioStateFile;
}

TRadio loadRadioState(const std::filesystem::path &file, std::string_view site) {
    const FileBytes read = readFileBytes(file, kMaxStateBytes);
    if (read.status != ReadStatus::Ok)
        return defaultRadio(site);
    return readRadioState(read.bytes, defaultRadio(site));
}

bool saveRadioState(const std::filesystem::path &file, TRadio &radio, std::string_view site) {
    // A station whose texts the file cannot hold counts as incomplete.
    TRadio written = radio;
    written.Name = fileText(radio.Name).empty() ? std::string() : radio.Name;
    written.URL = fileText(radio.URL).empty() ? std::string() : radio.URL;
    written.Country = fileText(radio.Country).empty() ? std::string() : radio.Country;
    written.Resurs = fileText(radio.Resurs).empty() ? std::string() : radio.Resurs;
    resetIncompleteStation(written, site);
    radio = written;
    return writeFileAtomically(file, formatRadioState(radio));
}

} // namespace quarn
