// Setting up a slot: the variants' starting positions and the host's start text.
#pragma once

#include "backgammon_game.h"

#include <string_view>

namespace backgammon {

// ---- Starting positions ----

// Clears Board and places both sides' checkers for the game's Variant; a variant number
// outside 1 to 4 sets up plain backgammon.
void SetupPosition(TGame& game);

// ---- The start text ----

// Fills the record from the host's ":"-separated start text: players and who is local,
// match length and score, dice seed, FirstSide, options and the fresh starting position.
// newGame is false when a resume text follows, which then supplies the variant, the options
// and the position. A short or malformed text gives empty names, numbers 0 and FirstSide 1;
// a text ending in an empty own name makes both sides local (one screen). Also clears the
// flow's ResignDialogOpen switch.
void SetupFromStartText(TGame& game, std::string_view startText, bool newGame);

// The text without "|", which would end a command to the host (names, echoed texts).
std::string StripBars(std::string_view field);

}  // namespace backgammon
