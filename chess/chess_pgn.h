// Writing a finished (or running) game to a PGN file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace chess {

// ---- Saving a game ----

// Appends the slot's game to its PGN file: the one collecting file, or with SaveOne a file
// of its own named after the players and today's date. `ratings` is the host's plain
// rating text, the local user's part first. PgnMoves is consumed once the game is written;
// a file that cannot be written is an error (thrown) and leaves PgnMoves as it was.
void SaveGame(std::int32_t slot, std::string_view ratings);

// ---- The pieces of a PGN game ----

// The file the slot's game goes to. With SaveOne: game folder + "White-Black date" (the
// characters that a file name cannot hold turned into "-"), and " #2", " #3" ... up to
// " #1001" while a file of that name exists.
std::string PgnFilePath(std::int32_t slot);
// The whole game as it is written: the tag pairs, an empty line, the movetext closed by the
// result, an empty line. Lines end with CR LF.
std::string PgnGameText(std::int32_t slot, std::string_view ratings);
// The TimeControl value: "*" + seconds per move for a game without base time, seconds of
// base time, or both as "300+3".
std::string TimeControlText(std::int32_t baseMinutes, std::int32_t incrementMs);
// Movetext cut into lines of at most 80 characters, each broken before a move number.
std::vector<std::string> BreakMovetext(std::string_view movetext);

}  // namespace chess
