#include "web/AccountMatch.h"

#include "web/AccountRating.h"
#include "web/Endpoints.h"

#include <algorithm>

namespace web {

namespace {

constexpr int kPreChargeAttempts = 3;
constexpr int kFirstWaitSeconds = 2;

void call(const std::function<void()> &f) {
    if (f)
        f();
}

bool ask(const std::function<bool()> &f) {
    return f && f();
}

// Reads the record into the account; the local record stays as it was when
// the read fails.
bool readResults(WebServices &web, Account &account) {
    const Reply<TWemGame> read =
        web.ReadGameResults(account.user.Nick, account.user.Pw, account.game);
    account.resultsRead = read.ok;
    if (read.ok)
        account.game = read.value;
    return read.ok;
}

// Sends the pre-charge up to three times, with the failure sound after each
// failed attempt and the waits of 2 and 3 seconds between them.
bool storePreCharge(WebServices &web, Account &account, const TWemGame &charged,
                    bool strongOpponents, const AccountMatchIo &io) {
    for (int attempt = 1; attempt <= kPreChargeAttempts; ++attempt) {
        const Reply<MatchTicket> ticket =
            web.SavePreCharge(account.user.Nick, account.user.Pw, charged, strongOpponents);
        if (ticket.ok) {
            account.match = ticket.value;
            return true;
        }
        call(io.playFailure);
        if (attempt < kPreChargeAttempts && io.wait)
            io.wait(kFirstWaitSeconds + attempt - 1);
    }
    return false;
}

TWemGame withMatch(TWemGame game, int keptKonL, int matchScore, int gameTotal) {
    game.Rating = RecordedRating(game.Rating, game.Kon, matchScore);
    if (keptKonL + kAccountBlock >= kAccountGameLength) {
        game.Best = std::max(game.Best, gameTotal);
        game.Sessions += 1;
        game.KonL = 0;
        game.Score = 0;
    } else {
        game.KonL = keptKonL + kAccountBlock;
        game.Score = gameTotal;
    }
    return game;
}

} // namespace

AccountMatchStart StartAccountMatch(WebServices &web, Account &account, const AccountMatchIo &io,
                                    bool strongOpponents) {
    const std::string nickBefore = account.user.Nick;
    const AccountState stateBefore = account.state;
    account.accountMatch = false;
    account.match = MatchTicket{};
    call(io.openAccountWindow);

    AccountMatchStart result;
    if (account.state != AccountState::PlayingForRating) {
        result.accountChanged = account.state != stateBefore || account.user.Nick != nickBefore;
        return result;
    }

    bool stored = false;
    if (readResults(web, account)) {
        const TWemGame kept = account.game;
        TWemGame charged = kept;
        charged.Kon = kept.Kon + kAccountBlock;
        charged.Rating = PreChargedRating(kept.Rating, kept.Kon);
        charged.KonL = 0;
        charged.Score = 0;
        stored = storePreCharge(web, account, charged, strongOpponents, io);
    }
    if (stored) {
        account.accountMatch = true;
        result.started = true;
        result.accountChanged = account.state != stateBefore || account.user.Nick != nickBefore;
        return result;
    }
    call(io.showCouldNotConnect);
    account.state = AccountState::LoggedOut;
    result.accountChanged = true;
    return result;
}

AccountMatchRecord RecordAccountMatch(WebServices &web, Account &account, int matchScore,
                                      int gameTotal, const AccountMatchIo &io,
                                      const std::string &moves) {
    AccountMatchRecord result;
    if (account.state != AccountState::PlayingForRating) {
        account.accountMatch = false;
        result.rating = account.game.Rating;
        return result;
    }
    const int keptKonL = account.game.KonL;
    for (;;) {
        if (readResults(web, account)) {
            const TWemGame held = account.game;
            const TWemGame recorded = withMatch(held, keptKonL, matchScore, gameTotal);
            if (web.SaveMatchRecord(account.user.Nick, account.user.Pw, recorded, account.match.id,
                                    moves)) {
                // The service's own figures from its replay; the local
                // computation stands in only while they cannot be read.
                if (!readResults(web, account))
                    account.game = recorded;
                result.stored = true;
                break;
            }
            account.game = held;
        }
        account.game.KonL = keptKonL;
        if (!ask(io.askRepeatRecord))
            break;
    }
    account.accountMatch = false;
    result.rating = account.game.Rating;
    result.gameComplete = result.stored && account.game.KonL == 0;
    return result;
}

int PlaceBonus(int place) {
    if (place == 1)
        return kBestPlaceBonus;
    if (place >= 2 && place <= 10)
        return kTopTenBonus;
    return 0;
}

AccountGameSubmission SubmitAccountGame(WebServices &web, Account &account, int gameTotal,
                                        const AccountMatchIo &io) {
    AccountGameSubmission result;
    result.score = gameTotal;
    TWemRecord entry;
    entry.GID = kAccountGamesList;
    entry.Nick = account.user.Nick;
    entry.City = account.user.City;
    entry.Country = account.user.Country1;
    entry.Score = gameTotal;
    entry.R07 = std::string(1, account.user.Sex);
    entry.R09 = "#";
    entry.R10 = "#";
    // One id for every attempt: a repeat after a lost acknowledgement makes
    // no second entry.
    const std::string requestId = "m" + std::to_string(account.match.id);
    for (;;) {
        const Reply<int> sent = web.SendWorldResult(entry, requestId, account.match.id);
        if (sent.ok) {
            result.submitted = true;
            result.place = sent.value;
            break;
        }
        if (!ask(io.askRepeatSubmission))
            return result;
    }
    result.bonus = PlaceBonus(result.place);
    if (result.bonus > 0 && !web.AddBalance(account.user.Nick, result.bonus))
        result.bonus = kBonusFailed;
    if (result.bonus != kBonusFailed) {
        const Reply<int> balance = web.ReadBalance(account.user.Nick);
        if (balance.ok)
            account.user.R04 = balance.value;
    }
    return result;
}

} // namespace web
