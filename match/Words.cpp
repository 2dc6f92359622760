#include "match/Words.h"

#include "lang/Language.h"
#include "store/History.h"

namespace quarn {

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

WordEntry entryOf(Word w) {
    switch (w) {
    case Word::NewPlayer:
        return WordEntry::MainNewPlayer;
    case Word::Options:
        return WordEntry::MainOptions;
    case Word::TopTen:
        return WordEntry::MainTopTen;
    case Word::Exit:
        return WordEntry::MainExit;
    case Word::History:
        return WordEntry::MainHistory;
    case Word::Mode:
        return WordEntry::MainMode;
    case Word::HeadingScore:
        return WordEntry::MainClubHeadingScore;
    case Word::HeadingRating:
        return WordEntry::MainClubHeadingRating;
    case Word::ExitToMenu:
        return WordEntry::MainExitToMenu;
    case Word::AskLeaveToMenu:
        return WordEntry::MainLeaveToMenuQuestion;
    case Word::DataWillBeLost:
        return WordEntry::MainDataWillBeLost;
    case Word::AskLeaveGame:
        return WordEntry::MainLeaveGameQuestion;
    case Word::GeneralScore:
        return WordEntry::MainGeneralScore;
    case Word::ChangeName:
        return WordEntry::MainChangeName;
    case Word::Help:
        return WordEntry::MainHelp;
    case Word::HelpNotTranslated:
        return WordEntry::MainHelpNotTranslated;
    case Word::About:
        return WordEntry::MainAbout;
    case Word::Speed:
        return WordEntry::MainSpeed;
    case Word::Radio:
        return WordEntry::MainRadio;
    case Word::Chat:
        return WordEntry::MainChat;
    case Word::Pass:
        return WordEntry::MainPass;
    case Word::NextGame:
        return WordEntry::MainNextGame;
    case Word::ToBegin:
        return WordEntry::MainToBegin;
    case Word::TotalOfGame:
        return WordEntry::MainTotalOfGame;
    case Word::PleaseWait:
        return WordEntry::MainPleaseWait;
    case Word::Game:
        return WordEntry::MainGame;
    case Word::Credits:
        return WordEntry::MainCredits;
    case Word::Welcome:
        return WordEntry::ClubWelcome;
    case Word::EnterName:
        return WordEntry::ClubEnterName;
    case Word::EnterPassword:
        return WordEntry::ClubEnterPassword;
    case Word::AgainForCheck:
        return WordEntry::ClubPasswordAgain;
    case Word::MrX:
        return WordEntry::ClubDefaultName;
    case Word::Ok:
        return WordEntry::OptOk;
    case Word::Cancel:
        return WordEntry::ClubCancel;
    case Word::IncorrectName:
        return WordEntry::ClubIncorrectName;
    case Word::PasswordsDiffer:
        return WordEntry::ClubPasswordsDiffer;
    case Word::IncorrectPassword:
        return WordEntry::ClubIncorrectPassword;
    case Word::NameChanged:
        return WordEntry::ClubNameChanged;
    case Word::FileQuote:
        return WordEntry::FileAttributesBefore;
    case Word::BadAttributes:
        return WordEntry::FileAttributesAfter;
    case Word::IncorrectFile:
        return WordEntry::FileIncorrect;
    case Word::CantFindFile:
        return WordEntry::FileCannotFind;
    case Word::CantSaveOptions:
        return WordEntry::FileCannotSaveOptions;
    case Word::DiskWriteError:
        return WordEntry::FileDiskWriteError;
    case Word::HintAccount:
        return WordEntry::AccHintLoggedOut;
    case Word::HintTournament:
        return WordEntry::MainTournamentHint;
    case Word::HintStatistics:
        return WordEntry::MainStatisticsHint;
    case Word::HintNews:
        return WordEntry::ChatNewsHint;
    case Word::HintChat:
        return WordEntry::ChatHint;
    case Word::HintHomePage:
        return WordEntry::MainHomePageHint;
    case Word::LogInFirst:
        return WordEntry::TourLogInFirst;
    case Word::CreatingGif:
        return WordEntry::MainCreatingGif;
    case Word::ProductTitle:
    case Word::ProductTitleShort:
    case Word::BuildDate:
    case Word::CantSaveHistory:
        break;
    }
    return WordEntry::MainGame;
}

} // namespace

QString word(Word w) {
    switch (w) {
    case Word::ProductTitle:
        return fromView(productTitle());
    case Word::ProductTitleShort:
        return fromView(productTitleShort());
    case Word::BuildDate:
        return fromView(buildDate());
    case Word::CantSaveHistory:
        return fromView(cantSaveHistoryMessage);
    default:
        return fromView(text(entryOf(w)));
    }
}

} // namespace quarn
