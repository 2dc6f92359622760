#include "VoiceNames.h"

namespace {

const char *const suitPrefixes[5] = {"", "Ch", "Bu", "Kr", "Pi"};
const char *const rankParts[10] = {"", "06", "07", "08", "09", "10", "2J", "3Q", "4K", "5A"};

} // namespace

const VoiceLanguage voiceLanguages[kVoiceLanguages] = {
    {"Eng", "en"},  {"Rus", "ru"}, {"Deu", "de"}, {"Fra", "fr"}, {"Spa", "es"},
    {"Chi", "cmn"}, {"Ita", "it"}, {"Cze", "cs"}, {"Jap", "ja"}, {"Kor", "ko"},
};

QString voiceResourceName(int language, int suit, int rank) {
    return QLatin1String(suitPrefixes[suit]) + QLatin1String(rankParts[rank]) +
           QStringLiteral("Voice") + QLatin1String(voiceLanguages[language].code);
}
