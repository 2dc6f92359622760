#pragma once
// The club files "Quarn.clb" (games against the computer) and "Quarn.net"
// (network games): 17 lines of code page 1251 text ended by CR LF.
//
//   lines 1..5    member records, best rating first (59 characters each):
//                 name (20), rating (10, "  1,500000"), hands (7), a blank,
//                 cycle score (6), encoded password (15 digits);
//                 an empty slot is 37 '#', a blank and 21 '#'
//   lines 6..15   top ten, best first: name (20) and cycle score (6)
//   line 16       the mark: byte 146 and '}', then 26 characters kept as they are
//   line 17       edition stamp (10), then the sums S1, S2, S3 of lines 1..16
//                 (6 zero-padded digits each)
//
// ClubFile holds the lines as bytes; text crosses its interface as UTF-8.
// Every change through ClubFile recomputes the sums.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quarn {

inline constexpr const char *LocalClubFileName = "Quarn.clb";
inline constexpr const char *NetworkClubFileName = "Quarn.net";

inline constexpr int ClubMemberSlots = 5;
inline constexpr int ClubTopTenSize = 10;
inline constexpr int ClubLineCount = 17;
inline constexpr int ClubMemberLineLength = 59;
inline constexpr int ClubTopTenLineLength = 26;
inline constexpr int ClubTailLineLength = 28;
inline constexpr int ClubNameLength = 20;
inline constexpr int ClubPasswordLength = 5;
inline constexpr int ClubEditionStampLength = 10;
inline constexpr int ClubMarkTailLength = 26;
// The characters of lines 1..16 that the sums cover: 5*59 + 10*26 + 28.
inline constexpr int ClubSummedLength = 583;
// Added to each password byte; every sum of a byte code and it has three digits.
inline constexpr int ClubPasswordKey = 357;
// The first character of the mark: the game number 46 plus 100.
inline constexpr char ClubMarkByte = static_cast<char>(146);

// One member record.
struct MemberRecord {
    std::string name;            // UTF-8, without the padding blanks
    double rating = 0.0;         // kept to millionths in the file
    std::int32_t hands = 0;      // hands played, all cycles
    std::int32_t cycleScore = 0; // score in the current cycle of 30 hands
    std::string encodedPassword; // 15 digits, see encodePassword

    bool operator==(const MemberRecord &) const = default;
};

// One row of the top ten.
struct TopTenEntry {
    std::string name;         // UTF-8, without the padding blanks
    std::optional<int> score; // nothing when the field is not a number

    bool operator==(const TopTenEntry &) const = default;
};

// --- Field formats -------------------------------------------------------

// The rating field: six decimals, a comma, right-aligned in 10
// ("  0,000000", " -3,000000"). Ratings beyond -99.99..99.99 are clamped.
std::string formatRating(double rating);
// The rating of a field as formatted above (blanks around it allowed).
std::optional<double> parseRating(std::string_view field);

// The password field: the password (at most 5 characters that code page 1251
// can write) blank-padded to 5, each byte + ClubPasswordKey as three digits.
std::optional<std::string> encodePassword(std::string_view password);
// The 5-character password (UTF-8, blank-padded) of a password field.
std::optional<std::string> decodePassword(std::string_view encoded);

// A whole member line (59 bytes, code page 1251) and back. Numbers that do
// not fit their field are clamped; a name longer than 20 characters is cut;
// characters code page 1251 cannot write and control characters become '?'.
std::string formatMemberLine(const MemberRecord &record);
// Nothing for an empty slot or a line of the wrong length; fields that are
// not numbers read as 0.
std::optional<MemberRecord> parseMemberLine(std::string_view line);

// --- The file in memory ----------------------------------------------------

class ClubFile {
  public:
    // A file of the right shape: exactly 17 lines (ended by CR LF or LF; the
    // last line end may be missing) of lengths 59 (1..5), 26 (6..15) and 28
    // (16, 17). Nothing otherwise.
    static std::optional<ClubFile> parse(std::string_view bytes);

    // A file with five empty slots, ten blank top-ten rows, the mark followed
    // by markTail and the given edition stamp (both cut or blank-padded to
    // their widths), with correct sums.
    static ClubFile fresh(std::string_view editionStamp, std::string_view markTail);

    // The file's bytes, each line ended by CR LF.
    std::string bytes() const;

    // The 18 digits of S1, S2 and S3 over lines 1..16.
    std::string computedSums() const;
    bool sumsMatch() const;
    bool hasMark() const;
    // Lines 1..16 are intact and marked: the program may use the file.
    bool isCorrect() const { return sumsMatch() && hasMark(); }

    // Edition stamp: character 1 '1' starts the program in Russian;
    // characters 7..9 are the edition code.
    bool russianEdition() const;
    std::string editionCode() const;

    // Members, slots 1..5.
    bool memberEmpty(int slot) const;
    std::optional<MemberRecord> member(int slot) const;
    // The member line as text (UTF-8), for the menu's club list.
    std::string memberLineText(int slot) const;

    // Top ten, places 1..10.
    TopTenEntry topTen(int place) const;
    std::string topTenLineText(int place) const;

    // Raw line 1..17 (code page 1251 bytes).
    const std::string &line(int number) const { return lines_.at(static_cast<size_t>(number - 1)); }

    // Deletes member line `slot` (1..5): the lines below move up and line 5
    // becomes the empty slot. Other slots change nothing.
    void removeMember(int slot);

    // Enters a cycle score into the top ten above the first row whose score
    // is lower or equal (the newer entry wins a tie; a row that is not a
    // number counts as lower than any score); the rows below move down and
    // the tenth is lost. Returns the place 1..10, or 0 when it did not enter.
    int enterTopTen(std::string_view name, std::int32_t score);

    // Stores the record above the first member line that is empty or rated
    // lower or equal (a rating that is not a number counts as lowest); the
    // lines below move down and line 5 is lost. Returns the line 1..5, or 0
    // when the record was not stored (the club is full of better players).
    int insertMember(const MemberRecord &record);

    // Puts a row into the top ten as it is (used when a file is made).
    void setTopTen(int place, const TopTenEntry &entry);

  private:
    ClubFile() = default;
    std::string &lineRef(int number) { return lines_.at(static_cast<size_t>(number - 1)); }
    void sealSums();

    std::array<std::string, ClubLineCount> lines_;
};

// --- The files on disk -----------------------------------------------------

// The file at path if it can be read and has the right shape.
std::optional<ClubFile> readClubFile(const std::filesystem::path &path);

// What the program does with a club file at start.
enum class ClubFileState {
    Correct,   // the program may run
    Missing,   // "Can`t find the file"
    Incorrect, // "The incorrect file": misshapen, wrong sums or no mark
};

struct ClubFileCheck {
    ClubFileState state = ClubFileState::Missing;
    // The file had the right shape and its stamp asks for Russian.
    bool russianEdition = false;
    // Characters 7..9 of the stamp; set only for a correct file.
    std::string editionCode;
    // The file may not be written during this run: it is not writable by
    // this user (the write bits that apply to this user are off, or the
    // system refuses writing) or its name begins with '.'. Set only for a
    // correct file; the windows show the attribute warning for it.
    bool writesBarred = false;

    bool mayRun() const { return state == ClubFileState::Correct; }
};

ClubFileCheck checkClubFile(const std::filesystem::path &path);

// The start-up check of both club files in the program's folder.
struct ClubFilesCheck {
    std::filesystem::path localPath;   // Quarn.clb
    std::filesystem::path networkPath; // Quarn.net
    ClubFileCheck local;
    ClubFileCheck network;

    bool mayRun() const { return local.mayRun() && network.mayRun(); }
    // The file to report when the program may not run (Quarn.clb first).
    std::filesystem::path failedPath() const { return local.mayRun() ? networkPath : localPath; }
    ClubFileState failure() const { return local.mayRun() ? network.state : local.state; }
    // Quarn.clb's stamp decides the language.
    bool russianEdition() const { return local.russianEdition; }
    // The edition code of the file examined last that passed.
    std::string editionCode() const {
        return network.mayRun() ? network.editionCode : local.editionCode;
    }
};

ClubFilesCheck checkClubFiles(const std::filesystem::path &folder);

// The attribute part of the check alone.
bool clubWritesBarred(const std::filesystem::path &path);

// The result of an operation that rewrites a club file.
enum class ClubWrite {
    Written, // the new file is in place
    Barred,  // the attribute check barred writes: the file is unchanged
    Failed,  // the file could not be read or replaced ("Error of disk
             // writing!"); the old file is unchanged
};

// Deletes member line `slot` (1..5) and rewrites the file.
ClubWrite removeMember(const std::filesystem::path &path, int slot, bool writesBarred = false);

struct StoredResult {
    // 1..10: the cycle entered the top ten there; 0: it did not, or the
    // cycle is not complete.
    int place = 0;
    bool cycleComplete = false;
    // 1..5: the member line that now holds the record; 0: not stored. The
    // caller takes it as the player's new slot.
    int memberLine = 0;
    // The record as stored (cycle score 0 after a complete cycle).
    MemberRecord record;
    ClubWrite write = ClubWrite::Failed;
};

// Enters the record's cycle score into the top ten when its hands complete a
// cycle (a positive multiple of 30) and sets the score to 0, then stores the
// record among the members in rating order; one rewrite.
StoredResult storeResult(const std::filesystem::path &path, const MemberRecord &record,
                         bool writesBarred = false);

// The end of a match for a club member (oldSlot 1..5) or a new player
// (oldSlot 0 or 6): the old line is removed and the rebuilt record stored as
// storeResult does, in one rewrite, so no failure can lose the member.
StoredResult recordMatchEnd(const std::filesystem::path &path, int oldSlot,
                            const MemberRecord &record, bool writesBarred = false);

// A member's change of name and password during a match: the line at `slot`
// is removed and `atMatchStart` stored again under the new name and password
// (the cycle does not go to the top ten again). The caller takes
// memberLine as the player's new slot and record as the player's record.
StoredResult changeMemberName(const std::filesystem::path &path, int slot,
                              const MemberRecord &atMatchStart, std::string_view newName,
                              std::string_view newPassword, bool writesBarred = false);

// Member `slot` as the file holds it now (a match start reads it again);
// nothing for an empty slot or an unreadable file.
std::optional<MemberRecord> readMember(const std::filesystem::path &path, int slot);

// The decoded password (UTF-8, blank-padded to 5) of member `slot`; nothing
// for an empty slot, an unreadable file or a damaged password field.
std::optional<std::string> readMemberPassword(const std::filesystem::path &path, int slot);

// --- Log-in ----------------------------------------------------------------

enum class LoginCheck {
    Accepted,
    IncorrectName,     // "Incorrect name!"
    PasswordsDiffer,   // "The passwords do not coincide!"
    IncorrectPassword, // "The incorrect password!"
};

// A name the club file can keep: not empty nor only blanks, at most 20
// characters, every one writable in code page 1251 and none a control
// character.
bool isAcceptableMemberName(std::string_view name);

// A member's typed password against the one stored at `slot`.
LoginCheck checkMemberLogin(const std::filesystem::path &path, int slot, std::string_view typed);

// A new player's name and the password typed twice. A password the club
// file cannot keep (more than 5 characters, or characters outside code page
// 1251) is refused as incorrect.
LoginCheck checkNewPlayer(std::string_view name, std::string_view password,
                          std::string_view repeated);

// The record of a new player whose entry was accepted: hands, score and
// rating 0.
MemberRecord newPlayerRecord(std::string_view name, std::string_view password);

} // namespace quarn
