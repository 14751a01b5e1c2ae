// The player's sound settings kept between runs in "./setup.ini": four plain
// lines (not INI syntax despite the name) holding the audio player's
// SoundOn, MusicOn, SoundVolume and MusicVolume.
#pragma once

#include <string>
#include <string_view>

#include "audio/audio_player.h"

namespace qv {

inline constexpr std::string_view kSettingsFile = "./setup.ini";

// Line k of `text` sets the field of line k: lines 1 and 2 are switches
// ("True" / "False" in any case, or a number: 0 off, any other on; anything
// else is on), lines 3 and 4 decimal volumes (anything else is 128). A
// shorter text sets only the lines it has; lines after the fourth are
// ignored. CR LF, LF and a lone CR all end a line.
void ApplySettingsText(std::string_view text, AudioPlayer& audio);

// Reads kSettingsFile into the player when it exists (an absent file leaves
// the player's own defaults). False when there is no file to read.
bool ReadSettings(AudioPlayer& audio);

// The four lines, "True" / "False" and decimal volumes, each but the last
// ended by CR LF.
std::string SettingsText(const AudioPlayer& audio);

// Rewrites kSettingsFile. False when it cannot be written.
bool WriteSettings(const AudioPlayer& audio);

}  // namespace qv
