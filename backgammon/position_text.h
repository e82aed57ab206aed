// The canonical position text by which the two plug-ins of a game, the host's history and
// a resumed game describe a position.
#pragma once

#include "backgammon_game.h"

#include <string>
#include <string_view>

namespace backgammon {

// ---- Writing ----

// Ten "/"-separated fields: the board seen from FirstSide (one letter or "-" per index,
// upper case for FirstSide's checkers), Turn x FirstSide (negated when flip is set), the
// state code, DiceSeed, Cube x FirstSide, then Crawford, OpeningRoll, Jacoby, Beaver as 0 or
// 1 and Variant. Two records of one game, one of them mirrored with the opposite FirstSide,
// write the same text.
std::string PositionText(const TGame& game, bool flip);

// The board field alone (field 1 of PositionText).
std::string BoardText(const TGame& game);

// ---- Reading ----

// Loads a position from a resume text: the first and the second player's score, then the
// ten fields of a position text. Sets scores, Board, Turn, State, DiceSeed, Cube, Crawford,
// OpeningRoll, Jacoby, Beaver and Variant, and returns the State to re-enter. Missing
// fields read as 0, unknown board letters as empty points; a Turn other than -1, 0, 1 reads
// as its sign, a state outside 0 to 11 as 0 and a cube level beyond MaxCubeLevel as that
// level.
int ReadResumeText(TGame& game, std::string_view text);

}  // namespace backgammon
