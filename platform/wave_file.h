#pragma once
// Wave files as the sound player reads them: whether one holds sound it can
// play, and the program's own chime rendered as one.

#include <string>
#include <string_view>

namespace kestrivane {

// A RIFF WAVE in a format the player decodes (integer PCM of 8 or 16 bits,
// mono or stereo) with at least one byte of sound data.
bool IsPlayableWave(std::string_view bytes);

// About a second of two bell strikes, 16-bit mono PCM: what an alarm plays
// when the user's own sound cannot be played.
std::string ChimeWave();

}  // namespace kestrivane
