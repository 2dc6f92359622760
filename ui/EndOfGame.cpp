#include "ui/EndOfGame.h"

#include "lang/Language.h"
#include "rules/SoundPlayer.h"

namespace quarn {

EndOfGameView endOfGameView(const EndOfGameFacts &facts) {
    EndOfGameView view;
    const bool best = facts.place == 1;
    const bool good = facts.place >= 2 && facts.place <= 10;
    view.result = std::string(text(WordEntry::ClubResult)) + std::to_string(facts.score);
    if (best) {
        view.sound = kSoundBestPlace;
        view.heading = WordEntry::ClubCongratulations;
        view.subtitle = WordEntry::ClubResultBest;
        switch (facts.kind) {
        case EndOfGameKind::Local:
            view.titleLine = WordEntry::ClubMaster;
            break;
        case EndOfGameKind::Network:
            view.titleLine = WordEntry::ClubBachelor;
            break;
        case EndOfGameKind::Account:
            view.titleLine = WordEntry::ClubVicePresident;
            break;
        }
        view.animation = "GEndBest";
        view.stillFrame = 25;
    } else if (good) {
        view.sound = kSoundGoodPlace;
        view.heading = WordEntry::ClubCongratulations;
        view.subtitle = WordEntry::ClubResultGood;
        view.titleLine = WordEntry::ClubInTopTen;
        view.animation = "GEndGood";
        view.stillFrame = 24;
    } else {
        view.sound = kSoundNoPlace;
        view.heading = WordEntry::ClubOurRegrets;
        view.subtitle = WordEntry::ClubResultWishBest;
        view.titleLine = WordEntry::ClubNotInTopTen;
        view.animation = "GEndBads";
        view.stillFrame = 3;
        view.loop = true;
        if (facts.kind == EndOfGameKind::Account && facts.place > 10)
            view.result +=
                " ; " + std::string(text(WordEntry::ClubPlace)) + std::to_string(facts.place);
    }
    if (best || good) {
        view.medalPlace = facts.place;
        if (facts.kind == EndOfGameKind::Account && facts.bonus > 0)
            view.bonus = facts.bonus;
    }
    return view;
}

} // namespace quarn
