#pragma once
// The online account as the program holds it for the whole run: the state
// with its lamp, the current account and its results, the top ten, the
// member count, the photo slots, the President's profile, the saved-login
// flag, the transfer form and the account-match flag. The main window owns
// the one instance; the account window, the account match, the world lists
// and the tournament read and change it. Every "read" flag tells whether the
// last read of its data succeeded; the data keep their values until the next
// read.
#include <array>
#include <cstdint>
#include <string>

#include "web/Records.h"

namespace web {

// 1 logged out, 2 logged in, 3 logged in and playing for the rating.
enum class AccountState : std::uint8_t { LoggedOut = 1, LoggedIn = 2, PlayingForRating = 3 };

constexpr bool loggedIn(AccountState state) {
    return state != AccountState::LoggedOut;
}

// A JPEG picture held in memory; absent until a download or upload fills it.
struct PhotoSlot {
    std::string jpeg;
    bool present = false;
};

// Slot 1 the current account's photo, slot 2 the President's, slots 11 to 14
// the tournament seats'.
constexpr int kOwnPhotoSlot = 1;
constexpr int kPresidentPhotoSlot = 2;
constexpr int kFirstSeatPhotoSlot = 11;
constexpr int kPhotoSlotCount = 15;

struct Account {
    AccountState state = AccountState::LoggedOut;
    TWemUser user;

    TWemGame game;
    bool resultsRead = false;

    TopTenRows topTen{};
    bool topTenRead = false;

    int memberCount = 0;
    bool countRead = false;

    std::array<PhotoSlot, kPhotoSlotCount> photos{};
    TInfo14 president; // the profile of top-ten row 1

    bool savedLogin = false;

    // The transfer form of the "Wems" page.
    std::string transferNick;
    int transferAmount = 0;

    // Set while an account match runs, from its successful start until its
    // end has been recorded.
    bool accountMatch = false;
    // The match the service opened at the pre-charge: its id and the seed
    // its hands are dealt from.
    MatchTicket match;

    bool isLoggedIn() const { return loggedIn(state); }
    PhotoSlot &photo(int slot) { return photos.at(static_cast<std::size_t>(slot)); }
    const PhotoSlot &photo(int slot) const { return photos.at(static_cast<std::size_t>(slot)); }
};

} // namespace web
