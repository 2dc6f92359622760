#pragma once
// Sound effects, played by resource name ("WHodsDo"). The names below are the
// one table of the effects every part of the program plays; the
// implementation knows whether sounds are switched on.

#include <string_view>

namespace quarn {

// The effects of the rule operations.
inline constexpr std::string_view kSoundCardPlayed = "WHodsDo";
inline constexpr std::string_view kSoundPass = "WHodBer";
inline constexpr std::string_view kSoundPlayerWon = "WKoGutX";
inline constexpr std::string_view kSoundComputerWon = "WKoBadX";
inline constexpr std::string_view kSoundSettled = "WHodOtb";
inline constexpr std::string_view kSoundMatchWon = "WKoGood";
inline constexpr std::string_view kSoundMatchLost = "WKoBads";

// The effects of the windows and the network.
inline constexpr std::string_view kSoundDealt = "WTasoKo";       // a new hand lies on the table
inline constexpr std::string_view kSoundWindowOpens = "WOpenFo"; // a window or a question opens
inline constexpr std::string_view kSoundRefused = "WWrongs";     // a refused move, a failure
inline constexpr std::string_view kSoundSuccess = "WToMenK";     // a chat line, a download done
inline constexpr std::string_view kSoundBestPlace = "WFiBest";   // first place in a top ten
inline constexpr std::string_view kSoundGoodPlace = "WFiGood";   // a place in a top ten
inline constexpr std::string_view kSoundNoPlace = "WFiBads";     // no place in a top ten

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // waitForEnd: the operation goes on only after the sound has ended.
    virtual void Play(std::string_view /*name*/, bool /*waitForEnd*/) {}
};

} // namespace quarn
