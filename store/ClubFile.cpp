#include "store/ClubFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "rules/GameState.h"
#include "store/AtomicFile.h"
#include "store/Cp1251.h"
#include "store/LineFile.h"

namespace quarn {

namespace fs = std::filesystem;

namespace {

constexpr int RatingWidth = 10;
constexpr int HandsWidth = 7;
constexpr int ScoreWidth = 6;
constexpr int EncodedPasswordLength = 15;
constexpr std::int64_t MaxRatingMillionths = 99'990'000; // 99.99
constexpr char EmptySlotMark = '#';

// Positions inside a member line (0-based).
constexpr size_t NameAt = 0;
constexpr size_t RatingAt = 20;
constexpr size_t HandsAt = 30;
constexpr size_t EmptyFlagAt = 36; // character 37
constexpr size_t ScoreAt = 38;
constexpr size_t PasswordAt = 44;

constexpr int FirstTopTenLine = 6;
constexpr int MarkLine = 16;
constexpr int StampLine = 17;

// Generous: a club file is under 1 KiB.
constexpr size_t MaxClubFileBytes = 64 * 1024;

const std::string &emptySlotLine() {
    static const std::string line =
        std::string(37, EmptySlotMark) + ' ' + std::string(21, EmptySlotMark);
    return line;
}

int expectedLength(int lineNumber) {
    if (lineNumber <= ClubMemberSlots)
        return ClubMemberLineLength;
    if (lineNumber < MarkLine)
        return ClubTopTenLineLength;
    return ClubTailLineLength;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::string_view trimTrailingBlanks(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// A whole decimal number with an optional minus sign, blanks around it.
std::optional<std::int64_t> parseInteger(std::string_view field) {
    field = trimBlanks(field);
    bool negative = false;
    if (!field.empty() && field.front() == '-') {
        negative = true;
        field.remove_prefix(1);
    }
    if (field.empty() || field.size() > 12)
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

// The rating field as a whole number of millionths.
std::optional<std::int64_t> parseMillionths(std::string_view field) {
    field = trimBlanks(field);
    bool negative = false;
    if (!field.empty() && field.front() == '-') {
        negative = true;
        field.remove_prefix(1);
    }
    const size_t comma = field.find(',');
    const std::string_view whole = field.substr(0, comma);
    const std::string_view fraction =
        comma == std::string_view::npos ? std::string_view{} : field.substr(comma + 1);
    if (whole.empty() || whole.size() > 9 || fraction.size() > 6)
        return std::nullopt;
    if (comma != std::string_view::npos && fraction.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : whole) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    for (size_t i = 0; i < 6; ++i) {
        const char c = i < fraction.size() ? fraction[i] : '0';
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

// Millionths of a rating: rounded to the nearest, halves to even, clamped.
std::int64_t toMillionths(double rating) {
    if (std::isnan(rating))
        return 0;
    const double scaled = std::nearbyint(std::clamp(rating, -100.0, 100.0) * 1e6);
    return std::clamp(static_cast<std::int64_t>(scaled), -MaxRatingMillionths, MaxRatingMillionths);
}

std::string rightAligned(std::string text, size_t width) {
    if (text.size() < width)
        text.insert(0, width - text.size(), ' ');
    return text;
}

std::string formatInteger(std::int64_t value, int width) {
    // The largest and smallest numbers the field can show.
    std::int64_t high = 1;
    for (int i = 0; i < width; ++i)
        high *= 10;
    const std::int64_t highest = high - 1;
    const std::int64_t lowest = -(high / 10 - 1);
    return rightAligned(std::to_string(std::clamp(value, lowest, highest)),
                        static_cast<size_t>(width));
}

std::int32_t toInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// Blank-padded on the right or cut to width.
std::string fitted(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

std::string fileName(std::string_view utf8) {
    return fitted(utf8ToCp1251Line(utf8), ClubNameLength);
}

std::string textOfName(std::string_view bytes) {
    return cp1251ToUtf8(trimTrailingBlanks(bytes));
}

bool isEmptySlotLine(std::string_view line) {
    return line.size() <= EmptyFlagAt || line[EmptyFlagAt] == EmptySlotMark;
}

// The member line's rating for ordering; a rating that is not a number
// counts as lowest.
std::int64_t orderingRating(std::string_view line) {
    if (line.size() < RatingAt + RatingWidth)
        return std::numeric_limits<std::int64_t>::min();
    return parseMillionths(line.substr(RatingAt, RatingWidth))
        .value_or(std::numeric_limits<std::int64_t>::min());
}

bool isValidSlot(int slot) {
    return slot >= 1 && slot <= ClubMemberSlots;
}

// Reads, changes and rewrites a club file. The change runs even when writes
// are barred, so callers still learn what it would have done.
template <typename Change>
ClubWrite rewriteClubFile(const fs::path &path, bool writesBarred, Change &&change) {
    auto file = readClubFile(path);
    if (!file)
        return ClubWrite::Failed;
    change(*file);
    if (writesBarred)
        return ClubWrite::Barred;
    return writeFileAtomically(path, file->bytes()) ? ClubWrite::Written : ClubWrite::Failed;
}

bool cycleCompletes(std::int32_t hands) {
    return hands > 0 && CycleComplete(hands);
}

// Enters the top ten when the record completes a cycle, then stores it.
void storeInto(ClubFile &file, StoredResult &result, bool mayEnterTopTen) {
    result.cycleComplete = mayEnterTopTen && cycleCompletes(result.record.hands);
    if (result.cycleComplete) {
        result.place = file.enterTopTen(result.record.name, result.record.cycleScore);
        result.record.cycleScore = 0;
    }
    result.memberLine = file.insertMember(result.record);
}

} // namespace

// --- Field formats -------------------------------------------------------

std::string formatRating(double rating) {
    const std::int64_t millionths = toMillionths(rating);
    const std::int64_t magnitude = millionths < 0 ? -millionths : millionths;
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld,%06lld", millionths < 0 ? "-" : "",
                  static_cast<long long>(magnitude / 1'000'000),
                  static_cast<long long>(magnitude % 1'000'000));
    return rightAligned(text, RatingWidth);
}

std::optional<double> parseRating(std::string_view field) {
    const auto millionths = parseMillionths(field);
    if (!millionths)
        return std::nullopt;
    return static_cast<double>(*millionths) / 1e6;
}

std::optional<std::string> encodePassword(std::string_view password) {
    auto bytes = utf8ToCp1251(password);
    if (!bytes || bytes->size() > ClubPasswordLength)
        return std::nullopt;
    bytes->resize(ClubPasswordLength, ' ');
    std::string encoded;
    for (char c : *bytes)
        encoded += std::to_string(static_cast<unsigned char>(c) + ClubPasswordKey);
    return encoded;
}

namespace {

// The password bytes (code page 1251) of a password field.
std::optional<std::string> decodePasswordBytes(std::string_view encoded) {
    if (encoded.size() != EncodedPasswordLength)
        return std::nullopt;
    std::string bytes;
    for (size_t i = 0; i < EncodedPasswordLength; i += 3) {
        int value = 0;
        for (size_t j = i; j < i + 3; ++j) {
            if (encoded[j] < '0' || encoded[j] > '9')
                return std::nullopt;
            value = value * 10 + (encoded[j] - '0');
        }
        const int code = value - ClubPasswordKey;
        if (code < 0 || code > 255)
            return std::nullopt;
        bytes += static_cast<char>(code);
    }
    return bytes;
}

} // namespace

std::optional<std::string> decodePassword(std::string_view encoded) {
    auto bytes = decodePasswordBytes(encoded);
    if (!bytes)
        return std::nullopt;
    return cp1251ToUtf8(*bytes);
}

std::string formatMemberLine(const MemberRecord &record) {
    std::string line = fileName(record.name);
    line += formatRating(record.rating);
    line += formatInteger(record.hands, HandsWidth);
    line += ' ';
    line += formatInteger(record.cycleScore, ScoreWidth);
    line += fitted(utf8ToCp1251Line(record.encodedPassword), EncodedPasswordLength);
    return line;
}

std::optional<MemberRecord> parseMemberLine(std::string_view line) {
    if (line.size() != ClubMemberLineLength || isEmptySlotLine(line))
        return std::nullopt;
    MemberRecord record;
    record.name = textOfName(line.substr(NameAt, ClubNameLength));
    record.rating = parseRating(line.substr(RatingAt, RatingWidth)).value_or(0.0);
    record.hands = toInt32(parseInteger(line.substr(HandsAt, HandsWidth)).value_or(0));
    record.cycleScore = toInt32(parseInteger(line.substr(ScoreAt, ScoreWidth)).value_or(0));
    record.encodedPassword = cp1251ToUtf8(line.substr(PasswordAt, EncodedPasswordLength));
    return record;
}

// --- ClubFile --------------------------------------------------------------

std::optional<ClubFile> ClubFile::parse(std::string_view bytes) {
    const auto lines = splitLines(bytes);
    if (lines.size() != ClubLineCount)
        return std::nullopt;
    ClubFile file;
    for (int number = 1; number <= ClubLineCount; ++number) {
        const std::string_view text = lines[static_cast<size_t>(number - 1)];
        if (text.size() != static_cast<size_t>(expectedLength(number)))
            return std::nullopt;
        file.lineRef(number) = std::string(text);
    }
    return file;
}

ClubFile ClubFile::fresh(std::string_view editionStamp, std::string_view markTail) {
    ClubFile file;
    for (int slot = 1; slot <= ClubMemberSlots; ++slot)
        file.lineRef(slot) = emptySlotLine();
    for (int place = 1; place <= ClubTopTenSize; ++place)
        file.lineRef(FirstTopTenLine + place - 1) = std::string(ClubTopTenLineLength, ' ');
    file.lineRef(MarkLine) =
        std::string(1, ClubMarkByte) + '}' + fitted(utf8ToCp1251Line(markTail), ClubMarkTailLength);
    file.lineRef(StampLine) =
        fitted(utf8ToCp1251Line(editionStamp), ClubEditionStampLength) + std::string(18, '0');
    file.sealSums();
    return file;
}

std::string ClubFile::bytes() const {
    std::string out;
    for (const auto &text : lines_) {
        out += text;
        out += "\r\n";
    }
    return out;
}

std::string ClubFile::computedSums() const {
    std::int64_t all = 0, even = 0, third = 0;
    std::int64_t position = 0;
    for (int number = 1; number < StampLine; ++number) {
        for (char c : line(number)) {
            ++position;
            const int code = static_cast<unsigned char>(c);
            all += code;
            if (position % 2 == 0)
                even += code;
            if (position % 3 == 0)
                third += code;
        }
    }
    char digits[64];
    std::snprintf(digits, sizeof digits, "%06lld%06lld%06lld", static_cast<long long>(all),
                  static_cast<long long>(even), static_cast<long long>(third));
    return digits;
}

bool ClubFile::sumsMatch() const {
    return line(StampLine).substr(ClubEditionStampLength) == computedSums();
}

bool ClubFile::hasMark() const {
    const std::string &mark = line(MarkLine);
    return mark[0] == ClubMarkByte && mark[1] == '}';
}

bool ClubFile::russianEdition() const {
    return line(StampLine)[0] == '1';
}

std::string ClubFile::editionCode() const {
    return cp1251ToUtf8(line(StampLine).substr(6, 3));
}

bool ClubFile::memberEmpty(int slot) const {
    return !isValidSlot(slot) || isEmptySlotLine(line(slot));
}

std::optional<MemberRecord> ClubFile::member(int slot) const {
    if (!isValidSlot(slot))
        return std::nullopt;
    return parseMemberLine(line(slot));
}

std::string ClubFile::memberLineText(int slot) const {
    if (!isValidSlot(slot))
        return {};
    return cp1251ToUtf8(line(slot));
}

TopTenEntry ClubFile::topTen(int place) const {
    if (place < 1 || place > ClubTopTenSize)
        return {};
    const std::string &text = line(FirstTopTenLine + place - 1);
    TopTenEntry entry;
    entry.name = textOfName(std::string_view(text).substr(0, ClubNameLength));
    if (auto score = parseInteger(std::string_view(text).substr(ClubNameLength)))
        entry.score = toInt32(*score);
    return entry;
}

std::string ClubFile::topTenLineText(int place) const {
    if (place < 1 || place > ClubTopTenSize)
        return {};
    return cp1251ToUtf8(line(FirstTopTenLine + place - 1));
}

void ClubFile::removeMember(int slot) {
    if (!isValidSlot(slot))
        return;
    for (int number = slot; number < ClubMemberSlots; ++number)
        lineRef(number) = line(number + 1);
    lineRef(ClubMemberSlots) = emptySlotLine();
    sealSums();
}

int ClubFile::enterTopTen(std::string_view name, std::int32_t score) {
    for (int place = 1; place <= ClubTopTenSize; ++place) {
        const auto rowScore = topTen(place).score;
        if (rowScore && *rowScore > score)
            continue;
        for (int below = ClubTopTenSize; below > place; --below)
            lineRef(FirstTopTenLine + below - 1) = line(FirstTopTenLine + below - 2);
        lineRef(FirstTopTenLine + place - 1) = fileName(name) + formatInteger(score, ScoreWidth);
        sealSums();
        return place;
    }
    return 0;
}

int ClubFile::insertMember(const MemberRecord &record) {
    const std::string newLine = formatMemberLine(record);
    const std::int64_t rating = orderingRating(newLine);
    for (int slot = 1; slot <= ClubMemberSlots; ++slot) {
        if (!memberEmpty(slot) && orderingRating(line(slot)) > rating)
            continue;
        for (int below = ClubMemberSlots; below > slot; --below)
            lineRef(below) = line(below - 1);
        lineRef(slot) = newLine;
        sealSums();
        return slot;
    }
    return 0;
}

void ClubFile::setTopTen(int place, const TopTenEntry &entry) {
    if (place < 1 || place > ClubTopTenSize)
        return;
    std::string score =
        entry.score ? formatInteger(*entry.score, ScoreWidth) : std::string(ScoreWidth, ' ');
    lineRef(FirstTopTenLine + place - 1) = fileName(entry.name) + score;
    sealSums();
}

void ClubFile::sealSums() {
    std::string &stamp = lineRef(StampLine);
    stamp = stamp.substr(0, ClubEditionStampLength) + computedSums();
}

// --- The files on disk -----------------------------------------------------

std::optional<ClubFile> readClubFile(const fs::path &path) {
    const FileBytes file = readFileBytes(path, MaxClubFileBytes);
    if (file.status != ReadStatus::Ok)
        return std::nullopt;
    return ClubFile::parse(file.bytes);
}

bool clubWritesBarred(const fs::path &path) {
    const std::string name = path.filename().string();
    if (!name.empty() && name.front() == '.')
        return true;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return true;
    // The write bit of the class this user falls in, as a read-only flag:
    // even a user who may override it (root) leaves such a file alone.
    mode_t writeBit = S_IWOTH;
    if (st.st_uid == ::geteuid()) {
        writeBit = S_IWUSR;
    } else {
        std::vector<gid_t> groups(static_cast<size_t>(std::max(::getgroups(0, nullptr), 0)));
        const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
        groups.resize(static_cast<size_t>(std::max(count, 0)));
        groups.push_back(::getegid());
        if (std::find(groups.begin(), groups.end(), st.st_gid) != groups.end())
            writeBit = S_IWGRP;
    }
    if ((st.st_mode & writeBit) == 0)
        return true;
    return ::access(path.c_str(), W_OK) != 0;
}

ClubFileCheck checkClubFile(const fs::path &path) {
    ClubFileCheck check;
    const FileBytes bytes = readFileBytes(path, MaxClubFileBytes);
    if (bytes.status == ReadStatus::Missing) {
        check.state = ClubFileState::Missing;
        return check;
    }
    const auto file = bytes.status == ReadStatus::Ok ? ClubFile::parse(bytes.bytes) : std::nullopt;
    if (!file) {
        check.state = ClubFileState::Incorrect;
        return check;
    }
    check.russianEdition = file->russianEdition();
    if (!file->isCorrect()) {
        check.state = ClubFileState::Incorrect;
        return check;
    }
    check.state = ClubFileState::Correct;
    check.editionCode = file->editionCode();
    check.writesBarred = clubWritesBarred(path);
    return check;
}

ClubFilesCheck checkClubFiles(const fs::path &folder) {
    ClubFilesCheck check;
    check.localPath = folder / LocalClubFileName;
    check.networkPath = folder / NetworkClubFileName;
    check.local = checkClubFile(check.localPath);
    check.network = checkClubFile(check.networkPath);
    return check;
}

ClubWrite removeMember(const fs::path &path, int slot, bool writesBarred) {
    if (!isValidSlot(slot))
        return ClubWrite::Failed;
    return rewriteClubFile(path, writesBarred, [slot](ClubFile &file) { file.removeMember(slot); });
}

StoredResult storeResult(const fs::path &path, const MemberRecord &record, bool writesBarred) {
    StoredResult result;
    result.record = record;
    result.write =
        rewriteClubFile(path, writesBarred, [&](ClubFile &file) { storeInto(file, result, true); });
    return result;
}

StoredResult recordMatchEnd(const fs::path &path, int oldSlot, const MemberRecord &record,
                            bool writesBarred) {
    StoredResult result;
    result.record = record;
    result.write = rewriteClubFile(path, writesBarred, [&](ClubFile &file) {
        file.removeMember(oldSlot);
        storeInto(file, result, true);
    });
    return result;
}

StoredResult changeMemberName(const fs::path &path, int slot, const MemberRecord &atMatchStart,
                              std::string_view newName, std::string_view newPassword,
                              bool writesBarred) {
    StoredResult result;
    result.record = atMatchStart;
    result.record.name = std::string(newName);
    if (auto encoded = encodePassword(newPassword))
        result.record.encodedPassword = *encoded;
    result.write = rewriteClubFile(path, writesBarred, [&](ClubFile &file) {
        file.removeMember(slot);
        storeInto(file, result, false);
    });
    return result;
}

std::optional<MemberRecord> readMember(const fs::path &path, int slot) {
    const auto file = readClubFile(path);
    if (!file)
        return std::nullopt;
    return file->member(slot);
}

std::optional<std::string> readMemberPassword(const fs::path &path, int slot) {
    const auto record = readMember(path, slot);
    if (!record)
        return std::nullopt;
    return decodePassword(record->encodedPassword);
}

// --- Log-in ----------------------------------------------------------------

bool isAcceptableMemberName(std::string_view name) {
    const auto bytes = utf8ToCp1251(name);
    if (!bytes || bytes->size() > ClubNameLength || trimBlanks(*bytes).empty())
        return false;
    return std::none_of(bytes->begin(), bytes->end(), [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return code < 0x20 || code == 0x7F;
    });
}

LoginCheck checkMemberLogin(const fs::path &path, int slot, std::string_view typed) {
    const auto record = readMember(path, slot);
    const auto stored = record ? decodePasswordBytes(record->encodedPassword) : std::nullopt;
    auto typedBytes = utf8ToCp1251(typed);
    if (!stored || !typedBytes || typedBytes->size() > ClubPasswordLength)
        return LoginCheck::IncorrectPassword;
    typedBytes->resize(ClubPasswordLength, ' ');
    return *typedBytes == *stored ? LoginCheck::Accepted : LoginCheck::IncorrectPassword;
}

LoginCheck checkNewPlayer(std::string_view name, std::string_view password,
                          std::string_view repeated) {
    if (!isAcceptableMemberName(name))
        return LoginCheck::IncorrectName;
    if (password != repeated)
        return LoginCheck::PasswordsDiffer;
    if (!encodePassword(password))
        return LoginCheck::IncorrectPassword;
    return LoginCheck::Accepted;
}

MemberRecord newPlayerRecord(std::string_view name, std::string_view password) {
    MemberRecord record;
    record.name = std::string(trimTrailingBlanks(name));
    record.encodedPassword =
        encodePassword(password).value_or(encodePassword("").value_or(std::string()));
    return record;
}

} // namespace quarn
