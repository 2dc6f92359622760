#pragma once
// Sound effects played by the rule operations, by resource name ("WHodsDo").
// The implementation knows whether sounds are switched on.

#include <string_view>

namespace quarn {

// Names of the effects the rules play.
inline constexpr std::string_view kSoundCardPlayed = "WHodsDo";
inline constexpr std::string_view kSoundPass = "WHodBer";
inline constexpr std::string_view kSoundPlayerWon = "WKoGutX";
inline constexpr std::string_view kSoundComputerWon = "WKoBadX";
inline constexpr std::string_view kSoundSettled = "WHodOtb";
inline constexpr std::string_view kSoundMatchWon = "WKoGood";
inline constexpr std::string_view kSoundMatchLost = "WKoBads";

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // waitForEnd: the operation goes on only after the sound has ended.
    virtual void Play(std::string_view /*name*/, bool /*waitForEnd*/) {}
};

} // namespace quarn
