// libs: quarn_store
// Feeds arbitrary bytes to the club file reader and, when they have the
// shape of a club file, runs every reading and changing operation on them:
// nothing may crash, and a changed file must keep its shape and its sums.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "store/ClubFile.h"

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

void readEverything(const quarn::ClubFile &file) {
    (void)file.isCorrect();
    (void)file.russianEdition();
    (void)file.editionCode();
    for (int slot = 0; slot <= quarn::ClubMemberSlots + 1; ++slot) {
        if (auto record = file.member(slot)) {
            (void)quarn::decodePassword(record->encodedPassword);
            // A record read from a file writes back to a line of the same shape.
            require(quarn::formatMemberLine(*record).size() == quarn::ClubMemberLineLength);
        }
        (void)file.memberLineText(slot);
    }
    for (int place = 0; place <= quarn::ClubTopTenSize + 1; ++place) {
        (void)file.topTen(place);
        (void)file.topTenLineText(place);
    }
}

void requireSound(const quarn::ClubFile &file) {
    require(file.sumsMatch());
    const auto again = quarn::ClubFile::parse(file.bytes());
    require(again.has_value());
    require(again->bytes() == file.bytes());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);

    // The field readers on the raw bytes.
    (void)quarn::parseRating(bytes.substr(0, 16));
    (void)quarn::decodePassword(bytes.substr(0, 15));
    (void)quarn::encodePassword(bytes.substr(0, 8));
    (void)quarn::parseMemberLine(bytes.substr(0, quarn::ClubMemberLineLength));
    (void)quarn::isAcceptableMemberName(bytes.substr(0, 24));
    (void)quarn::checkNewPlayer(bytes.substr(0, 24), bytes.substr(0, 5), bytes.substr(0, 5));

    auto file = quarn::ClubFile::parse(bytes);
    if (!file)
        return 0;
    readEverything(*file);

    // The operations a match end, a rename and an abandoned match perform.
    // Slots 0 and 6 lie outside the club: removing them changes nothing.
    const int slot = size > 0 ? data[0] % 7 : 1;
    quarn::ClubFile changed = *file;
    changed.removeMember(slot);
    if (slot >= 1 && slot <= quarn::ClubMemberSlots)
        requireSound(changed);
    else
        require(changed.bytes() == file->bytes());
    if (auto record = file->member(slot)) {
        const int place = changed.enterTopTen(record->name, record->cycleScore);
        require(place >= 0 && place <= quarn::ClubTopTenSize);
        const int line = changed.insertMember(*record);
        require(line >= 0 && line <= quarn::ClubMemberSlots);
        requireSound(changed);
        readEverything(changed);
    }
    return 0;
}
