// The sounds of the host installation, synthesized.
#pragma once

#include <string>

namespace art {

// ---- Sounds ----

// The bytes of a short mono 16-bit PCM wave file at 22050 samples per second: "piece" (a
// checker or piece set down on wood), "dice" (dice rattling and rolling out), "check" (a
// two-note chime), "Mate" (a short rising fanfare), "beep" (the clock warning).
std::string SoundFile(const std::string& name);

}  // namespace art
