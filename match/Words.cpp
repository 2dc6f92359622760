#include "match/Words.h"

namespace quarn {

QString word(Word w)
{
    switch (w) {
    case Word::ProductTitle: return QStringLiteral("Quarn");
    case Word::NewPlayer: return QStringLiteral("New Player");
    case Word::Options: return QStringLiteral("Options");
    case Word::TopTen: return QStringLiteral("Top Ten");
    case Word::Exit: return QStringLiteral("Exit");
    case Word::History: return QStringLiteral("History");
    case Word::Mode: return QStringLiteral("Mode");
    case Word::HeadingScore: return QStringLiteral(" The members of club    Games    Score ");
    case Word::HeadingRating: return QStringLiteral(" The members of club    Games   Rating ");
    case Word::ExitToMenu: return QStringLiteral("Exit to menu");
    case Word::AskLeaveToMenu: return QStringLiteral("You want to leave in the main menu?");
    case Word::DataWillBeLost: return QStringLiteral("All datas for want of it will be lost!");
    case Word::AskLeaveGame: return QStringLiteral("You want to leave from game?");
    case Word::GeneralScore: return QStringLiteral("General score");
    case Word::ChangeName: return QStringLiteral("To change a name");
    case Word::Help: return QStringLiteral("Help");
    case Word::HelpNotTranslated:
        return QStringLiteral("Excuse!\n\rThe file of the help is not translated to the English language.");
    case Word::About: return QStringLiteral("About");
    case Word::Speed: return QStringLiteral("Speed");
    case Word::Radio: return QStringLiteral("Radio");
    case Word::Chat: return QStringLiteral("Chat");
    case Word::Pass: return QStringLiteral("Pass");
    case Word::NextGame: return QStringLiteral("Next game");
    case Word::ToBegin: return QStringLiteral("To Begin");
    case Word::TotalOfGame: return QStringLiteral("Total of game");
    case Word::PleaseWait: return QStringLiteral("Please, wait...");
    case Word::Game: return QStringLiteral("Game");
    case Word::Welcome: return QStringLiteral("Welcome!");
    case Word::EnterName: return QStringLiteral("Enter Your name:");
    case Word::EnterPassword: return QStringLiteral("Enter Your password:");
    case Word::AgainForCheck: return QStringLiteral("And once again for check...");
    case Word::MrX: return QStringLiteral("Mr.X");
    case Word::Ok: return QStringLiteral("Ok");
    case Word::Cancel: return QStringLiteral("Cancel");
    case Word::IncorrectName: return QStringLiteral("Incorrect name!");
    case Word::PasswordsDiffer: return QStringLiteral("The passwords do not coincide!");
    case Word::IncorrectPassword: return QStringLiteral("The incorrect password!");
    case Word::NameChanged:
        return QStringLiteral("Your name and/or the password were successfully changed!\n\rNew name: ");
    case Word::FileQuote: return QStringLiteral("The file \"");
    case Word::BadAttributes:
        return QStringLiteral("\" has incorrect attributes!\n\rThe work of the program will be incorrect!");
    case Word::IncorrectFile: return QStringLiteral("The incorrect file");
    case Word::CantFindFile: return QStringLiteral("Can`t find the file");
    case Word::CantSaveOptions: return QStringLiteral("Can`t save options!");
    case Word::DiskWriteError: return QStringLiteral("Error of disk writing!");
    case Word::CantSaveHistory: return QStringLiteral("Cann`t save history!");
    }
    return {};
}

} // namespace quarn
