#include "match/ClubAccess.h"

#include "store/ClubFile.h"

namespace quarn {

bool passwordsMatch(const QString &typed, const QString &stored) {
    return typed.leftJustified(5, QLatin1Char(' '), true) ==
           stored.leftJustified(5, QLatin1Char(' '), true);
}

std::optional<WordEntry> newPlayerEntryProblem(const QString &name, const QString &password,
                                               const QString &again) {
    switch (checkNewPlayer(name.toStdString(), password.toStdString(), again.toStdString())) {
    case LoginCheck::Accepted:
        return std::nullopt;
    case LoginCheck::IncorrectName:
        return WordEntry::ClubIncorrectName;
    case LoginCheck::PasswordsDiffer:
        return WordEntry::ClubPasswordsDiffer;
    case LoginCheck::IncorrectPassword:
        return WordEntry::ClubIncorrectPassword;
    }
    return WordEntry::ClubIncorrectName;
}

} // namespace quarn
