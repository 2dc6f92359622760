#pragma once
// The texts the main window, the log-in window and the message window show,
// named once here so every window takes them from the word table through one
// function.

#include <QString>

namespace quarn {

enum class Word {
    ProductTitle,
    ProductTitleShort,
    BuildDate,
    Credits,
    NewPlayer,
    Options,
    TopTen,
    Exit,
    History,
    Mode,
    HeadingScore,
    HeadingRating,
    ExitToMenu,
    AskLeaveToMenu,
    DataWillBeLost,
    AskLeaveGame,
    GeneralScore,
    ChangeName,
    Help,
    HelpNotTranslated,
    About,
    Speed,
    Radio,
    Chat,
    Pass,
    NextGame,
    ToBegin,
    TotalOfGame,
    PleaseWait,
    Game,
    Welcome,
    EnterName,
    EnterPassword,
    AgainForCheck,
    MrX,
    Ok,
    Cancel,
    IncorrectName,
    PasswordsDiffer,
    IncorrectPassword,
    NameChanged,
    FileQuote,
    BadAttributes,
    IncorrectFile,
    CantFindFile,
    CantSaveOptions,
    DiskWriteError,
    CantSaveHistory,
    HintAccount,
    HintTournament,
    HintStatistics,
    HintNews,
    HintChat,
    HintHomePage,
    LogInFirst,
    CreatingGif,
};

// The text of the current language (English until the settings choose one).
QString word(Word w);

} // namespace quarn
