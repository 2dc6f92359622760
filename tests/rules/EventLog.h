#pragma once
// A recorder standing in for the screen, the sound, the network and the
// stores: every call is written to one log as a short line, in call order.

#include <sstream>
#include <string>
#include <vector>

#include "rules/Outside.h"

namespace quarn::test {

class EventLog : public TableView, public SoundPlayer, public Announcer, public MatchRecorder {
  public:
    std::vector<std::string> events;
    bool flight = false;
    std::optional<AccountUpdate> accountAnswer;
    int submitFailures = 0; // SubmitAccountResult fails this many times
    int retryAnswers = 0;   // AskRetrySubmission answers yes this many times

    Outside Out() { return Outside{this, this, this, this}; }

    bool CardFlightOn() const override { return flight; }
    void RedrawTable() override { Log("table"); }
    void RedrawHand(int seat, bool faceUp) override { Log("hand", seat, faceUp ? "up" : "down"); }
    void FlyCard(int seat, int fromSlot, TStr2 card) override {
        Log("fly", seat, fromSlot, CardToUtf8(card));
    }
    void RedrawBank() override { Log("bank"); }
    void RedrawTabs(int highlighted) override { Log("tabs", highlighted); }
    void SetCommandLabel(CommandLabel label) override { Log("label", static_cast<int>(label)); }
    void HandDealt() override { Log("dealt"); }
    void CompleteFilm() override { Log("film"); }
    void HideTable() override { Log("hide-table"); }
    void ShowWaitBanner() override { Log("banner-on"); }
    void HideWaitBanner() override { Log("banner-off"); }
    void ReturnToMenu(bool account) override { Log("menu", account); }

    void Play(std::string_view name, bool wait) override {
        Log("sound", std::string(name), wait ? "wait" : "nowait");
    }

    void AnnounceStart() override { Log("announce-start"); }
    void AnnounceMove(int seat, int slot, TStr2 card) override {
        Log("announce-move", seat, slot, CardToUtf8(card));
    }
    void AnnouncePass(int seat) override { Log("announce-pass", seat); }
    void AnnounceSettle(const std::array<std::int32_t, 5> &s) override {
        Log("announce-settle", s[1], s[2], s[3], s[4]);
    }
    void CloseConnection() override { Log("close"); }

    std::optional<AccountUpdate> UpdateAccountGame(const GameState &) override {
        Log("account-update");
        return accountAnswer;
    }
    void WriteHistory(const HistoryEntry &e) override {
        Log("history", e.name, e.hands, e.result, e.rating, static_cast<int>(e.kind));
    }
    void SendStatistics(const MatchStatistics &s) override {
        Log("stats", static_cast<int>(s.kind), s.hands, s.cycleComplete, s.pointsWon, s.pointsLost);
    }
    void UpdateClub(const ClubUpdate &u) override {
        Log("club", u.networkClub, u.oldLine, "[" + u.line.name + "]", u.line.rating, u.line.hands,
            u.line.total);
    }
    void RemoveClubLine(bool network, int line) override { Log("club-remove", network, line); }
    void ShowEndOfGame(bool network) override { Log("end-of-game", network); }
    void SubmitWorldTopTen(std::int32_t score) override { Log("top-ten", score); }
    bool SubmitAccountResult(const GameState &) override {
        Log("submit");
        if (submitFailures > 0) {
            --submitFailures;
            return false;
        }
        return true;
    }
    bool AskRetrySubmission() override {
        Log("ask-retry");
        if (retryAnswers > 0) {
            --retryAnswers;
            return true;
        }
        return false;
    }

    // Only the events whose first word is one of the given ones.
    std::vector<std::string> Only(std::initializer_list<std::string> kinds) const {
        std::vector<std::string> kept;
        for (const auto &e : events) {
            const std::string first = e.substr(0, e.find(' '));
            for (const auto &k : kinds) {
                if (first == k)
                    kept.push_back(e);
            }
        }
        return kept;
    }

  private:
    template <typename... Args> void Log(const std::string &what, const Args &...args) {
        std::ostringstream line;
        line << what;
        ((line << ' ' << args), ...);
        events.push_back(line.str());
    }
};

} // namespace quarn::test
